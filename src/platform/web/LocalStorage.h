// The page's localStorage, holding byte strings: every byte is kept as one character, so
// any bytes come back as they were stored. Where the browser keeps no storage for the page
// (switched off, or full), reads find nothing and writes fail, quietly.
#pragma once

#include <optional>
#include <string>
#include <system_error>
#include <vector>

std::optional<std::string> ReadStoredItem(const std::string& key);
// No space left when the storage is full; permission denied when the page may keep none.
std::error_code StoreItem(const std::string& key, const std::string& value);
void RemoveStoredItem(const std::string& key);
// Every stored key that begins with prefix.
std::vector<std::string> StoredKeysStartingWith(const std::string& prefix);
