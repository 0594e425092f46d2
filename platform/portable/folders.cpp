#include "platform/portable/folders.h"

#include <system_error>

#include "platform/portable/native_path.h"

namespace platform::portable {

std::optional<std::u16string> Folders::RoamingAppData() {
    if (trace_) trace_->Record("folders: application data");
    return roamingAppData_;
}

bool Folders::FileExists(std::u16string_view path) {
    if (trace_) trace_->Record("folders: file exists");
    std::error_code error;
    return std::filesystem::exists(NativePath(path), error);
}

}  // namespace platform::portable
