#include "core/files/ArchiveFile.h"

#include "core/files/FileIo.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace tombrel;

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

// ---- Building archive images by hand ------------------------------------------------------------

Bytes header() {
    Bytes b(kArchiveMagic.begin(), kArchiveMagic.end());
    b.push_back(0);
    return b;
}

Bytes& addText(Bytes& b, uint8_t tag, std::string_view text) {
    b.push_back(tag);
    b.insert(b.end(), text.begin(), text.end());
    b.push_back(0);
    return b;
}
Bytes& addCategory(Bytes& b, std::string_view name) {
    return addText(b, 0x02, name);
}
Bytes& addBank(Bytes& b, std::string_view title) {
    return addText(b, 0x03, title);
}
Bytes& addRegistration(Bytes& b, const RegRecord& r) {
    b.push_back(0x01);
    b.insert(b.end(), r.bytes().begin(), r.bytes().end());
    return b;
}

// A registration whose 470 bytes are all different from a default one, including the bytes
// after the title's NUL, which the program never looks at but must carry.
RegRecord patternRecord(int seed) {
    uint8_t raw[RegRecord::Size];
    for (size_t i = 0; i < RegRecord::Size; ++i)
        raw[i] = static_cast<uint8_t>(i * 7 + static_cast<size_t>(seed) * 31 + 1);
    RegRecord r = RegRecord::fromBytes(raw);
    r.setTitle("Reg " + std::to_string(seed));
    return r;
}

// Pop: a bank with two registrations; an empty category with an empty name; a category whose
// name uses single-byte accents, with an empty bank title, a "<No Name>" bank and one
// registration; Last: one registration without a bank title.
Bytes richArchive() {
    Bytes b = header();
    addCategory(b, "Pop");
    addBank(b, "A");
    addRegistration(b, patternRecord(1));
    addRegistration(b, patternRecord(2));
    addCategory(b, "");
    addCategory(b, "B\xE4lle \xDC"); // "Bälle Ü" in Windows-1252
    addBank(b, "");
    addRegistration(b, patternRecord(3));
    addBank(b, "<No Name>");
    addCategory(b, "Last");
    addRegistration(b, patternRecord(4));
    return b;
}

// Parses from a heap block of exactly the file's size, so that a read past the end is caught by
// the address sanitizer.
ArchiveReadResult parseExact(const Bytes& bytes, const std::string& path = "test.yra") {
    std::unique_ptr<uint8_t[]> block(new uint8_t[bytes.size() + (bytes.empty() ? 1 : 0)]);
    if (!bytes.empty())
        std::memcpy(block.get(), bytes.data(), bytes.size());
    return parseArchive(block.get(), bytes.size(), path);
}

// The display list with every category expanded: its children inline after it.
ArchiveList expandAll(const ArchiveList& collapsed) {
    ArchiveList out;
    for (const ArchiveEntry& entry : collapsed) {
        ArchiveEntry category = entry;
        category.hiddenChildren.clear();
        category.expanded = true;
        out.push_back(category);
        for (const RegEntry& child : entry.hiddenChildren)
            out.emplace_back(child);
    }
    return out;
}

// ---- Files
// ----------------------------------------------------------------------------------------

using TempDir = tombrel::testing::ScratchFolder;

void writeBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good());
}

Bytes readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string english(const UserMessage& m) {
    return m.text(Language::English);
}
std::string german(const UserMessage& m) {
    return m.text(Language::German);
}

} // namespace

// ---- Reading and writing back
// ---------------------------------------------------------------------

TEST(ArchiveFile, WorkedExampleOfOneCategoryIs496Bytes) {
    const RegRecord reg = patternRecord(7);
    ArchiveEntry pop = ArchiveEntry::category("Pop");
    pop.hiddenChildren = {RegEntry::bankLine("A"), RegEntry::registration(reg)};

    Bytes expected = header();
    const uint8_t records[] = {0x02, 0x50, 0x6F, 0x70, 0x00, 0x03, 0x41, 0x00, 0x01};
    expected.insert(expected.end(), std::begin(records), std::end(records));
    expected.insert(expected.end(), reg.bytes().begin(), reg.bytes().end());
    ASSERT_EQ(expected.size(), 496u);

    EXPECT_EQ(buildArchiveImage({pop}), expected);

    const ArchiveReadResult read = parseExact(expected);
    ASSERT_TRUE(read.ok);
    EXPECT_TRUE(read.messages.empty());
    ASSERT_EQ(read.list.size(), 1u);
    const ArchiveEntry& category = read.list[0];
    EXPECT_TRUE(category.isCategory);
    EXPECT_TRUE(category.isBankLine);
    EXPECT_FALSE(category.expanded);
    EXPECT_EQ(category.categoryName, "Pop");
    ASSERT_EQ(category.hiddenChildren.size(), 2u);
    const RegEntry& bank = category.hiddenChildren[0];
    EXPECT_TRUE(bank.isBankLine);
    EXPECT_EQ(bank.bankTitle, "A");
    EXPECT_EQ(bank.record, RegRecord());
    const RegEntry& registration = category.hiddenChildren[1];
    EXPECT_FALSE(registration.isBankLine);
    EXPECT_EQ(registration.bankTitle, "");
    EXPECT_EQ(registration.record, reg);
    EXPECT_EQ(registration.bankNumber, 0);
    EXPECT_EQ(registration.entryNumber, 0);
}

TEST(ArchiveFile, ReadingAndWritingBackGivesTheSameBytes) {
    TempDir dir;
    const Bytes original = richArchive();
    const std::string path = dir.file("rich.yra");
    writeBytes(path, original);

    const ArchiveReadResult read = readArchiveFile(path);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.list.size(), 4u);
    EXPECT_EQ(read.list[1].categoryName, "");
    EXPECT_EQ(read.list[2].categoryName, "B\xE4lle \xDC");
    // Only the category without records starts expanded.
    EXPECT_FALSE(read.list[0].expanded);
    EXPECT_TRUE(read.list[1].expanded);
    EXPECT_FALSE(read.list[2].expanded);
    EXPECT_FALSE(read.list[3].expanded);
    EXPECT_EQ(read.list[2].hiddenChildren.size(), 3u);
    EXPECT_EQ(read.list[2].hiddenChildren[1].record, patternRecord(3));
    EXPECT_EQ(archiveRegistrationCount(read.list), 4);

    const std::string copy = dir.file("copy.yra");
    EXPECT_FALSE(writeArchiveFile(copy, read.list));
    EXPECT_EQ(readBytes(copy), original);

    // Saving over the file it came from.
    EXPECT_FALSE(writeArchiveFile(path, read.list));
    EXPECT_EQ(readBytes(path), original);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"copy.yra", "rich.yra"}));
}

// A file of several megabytes is read through memory that the reader hands back behind itself as
// it goes; records and texts lying across those steps must come through whole.
TEST(ArchiveFile, LargeFileReadsAndWritesBackTheSameBytes) {
    TempDir dir;
    Bytes original = header();
    int registrations = 0;
    for (int category = 0; category < 12; ++category) {
        addCategory(original, "Category " + std::string(static_cast<size_t>(category * 37), 'c'));
        for (int n = 0; n < 1000; ++n) {
            if (n % 9 == 0)
                addBank(original, std::string(static_cast<size_t>(n % 41), 'b'));
            addRegistration(original, patternRecord(registrations++));
        }
    }
    addCategory(original, "empty at the end");
    ASSERT_GT(original.size(), 5u << 20);
    const std::string path = dir.file("large.yra");
    writeBytes(path, original);

    const ArchiveReadResult read = readArchiveFile(path);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.list.size(), 13u);
    EXPECT_EQ(archiveRegistrationCount(read.list), registrations);
    EXPECT_EQ(read.list[11].hiddenChildren.back().record, patternRecord(registrations - 1));
    EXPECT_TRUE(read.list[12].expanded);
    EXPECT_EQ(buildArchiveImage(read.list), original);
    EXPECT_EQ(parseExact(original).list.size(), read.list.size());
}

TEST(ArchiveFile, ExpandedAndCollapsedCategoriesWriteTheSameFile) {
    const Bytes original = richArchive();
    const ArchiveReadResult read = parseExact(original);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(buildArchiveImage(read.list), original);
    EXPECT_EQ(buildArchiveImage(expandAll(read.list)), original);

    // Lines added after a collapsed last category follow its hidden children in the file.
    ArchiveList mixed = read.list;
    ArchiveEntry& last = mixed.back();
    const RegEntry hidden = last.hiddenChildren.back();
    last.hiddenChildren.clear();
    last.expanded = true;
    mixed.emplace_back(hidden);
    EXPECT_EQ(buildArchiveImage(mixed), original);

    ArchiveList partly = read.list;
    partly.back().hiddenChildren.clear();
    partly.emplace_back(RegEntry::registration(patternRecord(4)));
    EXPECT_EQ(buildArchiveImage(partly), original);
}

TEST(ArchiveFile, HeaderAloneIsAnEmptyArchive) {
    const ArchiveReadResult read = parseExact(header());
    EXPECT_TRUE(read.ok);
    EXPECT_TRUE(read.list.empty());
    EXPECT_TRUE(read.messages.empty());
    EXPECT_EQ(archiveRegistrationCount(read.list), 0);

    const Bytes empty = buildArchiveImage({});
    EXPECT_EQ(empty.size(), 17u);
    EXPECT_EQ(empty, header());
}

TEST(ArchiveFile, CategoryWithEmptyNameLoadsExpanded) {
    Bytes b = header();
    addCategory(b, "");
    const ArchiveReadResult read = parseExact(b);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.list.size(), 1u);
    EXPECT_TRUE(read.list[0].isCategory);
    EXPECT_EQ(read.list[0].categoryName, "");
    EXPECT_TRUE(read.list[0].expanded);
    EXPECT_TRUE(read.list[0].hiddenChildren.empty());
    EXPECT_EQ(buildArchiveImage(read.list), b);
}

// ---- Refused files ------------------------------------------------------------------------------

TEST(ArchiveFile, RefusedFilesLoadNothingAndSayWhy) {
    enum class Why { NotAnArchive, InvalidData };
    struct Case {
        const char* name;
        Bytes bytes;
        Why why;
    };
    const auto withHeader = [](std::initializer_list<uint8_t> tail) {
        Bytes b = header();
        b.insert(b.end(), tail);
        return b;
    };
    const auto popThen = [](std::initializer_list<uint8_t> tail) {
        Bytes b = header();
        addCategory(b, "Pop");
        b.insert(b.end(), tail);
        return b;
    };
    Bytes lowerCaseMagic = header();
    lowerCaseMagic[0] = 'q';
    Bytes shortRegistration = popThen({0x01});
    shortRegistration.insert(shortRegistration.end(), RegRecord::Size - 1, 0x20);
    Bytes goodThenBad = popThen({});
    addRegistration(goodThenBad, patternRecord(1));
    goodThenBad.push_back(0x04);
    Bytes regFirst = header();
    addRegistration(regFirst, patternRecord(1));
    addCategory(regFirst, "Pop");

    const Case cases[] = {
        {"empty file", {}, Why::NotAnArchive},
        {"magic without its NUL", Bytes(kArchiveMagic.begin(), kArchiveMagic.end()),
         Why::NotAnArchive},
        {"part of the magic", Bytes(kArchiveMagic.begin(), kArchiveMagic.begin() + 6),
         Why::NotAnArchive},
        {"magic in other case", lowerCaseMagic, Why::NotAnArchive},
        {"byte 16 is 0x01",
         [] {
             Bytes b = header();
             b[16] = 0x01;
             return b;
         }(),
         Why::NotAnArchive},
        {"byte 16 is a letter",
         [] {
             Bytes b = header();
             b[16] = 'X';
             return b;
         }(),
         Why::NotAnArchive},
        {"tag 0x00 first", withHeader({0x00}), Why::InvalidData},
        {"tag 0x00 after a category", popThen({0x00}), Why::InvalidData},
        {"tag 0x04 after a category", popThen({0x04}), Why::InvalidData},
        {"tag 0xFF after a category", popThen({0xFF}), Why::InvalidData},
        {"registration before a category", regFirst, Why::InvalidData},
        {"bank title before a category", withHeader({0x03, 'A', 0x00, 0x02, 'P', 0x00}),
         Why::InvalidData},
        {"registration tag at the end", popThen({0x01}), Why::InvalidData},
        {"registration one byte short", shortRegistration, Why::InvalidData},
        {"category tag at the end", withHeader({0x02}), Why::InvalidData},
        {"category name without its NUL", withHeader({0x02, 'P', 'o'}), Why::InvalidData},
        {"bank title without its NUL", popThen({0x03, 'A'}), Why::InvalidData},
        {"bad tag after good records", goodThenBad, Why::InvalidData},
    };

    const std::string path = "/music/archives/Sets.yra";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ArchiveReadResult read = parseExact(c.bytes, path);
        EXPECT_FALSE(read.ok);
        EXPECT_TRUE(read.list.empty());
        if (c.why == Why::NotAnArchive) {
            ASSERT_EQ(read.messages.size(), 1u);
            EXPECT_EQ(english(read.messages[0]), "This file is not a Yamaha Registration Archive!");
            EXPECT_EQ(german(read.messages[0]),
                      "Die Datei enthält kein gültiges Archiv der Yamaha Registrationen!");
        } else {
            ASSERT_EQ(read.messages.size(), 2u);
            EXPECT_EQ(english(read.messages[0]), "Invalid data in Registration Archive!");
            EXPECT_EQ(german(read.messages[0]), "Ungültige Daten im Archiv!");
            const std::string unknown =
                "An unknown error occurred while accessing /music/archives/Sets.yra.";
            EXPECT_EQ(english(read.messages[1]), unknown);
            EXPECT_EQ(german(read.messages[1]), unknown);
        }
        for (const UserMessage& m : read.messages)
            EXPECT_EQ(m.platformError, "");
    }
}

TEST(ArchiveFile, FilesThatCannotBeOpenedAreReported) {
    TempDir dir;
    fs::create_directory(dir.path() / "folder.yra");
    for (const std::string& path : {dir.file("missing.yra"), dir.file("folder.yra")}) {
        SCOPED_TRACE(path);
        const ArchiveReadResult read = readArchiveFile(path);
        EXPECT_FALSE(read.ok);
        EXPECT_TRUE(read.list.empty());
        ASSERT_EQ(read.messages.size(), 1u);
        EXPECT_EQ(english(read.messages[0]), "Error opening file!");
        EXPECT_EQ(german(read.messages[0]), "Fehler beim Öffnen der Datei!");
        EXPECT_NE(read.messages[0].platformError, "");
    }
}

TEST(ArchiveFile, InvalidDataOnDiskNamesTheFile) {
    TempDir dir;
    const std::string path = dir.file("bad.yra");
    Bytes b = header();
    addRegistration(b, patternRecord(1));
    writeBytes(path, b);
    const ArchiveReadResult read = readArchiveFile(path);
    EXPECT_FALSE(read.ok);
    ASSERT_EQ(read.messages.size(), 2u);
    EXPECT_EQ(read.messages[1].argument, path);
}

// ---- Writing ------------------------------------------------------------------------------------

TEST(ArchiveFile, LinesBeforeTheFirstCategoryAreKeptReadable) {
    ArchiveList list;
    list.emplace_back(RegEntry::bankLine("Loose"));
    list.emplace_back(RegEntry::registration(patternRecord(1)));
    ArchiveEntry pop = ArchiveEntry::category("Pop");
    pop.hiddenChildren = {RegEntry::registration(patternRecord(2))};
    list.push_back(pop);

    Bytes expected = header();
    addCategory(expected, "");
    addBank(expected, "Loose");
    addRegistration(expected, patternRecord(1));
    addCategory(expected, "Pop");
    addRegistration(expected, patternRecord(2));
    const Bytes image = buildArchiveImage(list);
    EXPECT_EQ(image, expected);

    const ArchiveReadResult read = parseExact(image);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(archiveRegistrationCount(read.list), 2);
}

TEST(ArchiveFile, TextsAreStoredUpToTheirFirstNul) {
    // A NUL inside a name would end the text in the file and make the rest of it records.
    ArchiveEntry category = ArchiveEntry::category(std::string("Po\0\x01p", 5));
    category.hiddenChildren = {RegEntry::bankLine(std::string("A\0\x03\x02", 4)),
                               RegEntry::registration(patternRecord(1))};

    Bytes expected = header();
    addCategory(expected, "Po");
    addBank(expected, "A");
    addRegistration(expected, patternRecord(1));
    EXPECT_EQ(buildArchiveImage({category}), expected);
}

TEST(ArchiveFile, RegistrationCountTakesInlineAndHiddenLines) {
    ArchiveList list;
    ArchiveEntry collapsed = ArchiveEntry::category("Collapsed");
    collapsed.hiddenChildren = {RegEntry::bankLine("A"), RegEntry::registration(patternRecord(1)),
                                RegEntry::registration(patternRecord(2))};
    list.push_back(collapsed);
    ArchiveEntry expanded = ArchiveEntry::category("Expanded");
    expanded.expanded = true;
    list.push_back(expanded);
    list.emplace_back(RegEntry::bankLine("B"));
    list.emplace_back(RegEntry::registration(patternRecord(3)));
    list.push_back(ArchiveEntry::category("Empty"));
    EXPECT_EQ(archiveRegistrationCount(list), 3);
    EXPECT_EQ(archiveRegistrationCount({}), 0);
}

TEST(ArchiveFile, EmptyPathWritesNothing) {
    const auto messages = writeArchiveFile("", {});
    ASSERT_TRUE(messages);
    EXPECT_TRUE(messages->empty());
}

TEST(ArchiveFile, FailedOpenForWritingLeavesEverythingAsItWas) {
    TempDir dir;
    fs::create_directory(dir.path() / "folder.yra");
    const std::string cases[] = {dir.file("folder.yra"), dir.file("no such folder/a.yra")};
    const ArchiveReadResult read = parseExact(richArchive());
    ASSERT_TRUE(read.ok);
    for (const std::string& path : cases) {
        SCOPED_TRACE(path);
        const auto messages = writeArchiveFile(path, read.list);
        ASSERT_TRUE(messages);
        ASSERT_EQ(messages->size(), 1u);
        EXPECT_EQ(english(messages->front()), "Error saving Registration Archive to file!");
        EXPECT_EQ(german(messages->front()), "Fehler beim Speichern des Archivs!");
        EXPECT_NE(messages->front().platformError, "");
    }
    EXPECT_TRUE(fs::is_directory(dir.path() / "folder.yra"));
    EXPECT_TRUE(fs::is_empty(dir.path() / "folder.yra"));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"folder.yra"});
}

TEST(ArchiveFile, WriteThatFailsHalfwayKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.file("sets.yra");
    const Bytes old = richArchive();
    writeBytes(path, old);

    ArchiveEntry big = ArchiveEntry::category("Big");
    for (int i = 0; i < 40; ++i)
        big.hiddenChildren.push_back(RegEntry::registration(patternRecord(i)));
    const ArchiveList list{big};

#ifdef _WIN32
    TOMBREL_SKIP_ON_WINDOWS(
        "a write that fails halfway is made by a child process with a file size limit");
#else
    // The child may not write files larger than 8 KB; the new archive needs about 19 KB, so the
    // platform refuses the write with "File too large" once part of it is on the disk.
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{8192, 8192};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(10);
        const auto messages = writeArchiveFile(path, list);
        if (!messages)
            _exit(11);
        if (messages->size() != 1 || messages->front().message != &msg::ErrorSavingArchive)
            _exit(12);
        if (messages->front().platformError != std::strerror(EFBIG))
            _exit(13);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

#endif
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"sets.yra"});

    // Without the limit the same save goes through and replaces the file.
    EXPECT_FALSE(writeArchiveFile(path, list));
    EXPECT_EQ(readBytes(path), buildArchiveImage(list));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"sets.yra"});
}
