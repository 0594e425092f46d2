#include "platform/win32/system_registry.h"

#include <windows.h>

#include "platform/win32/text.h"

namespace platform::win32 {

static_assert(kKeyReadWrite == (KEY_READ | KEY_WRITE) && kKeyAllAccess == KEY_ALL_ACCESS &&
              kKeySetValue == KEY_SET_VALUE);

namespace {

HKEY RootKey(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
        case RegistryRoot::CurrentUser:
            return HKEY_CURRENT_USER;
        case RegistryRoot::CurrentConfig:
            return HKEY_CURRENT_CONFIG;
        case RegistryRoot::ClassesRoot:
            return HKEY_CLASSES_ROOT;
    }
    return HKEY_LOCAL_MACHINE;
}

HKEY Key(RegistryKey key) { return reinterpret_cast<HKEY>(key); }

RegistryKey Handle(HKEY key) { return reinterpret_cast<RegistryKey>(key); }

}  // namespace

RegistryKey SystemRegistry::Open(RegistryRoot root, std::u16string_view subKey,
                                 std::uint32_t access) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(RootKey(root), Wide(subKey).c_str(), 0, access, &key) != ERROR_SUCCESS) {
        return 0;
    }
    return Handle(key);
}

RegistryKey SystemRegistry::Create(RegistryRoot root, std::u16string_view subKey) {
    HKEY key = nullptr;
    if (RegCreateKeyW(RootKey(root), Wide(subKey).c_str(), &key) != ERROR_SUCCESS) return 0;
    return Handle(key);
}

bool SystemRegistry::SetString(RegistryKey key, std::u16string_view name,
                               std::u16string_view text) {
    const std::wstring data = Wide(text);
    const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(Key(key), Wide(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
}

void SystemRegistry::Close(RegistryKey key) { RegCloseKey(Key(key)); }

}  // namespace platform::win32
