// compare and duplicates, run end to end.

#include "CliFixtures.h"
#include "CliRunner.h"

#include <gtest/gtest.h>

namespace tombrel::clitest {
namespace {

// A path as a JSON string holds it: a Windows path's backslashes are escaped.
std::string asJsonText(const std::string& path) {
    std::string text;
    for (const char c : path) {
        if (c == '\\')
            text += '\\';
        text += c;
    }
    return text;
}

RegRecord tempoReg(const std::string& title, int tempo) {
    RegRecord r = reg(title, 3);
    r.setTempo(tempo);
    return r;
}

class CliCompare : public ::testing::Test {
protected:
    void SetUp() override {
        writeFile(a, backupImage({{"Ballads", {tempoReg("Moon", 120), tempoReg("Sun", 90)}}}));
        writeFile(
            b, backupImage(
                   {{"Ballads", {tempoReg("Moon", 96), tempoReg("Sun", 90), tempoReg("Rain", 80)}}},
                   KeyboardModel::Psr9000Pro));
        writeFile(
            archive,
            archiveImage({{"Pop", {{"", tempoReg("Moon", 120)}, {"", tempoReg("Sun", 90)}}}}));
    }

    Scratch dir;
    const std::string a = dir.file("a.bup");
    const std::string b = dir.file("b.bup");
    const std::string archive = dir.file("pop.yra");
};

TEST_F(CliCompare, ExitStatusTellsSameDifferentAndTrouble) {
    writeFile(dir.file("bad.yra"), std::string("not an archive"));
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {{"compare", a, a}, 0, "The files hold the same registrations.\n", ""},
        {{"compare", a, b},
         1,
         "changed <01/1> \"Moon\"\n  Tempo: 120 -> 96\nadded <01/3> \"Rain\"\n",
         ""},
        {{"compare", b, a},
         1,
         "changed <01/1> \"Moon\"\n  Tempo: 96 -> 120\nremoved <01/3> \"Rain\"\n",
         ""},
        {{"compare", a}, 2, "", "missing argument B"},
        {{"compare", a, dir.file("bad.yra")},
         2,
         "",
         "This file is not a Yamaha Registration Archive!"},
        {{"compare", dir.file("missing.bup"), a}, 2, "", "Error opening file!"},
    };
    for (const Case& c : cases) {
        const CliResult r = runCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.back() << r.err;
        EXPECT_EQ(r.out, c.out) << c.args.back();
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
}

TEST_F(CliCompare, ABackupAgainstAnArchiveGoesByOrder) {
    // The backup's free slots and unnamed banks stand for nothing in the archive.
    const CliResult r = runCli({"compare", archive, a});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, "added <01>\n  Bank-Title: \"\" -> \"Ballads\"\n");
    writeFile(
        archive,
        archiveImage(
            {{"Pop", {{"#Ballads", {}}, {"", tempoReg("Sun", 90)}, {"", tempoReg("Moon", 120)}}}}));
    const CliResult moved = runCli({"compare", a, archive});
    EXPECT_EQ(moved.status, 1);
    EXPECT_EQ(moved.out, "removed <01/1> \"Moon\"\nadded Pop/2 \"Moon\"\n");
}

TEST_F(CliCompare, JsonDocument) {
    const CliResult r = runCli({"compare", a, b, "--json"});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, R"({
  "same": false,
  "differences": [
    {
      "place": "<01/1>",
      "kind": "changed",
      "fields": [
        {
          "field": "Tempo",
          "a": 120,
          "b": 96
        }
      ],
      "title": "Moon"
    },
    {
      "place": "<01/3>",
      "kind": "added",
      "fields": [],
      "title": "Rain"
    }
  ]
}
)");
    const CliResult same = runCli({"compare", a, a, "--json"});
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "{\n  \"same\": true,\n  \"differences\": []\n}\n");
}

TEST_F(CliCompare, JsonValuesByKind) {
    RegRecord changed = tempoReg("Moon", 120);
    changed.setVoiceOn(VoicePart::R2, true);
    changed.setVoice(VoicePart::R1, RegRecord::NoVoice);
    changed.setTitle("Moon \xE9");
    writeFile(b, backupImage({{"Ballads", {changed, tempoReg("Sun", 90)}}}));
    const CliResult r = runCli({"compare", a, b, "--json"});
    EXPECT_EQ(r.status, 1);
    for (const std::string& expected :
         {std::string("\"field\": \"Title\",\n          \"a\": \"Moon\",\n          \"b\": "
                      "\"Moon \xC3\xA9\""),
          std::string("\"field\": \"R2-OnOff\",\n          \"a\": false,\n          \"b\": true"),
          std::string("\"field\": \"R1-Voice\",\n          \"a\": \"Piano - Grand Piano\",\n  "
                      "        \"b\": null")})
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected << "\n" << r.out;
}

TEST(CliDuplicates, GroupsAcrossFilesAsTextAndJson) {
    Scratch dir;
    const std::string backup = dir.file("REG.bup");
    const std::string archive = dir.file("pop.yra");
    writeFile(backup, backupImage({{"Ballads", {tempoReg("Moon", 120), tempoReg("Sun", 90)}}}));
    writeFile(archive,
              archiveImage({{"Pop", {{"", tempoReg("Star", 120)}, {"", tempoReg("sun  ", 77)}}}}));
    const CliResult text = runCli({"duplicates", backup, archive});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, "params: 2 registrations\n  " + backup + " <01/1> \"Moon\"\n  " + archive +
                            " Pop/1 \"Star\"\ntitle: 2 registrations\n  " + backup +
                            " <01/2> \"Sun\"\n  " + archive + " Pop/2 \"sun  \"\n");

    const CliResult json = runCli({"duplicates", backup, archive, "--by", "title", "--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out, "{\n  \"groups\": [\n    {\n      \"by\": \"title\",\n      "
                        "\"members\": [\n        {\n          \"file\": \"" +
                            asJsonText(backup) +
                            "\",\n          \"place\": \"<01/2>\",\n          \"title\": "
                            "\"Sun\"\n        },\n        {\n          \"file\": \"" +
                            asJsonText(archive) +
                            "\",\n          \"place\": \"Pop/2\",\n          \"title\": \"sun  "
                            "\"\n        }\n      ]\n    }\n  ]\n}\n");

    const CliResult none = runCli({"duplicates", backup});
    EXPECT_EQ(none.out, "No duplicates found.\n");
    EXPECT_EQ(runCli({"duplicates", backup, "--by", "colour"}).status, 2);
    EXPECT_EQ(runCli({"duplicates"}).status, 2);
    writeFile(dir.file("bad.yra"), std::string("junk"));
    const CliResult bad = runCli({"duplicates", backup, dir.file("bad.yra")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("This file is not a Yamaha Registration Archive!"), std::string::npos);
}

} // namespace
} // namespace tombrel::clitest
