// search and convert, run end to end.

#include "CliFixtures.h"
#include "CliRunner.h"

#include "core/names/VoiceTable.h"

#include <gtest/gtest.h>

namespace tombrel::clitest {
namespace {

int voiceKey(std::string_view name) {
    for (int row = 0; row < VoiceTable::RowCount; ++row) {
        if (VoiceTable::nameOfRow(row) == name)
            return VoiceTable::keyOfRow(row);
    }
    ADD_FAILURE() << "no voice " << name;
    return RegRecord::NoVoice;
}

RegRecord withVoice(RegRecord record, VoicePart part, std::string_view voice) {
    record.setVoice(part, voiceKey(voice));
    return record;
}

// ---- search ------------------------------------------------------------------------------------

TEST(CliSearch, PrintsEveryMatchingLineOfABackup) {
    Scratch dir;
    const std::string path = dir.file("REG.bup");
    writeFile(path,
              backupImage({
                  {"Ballads",
                   {reg("Piano Ballad", 10), reg("Spirit", 103),
                    withVoice(reg("Love Song", 13), VoicePart::R2, "Strings - Strings")}},
                  {"Piano Bar",
                   {withVoice(reg("Caf\xE9 Latino", 88), VoicePart::Left, "Guitar - Jazz Guitar")}},
              }));
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const std::vector<Case> cases = {
        {{"pi"}, "<01/1>\t        Piano Ballad\n<01/2>\t        Spirit\n<02>\tPiano Bar\n"},
        {{"pi", "--title"},
         "<01/1>\t        Piano Ballad\n<01/2>\t        Spirit\n<02>\tPiano Bar\n"},
        {{"--right", "--", "- strings"}, "<01/3>\t        Love Song\n"},
        {{"jazz guitar", "--right", "--left"}, "<02/1>\t        Caf\xC3\xA9 Latino\n"},
        {{"jazz waltz", "--style"}, "<01/2>\t        Spirit\n"},
        {{"CAF\xC3\x89"}, "<02/1>\t        Caf\xC3\xA9 Latino\n"},
        {{"piano bar"}, "<02>\tPiano Bar\n"}, // the only hit comes round once
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + (c.args.size() > 1 ? " " + c.args[1] : ""));
        std::vector<std::string> args = {"search", path};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, c.out);
    }
}

TEST(CliSearch, ArchiveHitsInEveryCategoryInListOrder) {
    Scratch dir;
    const std::string path = dir.file("demo.yra");
    writeFile(
        path,
        archiveImage(
            {{"Ballads",
              {{"#Piano", {}}, {"", reg("Piano Ballad", 10)}, {"", reg("Love Song", 13, false)}}},
             {"Dance", {{"", reg("Disco Fox", 38)}}},
             {"Piano Hits", {}}}));
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"piano"}, "Piano\n        Piano Ballad\nPiano Hits\n"},
        {{"o"},
         "Piano\n        Piano Ballad\n        {Love Song}\n        Disco Fox\n"
         "Piano Hits\n"},
        {{"disco", "--style"}, "        Disco Fox\n"},
        {{"piano", "--style"}, "        Piano Ballad\n"},
    };
    for (const auto& [extra, expected] : cases) {
        SCOPED_TRACE(extra[0]);
        std::vector<std::string> args = {"search", path};
        args.insert(args.end(), extra.begin(), extra.end());
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, expected);
    }
}

TEST(CliSearch, NothingFoundIsReportedButNotAFailure) {
    Scratch dir;
    writeFile(dir.file("REG.bup"), backupImage({{"Ballads", {reg("Piano Ballad", 10)}}}));
    writeFile(dir.file("demo.yra"), archiveImage({{"Dance", {{"", reg("Disco Fox", 38)}}}}));
    writeFile(dir.file("empty.yra"), archiveImage({}));
    for (const char* name : {"REG.bup", "demo.yra", "empty.yra"}) {
        SCOPED_TRACE(name);
        const CliResult r = runCli({"search", dir.file(name), "zither"});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "Searchtext not found!\n");
    }
    const CliResult empty = runCli({"search", dir.file("REG.bup"), ""});
    EXPECT_EQ(empty.status, 2);
    const CliResult refused = runCli({"search", dir.file("missing.bup"), "piano"});
    EXPECT_EQ(refused.status, 1);
}

// ---- convert -----------------------------------------------------------------------------------

// The lines of a backup as archive lines of one category.
std::vector<std::pair<std::string, RegRecord>> asCategoryLines(const RegList& lines) {
    std::vector<std::pair<std::string, RegRecord>> out;
    for (const RegEntry& line : lines)
        out.emplace_back(line.isBankLine ? "#" + line.bankTitle : "", line.record);
    return out;
}

TEST(CliConvert, BackupBecomesOneCategoryOfANewArchive) {
    Scratch dir;
    const std::vector<Bank> banks = {{"Ballads", {reg("Piano Ballad", 10), reg("Spirit", 103)}},
                                     {"Party", {reg("Disco Fox", 38)}}};
    writeFile(dir.file("Live Set.bup"), backupImage(banks));
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "Live Set"},
        {{"--category", "Caf\xC3\xA9"}, "Caf\xE9"},
    };
    for (const auto& [options, category] : cases) {
        SCOPED_TRACE(category);
        std::vector<std::string> args = {"convert", dir.file("Live Set.bup"), "-o",
                                         dir.file("out.yra")};
        args.insert(args.end(), options.begin(), options.end());
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out + r.err, "");
        EXPECT_EQ(readBytes(dir.file("out.yra")),
                  archiveImage({{category, asCategoryLines(backupLines(banks))}}));
    }
}

TEST(CliConvert, ArchiveBecomesANewBackup) {
    Scratch dir;
    const std::vector<Category> categories = {
        {"Ballads", {{"#Piano", {}}, {"", reg("Piano Ballad", 10)}, {"", reg("Love Song", 13)}}},
        {"Empty", {}},
        {"Dance", {{"", reg("Disco Fox", 38)}}}};
    writeFile(dir.file("demo.yra"), archiveImage(categories));
    // A category that starts with a registration gets a "<No Name>" bank before it.
    writeFile(dir.file("loose.yra"), archiveImage({{"Dance", {{"", reg("Disco Fox", 38)}}}}));
    const RegList piano = {
        RegEntry::bankLine("Piano"), RegEntry::registration(reg("Piano Ballad", 10)),
        RegEntry::registration(reg("Love Song", 13)), RegEntry::registration(reg("Disco Fox", 38))};
    const RegList loose = {RegEntry::bankLine(kNoNameBankTitle),
                           RegEntry::registration(reg("Disco Fox", 38))};
    struct Case {
        std::string in;
        std::vector<std::string> options;
        std::vector<uint8_t> expected;
    };
    const std::vector<Case> cases = {
        {"demo.yra", {}, buildRegBackupImage(piano, KeyboardModel::Psr9000)},
        {"demo.yra", {"--model", "9000pro"}, buildRegBackupImage(piano, KeyboardModel::Psr9000Pro)},
        {"loose.yra", {}, buildRegBackupImage(loose, KeyboardModel::Psr9000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in + (c.options.empty() ? "" : " pro"));
        std::vector<std::string> args = {"convert", dir.file(c.in), "-o", dir.file("REG.bup")};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out + r.err, "");
        EXPECT_EQ(readBytes(dir.file("REG.bup")), c.expected);
    }
}

TEST(CliConvert, ArchiveTooBigForABackupIsRefused) {
    Scratch dir;
    std::vector<std::pair<std::string, RegRecord>> many = {{"#Big", {}}};
    for (int i = 0; i < 513; ++i)
        many.emplace_back("", reg("Reg " + std::to_string(i), 10));
    writeFile(dir.file("big.yra"), archiveImage({{"All", many}}));
    const CliResult r = runCli({"convert", dir.file("big.yra"), "-o", dir.file("REG.bup")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(
        r.err,
        "The Registration contains more than 512 entries!\n\nYou must delete some entries.\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("REG.bup")));

    // Exactly 512 fit.
    many.pop_back();
    writeFile(dir.file("full.yra"), archiveImage({{"All", many}}));
    const CliResult full = runCli({"convert", dir.file("full.yra"), "-o", dir.file("REG.bup")});
    EXPECT_EQ(full.status, 0) << full.err;
}

TEST(CliConvert, RefusedInputWritesNothing) {
    Scratch dir;
    writeFile(dir.file("bad.yra"), std::string("not an archive"));
    const CliResult r = runCli({"convert", dir.file("bad.yra"), "-o", dir.file("REG.bup")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "This file is not a Yamaha Registration Archive!\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("REG.bup")));
}

} // namespace
} // namespace tombrel::clitest
