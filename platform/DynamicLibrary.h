// Loading a module at run time and finding an entry point in it by name.
#pragma once

#include <string>

// A path, or a bare name looked up through the loader's search path (which includes the
// executable's own folder). Null when it cannot be loaded.
void* LoadLibrary(const std::string& pathOrName);
void* GetProcAddress(void* module, const char* name);
