#include "platform/TemporaryNames.h"

#include <algorithm>
#include <cctype>

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
