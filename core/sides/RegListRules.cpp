#include "core/sides/RegListRules.h"

#include "core/record/MarkedLines.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace tombrel {

namespace {

const RegEntry& emptyLine() {
    static const RegEntry line = RegEntry::registration(RegRecord::empty());
    return line;
}

bool isNoName(const std::string& title) {
    return title == kNoNameBankTitle;
}

// The registrations after the bank line at `bank`, up to the next bank line, are all empty.
bool bankHoldsOnlyEmpty(const RegList& lines, size_t bank) {
    for (size_t i = bank + 1; i < lines.size() && !lines[i].isBankLine; ++i) {
        if (!lines[i].record.isEmpty())
            return false;
    }
    return true;
}

// The normalisation walk. It reads the list from `start` on and, at the first line it must
// insert or remove, starts building a new list; until then it changes nothing, so a list that
// needs no change costs one read. Positions are those of the list as it stands at that moment:
// the lines already passed (in the new list when building) followed by the unread ones.
class NormaliseWalk {
public:
    NormaliseWalk(RegList& lines, size_t start, int* tracked)
        : in_(lines), tracked_(tracked), pos_(start) {}

    size_t next() const { return pos_; }
    bool done() const { return pos_ >= in_.size(); }
    const RegEntry& current() const { return in_[pos_]; }
    const RegList& input() const { return in_; }

    void keep() {
        if (building_)
            out_.push_back(std::move(in_[pos_]));
        ++pos_;
    }
    void insert(const RegEntry& entry) {
        startBuilding();
        shiftTracked(+1);
        out_.push_back(entry);
    }
    void removeCurrent() {
        startBuilding();
        shiftTracked(-1);
        ++pos_;
    }
    // Hands the result back to the list; afterwards lines may be appended to it directly.
    void finish() {
        if (building_)
            in_.swap(out_);
        building_ = false;
    }

private:
    size_t position() const { return building_ ? out_.size() : pos_; }
    void shiftTracked(int by) {
        if (tracked_ && *tracked_ >= static_cast<int>(position()))
            *tracked_ += by;
    }
    void startBuilding() {
        if (building_)
            return;
        out_.reserve(in_.size() + in_.size() / kRegSlotsPerBank +
                     kRegBankCount * (kRegSlotsPerBank + 1));
        for (size_t i = 0; i < pos_; ++i)
            out_.push_back(std::move(in_[i]));
        building_ = true;
    }

    RegList& in_;
    int* tracked_;
    RegList out_;
    size_t pos_;
    bool building_ = false;
};

// Answers "are the registrations from `from` up to the next bank line all empty?" and
// remembers where the last scan found a non-empty one, so that the repeated question at every
// eighth registration of a long bank does not read the same lines again.
class EmptyRunScanner {
public:
    explicit EmptyRunScanner(const RegList& lines) : lines_(lines) {}

    bool allEmptyFrom(size_t from) {
        if (valid_ && from >= scanStart_ && from <= nonEmptyAt_)
            return false;
        size_t i = from;
        while (i < lines_.size() && !lines_[i].isBankLine && lines_[i].record.isEmpty())
            ++i;
        if (i < lines_.size() && !lines_[i].isBankLine) {
            valid_ = true;
            scanStart_ = from;
            nonEmptyAt_ = i;
            return false;
        }
        return true;
    }

private:
    const RegList& lines_;
    bool valid_ = false;
    size_t scanStart_ = 0;
    size_t nonEmptyAt_ = 0;
};

void appendLine(RegList& lines, const RegEntry& entry, int* tracked) {
    if (tracked && *tracked >= static_cast<int>(lines.size()))
        ++*tracked;
    lines.push_back(entry);
}

} // namespace

RegEntry emptyRegistrationLine() {
    return emptyLine();
}

RegEntry noNameBankLine() {
    return RegEntry::bankLine(kNoNameBankTitle);
}

void hideDuplicateBankTitles(RegList& lines) {
    std::vector<char> remove(lines.size(), 0);
    std::string remembered;
    for (size_t i = 0; i < lines.size(); ++i) {
        const RegEntry& line = lines[i];
        if (!line.isBankLine)
            continue;
        if (!remembered.empty() && !isNoName(line.bankTitle) && line.bankTitle == remembered &&
            !bankHoldsOnlyEmpty(lines, i)) {
            remove[i] = 1;
            continue;
        }
        remembered = line.bankTitle;
    }
    eraseMarked(lines, remove);
}

void hideEmptyEntries(RegList& lines) {
    std::vector<char> remove(lines.size(), 0);
    bool namedBankSeen = false;
    bool trailing = true;
    for (size_t n = lines.size(); n > 0; --n) {
        const size_t i = n - 1;
        const RegEntry& line = lines[i];
        if (!line.isBankLine) {
            if (trailing && line.record.isEmpty())
                remove[i] = 1;
            else
                trailing = false;
            continue;
        }
        if (!namedBankSeen) {
            // `trailing` is still set when none of this bank's registrations stayed.
            if (isNoName(line.bankTitle) && trailing)
                remove[i] = 1;
            else
                namedBankSeen = true;
        }
        trailing = true;
    }
    eraseMarked(lines, remove);
}

void applyRegLoadFilters(RegList& lines, RegListFilters filters) {
    if (filters.hideDuplicateBankTitles)
        hideDuplicateBankTitles(lines);
    if (filters.hideEmptyEntries)
        hideEmptyEntries(lines);
}

namespace {

// Numbering: the bank and slot each line will occupy in the file, also where bank lines are
// hidden; from `start` on, with the counters as they stand at the line before it.
void numberRegLines(RegList& lines, size_t start, int bank, int slot) {
    for (size_t i = start; i < lines.size(); ++i) {
        RegEntry& line = lines[i];
        if (i == 0 || line.isBankLine || slot > kRegSlotsPerBank - 1) {
            ++bank;
            slot = 0;
        }
        line.bankNumber = bank;
        if (line.isBankLine) {
            line.entryNumber = 0;
        } else {
            line.entryNumber = slot;
            ++slot;
        }
    }
}

} // namespace

void normaliseRegList(RegList& lines, int start, int* trackedIndex, RegListFilters filters) {
    const bool hideDup = filters.hideDuplicateBankTitles;
    const bool hideEmpty = filters.hideEmptyEntries;
    start = std::clamp(start, 0, static_cast<int>(lines.size()));

    // The counters as they stand at the line before `start`.
    int startBank = -1;
    int startSlot = 0;
    std::string title = kNoNameBankTitle;
    if (start >= 1) {
        const RegEntry& before = lines[start - 1];
        startBank = before.bankNumber;
        startSlot = before.isBankLine ? 0 : before.entryNumber + 1;
        for (int i = start - 1; i >= 0; --i) {
            if (lines[i].isBankLine) {
                title = lines[i].bankTitle;
                break;
            }
        }
    }

    if (!(hideDup && hideEmpty)) {
        int bank = startBank;
        int slot = startSlot;
        NormaliseWalk walk(lines, static_cast<size_t>(start), trackedIndex);
        EmptyRunScanner scanner(walk.input());
        while (!walk.done()) {
            const RegEntry& line = walk.current();
            if (line.isBankLine) {
                if (bank >= 0 && !hideEmpty) {
                    for (; slot < kRegSlotsPerBank; ++slot)
                        walk.insert(emptyLine());
                }
                ++bank;
                slot = 0;
                title = line.bankTitle;
                walk.keep();
            } else if (bank == -1) {
                walk.keep();
            } else if (slot < kRegSlotsPerBank) {
                ++slot;
                walk.keep();
            } else if (scanner.allEmptyFrom(walk.next())) {
                // A run of empty registrations past the eighth: the bank absorbs it.
                while (!walk.done() && !walk.current().isBankLine)
                    walk.removeCurrent();
            } else {
                if (!hideDup)
                    walk.insert(RegEntry::bankLine(title));
                ++bank;
                slot = 1;
                walk.keep();
            }
        }
        walk.finish();

        int banks = 0;
        if (bank >= 0) {
            if (!hideEmpty) {
                for (; slot < kRegSlotsPerBank; ++slot)
                    appendLine(lines, emptyLine(), trackedIndex);
            }
            banks = bank + 1;
        }
        if (!hideEmpty) {
            for (; banks < kRegBankCount; ++banks) {
                appendLine(lines, noNameBankLine(), trackedIndex);
                for (int s = 0; s < kRegSlotsPerBank; ++s)
                    appendLine(lines, emptyLine(), trackedIndex);
            }
        }
    }

    numberRegLines(lines, static_cast<size_t>(start), startBank, startSlot);
}

void numberRegList(RegList& lines) {
    numberRegLines(lines, 0, -1, 0);
}

namespace {

// The writer's grouping walk: calls bankLine(title) for every bank it opens and
// registration(entry) / emptySlot() for every slot it fills.
template <class BankFn, class RegFn>
int groupIntoBanks(const RegList& lines, BankFn bankLine, RegFn registration) {
    int bank = -1;
    int slot = 0;
    std::string title;
    auto padBank = [&] {
        for (; slot < kRegSlotsPerBank; ++slot)
            registration(emptyLine());
    };
    for (const RegEntry& line : lines) {
        if (line.isBankLine) {
            if (bank >= 0)
                padBank();
            ++bank;
            title = line.bankTitle;
            bankLine(title);
            slot = 0;
            continue;
        }
        if (bank < 0)
            continue;
        if (slot == kRegSlotsPerBank) {
            ++bank;
            bankLine(title);
            slot = 0;
        }
        registration(line);
        ++slot;
    }
    if (bank >= 0)
        padBank();
    return bank + 1;
}

} // namespace

RegList canonicalRegList(const RegList& lines) {
    RegList out;
    out.reserve(std::max<size_t>(lines.size(), kRegBankCount * (kRegSlotsPerBank + 1)));
    int banks = groupIntoBanks(
        lines, [&](const std::string& title) { out.push_back(RegEntry::bankLine(title)); },
        [&](const RegEntry& reg) { out.push_back(RegEntry::registration(reg.record)); });
    for (; banks < kRegBankCount; ++banks) {
        out.push_back(noNameBankLine());
        for (int s = 0; s < kRegSlotsPerBank; ++s)
            out.push_back(emptyLine());
    }
    return out;
}

int regBanksNeeded(const RegList& lines) {
    return groupIntoBanks(
        lines, [](const std::string&) {}, [](const RegEntry&) {});
}

int countRegistrations(const RegList& lines) {
    return static_cast<int>(
        std::count_if(lines.begin(), lines.end(), [](const RegEntry& e) { return !e.isBankLine; }));
}

std::string regLineText(const RegList& lines, int index) {
    if (index < 0 || static_cast<size_t>(index) >= lines.size())
        return {};
    const RegEntry& line = lines[index];
    char number[48];
    if (line.isBankLine) {
        std::snprintf(number, sizeof number, "<%02d>\t", line.bankNumber + 1);
        return number + line.bankTitle;
    }
    std::snprintf(number, sizeof number, "<%02d/%d>\t        ", line.bankNumber + 1,
                  line.entryNumber + 1);
    std::string text = number;
    if (line.record.active())
        text += line.record.title();
    else
        text += "{" + line.record.title() + "}";
    return text;
}

} // namespace tombrel
