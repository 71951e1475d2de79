// Files handed to the program on its command line or by a later start: which pane takes them,
// and opening them there with the same save-changes prompt as any other open.

#include "core/files/ArchiveFile.h"
#include "core/files/DocumentKind.h"
#include "core/files/FileIo.h"
#include "core/files/RegBackupFile.h"
#include "core/sides/ArchiveSide.h"
#include "core/sides/RegistrationSide.h"

#include "RegListTestData.h"
#include "ScriptedInteraction.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#ifndef _WIN32
#include <sys/stat.h>
#endif

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

// What a handed or dropped path opens, looked at before any pane is asked: the path refused
// here never reaches a save-changes prompt.
TEST_F(HandedFilesTest, HandedDocumentIsToldBeforeAnyPaneIsAsked) {
    const std::string backup = regBackup("REG.bup", KeyboardModel::Psr9000);
    const std::string lib = archive("Lib.yra");
    std::vector<uint8_t> damaged = buildArchiveImage({ArchiveEntry::category("Pop")});
    damaged.push_back(0x01); // a registration record cut short: the reader explains it
    TempFolder::write(folder.file("damaged.yra"), damaged);
    std::vector<uint8_t> magicWithoutNul(kArchiveMagic.begin(), kArchiveMagic.end());
    magicWithoutNul.push_back('X');
    TempFolder::write(folder.file("almost.yra"), magicWithoutNul);
    TempFolder::write(folder.file("notes.txt"), {'h', 'i'});
    TempFolder::write(folder.file("empty"), {});
    std::vector<uint8_t> noMagic = buildRegBackupImage({}, KeyboardModel::Psr9000);
    noMagic[16] = 'X';
    TempFolder::write(folder.file("nomagic.bup"), noMagic);

    // Backup sets: the backup inside is opened, in whatever case its name is written; a folder
    // whose only REG*.bup is no backup, or that holds none, is refused.
    std::filesystem::create_directories(toFsPath(folder.file("Live.buf")));
    const std::string inSet = folder.file("Live.buf/reg_pro.bup");
    TempFolder::write(inSet, buildRegBackupImage({}, KeyboardModel::Psr9000Pro));
    TempFolder::write(folder.file("Live.buf/BACKUP.INI"), {'x'});
    std::filesystem::create_directories(toFsPath(folder.file("Mixed")));
    TempFolder::write(folder.file("Mixed/REG.bup"), noMagic); // sorts first but is no backup
    const std::string second = folder.file("Mixed/REG_Pro.bup");
    TempFolder::write(second, buildRegBackupImage({}, KeyboardModel::Psr9000Pro));
    std::filesystem::create_directories(toFsPath(folder.file("Songs")));
    TempFolder::write(folder.file("Songs/Lib.yra"), TempFolder::read(lib));

    struct Case {
        std::string path;
        std::optional<DocumentKind> kind;
        std::string opens;           // the file a pane reads, when one does
        const Message* refusal = {}; // the message, when none does
    };
    const std::vector<Case> cases = {
        {backup, DocumentKind::RegBackup, backup},
        {lib, DocumentKind::Archive, lib},
        {folder.file("damaged.yra"), DocumentKind::Archive, folder.file("damaged.yra")},
        {folder.file("Live.buf"), DocumentKind::RegBackup, inSet},
        {folder.file("Mixed"), DocumentKind::RegBackup, second},
        {folder.file("Songs"), std::nullopt, {}, &msg::NoRegBackupInFolder},
        {folder.file("almost.yra"), std::nullopt, {}, &msg::UnknownDocumentKind},
        {folder.file("notes.txt"), std::nullopt, {}, &msg::UnknownDocumentKind},
        {folder.file("empty"), std::nullopt, {}, &msg::UnknownDocumentKind},
        {folder.file("nomagic.bup"), std::nullopt, {}, &msg::UnknownDocumentKind},
        {folder.file("missing.yra"), std::nullopt, {}, &msg::HandedFileNotFound},
        {"", std::nullopt, {}, &msg::HandedFileNotFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const HandedDocument d = handedDocument(c.path);
        EXPECT_EQ(d.kind, c.kind);
        if (c.kind) {
            // In the platform's own spelling (a Windows path joins with backslashes).
            EXPECT_EQ(fromFsPath(toFsPath(d.path).make_preferred()),
                      fromFsPath(toFsPath(c.opens).make_preferred()));
            EXPECT_EQ(d.refusal.message, nullptr);
        } else {
            EXPECT_EQ(d.refusal.message, c.refusal);
            // The message names what was handed.
            EXPECT_NE(d.refusal.text(Language::English).find(c.path), std::string::npos);
        }
    }
}

#ifndef _WIN32
// A FIFO handed by mistake is refused without being opened: opening it would wait for a writer.
TEST_F(HandedFilesTest, HandedFifoIsRefusedWithoutOpeningIt) {
    const std::string fifo = folder.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const HandedDocument d = handedDocument(fifo);
    EXPECT_FALSE(d.kind.has_value());
    EXPECT_EQ(d.refusal.message, &msg::UnknownDocumentKind);
}
#endif

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
