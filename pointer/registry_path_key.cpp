#include "pointer/registry_path_key.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

using platform::RegistryRoot;

// Compared in this order.
constexpr std::array<std::pair<std::u16string_view, RegistryRoot>, 4> kRootNames{{
    {u"HKEY_LOCAL_MACHINE", RegistryRoot::LocalMachine},
    {u"HKEY_CURRENT_USER", RegistryRoot::CurrentUser},
    {u"HKEY_CURRENT_CONFIG", RegistryRoot::CurrentConfig},
    {u"HKEY_CLASSES_ROOT", RegistryRoot::ClassesRoot},
}};

char16_t UpperCase(char16_t unit) {
    return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - u'a' + u'A') : unit;
}

bool SameIgnoringCase(std::u16string_view left, std::u16string_view right) {
    return std::ranges::equal(left, right, [](char16_t first, char16_t second) {
        return UpperCase(first) == UpperCase(second);
    });
}

}  // namespace

int RegistryPathKey::SplitRoot(std::u16string_view path) {
    const std::size_t backslash = path.find(u'\\');
    if (backslash == std::u16string_view::npos) return 0;
    const std::u16string_view rootName = path.substr(0, backslash);
    const auto known = std::ranges::find_if(
        kRootNames, [&](const auto& entry) { return SameIgnoringCase(entry.first, rootName); });
    const std::u16string_view subKey =
        known == kRootNames.end() ? path : path.substr(backslash + 1);
    // A cut sub-key would name another key.
    if (subKey.size() >= subKeyPath.size()) return 0;
    rootKey = known == kRootNames.end() ? RegistryRoot::LocalMachine : known->second;
    AssignText(subKeyPath, subKey);
    return 1;
}

int RegistryPathKey::Open(std::u16string_view path, std::uint32_t access) {
    Close();
    if (!SplitRoot(path)) return 0;
    openKey = registry_.Open(*rootKey, TextOf(subKeyPath), access);
    if (openKey == 0) openKey = registry_.Create(*rootKey, TextOf(subKeyPath));
    return openKey != 0 ? 1 : 0;
}

int RegistryPathKey::SetString(std::u16string_view name, std::u16string_view text) {
    return openKey != 0 && registry_.SetString(openKey, name, text) ? 1 : 0;
}

void RegistryPathKey::Close() {
    if (openKey != 0) {
        registry_.Close(openKey);
        openKey = 0;
    }
    subKeyPath.fill(u'\0');
}
