#pragma once
// HID devices described as data: identifiers and, per top-level collection in
// the order the system lists them, the report lengths (report identifier byte
// included; 0 for none).

#include <cstdint>
#include <vector>

namespace platform::portable {

struct HidCollectionDescription {
    int inputReportLength = 0;
    int featureReportLength = 0;
    // Standard mouse and keyboard collections: the system keeps them to
    // itself, so opening them for reading and writing fails.
    bool heldBySystem = false;
};

struct HidDeviceDescription {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::vector<HidCollectionDescription> collections;
};

// The gaming mouse as it ships (vendor 0x1B80, product 0xB412): its standard
// mouse and keyboard collections, the 4-byte input collection, and one
// collection each for the 8-, 40- and 2049-byte feature reports.
HidDeviceDescription GamingMouseDescription();

// A device of another vendor whose collections have the same lengths.
HidDeviceDescription OtherVendorDescription();

}  // namespace platform::portable
