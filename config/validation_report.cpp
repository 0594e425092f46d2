#include "config/validation_report.h"

#include <bit>

#include "config/config_file.h"
#include "config/defaults.h"
#include "config/file_keys.h"
#include "config/ini_file.h"
#include "config/validation.h"

namespace {

struct KeyText {
    std::u16string key;
    std::u16string text;  // a struct value's bytes, one per character, only to compare
    bool isStruct = false;
};

// Gathers the keys of one section with their values as text.
struct KeyCollector {
    std::vector<KeyText>& keys;

    void operator()(std::u16string_view key, std::int32_t field) const {
        keys.push_back({std::u16string(key), DecimalText(field)});
    }
    template <std::size_t Capacity>
    void operator()(std::u16string_view key, const FixedText<Capacity>& field) const {
        keys.push_back({std::u16string(key), std::u16string(TextOf(field))});
    }
    void operator()(std::u16string_view key, const ButtonAssignment& field) const {
        const auto bytes = std::bit_cast<std::array<std::uint8_t, sizeof(ButtonAssignment)>>(field);
        keys.push_back({std::u16string(key), std::u16string(bytes.begin(), bytes.end()), true});
    }
};

void ListDifferences(const IniFile& file, std::u16string_view section,
                     const std::vector<KeyText>& read, const std::vector<KeyText>& used,
                     std::vector<ReplacedValue>& replaced) {
    for (std::size_t index = 0; index < read.size() && index < used.size(); ++index) {
        if (read[index].text == used[index].text) continue;
        replaced.push_back({std::u16string(section), read[index].key,
                            file.GetString(section, read[index].key, u""),
                            used[index].isStruct ? u"default assignment" : used[index].text});
    }
}

template <class Record, class ForEachKey>
void CompareSection(const IniFile& file, std::u16string_view section, const Record& read,
                    const Record& used, ForEachKey forEachKey,
                    std::vector<ReplacedValue>& replaced) {
    std::vector<KeyText> readKeys;
    std::vector<KeyText> usedKeys;
    forEachKey(read, KeyCollector{readKeys});
    forEachKey(used, KeyCollector{usedKeys});
    ListDifferences(file, section, readKeys, usedKeys, replaced);
}

}  // namespace

std::vector<ReplacedValue> ListReplacedValues(platform::PrivateProfile& profiles,
                                              std::u16string_view path) {
    ConfigDocument read = DefaultConfigDocument();
    ReadConfigDocument(profiles, path, read);
    ConfigDocument used = read;
    ValidateConfigDocument(used);

    const IniFile file(profiles, path);
    std::vector<ReplacedValue> replaced;
    CompareSection(
        file, kSettingSection, read.Global, used.Global,
        [](const GlobalSettings& global, KeyCollector collect) {
            ForEachGlobalKey(global, collect);
        },
        replaced);
    for (std::size_t slot = 0; slot < static_cast<std::size_t>(used.Global.Totle); ++slot) {
        CompareSection(
            file, ProfileSectionName(read.Global.ProfileIds[slot]), read.Profiles[slot],
            used.Profiles[slot],
            [](const ProfileRecord& profile, KeyCollector collect) {
                ForEachProfileKey(profile, collect);
            },
            replaced);
    }
    return replaced;
}
