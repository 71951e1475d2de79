#include "core/commands/Compare.h"

#include "core/files/ArchiveFile.h"
#include "core/files/DocumentKind.h"
#include "core/files/RegBackupFile.h"
#include "core/text/Text1252.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace tombrel {

namespace {

std::string backupPlace(int bank, int slot) {
    char text[32]; // room for any two ints, so that the compiler sees no truncation
    std::snprintf(text, sizeof text, "<%02d/%d>", bank + 1, slot + 1);
    return text;
}

std::string bankPlace(int bank) {
    char text[16];
    std::snprintf(text, sizeof text, "<%02d>", bank + 1);
    return text;
}

std::string quoted(std::string_view text1252) {
    return "\"" + utf8From1252(text1252) + "\"";
}

bool sameRecord(const PlacedRecord& a, const PlacedRecord& b) {
    return a.record == b.record;
}

// FNV-1a over the 470 bytes, so that the sequence match compares numbers.
uint64_t recordHash(const RegRecord& r) {
    uint64_t h = 1469598103934665603ull;
    for (uint8_t byte : r.bytes()) {
        h ^= byte;
        h *= 1099511628211ull;
    }
    return h;
}

// A stretch where the two sequences differ: a[aStart, aStart + aLength) gave way to
// b[bStart, bStart + bLength).
struct Hunk {
    size_t aStart, aLength, bStart, bLength;
};

// Beyond this many single edits the matching stops looking for the shortest script and pairs the
// rest by position: still every difference, in bounded time and memory.
constexpr long kMaxEdits = 2000;

// The shortest edit script (Myers) between two sequences of records, as hunks in order.
std::vector<Hunk> diffSequences(const std::vector<PlacedRecord>& a,
                                const std::vector<PlacedRecord>& b) {
    size_t prefix = 0;
    while (prefix < a.size() && prefix < b.size() && sameRecord(a[prefix], b[prefix]))
        ++prefix;
    size_t suffix = 0;
    while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
           sameRecord(a[a.size() - 1 - suffix], b[b.size() - 1 - suffix]))
        ++suffix;
    const long n = static_cast<long>(a.size() - prefix - suffix);
    const long m = static_cast<long>(b.size() - prefix - suffix);
    if (n == 0 && m == 0)
        return {};
    if (n == 0 || m == 0)
        return {{prefix, static_cast<size_t>(n), prefix, static_cast<size_t>(m)}};

    std::vector<uint64_t> ha(static_cast<size_t>(n)), hb(static_cast<size_t>(m));
    for (long i = 0; i < n; ++i)
        ha[static_cast<size_t>(i)] = recordHash(a[prefix + static_cast<size_t>(i)].record);
    for (long j = 0; j < m; ++j)
        hb[static_cast<size_t>(j)] = recordHash(b[prefix + static_cast<size_t>(j)].record);
    auto equal = [&](long x, long y) {
        return ha[static_cast<size_t>(x)] == hb[static_cast<size_t>(y)] &&
               sameRecord(a[prefix + static_cast<size_t>(x)], b[prefix + static_cast<size_t>(y)]);
    };

    const long maxD = std::min(n + m, kMaxEdits);
    const long offset = maxD + 1;
    std::vector<long> v(static_cast<size_t>(2 * offset + 1), 0);
    // trace[d]: v[-d..d] as it stood before round d.
    std::vector<std::vector<long>> trace;
    long found = -1;
    for (long d = 0; d <= maxD && found < 0; ++d) {
        trace.emplace_back(v.begin() + (offset - d), v.begin() + (offset + d + 1));
        for (long k = -d; k <= d; k += 2) {
            long x = (k == -d || (k != d && v[static_cast<size_t>(offset + k - 1)] <
                                                v[static_cast<size_t>(offset + k + 1)]))
                         ? v[static_cast<size_t>(offset + k + 1)]
                         : v[static_cast<size_t>(offset + k - 1)] + 1;
            long y = x - k;
            while (x < n && y < m && equal(x, y)) {
                ++x;
                ++y;
            }
            v[static_cast<size_t>(offset + k)] = x;
            if (x >= n && y >= m) {
                found = d;
                break;
            }
        }
    }
    if (found < 0)
        return {{prefix, static_cast<size_t>(n), prefix, static_cast<size_t>(m)}};

    // Walk back: each round gives one deletion or insertion after a run of equal records.
    struct Edit {
        long x, y;
        bool deletion;
    };
    std::vector<Edit> edits;
    long x = n, y = m;
    for (long d = found; d > 0; --d) {
        const std::vector<long>& prev = trace[static_cast<size_t>(d)];
        auto at = [&](long k) {
            return prev[static_cast<size_t>(k + d)];
        };
        const long k = x - y;
        const long prevK = (k == -d || (k != d && at(k - 1) < at(k + 1))) ? k + 1 : k - 1;
        const long prevX = at(prevK);
        const long prevY = prevX - prevK;
        while (x > prevX && y > prevY) {
            --x;
            --y;
        }
        edits.push_back({prevX, prevY, x != prevX});
        x = prevX;
        y = prevY;
    }
    std::reverse(edits.begin(), edits.end());

    std::vector<Hunk> hunks;
    for (const Edit& e : edits) {
        const size_t ax = prefix + static_cast<size_t>(e.x);
        const size_t by = prefix + static_cast<size_t>(e.y);
        if (!hunks.empty()) {
            Hunk& last = hunks.back();
            if (last.aStart + last.aLength == ax && last.bStart + last.bLength == by) {
                (e.deletion ? last.aLength : last.bLength) += 1;
                continue;
            }
        }
        hunks.push_back({ax, e.deletion ? 1u : 0u, by, e.deletion ? 0u : 1u});
    }
    return hunks;
}

PlaceDifference registrationDifference(const PlacedRecord& r, DifferenceKind kind) {
    PlaceDifference d;
    d.place = r.place;
    d.kind = kind;
    d.title = r.record.rawTitle();
    return d;
}

PlaceDifference changedRegistration(const PlacedRecord& a, const PlacedRecord& b,
                                    const FieldNames& names) {
    PlaceDifference d = registrationDifference(a, DifferenceKind::Changed);
    d.fields = fieldDifferences(a.record, b.record, names);
    return d;
}

FieldDifference textDifference(std::string_view field, const std::string& a, const std::string& b) {
    FieldDifference f;
    f.field = std::string(field);
    f.a = FieldValue::ofText(a);
    f.b = FieldValue::ofText(b);
    f.aText = quoted(a);
    f.bText = quoted(b);
    return f;
}

// Titles or names matched by their order: differing texts are changed, extra ones added or
// removed.
void compareTexts(const std::vector<PlacedText>& a, const std::vector<PlacedText>& b,
                  std::string_view field, std::vector<PlaceDifference>& out) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        if (a[i].text == b[i].text)
            continue;
        PlaceDifference d;
        d.place = a[i].place;
        d.fields.push_back(textDifference(field, a[i].text, b[i].text));
        out.push_back(std::move(d));
    }
    for (size_t i = common; i < a.size(); ++i)
        out.push_back(
            {a[i].place, DifferenceKind::Removed, {}, {textDifference(field, a[i].text, {})}});
    for (size_t i = common; i < b.size(); ++i)
        out.push_back(
            {b[i].place, DifferenceKind::Added, {}, {textDifference(field, {}, b[i].text)}});
}

// Registrations matched by their order.
void compareInOrder(const PlacedFile& a, const PlacedFile& b, const FieldNames& names,
                    std::vector<PlaceDifference>& out) {
    for (const Hunk& h : diffSequences(a.registrations, b.registrations)) {
        // A free slot that gave way to a registration is no change of that registration.
        const size_t paired = std::min(h.aLength, h.bLength);
        for (size_t i = 0; i < paired; ++i) {
            const PlacedRecord& ra = a.registrations[h.aStart + i];
            const PlacedRecord& rb = b.registrations[h.bStart + i];
            if (!ra.record.isEmpty() && !rb.record.isEmpty()) {
                out.push_back(changedRegistration(ra, rb, names));
                continue;
            }
            out.push_back(registrationDifference(ra, DifferenceKind::Removed));
            out.push_back(registrationDifference(rb, DifferenceKind::Added));
        }
        for (size_t i = paired; i < h.aLength; ++i)
            out.push_back(
                registrationDifference(a.registrations[h.aStart + i], DifferenceKind::Removed));
        for (size_t i = paired; i < h.bLength; ++i)
            out.push_back(
                registrationDifference(b.registrations[h.bStart + i], DifferenceKind::Added));
    }
}

} // namespace

PlacedFile placeBackupLines(const RegList& lines) {
    PlacedFile file;
    file.backup = true;
    int bank = -1;
    int slot = kSlotsPerBank;
    for (size_t i = 0; i < lines.size(); ++i) {
        const RegEntry& line = lines[i];
        if (line.isBankLine) {
            ++bank;
            slot = 0;
            file.bankTitles.push_back({bankPlace(bank), line.bankTitle});
            continue;
        }
        if (slot >= kSlotsPerBank) {
            // A continuation bank under the last title, as the file will store it.
            ++bank;
            slot = 0;
            file.bankTitles.push_back(
                {bankPlace(bank), bank > 0 ? file.bankTitles.back().text : kNoNameBankTitle});
        }
        PlacedRecord r;
        r.place = backupPlace(bank, slot);
        r.record = line.record;
        r.line = static_cast<int>(i);
        r.slot = bank * kSlotsPerBank + slot;
        file.registrations.push_back(std::move(r));
        ++slot;
    }
    return file;
}

PlacedFile placeArchiveLines(const ArchiveList& list) {
    PlacedFile file;
    file.registrations.reserve(static_cast<size_t>(archiveRegistrationCount(list)));
    std::string category;
    int categoryLine = -1;
    int position = 0;
    int bankTitle = 0;
    auto add = [&](const RegEntry& entry, int line, int child) {
        if (entry.isBankLine) {
            file.bankTitles.push_back(
                {category + "/<" + std::to_string(++bankTitle) + ">", entry.bankTitle});
            return;
        }
        PlacedRecord& r = file.registrations.emplace_back();
        r.place.reserve(category.size() + 8);
        r.place += category;
        r.place += '/';
        r.place += std::to_string(++position);
        r.record = entry.record;
        r.line = line;
        r.category = categoryLine;
        r.child = child;
    };
    for (size_t i = 0; i < list.size(); ++i) {
        const ArchiveEntry& entry = list[i];
        if (entry.isCategory) {
            category = entry.categoryName;
            categoryLine = static_cast<int>(i);
            position = 0;
            bankTitle = 0;
            file.categories.push_back(
                {"Category " + std::to_string(file.categories.size() + 1), category});
            for (size_t c = 0; c < entry.hiddenChildren.size(); ++c)
                add(entry.hiddenChildren[c], -1, static_cast<int>(c));
            continue;
        }
        add(entry, static_cast<int>(i), -1);
    }
    return file;
}

std::vector<CompareRow> compareRegistrations(const RegRecord& a, const RegRecord& b,
                                             const FieldNames& names) {
    std::vector<CompareRow> rows;
    rows.reserve(regFields().size() + RegRecord::keptRuns().size());
    for (const RegField& f : regFields()) {
        const FieldValue va = decodeField(f, a);
        const FieldValue vb = decodeField(f, b);
        CompareRow row;
        row.name = std::string(f.name);
        row.caption = fieldCaption(f, names.language);
        row.a = fieldDisplayText(f, va, names);
        row.b = fieldDisplayText(f, vb, names);
        row.differs = !(va == vb);
        rows.push_back(std::move(row));
    }
    for (const KeptRun& run : RegRecord::keptRuns()) {
        CompareRow row;
        row.name = keptRunCaption(run, Language::English);
        row.caption = keptRunCaption(run, names.language);
        row.a = keptRunHex(run, a);
        row.b = keptRunHex(run, b);
        row.differs = row.a != row.b;
        row.kept = true;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<FieldDifference> fieldDifferences(const RegRecord& a, const RegRecord& b,
                                              const FieldNames& names) {
    std::vector<FieldDifference> out;
    if (a == b)
        return out;
    for (const RegField& f : regFields()) {
        FieldValue va = decodeField(f, a);
        FieldValue vb = decodeField(f, b);
        if (va == vb)
            continue;
        FieldDifference d;
        d.field = std::string(f.name);
        d.regField = &f;
        d.aText = fieldDisplayText(f, va, names);
        d.bText = fieldDisplayText(f, vb, names);
        d.a = std::move(va);
        d.b = std::move(vb);
        out.push_back(std::move(d));
    }
    for (const KeptRun& run : RegRecord::keptRuns()) {
        std::string ha = keptRunHex(run, a);
        std::string hb = keptRunHex(run, b);
        if (ha == hb)
            continue;
        FieldDifference d;
        d.field = keptRunCaption(run, Language::English);
        d.a = FieldValue::ofText(ha);
        d.b = FieldValue::ofText(hb);
        d.aText = std::move(ha);
        d.bText = std::move(hb);
        out.push_back(std::move(d));
    }
    return out;
}

std::string_view differenceKindName(DifferenceKind kind) {
    switch (kind) {
    case DifferenceKind::Added:
        return "added";
    case DifferenceKind::Removed:
        return "removed";
    case DifferenceKind::Changed:
        break;
    }
    return "changed";
}

const Message& differenceKindText(DifferenceKind kind) {
    switch (kind) {
    case DifferenceKind::Added:
        return msg::DifferenceAdded;
    case DifferenceKind::Removed:
        return msg::DifferenceRemoved;
    case DifferenceKind::Changed:
        break;
    }
    return msg::DifferenceChanged;
}

FileComparison compareFiles(const PlacedFile& a, const PlacedFile& b, const FieldNames& names) {
    FileComparison result;
    std::vector<PlaceDifference>& out = result.differences;
    if (a.backup && b.backup) {
        // Slot by slot; a slot a list does not reach is a free slot.
        int slots = 0;
        for (const PlacedFile* f : {&a, &b}) {
            for (const PlacedRecord& r : f->registrations)
                slots = std::max(slots, r.slot + 1);
        }
        auto bySlot = [slots](const PlacedFile& f) {
            std::vector<const PlacedRecord*> table(static_cast<size_t>(slots), nullptr);
            for (const PlacedRecord& r : f.registrations)
                table[static_cast<size_t>(r.slot)] = &r;
            return table;
        };
        const auto ta = bySlot(a);
        const auto tb = bySlot(b);
        const RegRecord freeSlot = RegRecord::empty();
        for (int s = 0; s < slots; ++s) {
            const size_t i = static_cast<size_t>(s);
            PlacedRecord ra = ta[i] ? *ta[i] : PlacedRecord{};
            PlacedRecord rb = tb[i] ? *tb[i] : PlacedRecord{};
            if (!ta[i]) {
                ra.record = freeSlot;
                ra.place = backupPlace(s / kSlotsPerBank, s % kSlotsPerBank);
            }
            if (!tb[i]) {
                rb.record = freeSlot;
                rb.place = ra.place;
            }
            if (ra.record == rb.record)
                continue;
            if (ra.record.isEmpty())
                out.push_back(registrationDifference(rb, DifferenceKind::Added));
            else if (rb.record.isEmpty())
                out.push_back(registrationDifference(ra, DifferenceKind::Removed));
            else
                out.push_back(changedRegistration(ra, rb, names));
        }
    } else if (a.backup != b.backup) {
        // A backup's free slots and unnamed banks have no counterpart in an archive's order; a
        // backup turned into an archive compares the same as the backup either way.
        auto withoutFreeSlots = [](const PlacedFile& f) {
            PlacedFile kept;
            kept.backup = f.backup;
            for (const PlacedRecord& r : f.registrations) {
                if (!r.record.isEmpty())
                    kept.registrations.push_back(r);
            }
            for (const PlacedText& t : f.bankTitles) {
                if (t.text != kNoNameBankTitle)
                    kept.bankTitles.push_back(t);
            }
            return kept;
        };
        const PlacedFile ka = withoutFreeSlots(a);
        const PlacedFile kb = withoutFreeSlots(b);
        compareInOrder(ka, kb, names, out);
        compareTexts(ka.bankTitles, kb.bankTitles, "Bank-Title", out);
        return result;
    } else {
        compareInOrder(a, b, names, out);
    }

    if (a.backup && b.backup) {
        // A bank a list does not reach is a "<No Name>" bank in the file.
        std::vector<PlacedText> ta = a.bankTitles, tb = b.bankTitles;
        for (std::vector<PlacedText>* t : {&ta, &tb}) {
            for (size_t i = t->size(); i < std::max(ta.size(), tb.size()); ++i)
                t->push_back({bankPlace(static_cast<int>(i)), kNoNameBankTitle});
        }
        compareTexts(ta, tb, "Bank-Title", out);
    } else {
        compareTexts(a.bankTitles, b.bankTitles, "Bank-Title", out);
    }
    if (!a.backup && !b.backup)
        compareTexts(a.categories, b.categories, "Category", out);
    return result;
}

std::optional<ComparePair> registrationsToCompare(const RegList& regLines,
                                                  const ListSelection& regSelection,
                                                  const ArchiveList& archive,
                                                  const ListSelection& archiveSelection,
                                                  bool archiveFocused) {
    std::vector<PlacedRecord> fromReg, fromArchive;
    const PlacedFile regPlaces = placeBackupLines(regLines);
    for (const PlacedRecord& r : regPlaces.registrations) {
        if (regSelection.contains(r.line))
            fromReg.push_back(r);
    }
    const PlacedFile archivePlaces = placeArchiveLines(archive);
    for (const PlacedRecord& r : archivePlaces.registrations) {
        if (r.line >= 0 && archiveSelection.contains(r.line))
            fromArchive.push_back(r);
    }
    const std::vector<PlacedRecord>& focused = archiveFocused ? fromArchive : fromReg;
    if (focused.size() == 2)
        return ComparePair{focused[0], focused[1]};
    if (fromReg.size() == 1 && fromArchive.size() == 1)
        return ComparePair{fromReg[0], fromArchive[0]};
    return std::nullopt;
}

ComparableFile readComparableFile(const std::string& path) {
    ComparableFile result;
    if (documentKindOf(path) == DocumentKind::RegBackup) {
        RegBackupReadResult read = readRegBackupFile(path);
        if (read.ok)
            result.file = placeBackupLines(read.lines);
        else
            result.messages.push_back(read.error);
        return result;
    }
    ArchiveReadResult read = readArchiveFile(path);
    if (read.ok)
        result.file = placeArchiveLines(read.list);
    else
        result.messages = std::move(read.messages);
    return result;
}

} // namespace tombrel
