#pragma once
// Reports written in tests as hexadecimal text.

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "device/report_hex.h"

// A report of N bytes whose leading bytes are given in hexadecimal; the rest are 0.
template <std::size_t N>
std::array<std::uint8_t, N> ReportOf(std::string_view hex) {
    const auto bytes = ReportFromHex(hex);
    if (!bytes || bytes->size() > N) throw std::invalid_argument("bad report text in a test");
    std::array<std::uint8_t, N> report{};
    std::copy(bytes->begin(), bytes->end(), report.begin());
    return report;
}
