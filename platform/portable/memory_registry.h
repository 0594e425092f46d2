#pragma once
// A registry kept in memory. Like a fresh user profile it holds
// HKEY_CURRENT_USER\Control Panel\Mouse; a test can remove keys and make
// opens, creations or writes fail. Names compare without regard to case.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/portable/trace.h"
#include "platform/registry.h"

namespace platform::portable {

class MemoryRegistry final : public Registry {
  public:
    explicit MemoryRegistry(Trace* trace = nullptr);

    RegistryKey Open(RegistryRoot root, std::u16string_view subKey, std::uint32_t access) override;
    RegistryKey Create(RegistryRoot root, std::u16string_view subKey) override;
    bool SetString(RegistryKey key, std::u16string_view name, std::u16string_view text) override;
    void Close(RegistryKey key) override;

    // Removes the key with its sub-keys and values.
    void RemoveKey(RegistryRoot root, std::u16string_view subKey);
    bool KeyExists(RegistryRoot root, std::u16string_view subKey) const;

    void FailOpens(bool fail) { failOpens_ = fail; }
    void FailCreates(bool fail) { failCreates_ = fail; }
    void FailWrites(bool fail) { failWrites_ = fail; }

    // A value's data as stored, terminator included; no value when missing.
    std::optional<std::vector<std::uint8_t>> ValueBytes(RegistryRoot root,
                                                        std::u16string_view subKey,
                                                        std::u16string_view name) const;
    // A string value without its terminator; no value when missing.
    std::optional<std::u16string> StringValue(RegistryRoot root, std::u16string_view subKey,
                                              std::u16string_view name) const;

    // Keys opened or created and not closed yet.
    std::size_t OpenKeys() const { return handles_.size(); }

  private:
    // A key's place: its root and its path folded to lower case.
    using KeyPath = std::pair<RegistryRoot, std::u16string>;
    using Values = std::map<std::u16string, std::vector<std::uint8_t>>;
    struct Handle {
        KeyPath path;
        std::uint32_t access;
    };

    RegistryKey NewHandle(KeyPath path, std::uint32_t access);
    void Record(std::string event) const;

    std::map<KeyPath, Values> keys_;
    std::map<RegistryKey, Handle> handles_;
    RegistryKey nextHandle_ = 0x100;
    bool failOpens_ = false;
    bool failCreates_ = false;
    bool failWrites_ = false;
    Trace* trace_;
};

}  // namespace platform::portable
