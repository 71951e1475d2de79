#include "core/names/VoiceTable.h"

#include <algorithm>
#include <cstdint>

namespace tombrel {

namespace {

bool isRow(int row) {
    return row >= 0 && row < VoiceTable::RowCount;
}

// Keys in ascending order with their rows, built once: a search over 100,000 registrations names
// every voice, and a binary search over 880 keys is ten steps instead of a walk down the table.
struct KeyIndexEntry {
    int key;
    int row;
};

const std::array<KeyIndexEntry, VoiceTable::RowCount>& keyIndex() {
    static const std::array<KeyIndexEntry, VoiceTable::RowCount> index = [] {
        std::array<KeyIndexEntry, VoiceTable::RowCount> entries{};
        for (int row = 0; row < VoiceTable::RowCount; ++row)
            entries[row] = {kVoiceRows[row].key(), row};
        // Stable, so that of two rows with one key the first in box order is found.
        std::stable_sort(
            entries.begin(), entries.end(),
            [](const KeyIndexEntry& a, const KeyIndexEntry& b) { return a.key < b.key; });
        return entries;
    }();
    return index;
}

const VoiceRow& drumKitRow(int kit) {
    return kVoiceRows[VoiceTable::FirstDrumKitRow + kit];
}

} // namespace

int VoiceBoxItems::keyAt(int position) const {
    if (position < 0 || position >= count)
        return -1;
    if (position == VoiceTable::OwnItemPosition)
        return ownKey;
    return VoiceTable::keyOfRow(position);
}

std::string_view VoiceTable::nameOfRow(int row) {
    return isRow(row) ? kVoiceRows[row].name : std::string_view();
}

int VoiceTable::keyOfRow(int row) {
    return isRow(row) ? kVoiceRows[row].key() : 0;
}

bool VoiceTable::proOnly(int row) {
    return isRow(row) && kVoiceRows[row].proOnly;
}

bool VoiceTable::rowAllowed(int row, KeyboardModel model) {
    return isRow(row) && (!kVoiceRows[row].proOnly || isPro(model));
}

int VoiceTable::rowOfKey(int key) {
    const auto& index = keyIndex();
    const auto it =
        std::lower_bound(index.begin(), index.end(), key,
                         [](const KeyIndexEntry& entry, int wanted) { return entry.key < wanted; });
    if (it == index.end() || it->key != key)
        return -1;
    return it->row;
}

std::string_view VoiceTable::lookup(int key) {
    return nameOfRow(rowOfKey(key));
}

std::string VoiceTable::keyText(int key) {
    // The three bytes of the triple, so that the no-voice key -1 reads as its stored 0xFF bytes.
    const auto bits = static_cast<uint32_t>(key);
    return "<" + std::to_string((bits >> 16) & 0xFF) + "," + std::to_string((bits >> 8) & 0xFF) +
           "," + std::to_string(bits & 0xFF) + ">";
}

std::string VoiceTable::voiceBoxText(int position, int itemKey, KeyboardModel model) {
    if (rowAllowed(position, model))
        return std::string(kVoiceRows[position].name);
    return keyText(itemKey);
}

VoiceBoxItems VoiceTable::voiceBoxItems(int key, UnknownVoiceItem rule) {
    VoiceBoxItems items;
    items.count = RowCount;
    items.selected = rowOfKey(key);
    if (items.selected < 0 && (rule == UnknownVoiceItem::Always || key != -1)) {
        items.count = RowCount + 1;
        items.ownKey = key;
        items.selected = OwnItemPosition;
    }
    return items;
}

std::vector<std::string_view> VoiceTable::drumKits(KeyboardModel model) {
    std::vector<std::string_view> kits;
    kits.reserve(DrumKitRowCount);
    for (int kit = 0; kit < DrumKitRowCount; ++kit) {
        const VoiceRow& row = drumKitRow(kit);
        if (!row.proOnly || isPro(model))
            kits.push_back(row.name.substr(DrumKitPrefix.size()));
    }
    return kits;
}

int VoiceTable::drumKitCount(KeyboardModel model) {
    int count = 0;
    for (int kit = 0; kit < DrumKitRowCount; ++kit)
        count += (!drumKitRow(kit).proOnly || isPro(model)) ? 1 : 0;
    return count;
}

std::string_view VoiceTable::drumKitName(int position, KeyboardModel model) {
    if (position < 0)
        return {};
    for (int kit = 0; kit < DrumKitRowCount; ++kit) {
        const VoiceRow& row = drumKitRow(kit);
        if (row.proOnly && !isPro(model))
            continue;
        if (position-- == 0)
            return row.name.substr(DrumKitPrefix.size());
    }
    return {};
}

} // namespace tombrel
