// Puts a fuzz input where a reader that takes a path finds it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A folder of this process's own, made at the first call.
const std::string& FuzzFolder();

// Writes the input to `path`, replacing what was there.
void WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size);
