// The import program's standard input and output, as raw bytes.
#pragma once

#include <cstdint>
#include <vector>

// Everything on standard input up to its end; false when reading fails or it holds more than
// `maxBytes`.
bool ReadStandardInput(std::vector<std::uint8_t>& data, std::uint64_t maxBytes);

// All of `data` to standard output.
bool WriteStandardOutput(const std::vector<std::uint8_t>& data);
