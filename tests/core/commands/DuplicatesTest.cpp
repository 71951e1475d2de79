#include "core/commands/Duplicates.h"

#include "RegListTestData.h"

#include <gtest/gtest.h>

using namespace tombrel;

namespace {

RegRecord tuned(const std::string& title, int tempo) {
    RegRecord r = test::namedRecord(title);
    r.setTempo(tempo);
    return r;
}

std::vector<std::string> summary(const std::vector<DuplicateGroup>& groups,
                                 const std::vector<const PlacedFile*>& files) {
    std::vector<std::string> out;
    for (const DuplicateGroup& g : groups) {
        std::string line(duplicateKindName(g.by));
        for (const DuplicateMember& m : g.members)
            line += " " + std::to_string(m.file) + ":" +
                    files[static_cast<size_t>(m.file)]->registrations[m.index].place;
        out.push_back(line);
    }
    return out;
}

} // namespace

TEST(Duplicates, GroupsAcrossTwoFiles) {
    // A backup: bank 1 holds "Piano" (tempo 120), "Strings" (130), "Organ" (120 as well, so
    // the same parameters as Piano), then free slots; every other bank is free.
    RegList backup = test::canonicalList({{0, {"Bank", {"Piano", "Strings", "Organ"}}}});
    backup[1].record.setTempo(120);
    backup[2].record.setTempo(130);
    backup[3].record.setTempo(120);
    ArchiveList archive;
    ArchiveEntry pop = ArchiveEntry::category("Pop");
    pop.hiddenChildren = {
        RegEntry::registration(tuned("piano  ", 99)), RegEntry::registration(tuned("Brass", 130)),
        RegEntry::registration(RegRecord::empty()), RegEntry::registration(tuned("", 77)),
        RegEntry::registration(tuned("", 78))};
    archive.push_back(pop);

    const PlacedFile a = placeBackupLines(backup);
    const PlacedFile b = placeArchiveLines(archive);
    const std::vector<const PlacedFile*> files = {&a, &b};
    EXPECT_EQ(summary(findDuplicates(files), files),
              (std::vector<std::string>{"params 0:<01/1> 0:<01/3>", "params 0:<01/2> 1:Pop/2",
                                        "title 0:<01/1> 1:Pop/1"}));
    EXPECT_EQ(summary(findDuplicates(files, {.params = false, .titles = true}), files),
              (std::vector<std::string>{"title 0:<01/1> 1:Pop/1"}));
    // One file alone: the free slots of the backup, hundreds of them, are in no group.
    const std::vector<const PlacedFile*> one = {&a};
    EXPECT_EQ(summary(findDuplicates(one, {.params = true, .titles = false}), one),
              (std::vector<std::string>{"params 0:<01/1> 0:<01/3>"}));
}

TEST(Duplicates, TheParameterBlockDecidesAndOneByteMatters) {
    RegRecord a = tuned("A", 100);
    RegRecord b = tuned("B", 100);
    RegRecord c = tuned("C", 100);
    c.setKeptByte(RegRecord::keptRuns()[3], 0, 0x01); // a byte nobody interprets
    ArchiveList list;
    ArchiveEntry cat = ArchiveEntry::category("X");
    for (const RegRecord& r : {a, b, c})
        cat.hiddenChildren.push_back(RegEntry::registration(r));
    list.push_back(cat);
    const PlacedFile file = placeArchiveLines(list);
    const std::vector<const PlacedFile*> files = {&file};
    EXPECT_EQ(summary(findDuplicates(files), files),
              (std::vector<std::string>{"params 0:X/1 0:X/2"}));
}
