#include <bit>

#include "config/file_keys.h"
#include "config/ini_file.h"
#include "config/validation_report.h"
#include "platform/portable/profile_values.h"
#include "tools/gmhid/commands.h"
#include "tools/gmhid/loaded_configuration.h"
#include "tools/gmhid/tool_failure.h"
#include "tools/gmhid/utf8.h"

namespace {

// Prints each key as the file would hold the value the agent uses.
struct KeyPrinter {
    std::ostream& out;

    void operator()(std::u16string_view key, std::int32_t value) const {
        Line(key, DecimalText(value));
    }
    template <std::size_t Capacity>
    void operator()(std::u16string_view key, const FixedText<Capacity>& text) const {
        Line(key, TextOf(text));
    }
    void operator()(std::u16string_view key, const ButtonAssignment& assignment) const {
        const auto bytes =
            std::bit_cast<std::array<std::uint8_t, sizeof(ButtonAssignment)>>(assignment);
        Line(key, platform::portable::EncodeStructValue(bytes));
    }
    void Line(std::u16string_view key, std::u16string_view value) const {
        out << Utf8(key) << '=' << Utf8(value) << '\n';
    }
};

void RunConfig(const CommandLine& line, ToolPorts& ports, std::ostream& out) {
    if (!line.words.empty())
        throw ToolFailure{kExitBadCommandLine, "config takes no " + line.words[0]};
    const LoadedConfiguration loaded = LoadAsTheAgentDoes(ports, RequiredOption(line, "config"));
    const ConfigDocument& document = loaded.configuration;
    const KeyPrinter print{out};

    out << '[' << Utf8(kSettingSection) << "]\n";
    ForEachGlobalKey(document.Global, print);
    for (int slot = 0; slot < document.Global.Totle; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        out << "; slot " << slot << (slot == document.Global.Active ? " (active)" : "") << '\n'
            << '[' << Utf8(ProfileSectionName(document.Global.ProfileIds[index])) << "]\n";
        ForEachProfileKey(document.Profiles[index], print);
    }
    if (!loaded.fileExists) return;
    for (const ReplacedValue& value : ListReplacedValues(ports.profiles, loaded.path)) {
        out << "replaced [" << Utf8(value.section) << "] " << Utf8(value.key) << ": the file has \""
            << Utf8(value.inFile) << "\", the agent uses \"" << Utf8(value.used) << "\"\n";
    }
}

}  // namespace

const Command& ConfigCommand() {
    static const Command command{
        "config",
        "print a configuration file as the agent loads it",
        "Usage: gmhid config --config FILE\n"
        "\n"
        "Loads and validates FILE as the agent does (a missing FILE means the\n"
        "defaults; it is not created) and prints the configuration the agent then\n"
        "holds: section \"Setting\", then each profile in use under the section\n"
        "that holds it, one key=value line each, button assignments as the file's\n"
        "struct values. Then, for every value that validation replaced, a line\n"
        "naming the section, the key, the value in the file and the value used.\n",
        {"config"},
        RunConfig};
    return command;
}
