#pragma once
// The private-profile engine a suite runs the configuration tests on: our own
// natively, the system's functions in the Windows suite.

#include <memory>

#include "platform/private_profile.h"

std::unique_ptr<platform::PrivateProfile> MakeEngineUnderTest();
