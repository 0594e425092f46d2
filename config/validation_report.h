#pragma once
// What a load would change: every value of the configuration file that
// validation replaces, for a person checking a file by hand.

#include <string>
#include <string_view>
#include <vector>

#include "platform/private_profile.h"

struct ReplacedValue {
    std::u16string section;
    std::u16string key;
    std::u16string inFile;  // the value's text in the file, empty when the key is missing
    std::u16string used;    // what the agent uses instead
    bool operator==(const ReplacedValue&) const = default;
};

// In key order: section "Setting", then each profile section in use. A button
// whose value is missing or damaged is listed with "default assignment" as the
// value used.
std::vector<ReplacedValue> ListReplacedValues(platform::PrivateProfile& profiles,
                                              std::u16string_view path);
