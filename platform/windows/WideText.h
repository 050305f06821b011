// File names are UTF-8 inside the program and UTF-16 at every Windows call; the program's
// paths use '/', Windows' own '\\'.
#pragma once

#include <string>

#include "platform/windows/Windows.h"

std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& wide);
// A path for a Windows call.
std::wstring WidePath(const std::string& path);
// A path from a Windows call, in the program's form.
std::string ProgramPath(const std::wstring& path);
// The text of a Windows error code.
std::string ErrorText(DWORD error);
