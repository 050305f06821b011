// The program's string table: every text shown to the parent, by number.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>

// The text of string `id`, or an empty string when there is none.
std::string LoadString(int id);

// The text of string `id` for `count` things: its form for one thing where it has one.
std::string LoadString(int id, std::size_t count);

// String `id` with %1, %2 and %3 replaced by the arguments.
std::string FormatString(int id, const std::string& arg1, const std::string& arg2 = {},
                         const std::string& arg3 = {});
// String `id`, in its form for `count` things, with %1 replaced by `list`.
std::string FormatListString(int id, std::size_t count, const std::string& list);
// The string's "%s" and "%d" places filled in order with the texts given, as sprintf would.
std::string FormatStringS(int id, std::initializer_list<std::string> args);

// The program's name, the caption of the framework's own messages.
std::string AppName();
// The program's identity on the desktop: its desktop entry's name (with ".desktop"), its
// AppStream id, its Wayland application id and its X11 window class.
std::string AppId();
