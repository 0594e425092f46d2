#pragma once
// The user's registry: keys opened or created under a predefined root, string
// values written into them. Only what the pointer settings need.

#include <cstdint>
#include <string_view>

namespace platform {

// An opened key. 0 names no key.
using RegistryKey = std::uintptr_t;

// The predefined root keys a path may start with.
enum class RegistryRoot { LocalMachine, CurrentUser, CurrentConfig, ClassesRoot };

// Access masks, the system's own numbers.
inline constexpr std::uint32_t kKeyReadWrite = 0x2001F;  // KEY_READ | KEY_WRITE
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;
inline constexpr std::uint32_t kKeySetValue = 0x0002;  // the right SetString needs

class Registry {
  public:
    virtual ~Registry() = default;

    // Opens an existing key with the given access; 0 when it does not exist
    // or the access is refused. Never creates anything.
    virtual RegistryKey Open(RegistryRoot root, std::u16string_view subKey,
                             std::uint32_t access) = 0;

    // Opens the key, creating it and any missing parent first, with full
    // access; 0 when the system refuses.
    virtual RegistryKey Create(RegistryRoot root, std::u16string_view subKey) = 0;

    // Writes a string value (REG_SZ) stored with its terminator, so its length
    // is (characters + 1) * 2 bytes. False when the key is not open or was
    // opened without kKeySetValue, or the system refuses.
    virtual bool SetString(RegistryKey key, std::u16string_view name, std::u16string_view text) = 0;

    virtual void Close(RegistryKey key) = 0;
};

}  // namespace platform
