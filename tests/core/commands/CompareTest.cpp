#include "core/commands/Compare.h"

#include "core/files/RegBackupFile.h"

#include "FieldChanges.h"
#include "RegListTestData.h"
#include "RegRecordSamples.h"

#include <gtest/gtest.h>

using namespace tombrel;

namespace {

// An archive of one category per name, each holding the given records.
ArchiveList archiveOf(const std::vector<std::pair<std::string, std::vector<RegRecord>>>& cats) {
    ArchiveList list;
    for (const auto& [name, records] : cats) {
        ArchiveEntry category = ArchiveEntry::category(name);
        for (const RegRecord& r : records)
            category.hiddenChildren.push_back(RegEntry::registration(r));
        list.push_back(std::move(category));
    }
    return list;
}

RegRecord tuned(const std::string& title, int tempo) {
    RegRecord r = test::namedRecord(title);
    r.setTempo(tempo);
    return r;
}

std::vector<std::string> summary(const FileComparison& c) {
    std::vector<std::string> out;
    for (const PlaceDifference& d : c.differences) {
        std::string line = std::string(differenceKindName(d.kind)) + " " + d.place;
        for (const FieldDifference& f : d.fields)
            line += " " + f.field + ":" + f.aText + "->" + f.bText;
        out.push_back(line);
    }
    return out;
}

FileComparison compareArchives(const ArchiveList& a, const ArchiveList& b) {
    return compareFiles(placeArchiveLines(a), placeArchiveLines(b), FieldNames{});
}

// A backup list as the reader gives it back from the image of the keyboard.
RegList readBack(const RegList& lines, KeyboardModel model) {
    const std::vector<uint8_t> image = buildRegBackupImage(lines, model);
    RegBackupReadResult read = parseRegBackup(image.data(), image.size());
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.model, model);
    return read.lines;
}

} // namespace

TEST(Compare, EachSingleFieldChangeIsReportedAsThatField) {
    const RegRecord base = test::randomRecord(11);
    for (const RegField& f : regFields()) {
        RegRecord changed = base;
        ASSERT_FALSE(encodeField(f, test::otherFieldValue(f, decodeField(f, base)), changed));
        const FileComparison c =
            compareArchives(archiveOf({{"Pop", {base}}}), archiveOf({{"Pop", {changed}}}));
        ASSERT_EQ(c.differences.size(), 1u) << f.name;
        const PlaceDifference& d = c.differences[0];
        EXPECT_EQ(d.kind, DifferenceKind::Changed) << f.name;
        EXPECT_EQ(d.place, "Pop/1");
        ASSERT_EQ(d.fields.size(), 1u) << f.name;
        EXPECT_EQ(d.fields[0].field, f.name);
        EXPECT_EQ(d.fields[0].regField, &f);

        int differing = 0;
        for (const CompareRow& row : compareRegistrations(base, changed, FieldNames{})) {
            if (row.differs) {
                ++differing;
                EXPECT_EQ(row.name, f.name);
                EXPECT_NE(row.a, row.b) << f.name;
            }
        }
        EXPECT_EQ(differing, 1) << f.name;
    }
}

TEST(Compare, AChangedKeptByteIsReportedAsItsRunInHex) {
    const RegRecord base = RegRecord::empty();
    for (const KeptRun& run : RegRecord::keptRuns()) {
        RegRecord changed = base;
        changed.setKeptByte(run, run.length - 1, static_cast<uint8_t>(~base.keptByte(run, 0)));
        const std::vector<FieldDifference> d = fieldDifferences(base, changed, FieldNames{});
        ASSERT_EQ(d.size(), 1u) << run.offset;
        EXPECT_EQ(d[0].field, keptRunCaption(run, Language::English));
        EXPECT_EQ(d[0].regField, nullptr);
        EXPECT_EQ(d[0].aText, keptRunHex(run, base));
    }
    // The dialog lists the kept runs after every field, in hex.
    const std::vector<CompareRow> rows = compareRegistrations(base, base, FieldNames{});
    ASSERT_EQ(rows.size(), regFields().size() + RegRecord::keptRuns().size());
    EXPECT_EQ(rows.front().name, "Title");
    EXPECT_TRUE(rows.back().kept);
    EXPECT_EQ(rows.back().name, "Bytes 468-469");
    EXPECT_EQ(rows.back().a, "00 50");
}

TEST(Compare, DialogRowsCarryCaptionsAndDisplayTexts) {
    RegRecord a = tuned("Piano", 120);
    RegRecord b = tuned("Piano", 96);
    FieldNames names;
    names.language = Language::German;
    for (const CompareRow& row : compareRegistrations(a, b, names)) {
        if (row.name != "Tempo")
            continue;
        EXPECT_TRUE(row.differs);
        EXPECT_EQ(row.caption, "Tempo");
        EXPECT_EQ(row.a, "120");
        EXPECT_EQ(row.b, "96");
    }
}

TEST(Compare, TitlesOfSixteenCharactersAndTrailingBlanks) {
    struct Case {
        std::string a, b;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"Sixteen chars ok", "Sixteen chars ok", {}},
        {"Sixteen chars ok",
         "Sixteen chars o",
         {"changed Pop/1 Title:\"Sixteen chars ok\"->\"Sixteen chars o\""}},
        {"Piano", "Piano  ", {"changed Pop/1 Title:\"Piano\"->\"Piano  \""}},
    };
    for (const Case& c : cases) {
        const FileComparison result = compareArchives(archiveOf({{"Pop", {tuned(c.a, 100)}}}),
                                                      archiveOf({{"Pop", {tuned(c.b, 100)}}}));
        EXPECT_EQ(summary(result), c.expected) << c.a << "|" << c.b;
    }
}

TEST(Compare, ArchivesMatchByOrder) {
    const RegRecord r1 = tuned("One", 101), r2 = tuned("Two", 102), r3 = tuned("Three", 103),
                    r4 = tuned("Four", 104), r5 = tuned("Five", 105);
    const ArchiveList base = archiveOf({{"Pop", {r1, r2, r3}}, {"Jazz", {r4, r5}}});
    struct Case {
        const char* what;
        ArchiveList other;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"identical", base, {}},
        {"moved to the end",
         archiveOf({{"Pop", {r2, r3}}, {"Jazz", {r4, r5, r1}}}),
         {"removed Pop/1", "added Jazz/3"}},
        {"edited in place",
         archiveOf({{"Pop", {r1, tuned("Two", 90), r3}}, {"Jazz", {r4, r5}}}),
         {"changed Pop/2 Tempo:102->90"}},
        {"freed in place",
         archiveOf({{"Pop", {r1, RegRecord::empty(), r3}}, {"Jazz", {r4, r5}}}),
         {"removed Pop/2", "added Pop/2"}},
        {"inserted", archiveOf({{"Pop", {r1, r2, r5, r3}}, {"Jazz", {r4, r5}}}), {"added Pop/3"}},
        {"category renamed",
         archiveOf({{"Pop", {r1, r2, r3}}, {"Swing", {r4, r5}}}),
         {"changed Category 2 Category:\"Jazz\"->\"Swing\""}},
        {"category added",
         archiveOf({{"Pop", {r1, r2, r3}}, {"Jazz", {r4, r5}}, {"New", {}}}),
         {"added Category 3 Category:\"\"->\"New\""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(summary(compareArchives(base, c.other)), c.expected) << c.what;
}

TEST(Compare, ExpandedAndCollapsedCategoriesAreTheSameFile) {
    const ArchiveList collapsed = archiveOf({{"Pop", {tuned("One", 101), tuned("Two", 102)}}});
    ArchiveList expanded;
    expanded.push_back(ArchiveEntry::category("Pop"));
    expanded[0].expanded = true;
    for (const RegEntry& e : collapsed[0].hiddenChildren)
        expanded.push_back(ArchiveEntry(e));
    EXPECT_TRUE(compareArchives(collapsed, expanded).same());
    const PlacedFile placed = placeArchiveLines(expanded);
    ASSERT_EQ(placed.registrations.size(), 2u);
    EXPECT_EQ(placed.registrations[1].place, "Pop/2");
    EXPECT_EQ(placed.registrations[1].line, 2);
    EXPECT_EQ(placeArchiveLines(collapsed).registrations[1].child, 1);
}

TEST(Compare, BackupsMatchByBankAndSlotOnBothModels) {
    for (KeyboardModel model : {KeyboardModel::Psr9000, KeyboardModel::Psr9000Pro}) {
        const RegList base =
            readBack(test::canonicalList({{2, {"Ballads", {"Moon", "", "", "", "Sun"}}}}), model);
        EXPECT_TRUE(compareFiles(placeBackupLines(base), placeBackupLines(base), {}).same());

        RegList other = base;
        other[2 * 9 + 1 + 4].record.setTempo(96);               // <03/5> Sun
        other[2 * 9 + 1 + 1].record = test::namedRecord("New"); // <03/2> was free
        other[2 * 9 + 1 + 0].record = RegRecord::empty();       // <03/1> Moon freed
        other[5 * 9].bankTitle = "Rock";
        const FileComparison c =
            compareFiles(placeBackupLines(base), placeBackupLines(readBack(other, model)), {});
        EXPECT_EQ(summary(c), (std::vector<std::string>{"removed <03/1>", "added <03/2>",
                                                        "changed <03/5> Tempo:148->96",
                                                        "changed <06> Bank-Title:\"<No "
                                                        "Name>\"->\"Rock\""}))
            << keyboardName(model);
        EXPECT_EQ(c.differences[0].title, "Moon");
    }
    // The same registrations saved for the other keyboard are the same registrations.
    const RegList lines = test::canonicalList({{0, {"Bank", {"A", "B"}}}});
    EXPECT_TRUE(compareFiles(placeBackupLines(readBack(lines, KeyboardModel::Psr9000)),
                             placeBackupLines(readBack(lines, KeyboardModel::Psr9000Pro)), {})
                    .same());
}

TEST(Compare, ABackupAndAnArchiveMatchByOrder) {
    const RegList backup = test::canonicalList({{0, {"Bank", {"A", "B"}}}});
    ArchiveList archive;
    ArchiveEntry category = ArchiveEntry::category("REG");
    for (const RegEntry& e : backup)
        category.hiddenChildren.push_back(e);
    archive.push_back(category);
    const PlacedFile a = placeBackupLines(backup);
    EXPECT_TRUE(compareFiles(a, placeArchiveLines(archive), {}).same());

    archive[0].hiddenChildren.erase(archive[0].hiddenChildren.begin() + 1); // "A"
    archive[0].hiddenChildren[0].bankTitle = "Renamed";
    EXPECT_EQ(summary(compareFiles(a, placeArchiveLines(archive), {})),
              (std::vector<std::string>{"removed <01/1>",
                                        "changed <01> Bank-Title:\"Bank\"->\"Renamed\""}));
}

TEST(Compare, AShortBackupListPadsWithFreeSlots) {
    // A pane with its trailing empty registrations hidden against the whole file.
    const RegList whole = test::canonicalList({{0, {"Bank", {"A"}}}});
    RegList shortList = {whole[0], whole[1]};
    EXPECT_TRUE(compareFiles(placeBackupLines(shortList), placeBackupLines(whole), {}).same());
    // A ninth registration of a bank continues in the next bank.
    RegList nine = {RegEntry::bankLine("Bank")};
    for (int i = 0; i < 9; ++i)
        nine.push_back(test::namedLine("R" + std::to_string(i)));
    EXPECT_EQ(placeBackupLines(nine).registrations[8].place, "<02/1>");
}

TEST(Compare, VeryDifferentArchivesStillListEveryDifference) {
    std::vector<RegRecord> a, b;
    for (int i = 0; i < 3000; ++i) {
        a.push_back(tuned("A" + std::to_string(i), 40 + i % 200));
        b.push_back(tuned("B" + std::to_string(i), 40 + i % 200));
    }
    b.push_back(tuned("Extra", 50));
    const FileComparison c = compareArchives(archiveOf({{"X", a}}), archiveOf({{"X", b}}));
    ASSERT_EQ(c.differences.size(), 3001u);
    EXPECT_EQ(c.differences.front().kind, DifferenceKind::Changed);
    EXPECT_EQ(c.differences.back().kind, DifferenceKind::Added);
    EXPECT_EQ(c.differences.back().place, "X/3001");
}

TEST(Compare, TheTwoRegistrationsOfTheSelections) {
    const RegList reg = test::canonicalList({{0, {"Bank", {"A", "B", "C"}}}});
    const ArchiveList archive = archiveOf({{"Pop", {tuned("X", 100), tuned("Y", 101)}}});
    ArchiveList expanded = archive;
    expanded[0].expanded = true;
    for (const RegEntry& e : archive[0].hiddenChildren)
        expanded.push_back(ArchiveEntry(e));
    expanded[0].hiddenChildren.clear();
    struct Case {
        const char* what;
        std::vector<int> reg, archive;
        bool archiveFocused;
        std::optional<std::pair<std::string, std::string>> places;
    };
    const Case cases[] = {
        {"two in the registration pane", {1, 3}, {}, false, std::pair{"<01/1>", "<01/3>"}},
        {"two in the focused archive pane", {1}, {1, 2}, true, std::pair{"Pop/1", "Pop/2"}},
        {"one in each", {2}, {2}, false, std::pair{"<01/2>", "Pop/2"}},
        {"a bank line does not count", {0, 1}, {}, false, std::nullopt},
        {"the category line does not count", {}, {0, 1}, true, std::nullopt},
        {"three", {1, 2, 3}, {}, false, std::nullopt},
        {"two in the pane without the focus and one here", {1, 2}, {1}, true, std::nullopt},
        {"the trailing line", {1, static_cast<int>(reg.size())}, {}, false, std::nullopt},
    };
    auto selection = [](const std::vector<int>& lines) {
        ListSelection s;
        s.lines.insert(lines.begin(), lines.end());
        return s;
    };
    for (const Case& c : cases) {
        const auto pair = registrationsToCompare(reg, selection(c.reg), expanded,
                                                 selection(c.archive), c.archiveFocused);
        ASSERT_EQ(pair.has_value(), c.places.has_value()) << c.what;
        if (pair) {
            EXPECT_EQ(pair->a.place, c.places->first) << c.what;
            EXPECT_EQ(pair->b.place, c.places->second) << c.what;
        }
    }
}

TEST(Compare, EditsAMoveAndAnInsertionInALongArchive) {
    std::vector<RegRecord> a;
    for (int i = 0; i < 2000; ++i)
        a.push_back(tuned("R" + std::to_string(i), 40 + i % 200));
    std::vector<RegRecord> b = a;
    for (int i : {100, 700, 1300})
        b[static_cast<size_t>(i)].setTempo(33);
    const RegRecord moved = b[400];
    b.erase(b.begin() + 400);
    b.insert(b.begin() + 1500, moved);
    b.insert(b.begin() + 1000, tuned("New", 41));
    EXPECT_EQ(summary(compareArchives(archiveOf({{"X", a}}), archiveOf({{"X", b}}))),
              (std::vector<std::string>{"changed X/101 Tempo:140->33", "removed X/401",
                                        "changed X/701 Tempo:140->33", "added X/1001",
                                        "changed X/1301 Tempo:140->33", "added X/1502"}));
}
