#pragma once
// Folders set by whoever builds the platform: a test's own temporary folders.

#include "platform/folders.h"
#include "platform/portable/trace.h"

namespace platform::portable {

class Folders final : public platform::Folders {
  public:
    Folders(std::u16string moduleFolder, std::optional<std::u16string> roamingAppData,
            Trace* trace = nullptr)
        : moduleFolder_(std::move(moduleFolder)),
          roamingAppData_(std::move(roamingAppData)),
          trace_(trace) {}

    std::u16string ModuleFolder() override { return moduleFolder_; }
    std::optional<std::u16string> RoamingAppData() override;
    bool FileExists(std::u16string_view path) override;

  private:
    std::u16string moduleFolder_;
    std::optional<std::u16string> roamingAppData_;
    Trace* trace_;
};

}  // namespace platform::portable
