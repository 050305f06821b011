#include "core/PcmClip.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "core/LittleEndian.h"

namespace {
constexpr int kLeadMs = 5;

bool IsLoud(std::int16_t sample) {
    return std::abs(sample) > kSilenceLevel;
}
}  // namespace

bool PcmClip::TrimSilence(std::size_t cap) {
    if (channels <= 0) {
        return false;
    }
    const auto firstLoud = std::ranges::find_if(samples, IsLoud);
    if (firstLoud == samples.end()) {
        const bool bShortened = samples.size() > cap;
        samples.resize(std::min(samples.size(), cap));
        return bShortened;
    }
    const auto lastLoud = std::find_if(samples.rbegin(), samples.rend(), IsLoud);
    const std::size_t channelCount = static_cast<std::size_t>(channels);
    const std::size_t lead = static_cast<std::size_t>(rate) * kLeadMs / 1000 * channelCount;
    const std::size_t first = static_cast<std::size_t>(firstLoud - samples.begin());
    std::size_t begin = first > lead ? first - lead : 0;
    begin -= begin % channelCount;
    std::size_t end = static_cast<std::size_t>(samples.rend() - lastLoud);
    end += (channelCount - end % channelCount) % channelCount;
    end = std::min(end, samples.size());
    bool bShortened = false;
    if (end - begin > cap) {
        end = begin + cap;
        bShortened = true;
    }
    samples = std::vector<std::int16_t>(samples.begin() + static_cast<std::ptrdiff_t>(begin),
                                        samples.begin() + static_cast<std::ptrdiff_t>(end));
    return bShortened;
}

std::vector<std::uint8_t> PcmClip::ToWave() const {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> b(44 + std::size_t(dataBytes));
    std::memcpy(&b[0], "RIFF", 4);
    PutU32(&b[4], 36 + dataBytes);
    std::memcpy(&b[8], "WAVEfmt ", 8);
    PutU32(&b[16], 16);
    PutU16(&b[20], 1);  // PCM
    PutU16(&b[22], static_cast<std::uint32_t>(channels));
    PutU32(&b[24], static_cast<std::uint32_t>(rate));
    PutU32(&b[28], static_cast<std::uint32_t>(rate * channels * 2));
    PutU16(&b[32], static_cast<std::uint32_t>(channels * 2));
    PutU16(&b[34], 16);
    std::memcpy(&b[36], "data", 4);
    PutU32(&b[40], dataBytes);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        PutU16(&b[44 + 2 * i], static_cast<std::uint16_t>(samples[i]));
    }
    return b;
}
