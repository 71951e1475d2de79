#pragma once

// The keyboard's voices: 880 rows in the fixed order of every voice selection box, each with its
// voice triple (bank MSB, bank LSB, program) and the name the keyboard shows. Some voices exist
// only on the PSR-9000pro; for any other model their rows show as plain numbers and they are left
// out of the drum kit list.
//
// Names are single-byte text and keep the keyboard's doubled ampersands ("Choir&&Pad - ..."):
// the voice boxes draw "&&" as one "&", text output prints the stored form.

#include "core/record/KeyboardModel.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tombrel {

struct VoiceRow {
    bool proOnly;
    std::string_view name;
    uint8_t msb;
    uint8_t lsb;
    uint8_t program;

    constexpr int key() const { return msb * 65536 + lsb * 256 + program; }
};

// Which item a voice box holds and selects for a registration's voice key.
struct VoiceBoxItems {
    int count = 0;     // 880 rows, plus one when the key got an item of its own
    int selected = -1; // -1: no selection
    int ownKey = -1;   // the data of item 880 when count is 881

    // The voice key of an item (what is written back when it is chosen); -1 outside the box.
    int keyAt(int position) const;
};

// Whether a key that is in no row gets an item of its own in a voice box.
enum class UnknownVoiceItem {
    Always,        // the single-registration editor, even for "no voice" (<255,255,255>)
    UnlessNoVoice, // the many-registration editor: no voice (-1) leaves the box unselected
};

class VoiceTable {
public:
    static constexpr int RowCount = 880;
    // Position of a voice box's extra item for a key that is in no row.
    static constexpr int OwnItemPosition = RowCount;
    // The drum kits: rows 342..367, the end of the percussion run.
    static constexpr int FirstDrumKitRow = 342;
    static constexpr int DrumKitRowCount = 26;
    static constexpr std::string_view DrumKitPrefix = "Percussion - ";

    static constexpr int keyOf(int msb, int lsb, int program) {
        return msb * 65536 + lsb * 256 + program;
    }

    // Row accessors; outside 0..879 they give an empty name, key 0 and not pro-only.
    static std::string_view nameOfRow(int row);
    static int keyOfRow(int row);
    static bool proOnly(int row);
    // A row's name may be shown for the model: not pro-only, or the model is the PSR-9000pro.
    static bool rowAllowed(int row, KeyboardModel model);

    // The row whose triple has this key, -1 when there is none. Indexed, not a scan.
    static int rowOfKey(int key);
    // The name of the voice with this key regardless of the model; empty when there is none.
    // Protocols and the search name voices this way.
    static std::string_view lookup(int key);

    // "<msb,lsb,program>" of a key; the no-voice key -1 gives "<255,255,255>".
    static std::string keyText(int key);
    // The text of a voice box item: the row's name when the row is allowed for the model,
    // otherwise (a pro-only row on a PSR-9000, the extra item, any other position) the numbers of
    // the item's key.
    static std::string voiceBoxText(int position, int itemKey, KeyboardModel model);
    // The items of a voice box filled for a registration's voice key. A row matches by key even
    // where its name is hidden for the model, so a pro-only voice on a PSR-9000 selects its row.
    static VoiceBoxItems voiceBoxItems(int key, UnknownVoiceItem rule);

    // The drum kit list of the model's "Kit:" boxes (18 kits, or 26 on the PSR-9000pro), names
    // without "Percussion - ". A footswitch's Kit byte is a position in this list.
    static std::vector<std::string_view> drumKits(KeyboardModel model);
    static int drumKitCount(KeyboardModel model);
    // The kit at a list position; empty outside the list.
    static std::string_view drumKitName(int position, KeyboardModel model);
};

// The rows in box order (VoiceTableData.cpp).
extern const std::array<VoiceRow, VoiceTable::RowCount> kVoiceRows;

} // namespace tombrel
