#include "../config/engine_under_test.h"
#include "platform/win32/private_profile.h"

std::unique_ptr<platform::PrivateProfile> MakeEngineUnderTest() {
    return std::make_unique<platform::win32::SystemPrivateProfile>();
}
