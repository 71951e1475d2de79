// Search in both lists.

#include "core/commands/Search.h"

#include "ListOperationsTestData.h"
#include "ScriptedInteraction.h"

#include "core/names/VoiceTable.h"

#include <gtest/gtest.h>

using namespace tombrel;
using namespace tombrel::test;

namespace {

constexpr int kStringsKey = VoiceTable::keyOf(0, 117, 49);  // "Strings - Live! Strs"
constexpr int kChoirPadKey = VoiceTable::keyOf(0, 114, 52); // "Choir&&Pad - Hah Choir"
constexpr int kUnknownKey = VoiceTable::keyOf(1, 2, 3);

SearchOptions only(bool title, bool right, bool left, bool accomp, bool style) {
    return SearchOptions{title, right, left, accomp, style};
}
const SearchOptions kTitle = only(true, false, false, false, false);
const SearchOptions kAll = only(true, true, true, true, true);

class SearchTest : public ::testing::Test {
protected:
    RegistrationMatcher matcher(std::string_view text, SearchOptions options = kTitle) const {
        return RegistrationMatcher(text, options, styles, disk);
    }
    bool matches(const RegRecord& record, std::string_view text, SearchOptions options) const {
        return matcher(text, options).matches(record);
    }

    StyleNameTable styles;
    DiskStyleTexts disk;
};

// A registration whose title says nothing about its voices or style.
RegRecord plain() {
    RegRecord r = namedRecord("Evening");
    for (VoicePart part : {VoicePart::R1, VoicePart::R2, VoicePart::R3, VoicePart::Left})
        r.setVoice(part, RegRecord::NoVoice);
    for (int p = 0; p < kAccPartCount; ++p)
        r.setPartVoice(static_cast<AccPart>(p), RegRecord::NoVoice);
    r.setStyleIndex(0);
    return r;
}

// Lines whose registrations have nothing but their title to find them by.
RegEntry titledLine(const std::string& title) {
    RegRecord r = plain();
    r.setTitle(title);
    return RegEntry::registration(r);
}
ArchiveEntry titledArchiveLine(const std::string& title) {
    return ArchiveEntry(titledLine(title));
}

// ---- registrationMatches ----------------------------------------------------------------------

TEST_F(SearchTest, EachOptionLooksAtItsOwnFields) {
    ASSERT_GE(VoiceTable::rowOfKey(kStringsKey), 0);
    ASSERT_LT(VoiceTable::rowOfKey(kUnknownKey), 0);
    std::array<std::string, kDiskStyleCount> texts;
    for (int n = 0; n < kDiskStyleCount; ++n)
        texts[static_cast<size_t>(n)] = diskStyleNumberText(n);
    texts[12] = diskStyleFolderText(12, "Bossa Nova");
    disk.setTexts(texts);
    styles.setIndividualName(3, "Disco");

    struct Case {
        const char* name;
        std::function<void(RegRecord&)> make;
        std::string text;
        SearchOptions hitWith;
    };
    const Case cases[] = {
        {"Title", [](RegRecord& r) { r.setTitle("Moonlight"); }, "LIGHT", kTitle},
        {"R2Voice", [](RegRecord& r) { r.setVoice(VoicePart::R2, kStringsKey); }, "string",
         only(false, true, false, false, false)},
        {"LeftVoice", [](RegRecord& r) { r.setVoice(VoicePart::Left, kStringsKey); }, "strs",
         only(false, false, true, false, false)},
        {"PadVoice", [](RegRecord& r) { r.setPartVoice(AccPart::Pad, kStringsKey); }, "live!",
         only(false, false, false, true, false)},
        {"Phrase2Voice", [](RegRecord& r) { r.setPartVoice(AccPart::Phr2, kStringsKey); },
         "Strings", only(false, false, false, true, false)},
        // The doubled ampersand of the stored name is found by either form.
        {"AmpersandShown", [](RegRecord& r) { r.setVoice(VoicePart::R1, kChoirPadKey); },
         "choir&pad", only(false, true, false, false, false)},
        {"AmpersandStored", [](RegRecord& r) { r.setVoice(VoicePart::R1, kChoirPadKey); },
         "choir&&pad", only(false, true, false, false, false)},
        {"PresetStyle", [](RegRecord& r) { r.setStyleIndex(24); }, "slow & easy",
         only(false, false, false, false, true)},
        {"PresetStyleGroup", [](RegRecord& r) { r.setStyleIndex(24); }, "16 beat",
         only(false, false, false, false, true)},
        {"FlashStyle", [](RegRecord& r) { r.setStyleIndex(kFirstFlashStyle + 3); }, "disco",
         only(false, false, false, false, true)},
        // Style byte 245 takes the disk style number: 12 is disk style index 257.
        {"DiskStyle", [](RegRecord& r) { r.setStyleBytes(245, 12); }, "bossa",
         only(false, false, false, false, true)},
        {"DiskStyleNumberText", [](RegRecord& r) { r.setStyleBytes(245, 40); }, "<041>",
         only(false, false, false, false, true)},
    };
    for (const Case& c : cases) {
        RegRecord r = plain();
        c.make(r);
        EXPECT_TRUE(matches(r, c.text, c.hitWith)) << c.name;
        EXPECT_TRUE(matches(r, c.text, kAll)) << c.name;
        // The other options alone do not find it.
        SearchOptions others{!c.hitWith.title, !c.hitWith.rightVoices, !c.hitWith.leftVoice,
                             !c.hitWith.accompVoices, !c.hitWith.styleName};
        EXPECT_FALSE(matches(r, c.text, others)) << c.name;
        EXPECT_FALSE(matches(plain(), c.text, kAll)) << c.name;
    }
}

TEST_F(SearchTest, NamelessVoicesAndStylesNeverMatch) {
    RegRecord r = plain();
    for (VoicePart part : {VoicePart::R1, VoicePart::R2, VoicePart::R3, VoicePart::Left})
        r.setVoice(part, kUnknownKey);
    // A disk style number past the 250 texts has no name either.
    r.setStyleBytes(245, 250);
    const SearchOptions noTitle = only(false, true, true, true, true);
    // Not even a blank, which every name holds.
    for (const char* text : {"<1,2,3>", "1", "<255,255,255>", "DiskStyle", "<251>", " "})
        EXPECT_FALSE(matches(r, text, noTitle)) << text;
}

TEST_F(SearchTest, CaseFoldingCoversWindows1252Letters) {
    // "Café Noël" in Windows-1252, searched in capitals (É = 0xC9, Ë = 0xCB).
    RegRecord r = namedRecord("Caf\xE9 No\xEBl");
    EXPECT_TRUE(matches(r, "CAF\xC9", kTitle));
    EXPECT_TRUE(matches(r, "\xCBL", kTitle));
    EXPECT_FALSE(matches(r, "CAFE", kTitle));
    // The upper-cased text given to the plain function works the same way.
    EXPECT_TRUE(registrationMatches(r, "NO\xCBL", kTitle, styles, disk));
}

TEST_F(SearchTest, TitleIsReadUpToItsFirstNulWithoutTrailingBlanks) {
    RegRecord r = namedRecord("Jazz   ");
    EXPECT_TRUE(matches(r, "JAZZ", kTitle));
    EXPECT_FALSE(matches(r, "JAZZ ", kTitle));
}

// ---- searchNext on the registration side ------------------------------------------------------

RegList searchList() {
    // 0 [Songs] 1 Piano Ballad 2 Organ 3 Spirit 4 [Pianos] 5 Drums
    return {RegEntry::bankLine("Songs"), titledLine("Piano Ballad"),   titledLine("Organ"),
            titledLine("Spirit"),        RegEntry::bankLine("Pianos"), titledLine("Drums")};
}

TEST_F(SearchTest, RegistrationSideStartsAfterTheSelectionAndWraps) {
    struct Case {
        const char* name;
        const char* text;
        SearchOptions options;
        ListSelection selection;
        int expect; // -1: not found
    };
    const Case cases[] = {
        // PI is in SPIRIT too: the first hit after the selected line wins.
        {"PiAfterLine0", "pi", kTitle, ListSelection::single(0), 1},
        {"PiAfterLine1", "pi", kTitle, ListSelection::single(1), 3},
        {"PiAfterLine3FindsBankTitle", "pi", kTitle, ListSelection::single(3), 4},
        {"PiWithoutTitlesNotEvenBankTitle", "pi", only(false, true, true, true, true),
         ListSelection::single(3), -1},
        {"WrapsAroundFromTheLastLine", "pi", kTitle, ListSelection::single(5), 1},
        {"TrailingLineStartsAt0", "organ", kTitle, ListSelection::single(6), 2},
        {"NothingSelectedStartsAt0", "pi", kTitle, ListSelection{}, 1},
        {"SeveralSelectedStartAt0", "pi", kTitle, ListSelection::of({1, 3}), 1},
        // The only match is the selected line: every other line first, then that one again.
        {"OnlyMatchIsTheSelectedLine", "drum", kTitle, ListSelection::single(5), 5},
        {"NotFound", "flute", kTitle, ListSelection::single(2), -1},
    };
    const RegList lines = searchList();
    for (const Case& c : cases) {
        ListSelection selection = c.selection;
        const bool found = searchNext(lines, selection, matcher(c.text, c.options));
        EXPECT_EQ(found, c.expect >= 0) << c.name;
        const ListSelection expected = found ? ListSelection::single(c.expect) : c.selection;
        EXPECT_EQ(selection, expected) << c.name;
    }
}

TEST_F(SearchTest, PressingSearch) {
    const RegList lines = searchList();
    ScriptedInteraction ui;
    ListSelection selection = ListSelection::single(2);

    // An empty text closes the dialog without a search or a message.
    EXPECT_EQ(pressSearch(lines, selection, "", kTitle, styles, disk, ui),
              SearchPress::CloseDialog);
    EXPECT_TRUE(ui.events().empty());

    EXPECT_EQ(pressSearch(lines, selection, "pi", kTitle, styles, disk, ui), SearchPress::Found);
    EXPECT_EQ(selection, ListSelection::single(3));
    EXPECT_EQ(pressSearch(lines, selection, "pi", kTitle, styles, disk, ui), SearchPress::Found);
    EXPECT_EQ(selection, ListSelection::single(4));

    EXPECT_EQ(pressSearch(lines, selection, "flute", kTitle, styles, disk, ui),
              SearchPress::NotFound);
    ASSERT_EQ(ui.messageIds(), (std::vector<const Message*>{&msg::SearchTextNotFound}));
    EXPECT_EQ(ui.events()[0].message.text(Language::German), "Searchtext not found!");
    EXPECT_EQ(selection, ListSelection::single(4));

    // An empty list finds nothing.
    ListSelection none = ListSelection::single(0);
    EXPECT_EQ(pressSearch(RegList{}, none, "pi", kTitle, styles, disk, ui), SearchPress::NotFound);
}

// ---- searchNext on the archive side -----------------------------------------------------------

class ArchiveSearch : public SearchTest {
protected:
    void SetUp() override {
        archive.newArchive();
        // 0 #Pianos 1 Organ 2 #Hidden+ ([Pianists] Spirit Drums) 3 #Folk 4 Piano Ballad
        archive.list() = {categoryLine("Pianos"), titledArchiveLine("Organ"),
                          collapsedCategory("Hidden", {RegEntry::bankLine("Pianists"),
                                                       titledLine("Spirit"), titledLine("Drums")}),
                          categoryLine("Folk"), titledArchiveLine("Piano Ballad")};
        archive.recomputeLastCategoryIndex();
        archive.setModified(false);
    }

    ScriptedInteraction ui;
    ArchiveSide archive{ui};
};

TEST_F(ArchiveSearch, HiddenLineExpandsItsCategory) {
    ListSelection selection = ListSelection::single(1);
    ASSERT_TRUE(searchNext(archive, selection, matcher("drum")));
    EXPECT_EQ(archiveSummary(archive.list()), (Lines{"#Pianos", "Organ", "#Hidden", "[Pianists]",
                                                     "Spirit", "Drums", "#Folk", "Piano Ballad"}));
    EXPECT_EQ(selection, ListSelection::single(5));
    EXPECT_TRUE(archive.treeFlags(2) & TreeBoxMinus);
    EXPECT_EQ(archive.lastCategoryIndex(), 6);
    EXPECT_FALSE(archive.isModified());
}

TEST_F(ArchiveSearch, CategoryAndBankTitlesOnlyWithTheTitleOption) {
    struct Case {
        const char* name;
        const char* text;
        SearchOptions options;
        ListSelection selection;
        int expect;
        bool expands;
    };
    const SearchOptions noTitle = only(false, true, true, true, true);
    const Case cases[] = {
        {"CategoryName", "pian", kTitle, ListSelection::single(4), 0, false},
        // The category line itself matches before its hidden lines are looked at.
        {"CollapsedCategoryName", "hid", kTitle, ListSelection::single(0), 2, false},
        {"HiddenBankTitle", "pianists", kTitle, ListSelection::single(1), 3, true},
        {"HiddenBankTitleBeforeItsRegistrations", "pi", kTitle, ListSelection::single(1), 3, true},
        {"NoTitleOption", "pian", noTitle, ListSelection::single(0), -1, false},
        {"WrapsToTheStart", "organ", kTitle, ListSelection::single(4), 1, false},
    };
    for (const Case& c : cases) {
        SetUp();
        ListSelection selection = c.selection;
        const bool found = searchNext(archive, selection, matcher(c.text, c.options));
        EXPECT_EQ(found, c.expect >= 0) << c.name;
        if (found) {
            EXPECT_EQ(selection, ListSelection::single(c.expect)) << c.name;
        }
        EXPECT_EQ(archive.list()[2].expanded, c.expands) << c.name;
    }
}

TEST_F(ArchiveSearch, RepeatedPressesWalkThroughAllMatches) {
    ListSelection selection = ListSelection::single(0);
    std::vector<int> hits;
    for (int press = 0; press < 5; ++press) {
        ASSERT_TRUE(searchNext(archive, selection, matcher("pi")));
        hits.push_back(*selection.only());
    }
    // [Pianists] and Spirit (expanded from Hidden), Piano Ballad, then around to #Pianos.
    EXPECT_EQ(hits, (std::vector<int>{3, 4, 7, 0, 3}));
}

TEST_F(ArchiveSearch, EmptyArchiveFindsNothing) {
    archive.list().clear();
    ListSelection selection = ListSelection::single(0);
    EXPECT_EQ(pressSearch(archive, selection, "pi", kTitle, styles, disk, ui),
              SearchPress::NotFound);
    EXPECT_EQ(ui.messageIds(), (std::vector<const Message*>{&msg::SearchTextNotFound}));
}

} // namespace
