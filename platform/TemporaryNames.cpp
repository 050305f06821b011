#include "platform/TemporaryNames.h"

#include <algorithm>
#include <cctype>
#include <random>

std::string RandomNameLetters(std::size_t count) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::random_device device;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string letters;
    for (std::size_t i = 0; i < count; ++i) {
        letters.push_back(kLetters[pick(device)]);
    }
    return letters;
}

bool IsTemporaryName(const std::string& name, const std::string& prefix) {
    constexpr std::size_t kMarker = sizeof ".tmp-" - 1;
    if (name.size() <= kMarker + kTempRandomLength ||
        name.compare(name.size() - kTempRandomLength - kMarker, kMarker, ".tmp-") != 0 ||
        (!prefix.empty() && (name.size() != prefix.size() + kTempRandomLength ||
                             name.compare(0, prefix.size(), prefix) != 0))) {
        return false;
    }
    return std::all_of(name.end() - kTempRandomLength, name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}
