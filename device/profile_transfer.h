#pragma once
// The profile's way to the mouse and back over the feature reports: the
// upload of reports 3 and 4, the one-shot command report, and the fetch of
// both reports for the read-back. Each closes the feature handle and reopens
// the link for the length of the report it needs; on failure the feature
// handle is left closed. Waits go through the clock. Results are 1 or 0.

#include "config/records.h"
#include "device/hid_device_link.h"
#include "platform/clock.h"

// Sends report 3 (up to five attempts, 300 ms apart), waits 300 ms, then
// sends report 4 once. 1 when the mouse took both; the 2049-byte interface
// then stays open.
int UploadProfile(HidDeviceLink& link, platform::Clock& clock, const ProfileRecord& active);

// Sends the command report once. The result of the send, or 0 when the mouse
// has no 8-byte interface; the feature handle stays open either way.
int SendDeviceCommand(HidDeviceLink& link);

// Fetches report 3 and decodes it into `active`, then, 300 ms after opening
// the 2049-byte interface, report 4 into its seven assignments, a macro
// keeping the MacroRef of `stored` (the stored profile of the active slot)
// when unchanged. 1 when both were read; when report 4 is missing, `active`
// already holds what report 3 said.
int FetchProfileFromMouse(HidDeviceLink& link, platform::Clock& clock, ProfileRecord& active,
                          const ProfileRecord& stored);
