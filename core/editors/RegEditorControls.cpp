#include "core/editors/RegEditorControls.h"

#include <algorithm>

namespace tombrel {

namespace {

constexpr int kAllPedalParts = 0xFF;
constexpr int kPedalPartCount = 8;

int otherOf(int which) {
    return which == 0 ? 1 : 0;
}

} // namespace

int listPosition(int value, int first, int count) {
    const int position = value - first;
    return hasSelection(position, count) ? position : kNoSelection;
}

// ---- Split points
// --------------------------------------------------------------------------------

SplitControls SplitControls::read(const RegRecord& record) {
    return {record.splitAccomp(), record.splitLeft(), record.splitRight()};
}

void SplitControls::writeTo(RegRecord& record) const {
    if (hasSelection(accomp, kNoteCount))
        record.setSplitAccomp(accomp);
    if (hasSelection(left, kNoteCount))
        record.setSplitLeft(left);
    if (hasSelection(right, kNoteCount))
        record.setSplitRight(right);
}

void keepSplitOrder(SplitControls& split, SplitBox changed) {
    // Moves `box` up to `floor` (or down to `ceiling`) when both hold a note.
    const auto raise = [](int& box, int floor) {
        if (box >= 0 && floor >= 0 && box < floor)
            box = floor;
    };
    const auto lower = [](int& box, int ceiling) {
        if (box >= 0 && ceiling >= 0 && box > ceiling)
            box = ceiling;
    };
    switch (changed) {
    case SplitBox::Accomp:
        raise(split.left, split.accomp);
        raise(split.right, split.accomp);
        break;
    case SplitBox::Left:
        raise(split.right, split.left);
        lower(split.accomp, split.left);
        break;
    case SplitBox::Right:
        lower(split.left, split.right);
        lower(split.accomp, split.right);
        break;
    }
}

// ---- Volume pedal
// ----------------------------------------------------------------------------------

VolumePedalControls VolumePedalControls::read(const RegRecord& record) {
    return {record.volumePedalIndividual() ? PedalIndividual : PedalMaster,
            record.volumePedalParts()};
}

void VolumePedalControls::writeTo(RegRecord& record) const {
    if (mode != PedalMaster && mode != PedalIndividual)
        return;
    record.setVolumePedalIndividual(mode == PedalIndividual);
    for (int bit = 0; bit < kPedalPartCount; ++bit)
        record.setVolumePedalPart(static_cast<PedalPart>(bit), (parts >> bit) & 1);
}

bool volumePedalPartsEnabled(const VolumePedalControls& pedal) {
    return pedal.mode == PedalIndividual;
}

void volumePedalModeChanged(VolumePedalControls& pedal) {
    if (pedal.mode != PedalIndividual)
        pedal.parts = kAllPedalParts;
}

// ---- Footswitches
// ----------------------------------------------------------------------------------

FootswitchControls FootswitchControls::read(const RegRecord& record, int footswitch,
                                            KeyboardModel model) {
    FootswitchControls controls;
    controls.function = record.footswitchPosition(footswitch);
    controls.parts = record.footswitchParts(footswitch);
    const int kit = record.footswitchKit(footswitch);
    controls.kit = hasSelection(kit, VoiceTable::drumKitCount(model)) ? kit : kNoSelection;
    controls.key = listPosition(record.footswitchKey(footswitch), 0, kNoteCount);
    return controls;
}

void FootswitchControls::writeTo(RegRecord& record, int footswitch) const {
    if (!hasSelection(function, static_cast<int>(kFootswitchList.size())))
        return;
    record.setFootswitchPosition(footswitch, function);
    record.setFootswitchParts(footswitch, parts);
    // A kit or key that the box could not show is left as it is rather than overwritten.
    if (kit >= 0)
        record.setFootswitchKit(footswitch, kit);
    if (hasSelection(key, kNoteCount))
        record.setFootswitchKey(footswitch, key);
}

bool isPartFunction(int functionPosition) {
    return functionPosition >= 0 && functionPosition <= 5;
}

FootswitchVisibility footswitchVisibility(const FootswitchControls& footswitch) {
    return {isPartFunction(footswitch.function),
            footswitch.function == kFootswitchPercussionPosition};
}

void footswitchFunctionChanged(FootswitchPair& footswitches, int which) {
    FootswitchControls& changed = footswitches[which];
    const FootswitchControls& other = footswitches[otherOf(which)];
    if (isPartFunction(changed.function) && changed.function == other.function)
        changed.parts = other.parts;
}

void footswitchPartClicked(FootswitchPair& footswitches, int which, FootswitchPartBit bit) {
    const FootswitchControls& clicked = footswitches[which];
    FootswitchControls& other = footswitches[otherOf(which)];
    if (clicked.function < 0 || clicked.function != other.function)
        return;
    other.parts = (other.parts & ~bit) | (clicked.parts & bit);
}

// ---- Voices
// ----------------------------------------------------------------------------------------

bool hasChosenItem(const VoiceBoxItems& box) {
    return hasSelection(box.selected, box.count);
}

int chosenVoiceKey(const VoiceBoxItems& box) {
    return hasChosenItem(box) ? box.keyAt(box.selected) : RegRecord::NoVoice;
}

// ---- Input checks
// ----------------------------------------------------------------------------------

InputMessage InputMessage::integerRange(long long low, long long high) {
    return {&msg::EnterIntegerBetween, low, high};
}

InputMessage InputMessage::tooLong(long long maxCharacters) {
    return {&msg::EnterNoMoreCharacters, maxCharacters, 0};
}

InputMessage InputMessage::plain(const Message& message) {
    return {&message, 0, 0};
}

int typedNumber(std::string_view text) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t';
    };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return kNotANumber;
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return kNotANumber;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int>::max())
            return kNotANumber;
    }
    return static_cast<int>(negative ? -value : value);
}

std::string InputMessage::text(Language lang) const {
    if (!message)
        return {};
    return formatMessage(message->text(lang), first, second);
}

} // namespace tombrel
