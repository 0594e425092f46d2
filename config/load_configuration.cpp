#include "config/load_configuration.h"

#include "config/config_file.h"
#include "config/validation.h"

void LoadConfiguration(platform::PrivateProfile& profiles, platform::Folders& folders,
                       std::u16string_view path, ConfigDocument& configuration,
                       ConfigDocument& saved, ProfileRecord& active) {
    ReadConfigDocument(profiles, path, configuration);
    ValidateConfigDocument(configuration);
    if (!path.empty() && !folders.FileExists(path)) {
        WriteConfigDocument(profiles, path, configuration);
    }
    saved = configuration;
    active = configuration.Profiles[static_cast<std::size_t>(configuration.Global.Active)];
}
