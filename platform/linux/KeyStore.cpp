#include "platform/KeyStore.h"

#include "core/Archive.h"
#include "platform/File.h"
#include "platform/FileSystem.h"

static std::string KeyFolder(const std::string& key) {
    const std::string root = XdgBaseDirectory("XDG_CONFIG_HOME", ".config");
    if (root.empty()) {
        return {};
    }
    std::string path = root + "/";
    for (char c : key) {
        path.push_back(c == '\\' ? '/' : c);
    }
    return path;
}

static std::string ValueFile(const std::string& key, const std::string& name) {
    const std::string folder = KeyFolder(key);
    return folder.empty() ? std::string() : PathJoin(folder, name.empty() ? "(Default)" : name);
}

bool KeyStoreKeyExists(const std::string& key) {
    std::string folder = KeyFolder(key);
    return !folder.empty() && PathIsDirectory(folder);
}

bool KeyStoreCreateKey(const std::string& parent, const std::string& child) {
    std::string folder = KeyFolder(parent);
    if (folder.empty()) {
        return false;
    }
    // The store's root folders are the system's own; make them as needed.
    CreateDirectories(folder);
    std::string path = PathJoin(folder, child);
    return CreateDirectory(path) || PathIsDirectory(path);
}

bool KeyStoreSetValue(const std::string& key, const std::string& name, const std::string& value) {
    if (!KeyStoreKeyExists(key)) {
        return false;
    }
    CFile file;
    if (!file.Open(ValueFile(key, name), CFile::modeCreate | CFile::modeWrite)) {
        return false;
    }
    return file.Write(value.data(), value.size()) && file.Close();
}

bool KeyStoreGetValue(const std::string& key, const std::string& name, std::string& value) {
    CFile file;
    if (!file.Open(ValueFile(key, name), CFile::modeRead)) {
        return false;
    }
    constexpr std::uint64_t kMaxValue = 65536;
    if (file.GetLength() > kMaxValue) {
        return false;
    }
    std::string text(static_cast<std::size_t>(file.GetLength()), '\0');
    if (file.Read(text.data(), text.size()) != text.size()) {
        return false;
    }
    value = std::move(text);
    return true;
}
