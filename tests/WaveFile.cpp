#include "WaveFile.h"

Bytes MakeWave(const WaveFormat& format, std::uint32_t dataBytes) {
    Bytes b = {'R', 'I', 'F', 'F'};
    auto put = [&b](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b.push_back(v >> (8 * i) & 0xFF);
    };
    const std::uint32_t frame = format.channels * format.bits / 8;
    put(36 + dataBytes, 4);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put(16, 4);
    put(1, 2);
    put(format.channels, 2);
    put(format.rate, 4);
    put(format.rate * frame, 4);
    put(frame, 2);
    put(format.bits, 2);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    put(dataBytes, 4);
    for (std::uint32_t i = 0; i < dataBytes; ++i) {
        b.push_back((i / 40) % 2 == 0 ? 0x30 : 0xD0);
    }
    return b;
}
