#include "core/names/StyleNameTable.h"

#include "core/names/DiskStyleTexts.h"
#include "core/text/Text1252.h"

namespace tombrel {

namespace {

const std::string kEmpty;

constexpr std::string_view kNoData = "No Data";

constexpr bool isFlashPosition(int position) {
    return position >= 0 && position < kFlashStyleCount;
}

// Places IV/11 and IV/12.
constexpr bool isProOnlyPosition(int position) {
    return position == 3 * kFlashStylesPerBank + 10 || position == 3 * kFlashStylesPerBank + 11;
}

} // namespace

std::string_view bankNumeral(int bank) {
    static constexpr std::array<std::string_view, 10> numerals = {"I",  "II",  "III",  "IV", "V",
                                                                  "VI", "VII", "VIII", "IX", "X"};
    if (bank < 1 || bank > static_cast<int>(numerals.size()))
        return {};
    return numerals[static_cast<size_t>(bank - 1)];
}

std::string numberedFlashText(int flashPosition) {
    std::string out = "Flash ";
    out += bankNumeral(flashPosition / kFlashStylesPerBank + 1);
    out += " - <";
    out += std::to_string(flashPosition % kFlashStylesPerBank + 1);
    out += '>';
    return out;
}

std::string namedFlashText(int flashPosition, std::string_view name) {
    std::string out = "Flash ";
    out += bankNumeral(flashPosition / kFlashStylesPerBank + 1);
    out += " - ";
    out += name;
    return out;
}

StyleNameTable::StyleNameTable() {
    for (int i = 0; i < kPresetStyleCount; ++i) {
        const PresetStyle& preset = kPresetStyles[static_cast<size_t>(i)];
        short_[static_cast<size_t>(i)] = std::string(preset.name);
        long_[static_cast<size_t>(i)] =
            std::string(preset.category) + " - " + std::string(preset.name);
    }
    fillDefaultNames();
}

const std::string& StyleNameTable::shortName(int index) const {
    if (index < 0 || index >= kInternalStyleCount)
        return kEmpty;
    return short_[static_cast<size_t>(index)];
}

const std::string& StyleNameTable::longName(int index) const {
    if (index < 0 || index >= kInternalStyleCount)
        return kEmpty;
    return long_[static_cast<size_t>(index)];
}

std::optional<std::string> StyleNameTable::styleDisplayName(int styleIndex,
                                                            const DiskStyleTexts& disk) const {
    if (styleIndex >= 0 && styleIndex < kInternalStyleCount)
        return long_[static_cast<size_t>(styleIndex)];
    if (styleIndex >= kFirstDiskStyle && styleIndex < kStyleIndexCount)
        return disk.text(styleIndex - kFirstDiskStyle);
    return std::nullopt;
}

void StyleNameTable::setFlash(int flashPosition, std::string shortName, std::string longName) {
    const size_t i = static_cast<size_t>(kFirstFlashStyle + flashPosition);
    short_[i] = std::move(shortName);
    long_[i] = std::move(longName);
}

void StyleNameTable::fillFactoryNames(bool pro) {
    for (int s = 0; s < kFlashStyleCount; ++s) {
        const std::string_view name = kFactoryFlashNames[static_cast<size_t>(s)];
        if (name == kNoData || (isProOnlyPosition(s) && !pro)) {
            std::string text = numberedFlashText(s);
            setFlash(s, text, text);
        } else {
            setFlash(s, std::string(name), namedFlashText(s, name));
        }
    }
}

void StyleNameTable::fillDefaultNames() {
    for (int s = 0; s < kFlashStyleCount; ++s) {
        std::string text = numberedFlashText(s);
        setFlash(s, text, text);
    }
}

void StyleNameTable::setIndividualName(int flashPosition, std::string_view text) {
    if (!isFlashPosition(flashPosition))
        return;
    if (equalsIgnoreCase1252(text, kNoData)) {
        std::string numbered = numberedFlashText(flashPosition);
        setFlash(flashPosition, numbered, numbered);
    } else {
        setFlash(flashPosition, std::string(text), namedFlashText(flashPosition, text));
    }
}

void StyleNameTable::setIndividualNames(const std::array<std::string, kFlashStyleCount>& names) {
    for (int p = 0; p < kFlashStyleCount; ++p)
        setIndividualName(p, names[static_cast<size_t>(p)]);
}

} // namespace tombrel
