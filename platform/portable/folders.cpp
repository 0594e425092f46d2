#include "platform/portable/folders.h"

#include <system_error>

#include "platform/portable/native_path.h"

namespace platform::portable {

bool Folders::FileExists(std::u16string_view path) {
    std::error_code error;
    return std::filesystem::exists(NativePath(path), error);
}

}  // namespace platform::portable
