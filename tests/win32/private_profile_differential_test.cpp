// The same calls through the system's private-profile functions (under Wine)
// and through our own engine built into this program: on plain files the two
// must agree byte for byte; where Wine is known to differ from Windows, our
// engine must give the Windows result the case states.

#include <gtest/gtest.h>

#include "../config/private_profile_cases.h"
#include "../config/temp_folder.h"
#include "platform/portable/private_profile.h"
#include "platform/win32/private_profile.h"

namespace {

TEST(PrivateProfileDifferential, OurEngineAgreesWithTheSystemFunctions) {
    TempFolder folder;
    for (const ProfileCase& profileCase : PrivateProfileCases()) {
        SCOPED_TRACE(profileCase.name);
        platform::portable::PrivateProfile ours;
        platform::win32::SystemPrivateProfile system;
        const ProfileRun ourRun = RunProfileCase(ours, profileCase, folder.Path() / "ours.ini");
        const ProfileRun systemRun =
            RunProfileCase(system, profileCase, folder.Path() / "system.ini");

        EXPECT_EQ(ourRun.results, profileCase.results);
        EXPECT_EQ(Printable(ourRun.fileAfter), Printable(profileCase.fileAfter));
        if (profileCase.wineDiffers.empty()) {
            EXPECT_EQ(systemRun.results, ourRun.results);
            EXPECT_EQ(Printable(systemRun.fileAfter), Printable(ourRun.fileAfter));
        } else {
            const bool same =
                systemRun.results == ourRun.results && systemRun.fileAfter == ourRun.fileAfter;
            EXPECT_FALSE(same) << "Wine now agrees; the case's reason is stale: "
                               << profileCase.wineDiffers;
        }
    }
}

}  // namespace
