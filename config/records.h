#pragma once
// The configuration shared with the configuration program, as fixed-size
// values that are copied whole. Field names are the configuration file's key
// names. ButtonAssignment and MacroEvent are stored in the file as raw bytes,
// so their layout is a file format and is checked below.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

inline constexpr int kProfileSlots = 6;
inline constexpr int kButtonSlots = 7;
inline constexpr int kDpiStages = 7;
inline constexpr int kColourSlots = 7;
inline constexpr int kMacroEventCapacity = 92;

// UTF-16 text with a fixed capacity in code units, terminator included.
template <std::size_t Capacity>
using FixedText = std::array<char16_t, Capacity>;

using NameText = FixedText<50>;   // 49 characters
using PathText = FixedText<260>;  // 259 characters

// Copies text into a fixed field, cut to the field's capacity, and terminates it.
template <std::size_t Capacity>
void AssignText(FixedText<Capacity>& field, std::u16string_view text) {
    const std::size_t length = text.size() < Capacity - 1 ? text.size() : Capacity - 1;
    field.fill(u'\0');
    text.copy(field.data(), length);
}

// The text of a fixed field, up to its first terminator.
template <std::size_t Capacity>
std::u16string_view TextOf(const FixedText<Capacity>& field) {
    std::size_t length = 0;
    while (length < Capacity && field[length] != u'\0') ++length;
    return {field.data(), length};
}

struct MacroEvent {
    std::uint8_t Code;  // 0 ends the list, 0xFF is a delay, else a key or button code
    std::uint8_t reserved;
    std::uint16_t Value;  // delay length, or bit 0 set for a press
};

struct ButtonAssignment {
    std::uint8_t ButtonNo;
    std::uint8_t ActionCode;
    std::uint8_t EventCount;
    std::uint8_t reserved1;
    std::array<MacroEvent, kMacroEventCapacity> Events;
    std::uint8_t RepeatMode;
    std::uint8_t RepeatCount;
    std::array<std::uint8_t, 2> reserved2;
    std::int32_t MacroRef;
};

static_assert(
    std::endian::native == std::endian::little,
    "ButtonAssignment is stored as its in-memory bytes, which the file keeps little-endian");
static_assert(sizeof(MacroEvent) == 4 && offsetof(MacroEvent, Value) == 2);
static_assert(sizeof(ButtonAssignment) == 380);
static_assert(offsetof(ButtonAssignment, Events) == 4);
static_assert(offsetof(ButtonAssignment, RepeatMode) == 372);
static_assert(offsetof(ButtonAssignment, RepeatCount) == 373);
static_assert(offsetof(ButtonAssignment, reserved2) == 374);
static_assert(offsetof(ButtonAssignment, MacroRef) == 376);

struct ProfileRecord {
    std::int32_t GroupID;
    NameText Profil_Name;
    std::int32_t DPI_Cur;
    std::array<std::int32_t, kDpiStages> DPI_Color;
    std::array<std::int32_t, kDpiStages> DPI_Value;
    std::int32_t POLLRATE_VALUE;
    std::int32_t Enable_light;
    std::int32_t Cycle_enable;
    std::int32_t light_type;
    std::array<std::int32_t, kColourSlots> light_Color;
    std::array<std::int32_t, kColourSlots> light_Cycle;
    std::int32_t light_bright_colorID;
    std::int32_t light_bright;
    std::int32_t light_speed;
    std::int32_t DBClick_Speed;
    std::int32_t Scroll_Speed;
    std::int32_t Mouse_Speed;
    std::int32_t scroll_page;
    std::int32_t mouse_enhance;
    PathText SYNCFilesPath;
    std::array<PathText, kButtonSlots> ExePath;
    std::array<PathText, kButtonSlots> ExeName;
    std::array<ButtonAssignment, kButtonSlots> ButtonAssigned;
};

struct GlobalSettings {
    std::int32_t lan_id;
    std::int32_t Show_TrayIcon;
    std::int32_t Show_OSD;
    std::int32_t Totle;  // the number of profiles in use; the file spells it so
    std::int32_t Current;
    std::int32_t Active;
    PathText BGFilesPath;
    std::array<std::int32_t, kProfileSlots> ProfileIds;
};

struct ConfigDocument {
    GlobalSettings Global;
    std::array<ProfileRecord, kProfileSlots> Profiles;
};

// Records must stay plain values: copied whole, compared byte for byte.
static_assert(std::is_trivially_copyable_v<ConfigDocument>);
