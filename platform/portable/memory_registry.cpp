#include "platform/portable/memory_registry.h"

#include <algorithm>
#include <charconv>

namespace platform::portable {

namespace {

std::u16string Folded(std::u16string_view text) {
    std::u16string folded(text);
    std::ranges::transform(folded, folded.begin(), [](char16_t unit) {
        return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
    });
    return folded;
}

// For the trace only: the tests' names are ASCII.
std::string Narrow(std::u16string_view text) { return {text.begin(), text.end()}; }

std::string RootName(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::LocalMachine:
            return "HKEY_LOCAL_MACHINE";
        case RegistryRoot::CurrentUser:
            return "HKEY_CURRENT_USER";
        case RegistryRoot::CurrentConfig:
            return "HKEY_CURRENT_CONFIG";
        case RegistryRoot::ClassesRoot:
            return "HKEY_CLASSES_ROOT";
    }
    return {};
}

std::string KeyName(RegistryRoot root, std::u16string_view subKey) {
    return RootName(root) + "\\" + Narrow(subKey);
}

std::string Hex(std::uint32_t value) {
    char digits[8];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value, 16).ptr;
    return "0x" + std::string(std::begin(digits), end);
}

}  // namespace

MemoryRegistry::MemoryRegistry(Trace* trace) : trace_(trace) {
    keys_[{RegistryRoot::CurrentUser, u"control panel"}];
    keys_[{RegistryRoot::CurrentUser, u"control panel\\mouse"}];
}

RegistryKey MemoryRegistry::Open(RegistryRoot root, std::u16string_view subKey,
                                 std::uint32_t access) {
    Record("open " + KeyName(root, subKey) + " access " + Hex(access));
    KeyPath path{root, Folded(subKey)};
    if (failOpens_ || !keys_.contains(path)) return 0;
    return NewHandle(std::move(path), access);
}

RegistryKey MemoryRegistry::Create(RegistryRoot root, std::u16string_view subKey) {
    Record("create " + KeyName(root, subKey));
    if (failCreates_) return 0;
    const std::u16string folded = Folded(subKey);
    for (std::size_t end = folded.find(u'\\'); end != std::u16string::npos;
         end = folded.find(u'\\', end + 1)) {
        keys_[{root, folded.substr(0, end)}];
    }
    keys_[{root, folded}];
    return NewHandle({root, folded}, kKeyAllAccess);
}

bool MemoryRegistry::SetString(RegistryKey key, std::u16string_view name,
                               std::u16string_view text) {
    Record("set " + Narrow(name) + " = " + Narrow(text));
    const auto handle = handles_.find(key);
    if (failWrites_ || handle == handles_.end() || (handle->second.access & kKeySetValue) == 0) {
        return false;
    }
    const auto stored = keys_.find(handle->second.path);
    if (stored == keys_.end()) return false;  // removed while open
    std::vector<std::uint8_t> bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    bytes.insert(bytes.end(), 2, 0);
    stored->second[Folded(name)] = std::move(bytes);
    return true;
}

void MemoryRegistry::Close(RegistryKey key) {
    Record("close");
    handles_.erase(key);
}

void MemoryRegistry::RemoveKey(RegistryRoot root, std::u16string_view subKey) {
    const std::u16string folded = Folded(subKey);
    std::erase_if(keys_, [&](const auto& entry) {
        const auto& [keyRoot, keyPath] = entry.first;
        return keyRoot == root && (keyPath == folded || keyPath.starts_with(folded + u'\\'));
    });
}

bool MemoryRegistry::KeyExists(RegistryRoot root, std::u16string_view subKey) const {
    return keys_.contains({root, Folded(subKey)});
}

std::optional<std::vector<std::uint8_t>> MemoryRegistry::ValueBytes(
    RegistryRoot root, std::u16string_view subKey, std::u16string_view name) const {
    const auto key = keys_.find({root, Folded(subKey)});
    if (key == keys_.end()) return std::nullopt;
    const auto value = key->second.find(Folded(name));
    if (value == key->second.end()) return std::nullopt;
    return value->second;
}

std::optional<std::u16string> MemoryRegistry::StringValue(RegistryRoot root,
                                                          std::u16string_view subKey,
                                                          std::u16string_view name) const {
    const auto bytes = ValueBytes(root, subKey, name);
    if (!bytes) return std::nullopt;
    std::u16string text;
    for (std::size_t index = 0; index + 1 < bytes->size(); index += 2) {
        text.push_back(static_cast<char16_t>((*bytes)[index] | ((*bytes)[index + 1] << 8)));
    }
    if (!text.empty() && text.back() == u'\0') text.pop_back();
    return text;
}

RegistryKey MemoryRegistry::NewHandle(KeyPath path, std::uint32_t access) {
    const RegistryKey key = nextHandle_++;
    handles_.emplace(key, Handle{std::move(path), access});
    return key;
}

void MemoryRegistry::Record(std::string event) const {
    if (trace_) trace_->Record("registry: " + event);
}

}  // namespace platform::portable
