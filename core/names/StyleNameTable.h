#pragma once

// Names of the keyboard's internal styles. A registration names its style by index only: 0-124
// are the preset styles built into the keyboard, 125-244 the flash styles the user loads into
// its flash memory (eight banks I-VIII of 15), 245-494 disk styles (see DiskStyleTexts). Each
// internal style has a short name (the bare name, which style locations files store and compare)
// and a long name qualified by its group (what the user sees).

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tombrel {

class DiskStyleTexts;

inline constexpr int kPresetStyleCount = 125;
inline constexpr int kFlashStyleCount = 120;
inline constexpr int kFlashStylesPerBank = 15;
inline constexpr int kInternalStyleCount = kPresetStyleCount + kFlashStyleCount; // 245
inline constexpr int kFirstFlashStyle = kPresetStyleCount;                       // 125
inline constexpr int kFirstDiskStyle = kInternalStyleCount;                      // 245
inline constexpr int kDiskStyleCount = 250;
inline constexpr int kStyleIndexCount = kFirstDiskStyle + kDiskStyleCount; // 495

struct PresetStyle {
    std::string_view category;
    std::string_view name;
};
// The preset styles in index order.
extern const std::array<PresetStyle, kPresetStyleCount> kPresetStyles;
// The flash styles a keyboard ships with, by flash position; "No Data" marks an empty place.
extern const std::array<std::string_view, kFlashStyleCount> kFactoryFlashNames;

// How the flash styles are named (stored as the setting's integer).
enum class FlashNameMode : int { Factory = 0, Default = 1, Individual = 2 };

// "I" .. "X" for 1..10; any other number gives the empty text.
std::string_view bankNumeral(int bank);
// The text of a flash place that has no name: "Flash I - <1>" .. "Flash VIII - <15>".
std::string numberedFlashText(int flashPosition);
// The long name of a named flash style: "Flash III - Disco".
std::string namedFlashText(int flashPosition, std::string_view name);

class StyleNameTable {
public:
    // Preset names filled, every flash place at its numbered text.
    StyleNameTable();

    // Short and long name of an internal style index 0-244; the empty text for any other index.
    const std::string& shortName(int index) const;
    const std::string& longName(int index) const;

    // What the user sees for any style index: the long name for 0-244, the disk style text for
    // 245-494; nothing for an index outside 0-494.
    std::optional<std::string> styleDisplayName(int styleIndex, const DiskStyleTexts& disk) const;

    // The keyboard's own flash styles. Places IV/11 and IV/12 hold styles on the PSR-9000pro
    // only; on the PSR-9000 they read as empty places.
    void fillFactoryNames(bool pro);
    // Every flash place at its numbered text.
    void fillDefaultNames();
    // One flash place from a name read from a FlashStyle backup: "No Data" in any letter case is
    // an empty place. Positions outside 0-119 are ignored.
    void setIndividualName(int flashPosition, std::string_view text);
    // All 120 places from a FlashStyle backup's names.
    void setIndividualNames(const std::array<std::string, kFlashStyleCount>& names);

private:
    void setFlash(int flashPosition, std::string shortName, std::string longName);

    std::array<std::string, kInternalStyleCount> short_;
    std::array<std::string, kInternalStyleCount> long_;
};

} // namespace tombrel
