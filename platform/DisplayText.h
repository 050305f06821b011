// Names and texts from the disk as the controls show them. File and folder names are bytes,
// and so are the names a Windows copy of the program stored (in its ANSI code page,
// Windows-1252 in Western Europe): what a control shows is only a readable rendering of them,
// and never becomes a name or a path again.
#pragma once

#include <string>
#include <string_view>

class wxString;

// The bytes as UTF-8 text: every well-formed UTF-8 sequence as it is, every other byte as the
// Windows-1252 character it stands for.
std::string ReadableUtf8(std::string_view bytes);

// The same as the toolkit's text.
wxString DisplayText(std::string_view bytes);

// Whether the bytes are well-formed UTF-8 throughout.
bool IsUtf8(std::string_view bytes);
// UTF-8 text in Windows-1252, the code page Windows copies read in Western Europe; false,
// with `bytes` unchanged, when a character has no place in it.
bool Windows1252FromUtf8(std::string_view utf8, std::string& bytes);
// UTF-8 text as UTF-16 units; a malformed byte becomes U+FFFD.
std::u16string Utf16FromUtf8(std::string_view utf8);
// UTF-16LE units (two bytes each) as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8FromUtf16Le(std::string_view units);
