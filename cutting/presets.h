// The five recordable-DVD presets that the option buttons choose between. The window writes
// `sectorsText` into Text1 and shows `caption`; the job takes `bytes` from the selected option
// (never from Text1's text, which only feeds the preset check).
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace cutting {

inline constexpr std::int64_t kSectorBytes = 2048;

struct Preset {
    int option; // 1..5: Option1..Option5
    const char* caption;
    const char* sectorsText;
    double bytes; // PresetBytes: sectors x 2048, exact in a double
};

inline constexpr std::array<Preset, 5> kPresets{{
    {1, "DVD-R\\RW (Option 1)", "2297888", 2297888.0 * kSectorBytes},
    {2, "DVD-R\\RW (Option 2)", "2298496", 2298496.0 * kSectorBytes},
    {3, "Dvd+R\\RW", "2295104", 2295104.0 * kSectorBytes},
    {4, "Dual Layer DVD+R", "4173824", 4173824.0 * kSectorBytes},
    {5, "Dual Layer DVD-R", "4150400", 4150400.0 * kSectorBytes},
}};

// The preset of Option`option`; throws std::out_of_range outside 1..5.
inline const Preset& presetFor(int option) {
    if (option < 1 || option > static_cast<int>(kPresets.size()))
        throw std::out_of_range("no preset option " + std::to_string(option));
    return kPresets[static_cast<std::size_t>(option - 1)];
}

} // namespace cutting
