// Text in the forms the library's files and other copies of the program store it: UTF-8,
// Windows-1252 and UTF-16. Plain conversions, with nothing of the toolkit.
#pragma once

#include <string>
#include <string_view>

// The bytes as UTF-8 text: every well-formed UTF-8 sequence as it is, every other byte as the
// Windows-1252 character it stands for.
std::string ReadableUtf8(std::string_view bytes);

// Whether the bytes are well-formed UTF-8 throughout.
bool IsUtf8(std::string_view bytes);
// UTF-8 text in Windows-1252, the code page Windows copies read in Western Europe; false,
// with `bytes` unchanged, when a character has no place in it.
bool Windows1252FromUtf8(std::string_view utf8, std::string& bytes);
// UTF-8 text as UTF-16 units; a malformed byte becomes U+FFFD.
std::u16string Utf16FromUtf8(std::string_view utf8);
// UTF-16LE units (two bytes each) as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8FromUtf16Le(std::string_view units);
