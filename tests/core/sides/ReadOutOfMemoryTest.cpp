// Running out of memory while a file is read: the read command reports it as the file's reading
// error, and both panes keep what they held (lines, path, flags, recent files), unsaved changes
// included. The machine without memory is the read buffer limit lowered below the file's size.

#include "core/sides/ArchiveSide.h"
#include "core/sides/RegistrationSide.h"

#include "RegListTestData.h"
#include "ScriptedInteraction.h"
#include "TempFolder.h"

#include "core/files/ArchiveFile.h"
#include "core/files/FileIo.h"
#include "core/files/RegBackupFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <ostream>

using namespace tombrel;
using namespace tombrel::test;

namespace {

class ReadBufferLimitScope {
public:
    explicit ReadBufferLimitScope(size_t bytes) : saved_(readBufferLimit()) {
        setReadBufferLimit(bytes);
    }
    ~ReadBufferLimitScope() { setReadBufferLimit(saved_); }

private:
    size_t saved_;
};

// What a pane shows and keeps, to compare before and after.
struct PaneState {
    std::string path;
    bool open = false;
    bool modified = false;
    std::vector<std::string> titles;
    std::vector<std::string> recent;
    bool operator==(const PaneState&) const = default;
};

void PrintTo(const PaneState& s, std::ostream* os) {
    *os << s.path << (s.open ? " open" : " closed") << (s.modified ? " modified:" : ":");
    for (const std::string& t : s.titles)
        *os << " " << t;
}

PaneState stateOf(const RegistrationSide& side) {
    PaneState s{side.currentPath(),
                side.isOpen(),
                side.isModified(),
                {},
                side.recentRegistrations().used()};
    for (const RegEntry& line : side.lines())
        s.titles.push_back(line.isBankLine ? "[" + line.bankTitle + "]" : line.record.title());
    return s;
}

PaneState stateOf(const ArchiveSide& side) {
    PaneState s{
        side.currentPath(), side.isOpen(), side.isModified(), {}, side.recentArchives().used()};
    for (const ArchiveEntry& line : side.list()) {
        s.titles.push_back(line.isCategory ? "#" + line.categoryName : line.record.title());
        for (const RegEntry& child : line.hiddenChildren)
            s.titles.push_back("  " + child.record.title());
    }
    return s;
}

class ReadOutOfMemory : public ::testing::Test {
protected:
    void SetUp() override {
        RegList lines;
        lines.push_back(RegEntry::bankLine("Bank"));
        lines.push_back(namedLine("Kept Reg"));
        TempFolder::write(regPath, buildRegBackupImage(lines, KeyboardModel::Psr9000));
        TempFolder::write(otherRegPath, buildRegBackupImage({}, KeyboardModel::Psr9000));
        ArchiveList archive;
        archive.push_back(ArchiveEntry::category("Kept"));
        archive.back().hiddenChildren.push_back(namedLine("Kept Arc"));
        TempFolder::write(archivePath, buildArchiveImage(archive));
        TempFolder::write(otherArchivePath, buildArchiveImage(archive));

        // Both panes open, each with a change not saved yet.
        ASSERT_TRUE(reg.readRegBackup(regPath));
        reg.lines()[1].record.setTitle("Unsaved Reg");
        reg.setModified();
        ASSERT_TRUE(archive_.readArchive(archivePath));
        archive_.list()[0].hiddenChildren[0].record.setTitle("Unsaved Arc");
        archive_.setModified();
        ui.clearEvents();
    }

    void expectReadingErrorOnly() {
        std::vector<const Message*> warnings;
        for (const ScriptedInteraction::Event& e : ui.events()) {
            if (e.kind == ScriptedInteraction::Kind::Warn) {
                warnings.push_back(e.message.message);
                EXPECT_EQ(e.message.platformError, std::strerror(ENOMEM));
            }
        }
        EXPECT_EQ(warnings, std::vector<const Message*>{&msg::ErrorReadingFile});
        EXPECT_TRUE(ui.scriptUsedUp());
    }

    TempFolder folder;
    const std::string regPath = folder.file("REG.bup");
    const std::string otherRegPath = folder.file("Other.bup");
    const std::string archivePath = folder.file("Kept.yra");
    const std::string otherArchivePath = folder.file("Other.yra");
    ScriptedInteraction ui;
    RegistrationSide reg{ui};
    ArchiveSide archive_{ui};
};

} // namespace

// The user lets the changes go ("No"), but the file never arrives: nothing is lost after all.
TEST_F(ReadOutOfMemory, OpeningAnArchiveKeepsBothPanes) {
    const PaneState regBefore = stateOf(reg);
    const PaneState archiveBefore = stateOf(archive_);
    ui.answer(Answer::No);
    {
        const ReadBufferLimitScope noMemory(100);
        EXPECT_FALSE(archive_.openArchiveFile(otherArchivePath));
    }
    expectReadingErrorOnly();
    EXPECT_EQ(stateOf(archive_), archiveBefore);
    EXPECT_EQ(stateOf(reg), regBefore);
    EXPECT_EQ(archive_.countText(), "1");
}

TEST_F(ReadOutOfMemory, OpeningARegistrationBackupKeepsBothPanes) {
    const PaneState regBefore = stateOf(reg);
    const PaneState archiveBefore = stateOf(archive_);
    ui.answer(Answer::No);
    {
        const ReadBufferLimitScope noMemory(kRegBackupSize - 1);
        EXPECT_FALSE(reg.openRegBackupFile(otherRegPath));
    }
    expectReadingErrorOnly();
    EXPECT_EQ(stateOf(reg), regBefore);
    EXPECT_EQ(stateOf(archive_), archiveBefore);
    EXPECT_EQ(reg.keyboardModel(), KeyboardModel::Psr9000);
}

// With memory back, the same file opens: nothing about it was remembered as broken.
TEST_F(ReadOutOfMemory, TheSameFileOpensOnceMemoryIsBack) {
    {
        const ReadBufferLimitScope noMemory(100);
        EXPECT_FALSE(archive_.readArchive(otherArchivePath));
    }
    EXPECT_TRUE(archive_.readArchive(otherArchivePath));
    EXPECT_EQ(archive_.currentPath(), otherArchivePath);
    EXPECT_FALSE(archive_.isModified());
    EXPECT_EQ(archive_.recentArchives()[0], otherArchivePath);
}
