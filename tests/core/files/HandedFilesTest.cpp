// Files handed to the program on its command line or by a later start: which pane takes them,
// and opening them there with the same save-changes prompt as any other open.

#include "core/files/ArchiveFile.h"
#include "core/files/DocumentKind.h"
#include "core/files/RegBackupFile.h"
#include "core/sides/ArchiveSide.h"
#include "core/sides/RegistrationSide.h"

#include "RegListTestData.h"
#include "ScriptedInteraction.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace tombrel;
using namespace tombrel::test;

namespace {

class HandedFilesTest : public ::testing::Test {
protected:
    std::string regBackup(const std::string& name, KeyboardModel model) {
        const std::string path = folder.file(name);
        TempFolder::write(path, buildRegBackupImage({}, model));
        return path;
    }
    std::string archive(const std::string& name) {
        const std::string path = folder.file(name);
        ArchiveList list{ArchiveEntry::category("Pop")};
        list[0].hiddenChildren.push_back(namedLine("Song"));
        TempFolder::write(path, buildArchiveImage(list));
        return path;
    }

    TempFolder folder;
    ScriptedInteraction ui;
};

} // namespace

TEST_F(HandedFilesTest, KindIsToldByContent) {
    std::vector<uint8_t> noMagic = buildRegBackupImage({}, KeyboardModel::Psr9000);
    noMagic[16] = 'X';
    std::vector<uint8_t> oneByteShort = buildRegBackupImage({}, KeyboardModel::Psr9000);
    oneByteShort.pop_back();
    TempFolder::write(folder.file("nomagic.bup"), noMagic);
    TempFolder::write(folder.file("short.bup"), oneByteShort);
    TempFolder::write(folder.file("empty"), {});

    struct Case {
        std::string path;
        DocumentKind kind;
    };
    const std::vector<Case> cases = {
        {regBackup("REG.bup", KeyboardModel::Psr9000), DocumentKind::RegBackup},
        {regBackup("odd name.yra", KeyboardModel::Psr9000Pro), DocumentKind::RegBackup},
        {archive("Lib.yra"), DocumentKind::Archive},
        {folder.file("nomagic.bup"), DocumentKind::Archive},
        {folder.file("short.bup"), DocumentKind::Archive},
        {folder.file("empty"), DocumentKind::Archive},
        {folder.file("missing.bup"), DocumentKind::Archive},
        {folder.path(), DocumentKind::Archive},
    };
    for (const Case& c : cases)
        EXPECT_EQ(documentKindOf(c.path), c.kind) << c.path;
}

TEST_F(HandedFilesTest, RegistrationSideOpensAHandedFile) {
    RegistrationSide side{ui};
    const std::string first = regBackup("REG.bup", KeyboardModel::Psr9000Pro);
    EXPECT_TRUE(side.openRegBackupFile(first));
    EXPECT_TRUE(side.isOpen());
    EXPECT_EQ(side.currentPath(), first);
    EXPECT_EQ(side.keyboardModel(), KeyboardModel::Psr9000Pro);
    EXPECT_EQ(side.recentRegistrations()[0], first);

    // The same file again is left as it is, changes and all.
    side.setModified();
    EXPECT_FALSE(side.openRegBackupFile(first));
    EXPECT_TRUE(side.isModified());
    EXPECT_TRUE(ui.events().empty());

    // Another file asks about the changes first; Cancel keeps everything.
    const std::string second = regBackup("REG2.bup", KeyboardModel::Psr9000);
    ui.answer(Answer::Cancel);
    EXPECT_FALSE(side.openRegBackupFile(second));
    EXPECT_EQ(side.currentPath(), first);
    EXPECT_EQ(ui.messageIds(), std::vector<const Message*>{&msg::RegistrationsChanged});

    ui.answer(Answer::No);
    EXPECT_TRUE(side.openRegBackupFile(second));
    EXPECT_EQ(side.currentPath(), second);
    EXPECT_FALSE(side.isModified());

    // A file that cannot be read leaves the side closed and says why.
    ui.clearEvents();
    EXPECT_FALSE(side.openRegBackupFile(folder.file("missing.bup")));
    EXPECT_FALSE(side.isOpen());
    EXPECT_EQ(ui.kinds(), std::vector{ScriptedInteraction::Kind::Warn});
}

TEST_F(HandedFilesTest, ArchiveSideOpensAHandedFile) {
    ArchiveSide side{ui};
    const std::string first = archive("A.yra");
    EXPECT_TRUE(side.openArchiveFile(first));
    EXPECT_EQ(side.countText(), "1");

    side.setModified();
    EXPECT_FALSE(side.openArchiveFile(first));
    EXPECT_TRUE(ui.events().empty());

    const std::string second = archive("B.yra");
    ui.answer(Answer::Cancel);
    EXPECT_FALSE(side.openArchiveFile(second));
    EXPECT_EQ(side.currentPath(), first);
    ui.answer(Answer::No);
    EXPECT_TRUE(side.openArchiveFile(second));
    EXPECT_EQ(side.currentPath(), second);
    EXPECT_EQ(ui.messageIds(),
              (std::vector<const Message*>{&msg::ArchiveChanged, &msg::ArchiveChanged}));
}
