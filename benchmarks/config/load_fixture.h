#pragma once
// A full six-profile configuration file as the agent creates it (about 450
// keys, 38 KB), in a folder of its own, and one full load of it.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "config/load_configuration.h"
#include "platform/portable/folders.h"
#include "platform/portable/private_profile.h"

class LoadFixture {
  public:
    LoadFixture() {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() / ("gm-load-" + std::to_string(random()));
        std::filesystem::create_directories(folder_);
        platform::portable::PrivateProfile creator;
        Load(creator);
        std::ifstream stream(File(), std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    }
    ~LoadFixture() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    LoadFixture(const LoadFixture&) = delete;
    LoadFixture& operator=(const LoadFixture&) = delete;

    std::size_t FileSize() const { return bytes_.size(); }

    // As a file saved long ago, or a moment ago (the other program just saved it).
    void SavedLongAgo() {
        std::filesystem::last_write_time(
            File(), std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    }
    void SavedJustNow() { std::ofstream(File(), std::ios::binary | std::ios::trunc) << bytes_; }

    void Load(platform::PrivateProfile& profiles) {
        LoadConfiguration(profiles, folders_, File().u16string(), configuration_, saved_, active_);
    }

  private:
    std::filesystem::path File() const { return folder_ / "GamingMouse"; }

    std::filesystem::path folder_;
    std::string bytes_;
    platform::portable::Folders folders_{u"", u""};
    ConfigDocument configuration_{};
    ConfigDocument saved_{};
    ProfileRecord active_{};
};
