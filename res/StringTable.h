// The program's string table: every text shown to the parent, by number.
#pragma once

#include <string>

// The text of string `id`, or an empty string when there is none.
std::string LoadString(int id);
