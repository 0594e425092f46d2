#pragma once
// One table of call sequences for the private-profile port, each with what the
// Windows functions give: every result and the file's bytes afterwards. The
// native suite runs it through our engine; the Windows suite runs it through
// our engine and through the system's functions under Wine, which must agree
// except where a case names how Wine differs from Windows.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/private_profile.h"

struct ProfileCall {
    enum class Kind { GetInt, GetString, GetStruct, WriteString, WriteStruct };
    Kind kind;
    std::u16string section;
    std::u16string key;
    std::u16string text;  // the default of GetString, the value of WriteString
    std::int64_t number =
        0;  // the default of GetInt, the size of GetStruct, the capacity of GetString
    std::vector<std::uint8_t> bytes;  // the source of WriteStruct
};

struct ProfileCase {
    std::string name;
    std::optional<std::string> fileBefore;  // no value: no file
    std::vector<ProfileCall> calls;
    std::vector<std::string> results;      // one per call, as DescribeResult gives it
    std::optional<std::string> fileAfter;  // no value: no file
    std::string wineDiffers = {};          // empty when Wine gives the same
};

struct ProfileRun {
    std::vector<std::string> results;
    std::optional<std::string> fileAfter;
};

std::vector<ProfileCase> PrivateProfileCases();

// Puts fileBefore in place at file, makes the calls, and reads the file back.
ProfileRun RunProfileCase(platform::PrivateProfile& profiles, const ProfileCase& profileCase,
                          const std::filesystem::path& file);

// Bytes with every byte outside printable ASCII written as \xHH, for messages.
std::string Printable(const std::optional<std::string>& bytes);
