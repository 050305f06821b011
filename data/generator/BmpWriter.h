// Writes BMP files: 24-bit, or 8-bit with a palette.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// pixels: 0x00RRGGBB, rows top-down.
bool WriteBmp24(const std::string& path, int width, int height,
                const std::vector<std::uint32_t>& pixels);
// indices into `palette` (0x00RRGGBB, at most 256 entries), rows top-down.
bool WriteBmp8(const std::string& path, int width, int height,
               const std::vector<std::uint8_t>& indices, const std::vector<std::uint32_t>& palette);
