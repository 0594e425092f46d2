#pragma once
// The HID class driver calls (hid.dll) that the HID backend uses, declared
// here because MinGW's hidsdi.h and hidpi.h give them no C linkage for C++
// (on i686 the decorated names then miss the library). Layouts and calling
// convention are the system's.

#include <windows.h>

namespace platform::win32::hid_api {

struct Attributes {
    ULONG Size;
    USHORT VendorID;
    USHORT ProductID;
    USHORT VersionNumber;
};

struct Caps {
    USHORT Usage;
    USHORT UsagePage;
    USHORT InputReportByteLength;
    USHORT OutputReportByteLength;
    USHORT FeatureReportByteLength;
    USHORT Reserved[17];
    USHORT NumberLinkCollectionNodes;
    USHORT NumberInputButtonCaps;
    USHORT NumberInputValueCaps;
    USHORT NumberInputDataIndices;
    USHORT NumberOutputButtonCaps;
    USHORT NumberOutputValueCaps;
    USHORT NumberOutputDataIndices;
    USHORT NumberFeatureButtonCaps;
    USHORT NumberFeatureValueCaps;
    USHORT NumberFeatureDataIndices;
};
static_assert(sizeof(Attributes) == 12 && sizeof(Caps) == 64);

struct PreparsedData;  // opaque

inline constexpr LONG kStatusSuccess = 0x00110000;  // HIDP_STATUS_SUCCESS

}  // namespace platform::win32::hid_api

extern "C" {
void __stdcall HidD_GetHidGuid(GUID* hidGuid);
BOOLEAN __stdcall HidD_GetAttributes(HANDLE device,
                                     platform::win32::hid_api::Attributes* attributes);
BOOLEAN __stdcall HidD_GetPreparsedData(HANDLE device,
                                        platform::win32::hid_api::PreparsedData** preparsed);
BOOLEAN __stdcall HidD_FreePreparsedData(platform::win32::hid_api::PreparsedData* preparsed);
LONG __stdcall HidP_GetCaps(platform::win32::hid_api::PreparsedData* preparsed,
                            platform::win32::hid_api::Caps* capabilities);
BOOLEAN __stdcall HidD_SetFeature(HANDLE device, void* report, ULONG length);
BOOLEAN __stdcall HidD_GetFeature(HANDLE device, void* report, ULONG length);
}
