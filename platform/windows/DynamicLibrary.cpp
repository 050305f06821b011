#include "platform/DynamicLibrary.h"

#include "platform/windows/WideText.h"

#include "platform/FileSystem.h"

void* LoadLibrary(const std::string& pathOrName) {
    // The program itself, asked for by its path, is the module already running.
    std::string exe;
    if (GetModuleFileName(exe) && exe == pathOrName) {
        return GetModuleHandleW(nullptr);
    }
    return LoadLibraryW(WidePath(pathOrName).c_str());
}

void* GetProcAddress(void* module, const char* name) {
    return module != nullptr
               ? reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(module), name))
               : nullptr;
}
