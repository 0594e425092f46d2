#include "engine_under_test.h"
#include "platform/portable/private_profile.h"

std::unique_ptr<platform::PrivateProfile> MakeEngineUnderTest() {
    return std::make_unique<platform::portable::PrivateProfile>();
}
