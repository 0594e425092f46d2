#include "platform/portable/native_path.h"

#include <algorithm>

namespace platform::portable {

std::filesystem::path NativePath(std::u16string_view path) {
    std::u16string text(path);
    std::replace(text.begin(), text.end(), u'\\', u'/');
    return std::filesystem::path(text);
}

std::u16string AgentPath(const std::filesystem::path& path) { return path.u16string(); }

}  // namespace platform::portable
