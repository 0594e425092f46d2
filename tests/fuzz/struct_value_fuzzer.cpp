// Reads any text as the struct value of a record of any size up to a button
// assignment's; a value that is accepted must be the one the writer would
// write for those bytes, but for the case of its digits.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "config/records.h"
#include "platform/portable/profile_values.h"

using platform::portable::DecodeStructValue;
using platform::portable::EncodeStructValue;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::size_t recordSize = (data[0] | (data[1] << 8)) % (sizeof(ButtonAssignment) + 1);
    std::u16string value;
    for (std::size_t i = 2; i + 1 < size; i += 2) {
        value.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    std::array<std::uint8_t, sizeof(ButtonAssignment)> record{};
    const std::span<std::uint8_t> destination(record.data(), recordSize);
    if (!DecodeStructValue(value, destination)) return 0;

    std::u16string upper = value;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char16_t c) { return c >= u'a' && c <= u'f' ? c - u'a' + u'A' : c; });
    if (EncodeStructValue(destination) != upper) std::abort();
    return 0;
}
