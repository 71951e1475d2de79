#include "core/sides/PaneMark.h"

#include "ScriptedInteraction.h"
#include "TempFolder.h"

#include "core/files/ArchiveFile.h"
#include "core/files/RegBackupFile.h"
#include "core/sides/ArchiveSide.h"
#include "core/sides/RegistrationSide.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tombrel;
using namespace tombrel::test;

TEST(PaneMark, TextsInBothLanguages) {
    const struct {
        bool modified;
        const char* name;
        Language lang;
        const char* want;
    } cases[] = {
        {false, "Songs", Language::English, ""},
        {false, "", Language::German, ""},
        {true, "Songs [Disk-02]", Language::English, "* Songs [Disk-02] (modified)"},
        {true, "Songs [Disk-02]", Language::German, "* Songs [Disk-02] (geändert)"},
        {true, "", Language::English, "* (modified)"},
        {true, "", Language::German, "* (geändert)"},
        {true, "100%1.yra", Language::English, "* 100%1.yra (modified)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(modifiedMarkText(c.modified, c.name, c.lang), c.want) << c.name;
}

TEST(PaneMark, ShownFileNameIsTheLastPartOfTheRecentBoxText) {
    const struct {
        const char* text;
        const char* want;
    } cases[] = {
        {"/home/anna/Sets/Songs [Disk-02]", "Songs [Disk-02]"},
        {"/home/anna/Lib.yra", "Lib.yra"},
        {"C:\\Keyboard\\REG.bup", "REG.bup"},
        {"/home/anna/Sets/", "Sets"},
        {"Lib.yra", "Lib.yra"},
        {"", ""},
        {"/", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shownFileName(c.text), c.want) << c.text;
}

// The sides' own flags and files: the name as each pane's recent box shows it.
TEST(PaneMark, FollowsTheSidesFlagsAndFiles) {
    TempFolder dir;
    std::filesystem::create_directory(toFsPath(dir.file("Songs.B02")));
    const std::string backup = dir.file("Songs.B02/REG.bup");
    TempFolder::write(backup, buildRegBackupImage({}, KeyboardModel::Psr9000));
    const std::string archive = dir.file("Lib.yra");
    TempFolder::write(archive, buildArchiveImage({ArchiveEntry::category("Rock")}));

    ScriptedInteraction ui;
    RegistrationSide reg(ui);
    EXPECT_EQ(modifiedMarkText(reg, Language::English), "");
    ASSERT_TRUE(reg.readRegBackup(backup));
    EXPECT_EQ(modifiedMarkText(reg, Language::English), "");
    reg.setModified();
    EXPECT_EQ(modifiedMarkText(reg, Language::German), "* Songs [Disk-02] (geändert)");
    RegSideOptions options = reg.options();
    options.backupStructure = false; // the recent box then shows the file itself
    reg.setOptions(options);
    EXPECT_EQ(modifiedMarkText(reg, Language::English), "* REG.bup (modified)");
    reg.setModified(false);
    EXPECT_EQ(modifiedMarkText(reg, Language::English), "");

    ArchiveSide arch(ui);
    ASSERT_TRUE(arch.readArchive(archive));
    EXPECT_EQ(modifiedMarkText(arch, Language::English), "");
    arch.setModified();
    EXPECT_EQ(modifiedMarkText(arch, Language::English), "* Lib.yra (modified)");
    arch.setModified(false);
    arch.newArchive();
    ASSERT_TRUE(arch.isUntitled());
    arch.setModified();
    EXPECT_EQ(modifiedMarkText(arch, Language::German), "* (geändert)");
}
