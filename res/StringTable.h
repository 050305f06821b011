// The program's string table: every text shown to the parent, by number.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>

// The text of string `id` in the parent's language, or an empty string when there is none.
std::string LoadString(int id);

// The text of string `id` for `count` things, in the form the language uses for that count.
std::string LoadString(int id, std::size_t count);

// `text` with each "%N$s" (or "%N$d") replaced by the Nth of `args`: every text with values
// numbers them, so a translation may put them in its own order.
std::string FormatText(const std::string& text, std::initializer_list<std::string> args);

// String `id` with its values filled in.
std::string FormatString(int id, const std::string& arg1, const std::string& arg2 = {},
                         const std::string& arg3 = {}, const std::string& arg4 = {});
// String `id`, in its form for `count` things, with its values filled in.
std::string FormatCountString(int id, std::size_t count, const std::string& arg1,
                              const std::string& arg2 = {});

// The program's name, the caption of the framework's own messages.
std::string AppName();
// The program's identity on the desktop: its desktop entry's name (with ".desktop"), its
// AppStream id, its Wayland application id and its X11 window class.
std::string AppId();
