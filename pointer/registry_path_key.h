#pragma once
// RegistryPathKey: one registry key named by a single text path whose first
// component is the name of a root key, e.g. "HKEY_CURRENT_USER\Control
// Panel\Mouse". It holds at most one open key; opening again closes the last.

#include <cstdint>
#include <optional>
#include <string_view>

#include "config/records.h"
#include "platform/registry.h"

class RegistryPathKey {
  public:
    explicit RegistryPathKey(platform::Registry& registry) : registry_(registry) {}
    ~RegistryPathKey() { Close(); }
    RegistryPathKey(const RegistryPathKey&) = delete;
    RegistryPathKey& operator=(const RegistryPathKey&) = delete;

    // Splits the path into rootKey and subKeyPath. 1 when split; 0 when the
    // path has no backslash or its sub-key does not fit subKeyPath, and then
    // nothing changes. An unknown root name (HKEY_USERS included) means
    // HKEY_LOCAL_MACHINE with the whole path as the sub-key.
    int SplitRoot(std::u16string_view path);

    // Closes the key held, then opens the key of the path, creating it when it
    // cannot be opened (the access mask applies to opening only). 1 when a key
    // is open afterwards, else 0.
    int Open(std::u16string_view path, std::uint32_t access);

    // Writes a string value into the open key; 1 on success, else 0.
    int SetString(std::u16string_view name, std::u16string_view text);

    // Closes the key held, if any, and empties subKeyPath; rootKey stays.
    void Close();

    platform::RegistryKey openKey = 0;
    std::optional<platform::RegistryRoot> rootKey;
    PathText subKeyPath{};

  private:
    platform::Registry& registry_;
};
