#pragma once
// Conversions between the agent's UTF-16 texts and the UTF-8 of the command
// line and the console.

#include <string>
#include <string_view>

std::string Utf8(std::u16string_view text);
std::u16string Utf16FromUtf8(std::string_view text);
