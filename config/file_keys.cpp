#include "config/file_keys.h"

#include "config/ini_file.h"

std::u16string ProfileSectionName(int sectionNumber) {
    return u"Profile" + DecimalText(sectionNumber) + u"Setting";
}

std::u16string NumberedKey(std::u16string_view name, std::size_t number) {
    return std::u16string(name) + DecimalText(static_cast<std::int32_t>(number));
}

int ProfileSlotsInUse(std::int32_t totle) {
    return totle >= 1 && totle <= kProfileSlots ? totle : 1;
}
