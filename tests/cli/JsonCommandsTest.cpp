// export-json and import-json end to end: both kinds come back byte for byte, an edited field is
// stored, a refused document writes nothing (a file already there stays as it was), warnings go
// to the error stream, and the usage errors.

#include "CliFixtures.h"
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tombrel::clitest {
namespace {

TEST(JsonCommandsTest, BothKindsComeBackByteForByte) {
    Scratch scratch;
    const struct {
        const char* name;
        std::vector<uint8_t> image;
    } files[] = {
        {"REG_Pro.bup",
         backupImage({{"Ballads", {reg("Piano", 10), reg("Strings", 20, false)}}, {"Rock", {}}},
                     KeyboardModel::Psr9000Pro)},
        {"Lib.yra",
         archiveImage({{"Jazz", {{"#Live", {}}, {"Blue", reg("Blue", 30)}}}, {"Empty", {}}})},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        const std::string in = scratch.file(f.name);
        writeFile(in, f.image);
        const std::string json = scratch.file(std::string(f.name) + ".json");
        const std::string back = scratch.file(std::string("back_") + f.name);
        CliResult r = runCli({"export-json", in, "-o", json});
        ASSERT_EQ(r.status, 0) << r.err;
        r = runCli({"import-json", json, "-o", back});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(readBytes(back), f.image);
    }
}

TEST(JsonCommandsTest, AnEditedTempoIsStored) {
    Scratch scratch;
    const std::string in = scratch.file("REG.bup");
    writeFile(in, backupImage({{"Ballads", {reg("Piano")}}}));
    const std::string json = scratch.file("reg.json");
    ASSERT_EQ(runCli({"export-json", in, "-o", json}).status, 0);
    std::string text = readFile(json);
    const size_t at = text.find("\"Tempo\": 148");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 12, "\"Tempo\": 96");
    writeFile(json, text);
    const std::string out = scratch.file("out.bup");
    ASSERT_EQ(runCli({"import-json", json, "-o", out}).status, 0);
    const std::vector<uint8_t> image = readBytes(out);
    const RegBackupReadResult read = parseRegBackup(image.data(), image.size());
    ASSERT_TRUE(read.ok);
    EXPECT_FALSE(read.checksumMismatch);
    EXPECT_EQ(read.lines[1].record.tempo(), 96);
    EXPECT_EQ(read.lines[2].record.tempo(), 148);
}

TEST(JsonCommandsTest, ARefusedDocumentWritesNothing) {
    Scratch scratch;
    const std::string in = scratch.file("REG.bup");
    writeFile(in, backupImage({{"Ballads", {reg("Piano")}}}));
    const std::string json = scratch.file("reg.json");
    ASSERT_EQ(runCli({"export-json", in, "-o", json}).status, 0);
    const std::string good = readFile(json);
    const struct {
        const char* what;
        std::string from, to;
        std::string message;
    } cases[] = {
        {"syntax", "\"lines\": [", "\"lines\": [,",
         "JSON syntax error at line 6, column 13: unexpected character."},
        {"range", "\"Tempo\": 148", "\"Tempo\": 281", "field \"Tempo\": 281 is outside 32..280."},
        {"title", "\"Title\": \"Piano\"", "\"Title\": \"Piano with a long title\"",
         "the text takes 23 bytes, at most 16 fit."},
        {"character", "\"Title\": \"Piano\"", "\"Title\": \"Piano \\u2603\"",
         "has no Windows-1252 byte"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string text = good;
        const size_t at = text.find(c.from);
        ASSERT_NE(at, std::string::npos);
        text.replace(at, c.from.size(), c.to);
        writeFile(json, text);
        // A file already there stays as it was; a new one is not made.
        const std::string kept = scratch.file("kept.bup");
        writeFile(kept, std::string("old bytes"));
        CliResult r = runCli({"import-json", json, "-o", kept});
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(readFile(kept), "old bytes");
        r = runCli({"import-json", json, "-o", scratch.file("new.bup")});
        EXPECT_EQ(r.status, 1);
        EXPECT_FALSE(std::filesystem::exists(scratch.file("new.bup")));
    }
}

TEST(JsonCommandsTest, MoreThan512RegistrationsAreRefusedWithSavesMessage) {
    Scratch scratch;
    std::string lines;
    for (int i = 0; i < 513; ++i)
        lines += std::string(i ? "," : "") + (i % 8 == 0 ? "{\"bank\": \"B\"}," : "") +
                 "{\"registration\": {\"Title\": \"R\"}}";
    const std::string json = scratch.file("many.json");
    writeFile(json, "{\"format\": \"tombrel\", \"version\": 1, \"kind\": \"registration-backup\", "
                    "\"model\": \"PSR-9000\", \"lines\": [" +
                        lines + "]}");
    const CliResult r = runCli({"import-json", json, "-o", scratch.file("many.bup")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("The Registration contains more than 512 entries!"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(scratch.file("many.bup")));
}

TEST(JsonCommandsTest, MissingFieldsAreWarnedAboutAndTakenFromTheDefault) {
    Scratch scratch;
    const std::string json = scratch.file("short.json");
    writeFile(json, R"({"format": "tombrel", "version": 1, "kind": "archive", "lines": [
        {"category": "Sketches", "expanded": false},
        {"registration": {"Title": "Idea", "Tempo": 90}}]})");
    const std::string out = scratch.file("out.yra");
    const CliResult r = runCli({"import-json", json, "-o", out});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("List line 2 (text line 3): field \"Active\" is missing; it is taken "
                         "from the default registration."),
              std::string::npos)
        << r.err;
    const std::vector<uint8_t> image = readBytes(out);
    const ArchiveReadResult read = parseArchive(image.data(), image.size(), out);
    ASSERT_TRUE(read.ok);
    const RegRecord& record = read.list[0].hiddenChildren[0].record;
    RegRecord expected = RegRecord::empty();
    expected.setTitle("Idea");
    expected.setTempo(90);
    EXPECT_EQ(record, expected);
}

TEST(JsonCommandsTest, UsageErrors) {
    Scratch scratch;
    EXPECT_EQ(runCli({"export-json", scratch.file("x.bup")}).status, 2);
    EXPECT_EQ(runCli({"import-json", scratch.file("x.json")}).status, 2);
    const CliResult r =
        runCli({"import-json", scratch.file("missing.json"), "-o", scratch.file("out.bup")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Error opening file!"), std::string::npos) << r.err;
}

} // namespace
} // namespace tombrel::clitest
