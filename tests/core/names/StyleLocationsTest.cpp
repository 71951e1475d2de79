#include "core/names/StyleLocations.h"
#include "core/files/FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace tombrel;

namespace fs = std::filesystem;

namespace {

RegRecord registration(const std::string& title, int styleIndex) {
    RegRecord r = RegRecord::empty();
    r.setTitle(title);
    r.setStyleIndex(styleIndex);
    return r;
}

// Disk texts as a folder scan leaves them: the given names first, empty places after.
DiskStyleTexts diskTexts(const std::vector<std::string>& names) {
    std::array<std::string, kDiskStyleCount> texts;
    for (int k = 0; k < kDiskStyleCount; ++k)
        texts[static_cast<size_t>(k)] = diskStyleFolderText(
            k, static_cast<size_t>(k) < names.size() ? names[static_cast<size_t>(k)] : "");
    DiskStyleTexts disk;
    disk.setTexts(texts);
    return disk;
}

class StyleLocationsFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               (std::string("tombrel_locations_") +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }
    static std::string contents(const std::string& p) {
        const FileReadResult r = readWholeFile(p, FileSizeLimit::atMost(64u << 20));
        return std::string(r.bytes.begin(), r.bytes.end());
    }
    fs::path dir_;
};

} // namespace

TEST(StyleLocations, NumberedFlashTexts) {
    const struct {
        const char* name;
        bool numbered;
    } cases[] = {
        {"Flash II - <3>", true}, {"FLASH x - <", true},     {"flash I - <1>", true},
        {"Flash Light", false},   {"Flash - <3>", true},     {"Flash-Disco - <", false},
        {"Flash", false},         {"My Flash - <1>", false}, {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isNumberedFlashText(c.name), c.numbered) << c.name;
}

TEST(StyleLocations, TextHoldsOnlyRealNames) {
    StyleNameTable names;
    names.fillDefaultNames();
    names.setIndividualName(0, "60's Rock 1");
    names.setIndividualName(1, "Flash II - <3>"); // a name that looks like an empty place
    names.setIndividualName(2, "Flash Light");
    names.setIndividualName(3, "");
    names.setIndividualName(119, "Last");
    const DiskStyleTexts disk = diskTexts({"Bossa Nova", "<empty>", "", "Salsa"});

    const struct {
        FlashNameMode flash;
        DiskStyleMode disk;
        const char* text;
    } cases[] = {
        {FlashNameMode::Individual, DiskStyleMode::Folder,
         "F125=60's Rock 1\r\nF127=Flash Light\r\nF244=Last\r\nD000=Bossa Nova\r\nD003=Salsa\r\n"},
        {FlashNameMode::Individual, DiskStyleMode::Number,
         "F125=60's Rock 1\r\nF127=Flash Light\r\nF244=Last\r\n"},
        {FlashNameMode::Factory, DiskStyleMode::Folder, "D000=Bossa Nova\r\nD003=Salsa\r\n"},
        {FlashNameMode::Default, DiskStyleMode::Number, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(styleLocationsText(names, c.flash, disk, c.disk), c.text);

    // A text written and read back gives the current list.
    const StyleLocationList current =
        currentStyleLocations(names, FlashNameMode::Individual, disk, DiskStyleMode::Folder);
    EXPECT_EQ(parseStyleLocations(styleLocationsText(names, FlashNameMode::Individual, disk,
                                                     DiskStyleMode::Folder)),
              current);
    EXPECT_EQ(current.size(), 5u);
}

TEST(StyleLocations, SaveTellsWhatIsMissing) {
    const struct {
        FlashNameMode flash;
        DiskStyleMode disk;
        const Message* refusal;
        std::vector<const Message*> hints;
    } cases[] = {
        {FlashNameMode::Individual, DiskStyleMode::Folder, nullptr, {}},
        {FlashNameMode::Factory,
         DiskStyleMode::Folder,
         nullptr,
         {&msg::HintNoFlashStyleBackupLoaded}},
        {FlashNameMode::Default,
         DiskStyleMode::Folder,
         nullptr,
         {&msg::HintNoFlashStyleBackupLoaded}},
        {FlashNameMode::Individual,
         DiskStyleMode::Number,
         nullptr,
         {&msg::HintNoDiskDirectFolderLoaded}},
        {FlashNameMode::Factory, DiskStyleMode::Number, &msg::NoIndividualStyleNamesLoaded, {}},
    };
    for (const auto& c : cases) {
        const StyleLocationsSaveCheck check = checkStyleLocationsSave(c.flash, c.disk);
        EXPECT_EQ(check.refusal, c.refusal);
        EXPECT_EQ(check.hints, c.hints);
    }
}

TEST(StyleLocations, ParsingLines) {
    const struct {
        const char* line;
        std::vector<StyleLocation> entries;
    } cases[] = {
        {"F125=Disco", {{125, "Disco"}}},
        {"D000=Disco", {{245, "Disco"}}},
        {"D249=Disco", {{494, "Disco"}}},
        {"F244=Disco\r\n", {{244, "Disco"}}},
        {"F300=Disco", {{300, "Disco"}}}, // an F line naming disk style 55
        {"D-05=Disco", {{240, "Disco"}}},
        {"F 99=Disco", {}},
        {"F+130=Disco", {}}, // the fifth character is not "="
        {"F124=Disco", {}},
        {"D250=Disco", {}},
        {"X125=Disco", {}},
        {"f125=Disco", {}},
        {"F12=Disco", {}},
        {"F125=", {}},
        {"F125= ", {{125, " "}}},
        {"F125=  Name  ", {{125, "  Name  "}}},
        {"F125=a=b", {{125, "a=b"}}},
        {"F1x5=Disco", {}}, // reads as 1
        {"F125=Dis\rco", {{125, "Dis"}}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseStyleLocations(c.line), c.entries) << c.line;

    const StyleLocationList all =
        parseStyleLocations("D001=Two\r\nrubbish\r\nF130=One\nF131=Unix\r\n\r\nF132=Last");
    EXPECT_EQ(all, (StyleLocationList{{246, "Two"}, {130, "One"}, {131, "Unix"}, {132, "Last"}}));
}

TEST(StyleLocations, LongLinesAreReadIn99CharacterPieces) {
    const std::string name94(94, 'n');
    const std::string name95(95, 'm');
    // A line of 99 characters fits one piece; a longer one is cut, and its rest is read as a
    // line of its own (which may look like a definition).
    const std::string text = "F125=" + name94 + "\r\n" + "F126=" + name95 + "\r\n" +
                             "F127=" + name95.substr(0, 94) + "F128=Hidden\r\nF129=After\r\n";
    EXPECT_EQ(parseStyleLocations(text), (StyleLocationList{{125, name94},
                                                            {126, name95.substr(0, 94)},
                                                            {127, name95.substr(0, 94)},
                                                            {128, "Hidden"},
                                                            {129, "After"}}));
    // A line of 98 characters and its line end fill one piece exactly.
    const std::string name93(93, 'x');
    EXPECT_EQ(parseStyleLocations("F125=" + name93 + "\r\nF126=Next"),
              (StyleLocationList{{125, name93}, {126, "Next"}}));
}

TEST(StyleLocations, FlashMove) {
    StyleNameTable names;
    names.fillDefaultNames();
    names.setIndividualName(140 - 125, "Disco");
    const StyleLocationList current = currentStyleLocations(
        names, FlashNameMode::Individual, DiskStyleTexts(), DiskStyleMode::Number);
    const StyleLocationList old = parseStyleLocations("F130=Disco\r\n");

    RegRecord moved = registration("Moved", 130);
    const StyleLocationMove move = updateStyleLocation(moved, old, current);
    EXPECT_TRUE(move.done);
    EXPECT_TRUE(move.written);
    EXPECT_EQ(move.note, "        (Disco)");
    EXPECT_EQ(moved.styleByte(), 140);
    EXPECT_EQ(moved.diskStyleNumber(), 0);
}

TEST(StyleLocations, DiskMoveAndDiskStyleThatBecameAFlashStyle) {
    const StyleLocationList old = parseStyleLocations("D004=Salsa\r\n");
    RegRecord before = registration("Salsa Night", 245 + 4);
    ASSERT_EQ(before.styleByte(), 245);
    ASSERT_EQ(before.diskStyleNumber(), 4);

    // Now disk style number 9.
    std::vector<std::string> folder(10, "Other");
    folder[9] = "Salsa";
    const StyleLocationList onDisk = currentStyleLocations(
        StyleNameTable(), FlashNameMode::Factory, diskTexts(folder), DiskStyleMode::Folder);
    RegRecord r = before;
    EXPECT_TRUE(updateStyleLocation(r, old, onDisk).done);
    EXPECT_EQ(r.styleByte(), 245);
    EXPECT_EQ(r.diskStyleNumber(), 9);

    // Now a flash style at index 200, and also still on disk: the flash style comes first.
    StyleNameTable names;
    names.fillDefaultNames();
    names.setIndividualName(200 - 125, "Salsa");
    const StyleLocationList both = currentStyleLocations(names, FlashNameMode::Individual,
                                                         diskTexts(folder), DiskStyleMode::Folder);
    r = before;
    EXPECT_TRUE(updateStyleLocation(r, old, both).done);
    EXPECT_EQ(r.styleByte(), 200);
    EXPECT_EQ(r.diskStyleNumber(), 0);
}

TEST(StyleLocations, LaterOldEntriesWin) {
    const StyleLocationList old = {{130, "Gone"}, {130, "Disco"}, {130, "Funk"}, {130, "Gone"}};
    const StyleLocationList current = {{150, "Disco"}, {160, "Funk"}};
    RegRecord r = registration("R", 130);
    const StyleLocationMove move = updateStyleLocation(r, old, current);
    EXPECT_TRUE(move.done);
    EXPECT_EQ(r.styleIndex(), 160);
    EXPECT_EQ(move.note, "        (Gone)");
}

// One lookup serves a whole update; each registration gets what the rule gives it alone.
TEST(StyleLocations, OneLookupServesEveryRegistration) {
    const StyleLocationList old = {
        {130, "Disco"}, {131, "Vanished"}, {300, "Salsa"}, {131, "Also Gone"}, {133, "Twice"}};
    const StyleLocationList current = {
        {140, "Disco"}, {250, "Salsa"}, {160, "Twice"}, {170, "Twice"}};
    struct Case {
        int index;
        int after;
        const char* error; // nullptr: done
    };
    const Case cases[] = {
        {5, 5, nullptr},                    // a preset style is left alone
        {130, 140, nullptr},                // moved
        {131, 131, "R        (Also Gone)"}, // the last old name for the index is the note
        {132, 132, "R"},                    // not in the file
        {300, 250, nullptr},                // a disk style to another disk style
        {133, 160, nullptr},                // the first current entry of a name counts
        {kFirstDiskStyle + 255, kFirstDiskStyle + 255, "R"}, // a disk number past 249
    };
    std::vector<RegRecord> records;
    for (const Case& c : cases) {
        records.push_back(RegRecord::empty());
        records.back().setTitle("R");
        records.back().setStyleBytes(c.index >= kFirstDiskStyle ? kFirstDiskStyle : c.index,
                                     c.index >= kFirstDiskStyle ? c.index - kFirstDiskStyle : 0);
    }
    std::vector<StyleUpdateTarget> targets;
    for (RegRecord& r : records)
        targets.push_back({&r, {}});
    const StyleLocationsUpdate update = updateStyleLocations(targets, old, current);
    EXPECT_TRUE(update.modified);
    std::vector<std::string> expectedErrors;
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].index);
        EXPECT_EQ(records[i].styleIndex(), cases[i].after);
        if (cases[i].error)
            expectedErrors.push_back(cases[i].error);
    }
    EXPECT_EQ(update.errors, expectedErrors);
}

TEST(StyleLocations, RegistrationSideErrors) {
    const StyleLocationList old = parseStyleLocations("F130=Disco\r\nF131=Vanished\r\n");
    const StyleLocationList current = {{140, "Disco"}};

    RegList list;
    list.push_back(RegEntry::bankLine("Bank 1"));
    const struct {
        const char* title;
        int style;
        int bank;
        int slot;
    } rows[] = {
        {"Preset", 7, 0, 0},    {"Moves", 130, 0, 1}, {"Vanished", 131, 0, 2},
        {"Unknown", 132, 0, 3}, {"Disk", 250, 11, 7}, {"Preset 2", 124, 1, 0},
    };
    for (const auto& row : rows) {
        RegEntry e = RegEntry::registration(registration(row.title, row.style));
        e.bankNumber = row.bank;
        e.entryNumber = row.slot;
        list.push_back(e);
    }
    const auto targets = regSideUpdateTargets(list);
    EXPECT_EQ(targets.size(), 6u);
    const StyleLocationsUpdate update = updateStyleLocations(targets, old, current);
    EXPECT_FALSE(update.message.has_value());
    EXPECT_TRUE(update.modified);
    EXPECT_EQ(update.errors, (std::vector<std::string>{"<01/3>    Vanished        (Vanished)",
                                                       "<01/4>    Unknown", "<12/8>    Disk"}));
    EXPECT_EQ(list[2].record.styleIndex(), 140);
    EXPECT_EQ(list[3].record.styleIndex(), 131); // unchanged
    EXPECT_EQ(list[4].record.styleIndex(), 132);
}

TEST(StyleLocations, ArchiveSideErrorsIncludeCollapsedCategories) {
    const StyleLocationList old = parseStyleLocations("F130=Disco\r\nF131=Gone\r\n");
    const StyleLocationList current = {{140, "Disco"}};

    ArchiveList list;
    list.push_back(ArchiveEntry::category("Open"));
    list.back().expanded = true;
    list.push_back(ArchiveEntry(RegEntry::registration(registration("Visible", 131))));
    list.push_back(ArchiveEntry(RegEntry::bankLine("Bank")));
    ArchiveEntry closed = ArchiveEntry::category("Closed");
    closed.hiddenChildren.push_back(RegEntry::bankLine("Hidden bank"));
    closed.hiddenChildren.push_back(RegEntry::registration(registration("Hidden", 131)));
    closed.hiddenChildren.push_back(RegEntry::registration(registration("Hidden move", 130)));
    list.push_back(closed);
    list.push_back(ArchiveEntry(RegEntry::registration(registration("Last", 133))));

    const StyleLocationsUpdate update =
        updateStyleLocations(archiveUpdateTargets(list), old, current);
    EXPECT_EQ(update.errors,
              (std::vector<std::string>{"Visible        (Gone)", "Hidden        (Gone)", "Last"}));
    EXPECT_TRUE(update.modified);
    EXPECT_EQ(list[3].hiddenChildren[2].record.styleIndex(), 140);
}

TEST(StyleLocations, NothingToDo) {
    RegRecord r = registration("R", 130);
    const StyleUpdateTarget target{&r, ""};
    const struct {
        StyleLocationList old;
        StyleLocationList current;
        const Message* message;
        const char* german;
    } cases[] = {
        {{},
         {{140, "Disco"}},
         &msg::NoValidOldStyleDefinitions,
         "Keine gültigen alten Styledefinitionen in der Textdatei gefunden!"},
        {{{130, "Disco"}},
         {},
         &msg::NoValidStyleNamesLoaded,
         "Zur Zeit sind keine gültigen Styletitel geladen!"},
    };
    for (const auto& c : cases) {
        const StyleLocationsUpdate update =
            updateStyleLocations(std::span(&target, 1), c.old, c.current);
        ASSERT_TRUE(update.message.has_value());
        EXPECT_EQ(update.message->message, c.message);
        EXPECT_EQ(update.message->text(Language::German), c.german);
        EXPECT_TRUE(update.errors.empty());
        EXPECT_FALSE(update.modified);
        EXPECT_EQ(r.styleIndex(), 130);
    }
    // A registration that finds its old name at its own place is written and counts as moved.
    const StyleLocationsUpdate same =
        updateStyleLocations(std::span(&target, 1), {{130, "Disco"}}, {{130, "Disco"}});
    EXPECT_TRUE(same.errors.empty());
    EXPECT_TRUE(same.modified);
}

TEST_F(StyleLocationsFiles, FilesAreWrittenWithCrLf) {
    StyleNameTable names;
    names.setIndividualName(0, "One");
    const std::string text = styleLocationsText(names, FlashNameMode::Individual, DiskStyleTexts(),
                                                DiskStyleMode::Number);
    EXPECT_EQ(writeStyleLocationsFile(path("loc.txt"), text), std::nullopt);
    EXPECT_EQ(contents(path("loc.txt")), "F125=One\r\n");

    const auto read = readStyleLocationsFile(path("loc.txt"));
    ASSERT_TRUE(std::holds_alternative<StyleLocationList>(read));
    EXPECT_EQ(std::get<StyleLocationList>(read), (StyleLocationList{{125, "One"}}));

    const std::vector<std::string> errors = {"<01/1>    A", "B        (C)"};
    EXPECT_EQ(writeErrorListFile(path("errors.txt"), errors), std::nullopt);
    EXPECT_EQ(contents(path("errors.txt")), "<01/1>    A\r\nB        (C)\r\n");
}

TEST_F(StyleLocationsFiles, FileErrorsAreReported) {
    const std::string inMissingFolder = path("missing/loc.txt");
    const auto locations = writeStyleLocationsFile(inMissingFolder, "F125=One\r\n");
    ASSERT_TRUE(locations.has_value());
    EXPECT_EQ(locations->message, &msg::ErrorCreatingStyleLocationsFile);
    EXPECT_EQ(locations->text(Language::German), "Fehler beim Erzeugen der Textdatei!");
    EXPECT_FALSE(locations->platformError.empty());

    const std::vector<std::string> errors = {"x"};
    const auto list = writeErrorListFile(inMissingFolder, errors);
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->message, &msg::ErrorCreatingErrorListFile);
    EXPECT_EQ(list->text(Language::English), "Error creating text file!");
    EXPECT_EQ(list->text(Language::German), "Fehler beim Anlegen der Fehlerdatei!");

    // An old file stays as it was when the new one cannot be written.
    std::ofstream(path("old.txt"), std::ios::binary) << "F130=Old\r\n";
    fs::create_directories(dir_ / "old.txt.dir");
    EXPECT_TRUE(writeErrorListFile((dir_ / "old.txt.dir").string(), errors).has_value());
    EXPECT_EQ(contents(path("old.txt")), "F130=Old\r\n");

    const auto read = readStyleLocationsFile(path("none.txt"));
    ASSERT_TRUE(std::holds_alternative<UserMessage>(read));
    EXPECT_EQ(std::get<UserMessage>(read).message, &msg::ErrorOpeningFile);
}
