#include "platform/StagingFolder.h"

#include <algorithm>
#include <cctype>
#include <cstring>

bool CStagingFolder::IsLeftoverName(const std::string& name,
                                    const std::function<bool(const std::string&)>& isStagedName) {
    // mkdtemp's random part is letters and digits.
    const std::size_t marker =
        name.size() - std::min(name.size(), std::strlen(kMarker) + kRandomLength);
    if (name.size() <= std::strlen(kPrefix) + std::strlen(kMarker) + kRandomLength ||
        name.compare(0, std::strlen(kPrefix), kPrefix) != 0 ||
        name.compare(marker, std::strlen(kMarker), kMarker) != 0) {
        return false;
    }
    for (std::size_t i = marker + std::strlen(kMarker); i < name.size(); ++i) {
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) {
            return false;
        }
    }
    const std::size_t start = std::strlen(kPrefix);
    return isStagedName(name.substr(start, marker - start));
}
