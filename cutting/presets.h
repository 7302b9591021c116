// The five recordable-DVD presets that the option buttons choose between, Option1 to Option5
// in order. The window writes `sectors` into Text1; the job takes `bytes()` from the selected
// option (never from Text1's text, which only feeds the preset check).
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cutting {

inline constexpr std::int64_t kSectorBytes = 2048;

struct Preset {
    std::int64_t sectors;
    // PresetBytes: sectors x 2048, exact in a double.
    constexpr double bytes() const { return static_cast<double>(sectors * kSectorBytes); }
};

inline constexpr std::array<Preset, 5> kPresets{{
    {2297888}, // DVD-R\RW (Option 1)
    {2298496}, // DVD-R\RW (Option 2)
    {2295104}, // Dvd+R\RW
    {4173824}, // Dual Layer DVD+R
    {4150400}, // Dual Layer DVD-R
}};

// The presets' names on the command line, in the order of kPresets: stable (scripts use them)
// and lowercase; the two single-layer DVD-R/RW presets are told apart by their option's order.
inline constexpr std::array<std::string_view, kPresets.size()> kPresetNames{
    "dvd-r-1", "dvd-r-2", "dvd+r", "dvd+r-dl", "dvd-r-dl"};

// The preset of Option`option`; throws std::out_of_range outside 1..5.
inline const Preset& presetFor(int option) {
    if (option < 1 || option > static_cast<int>(kPresets.size()))
        throw std::out_of_range("no preset option " + std::to_string(option));
    return kPresets[static_cast<std::size_t>(option - 1)];
}

} // namespace cutting
