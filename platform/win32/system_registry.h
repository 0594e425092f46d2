#pragma once
// The registry port on the system's registry functions.

#include "platform/registry.h"

namespace platform::win32 {

class SystemRegistry final : public Registry {
  public:
    RegistryKey Open(RegistryRoot root, std::u16string_view subKey, std::uint32_t access) override;
    RegistryKey Create(RegistryRoot root, std::u16string_view subKey) override;
    bool SetString(RegistryKey key, std::u16string_view name, std::u16string_view text) override;
    void Close(RegistryKey key) override;
};

}  // namespace platform::win32
