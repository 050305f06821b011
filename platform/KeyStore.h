// A small key store standing in for the system registry: each key is a folder under
// $XDG_CONFIG_HOME (default ~/.config) mirroring the key path, each value a file in it.
// Every operation reports failure by its result and never says anything.
#pragma once

#include <string>

// "SOFTWARE\Maker\Program" style paths; the key store root is prefixed here. The empty
// value name is the key's default value.
bool KeyStoreKeyExists(const std::string& key);
bool KeyStoreCreateKey(const std::string& parent, const std::string& child);
bool KeyStoreSetValue(const std::string& key, const std::string& name, const std::string& value);
bool KeyStoreGetValue(const std::string& key, const std::string& name, std::string& value);
