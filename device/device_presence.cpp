#include "device/device_presence.h"

#include <string>

namespace {

// The library always gets these two, not the link's identifiers.
constexpr std::int32_t kQueriedProductId = 0xB412;
constexpr std::int32_t kQueriedVendorId = 0x1B80;

}  // namespace

std::int32_t QueryDevicePresence(platform::Folders& folders, platform::Libraries& libraries) {
    const std::u16string path = folders.ModuleFolder() + u"\\Petruna.dll";
    const platform::LibraryHandle library = libraries.Load(path);
    if (library == 0) return 0;
    const auto answer =
        libraries.CallWithTwoIntegers(library, "PetrunaQuery", kQueriedProductId, kQueriedVendorId);
    libraries.Free(library);
    return answer.value_or(0);
}
