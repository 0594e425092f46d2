// The tool on this machine: the portable private-profile engine over its files.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#include "platform/portable/folders.h"
#include "platform/portable/native_path.h"
#include "platform/portable/private_profile.h"
#include "tools/gmhid/gmhid.h"
#include "tools/gmhid/utf8.h"

int main(int argc, char** argv) {
    std::vector<std::u16string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(Utf16FromUtf8(argv[i]));

    platform::portable::PrivateProfile profiles;
    platform::portable::Folders folders(u"", std::nullopt);
    ToolPorts ports{profiles, folders, [](std::u16string_view path) {
                        const auto native = platform::portable::NativePath(path);
                        std::error_code error;
                        return std::filesystem::is_regular_file(native, error) &&
                               std::ifstream(native).good();
                    }};
    return RunGmhid(arguments, ports, std::cout, std::cerr);
}
