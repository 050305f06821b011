#include "platform/DynamicLibrary.h"

#include <dlfcn.h>

void* LoadLibrary(const std::string& pathOrName) {
    return pathOrName.empty() ? nullptr : ::dlopen(pathOrName.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* GetProcAddress(void* module, const char* name) {
    return module != nullptr ? ::dlsym(module, name) : nullptr;
}
