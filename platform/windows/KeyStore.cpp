#include "platform/KeyStore.h"

#include "platform/windows/WideText.h"

// The key store is the registry. The program names keys of two of its parts: the classes'
// (the HTML Help control's "CLSID\..." key) and the machine's software ("SOFTWARE\...",
// where the application directory is recorded; writing there needs an administrator's
// rights, and fails quietly without them).

namespace {

HKEY RootOf(const std::string& key) {
    return key.rfind("CLSID\\", 0) == 0 ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE;
}

HKEY OpenKey(const std::string& key, bool bCreate) {
    HKEY handle = nullptr;
    const std::wstring name = WideFromUtf8(key);
    const HKEY root = RootOf(key);
    const LONG result = bCreate ? RegCreateKeyExW(root, name.c_str(), 0, nullptr, 0,
                                                  KEY_READ | KEY_WRITE, nullptr, &handle, nullptr)
                                : RegOpenKeyExW(root, name.c_str(), 0, KEY_READ, &handle);
    return result == ERROR_SUCCESS ? handle : nullptr;
}

}  // namespace

bool KeyStoreKeyExists(const std::string& key) {
    HKEY handle = OpenKey(key, false);
    if (handle == nullptr) {
        return false;
    }
    RegCloseKey(handle);
    return true;
}

bool KeyStoreCreateKey(const std::string& parent, const std::string& child) {
    HKEY handle = OpenKey(parent.empty() ? child : parent + "\\" + child, true);
    if (handle == nullptr) {
        return false;
    }
    RegCloseKey(handle);
    return true;
}

bool KeyStoreSetValue(const std::string& key, const std::string& name, const std::string& value) {
    HKEY handle = OpenKey(key, true);
    if (handle == nullptr) {
        return false;
    }
    const std::wstring text = WideFromUtf8(value);
    const LONG result = RegSetValueExW(handle, WideFromUtf8(name).c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(text.c_str()),
                                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

bool KeyStoreGetValue(const std::string& key, const std::string& name, std::string& value) {
    HKEY handle = OpenKey(key, false);
    if (handle == nullptr) {
        return false;
    }
    const std::wstring valueName = WideFromUtf8(name);
    DWORD type = 0, size = 0;
    LONG result = RegQueryValueExW(handle, valueName.c_str(), nullptr, &type, nullptr, &size);
    std::wstring text;
    if (result == ERROR_SUCCESS && type == REG_SZ && size <= (1u << 20)) {
        text.resize(size / sizeof(wchar_t) + 1);
        result = RegQueryValueExW(handle, valueName.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(text.data()), &size);
        text.resize(size / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0') {
            text.pop_back();
        }
    }
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS || type != REG_SZ) {
        return false;
    }
    value = Utf8FromWide(text);
    return true;
}
