#pragma once
// Forwards every call to another private-profile engine and notes which keys
// were read and written, so a test can tell what a load touched.

#include <string>
#include <vector>

#include "platform/private_profile.h"

struct ProfileAccess {
    bool write;
    std::u16string section;
    std::u16string key;
    bool operator==(const ProfileAccess&) const = default;
};

class RecordingProfile final : public platform::PrivateProfile {
  public:
    explicit RecordingProfile(platform::PrivateProfile& inner) : inner_(inner) {}

    const std::vector<ProfileAccess>& Accesses() const { return accesses_; }
    void Forget() { accesses_.clear(); }
    bool Read(std::u16string_view section, std::u16string_view key) const {
        return Has({false, std::u16string(section), std::u16string(key)});
    }
    bool AnyWrite() const {
        for (const ProfileAccess& access : accesses_) {
            if (access.write) return true;
        }
        return false;
    }
    bool ReadSection(std::u16string_view section) const {
        for (const ProfileAccess& access : accesses_) {
            if (!access.write && access.section == section) return true;
        }
        return false;
    }

    std::int32_t GetInt(std::u16string_view path, std::u16string_view section,
                        std::u16string_view key, std::int32_t defaultValue) override {
        Note(false, section, key);
        return inner_.GetInt(path, section, key, defaultValue);
    }
    std::u16string GetString(std::u16string_view path, std::u16string_view section,
                             std::u16string_view key, std::u16string_view defaultValue,
                             std::size_t capacity) override {
        Note(false, section, key);
        return inner_.GetString(path, section, key, defaultValue, capacity);
    }
    bool GetStruct(std::u16string_view path, std::u16string_view section, std::u16string_view key,
                   std::span<std::uint8_t> destination) override {
        Note(false, section, key);
        return inner_.GetStruct(path, section, key, destination);
    }
    bool WriteString(std::u16string_view path, std::u16string_view section, std::u16string_view key,
                     std::u16string_view value) override {
        Note(true, section, key);
        return inner_.WriteString(path, section, key, value);
    }
    bool WriteStruct(std::u16string_view path, std::u16string_view section, std::u16string_view key,
                     std::span<const std::uint8_t> source) override {
        Note(true, section, key);
        return inner_.WriteStruct(path, section, key, source);
    }

  private:
    void Note(bool write, std::u16string_view section, std::u16string_view key) {
        accesses_.push_back({write, std::u16string(section), std::u16string(key)});
    }
    bool Has(const ProfileAccess& wanted) const {
        for (const ProfileAccess& access : accesses_) {
            if (access == wanted) return true;
        }
        return false;
    }

    platform::PrivateProfile& inner_;
    std::vector<ProfileAccess> accesses_;
};
