// A new random (version 4) UUID in its standard 36-character text form, upper case.
#pragma once

#include <string>

std::string NewUuidString();
