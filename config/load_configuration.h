#pragma once
// Loading the configuration: read the file, bring it into range, create the
// file with the validated values when none exists, then hand out the copies.

#include <string_view>

#include "config/records.h"
#include "platform/folders.h"
#include "platform/private_profile.h"

// The five steps of a load: read into configuration, validate it, write it
// when nothing exists at path, copy it into saved, copy slot Active into
// active. With an empty path no file is touched: the defaults are validated
// and handed out.
void LoadConfiguration(platform::PrivateProfile& profiles, platform::Folders& folders,
                       std::u16string_view path, ConfigDocument& configuration,
                       ConfigDocument& saved, ProfileRecord& active);
