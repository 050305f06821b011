#include "platform/DynamicLibrary.h"

#include "platform/windows/WideText.h"

void* LoadLibrary(const std::string& pathOrName) {
    return LoadLibraryW(WidePath(pathOrName).c_str());
}

void* GetProcAddress(void* module, const char* name) {
    return module != nullptr
               ? reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(module), name))
               : nullptr;
}
