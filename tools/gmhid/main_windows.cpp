// The tool on Windows: the system's own private-profile functions.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#include "platform/win32/desktop.h"
#include "platform/win32/emulated_mouse_remote.h"
#include "platform/win32/private_profile.h"
#include "platform/win32/system_services.h"
#include "platform/win32/text.h"
#include "tools/gmhid/gmhid.h"

int wmain(int argc, wchar_t** argv) {
    std::vector<std::u16string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(platform::win32::Utf16(argv[i]));

    platform::win32::SystemPrivateProfile profiles;
    platform::win32::ShellFolders folders;
    ToolPorts ports{profiles, folders, [](std::u16string_view path) {
                        const std::filesystem::path native(platform::win32::Wide(path));
                        std::error_code error;
                        return std::filesystem::is_regular_file(native, error) &&
                               std::ifstream(native).good();
                    }};
    platform::win32::Desktop desktop;
    AgentRemote agent{desktop, platform::win32::SendMouseControl,
                      platform::win32::DumpMouseReports};
    ports.agent = &agent;
    return RunGmhid(arguments, ports, std::cout, std::cerr);
}
