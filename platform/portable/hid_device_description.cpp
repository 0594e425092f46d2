#include "platform/portable/hid_device_description.h"

namespace platform::portable {

namespace {

std::vector<HidCollectionDescription> MouseCollections() {
    return {
        {.inputReportLength = 5, .featureReportLength = 0, .heldBySystem = true},  // pointer
        {.inputReportLength = 9, .featureReportLength = 0, .heldBySystem = true},  // keyboard
        {.inputReportLength = 4, .featureReportLength = 0},
        {.inputReportLength = 0, .featureReportLength = 8},
        {.inputReportLength = 0, .featureReportLength = 40},
        {.inputReportLength = 0, .featureReportLength = 2049},
    };
}

}  // namespace

HidDeviceDescription GamingMouseDescription() {
    return {.vendorId = 0x1B80, .productId = 0xB412, .collections = MouseCollections()};
}

HidDeviceDescription OtherVendorDescription() {
    return {.vendorId = 0x046D, .productId = 0xB412, .collections = MouseCollections()};
}

}  // namespace platform::portable
