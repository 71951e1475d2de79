// JSON documents of registration backups and archives: export then import gives the same file
// bytes for random files of both kinds (also after another JSON tool has re-sorted and
// re-indented the text), an edit of one field changes exactly that field's bytes, and every
// refusal names its line and field.

#include "textform/JsonDocument.h"
#include "core/commands/TextForm.h"
#include "core/files/ArchiveFile.h"
#include "core/files/RegBackupFile.h"
#include "core/record/RegEntry.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <random>
#include <set>
#include <string>
#include <vector>

namespace tombrel::textform {
namespace {

using nlohmann::json;

// ---- Random files -------------------------------------------------------------------------------

// Single-byte text without NUL; no trailing blanks where the lists trim them.
std::string randomText(std::mt19937& rng, size_t maxLength, bool trimmed) {
    std::string text(rng() % (maxLength + 1), ' ');
    for (char& c : text)
        c = static_cast<char>(1 + rng() % 255);
    while (trimmed && !text.empty() &&
           std::string_view(" \t\r\n\v\f").find(text.back()) != std::string_view::npos)
        text.pop_back();
    return text;
}

RegRecord randomRegistration(std::mt19937& rng) {
    switch (rng() % 6) {
    case 0:
        return RegRecord::empty();
    case 1: { // every byte random: odd switch, split, variation and style bytes, unknown voices
        uint8_t bytes[RegRecord::Size];
        for (uint8_t& b : bytes)
            b = static_cast<uint8_t>(rng());
        return RegRecord::fromBytes(bytes);
    }
    default:
        break;
    }
    RegRecord r = RegRecord::empty();
    r.setTitle(randomText(rng, 16, false));
    uint8_t bytes[RegRecord::Size];
    r.copyTo(bytes);
    // Bytes after the title's NUL, which the keyboard leaves behind.
    if (rng() % 2 && r.rawTitle().size() < 15)
        bytes[15] = static_cast<uint8_t>(1 + rng() % 255);
    r = RegRecord::fromBytes(bytes);
    r.setActive(rng() % 2);
    if (rng() % 3 == 0)
        r.setStyleBytes(245 + static_cast<int>(rng() % 11), static_cast<int>(rng() % 256));
    else
        r.setStyleIndex(static_cast<int>(rng() % RegRecord::StyleCount));
    r.setVariation(static_cast<int>(rng() % 16));
    r.setTempo(32 + static_cast<int>(rng() % 249));
    r.setVoice(VoicePart::R1, static_cast<int>(rng() % 0x1000000)); // mostly without a name
    r.setPartVoice(AccPart::Pad, rng() % 2 ? RegRecord::NoVoice : 0x007030);
    r.setSongPath(randomText(rng, 82, false));
    return r;
}

std::vector<uint8_t> randomBackup(std::mt19937& rng, KeyboardModel model) {
    RegList lines;
    for (int bank = 0; bank < kBankCount; ++bank) {
        lines.push_back(
            RegEntry::bankLine(rng() % 4 ? randomText(rng, 16, true) : kNoNameBankTitle));
        for (int slot = 0; slot < kSlotsPerBank; ++slot)
            lines.push_back(RegEntry::registration(randomRegistration(rng)));
    }
    return buildRegBackupImage(lines, model);
}

std::vector<uint8_t> randomArchive(std::mt19937& rng) {
    ArchiveList list;
    const int categories = static_cast<int>(rng() % 6);
    for (int c = 0; c < categories; ++c) {
        list.push_back(ArchiveEntry::category(randomText(rng, 24, false)));
        const int lines = static_cast<int>(rng() % 12); // some categories stay empty
        for (int i = 0; i < lines; ++i) {
            if (rng() % 4 == 0)
                list.back().hiddenChildren.push_back(
                    RegEntry::bankLine(randomText(rng, 20, false)));
            else
                list.back().hiddenChildren.push_back(
                    RegEntry::registration(randomRegistration(rng)));
        }
    }
    return buildArchiveImage(list);
}

// Expands some categories of a list as read: their lines move inline after them.
ArchiveList expandSome(ArchiveList read, std::mt19937& rng) {
    ArchiveList out;
    for (ArchiveEntry& entry : read) {
        const bool expand = entry.isCategory && !entry.hiddenChildren.empty() && rng() % 2;
        std::vector<RegEntry> children;
        if (expand) {
            children = std::move(entry.hiddenChildren);
            entry.hiddenChildren.clear();
            entry.expanded = true;
        }
        out.push_back(std::move(entry));
        for (RegEntry& child : children)
            out.emplace_back(std::move(child));
    }
    return out;
}

const TextFormNames kNames{};

// The file bytes a document gives back.
std::vector<uint8_t> imageOf(const TextFormDocument& document) {
    return document.kind == TextFormKind::RegistrationBackup
               ? buildRegBackupImage(regListOfTextForm(document), document.model)
               : buildArchiveImage(archiveListOfTextForm(document));
}

JsonImport importText(const std::string& text) {
    return readJsonDocument(text, kNames);
}

TEST(JsonDocumentTest, ExportThenImportGivesTheSameBytesForRandomFiles) {
    for (uint32_t seed = 1; seed <= 240; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 rng(seed);
        std::vector<uint8_t> image;
        TextFormDocument document;
        ArchiveList shown;
        if (seed % 2) {
            const KeyboardModel model =
                seed % 4 == 1 ? KeyboardModel::Psr9000 : KeyboardModel::Psr9000Pro;
            image = randomBackup(rng, model);
            const RegBackupReadResult read = parseRegBackup(image.data(), image.size());
            ASSERT_TRUE(read.ok);
            document = textFormOfRegList(read.lines, read.model);
        } else {
            image = randomArchive(rng);
            const ArchiveReadResult read = parseArchive(image.data(), image.size(), "random.yra");
            ASSERT_TRUE(read.ok);
            shown = expandSome(read.list, rng);
            document = textFormOfArchive(shown);
        }
        const std::string text = writeJsonDocument(document, kNames);
        const JsonImport imported = importText(text);
        ASSERT_FALSE(imported.refusal) << imported.refusal->text(Language::English);
        EXPECT_TRUE(imported.warnings.empty());
        ASSERT_TRUE(imported.document);
        EXPECT_EQ(imageOf(*imported.document), image);
        if (!(seed % 2)) {
            // The display comes back too: which categories are expanded and what they hide.
            const ArchiveList back = archiveListOfTextForm(*imported.document);
            ASSERT_EQ(back.size(), shown.size());
            for (size_t i = 0; i < back.size(); ++i) {
                EXPECT_EQ(back[i].isCategory, shown[i].isCategory);
                EXPECT_EQ(back[i].expanded, shown[i].expanded);
                EXPECT_EQ(back[i].hiddenChildren.size(), shown[i].hiddenChildren.size());
            }
        }
        // Every 20th seed: the text is JSON to another parser, and a re-sorted, re-indented copy
        // of it (as other JSON tools write it) imports to the same bytes.
        if (seed % 20 == 1 || seed % 20 == 2) {
            const json parsed = json::parse(text);
            const JsonImport resorted = importText(parsed.dump(4));
            ASSERT_TRUE(resorted.document);
            EXPECT_EQ(imageOf(*resorted.document), image);
        }
    }
}

// ---- One field edited ---------------------------------------------------------------------------

// The backup of the default registrations with a few set, as text and as parsed JSON.
struct Sample {
    std::vector<uint8_t> image;
    json doc;
};

Sample sampleBackup() {
    RegList lines;
    for (int bank = 0; bank < kBankCount; ++bank) {
        lines.push_back(RegEntry::bankLine(bank == 0 ? "Ballads" : kNoNameBankTitle));
        for (int slot = 0; slot < kSlotsPerBank; ++slot) {
            RegRecord r = RegRecord::empty();
            if (bank == 0) {
                r.setTitle("Slot " + std::to_string(slot + 1));
                r.setActive(true);
            }
            lines.push_back(RegEntry::registration(r));
        }
    }
    Sample s;
    s.image = buildRegBackupImage(lines, KeyboardModel::Psr9000);
    const RegBackupReadResult read = parseRegBackup(s.image.data(), s.image.size());
    s.doc = json::parse(writeJsonDocument(textFormOfRegList(read.lines, read.model), kNames));
    return s;
}

// The file offsets where two images differ.
std::set<size_t> differences(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    std::set<size_t> out;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] != b[i])
            out.insert(i);
    }
    return out;
}

TEST(JsonDocumentTest, EditingOneFieldChangesExactlyItsBytesAndTheChecksum) {
    const Sample sample = sampleBackup();
    // Registration 3 of bank 1 is line 4 of the list; its record starts at 24 + 16 + 2 x 470.
    constexpr size_t kLine = 3, kRecord = 24 + 16 + 2 * 470;
    const struct {
        const char* field;
        json value;
        std::set<size_t> offsets; // in the record
    } cases[] = {
        {"Tempo", 96, {377}}, // 148 = 0x0094 to 0x0060: only the low byte moves
        {"R1-Vol", 50, {271}},
        {"Title", "New", {0, 1, 2, 3, 4, 5}},
        {"Split-Left", "C3", {22}},
        {"Style", {{"index", 37}, {"name", "8 Beat - Piano Ballad"}}, {19}},
        {"Fingering", "Single Finger", {21}},
        {"Footswitch-1-Parts", {"R1"}, {381}},
        {"R2-Voice", {{"msb", 0}, {"lsb", 112}, {"program", 1}}, {286, 287}},
        {"Stop-Accomp", true, {466}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        json edited = sample.doc;
        edited["lines"][kLine]["registration"][c.field] = c.value;
        const JsonImport imported = importText(edited.dump(2));
        ASSERT_TRUE(imported.document) << imported.refusal->text(Language::English);
        std::set<size_t> expected = {241688, 241689, 241690, 241691}; // the checksum
        for (size_t offset : c.offsets)
            expected.insert(kRecord + offset);
        std::set<size_t> changed = differences(imageOf(*imported.document), sample.image);
        // The checksum may keep a byte by chance; every other change must be the field's.
        for (size_t at : {241688, 241689, 241690, 241691})
            changed.insert(at);
        EXPECT_EQ(changed, expected);
    }
}

// ---- Refusals and warnings ----------------------------------------------------------------------

TEST(JsonDocumentTest, RefusesWithAMessageNamingTheLineAndField) {
    const Sample sample = sampleBackup();
    auto reg = [](json& doc) -> json& {
        return doc["lines"][1]["registration"];
    };
    const struct {
        const char* what;
        std::function<void(json&)> edit;
        const Message* message;
        std::string text; // the English text, or a part of it
    } cases[] = {
        {"unknown key", [&](json& d) { reg(d)["Tempi"] = 96; }, &msg::JsonUnknownKey,
         "unknown key \"Tempi\""},
        {"unknown key in a voice", [&](json& d) { reg(d)["R1-Voice"]["bank"] = 1; },
         &msg::JsonUnknownKey, "\"R1-Voice.bank\""},
        {"unknown key of a line", [&](json& d) { d["lines"][0]["colour"] = "red"; },
         &msg::JsonUnknownKey, "List line 1"},
        {"unknown key of the document", [&](json& d) { d["author"] = "me"; },
         &msg::JsonDocumentUnknownKey, "\"author\""},
        {"tempo out of range", [&](json& d) { reg(d)["Tempo"] = 300; }, &msg::JsonOutOfRange,
         "field \"Tempo\": 300 is outside 32..280."},
        {"octave out of range", [&](json& d) { reg(d)["R1-Octave"] = 3; }, &msg::JsonOutOfRange,
         "-2..2"},
        {"stored tempo past two bytes",
         [&](json& d) {
             reg(d)["Tempo"] = {{"stored", 70000}};
         },
         &msg::JsonOutOfRange, "0..65535"},
        {"voice byte", [&](json& d) { reg(d)["R1-Voice"]["msb"] = 256; }, &msg::JsonOutOfRange,
         "256 is outside 0..255"},
        {"title over 16 bytes", [&](json& d) { reg(d)["Title"] = "Seventeen letters"; },
         &msg::JsonTextTooLong, "the text takes 17 bytes, at most 16 fit."},
        {"title over 16 bytes in Windows-1252",
         [&](json& d) { reg(d)["Title"] = "Grüße aus Köln!!"; }, nullptr, ""}, // 16 bytes: fine
        {"song path over 82 bytes", [&](json& d) { reg(d)["Song-Title"] = std::string(83, 'x'); },
         &msg::JsonTextTooLong, "83 bytes, at most 82"},
        {"bank title over 16 bytes", [&](json& d) { d["lines"][0]["bank"] = std::string(17, 'B'); },
         &msg::JsonTextTooLong, "List line 1"},
        {"character without a byte", [&](json& d) { reg(d)["Title"] = "Tick \u2713"; },
         &msg::JsonNot1252, "the character \"\u2713\""},
        {"character without a byte in a bank",
         [&](json& d) { d["lines"][0]["bank"] = "\xF0\x9F\x8E\xB9"; }, &msg::JsonNot1252,
         "field \"bank\""},
        {"wrong form", [&](json& d) { reg(d)["Active"] = "yes"; }, &msg::JsonWrongForm,
         "write the value like true"},
        {"unknown note", [&](json& d) { reg(d)["Split-Left"] = "H2"; }, &msg::JsonUnknownName,
         "\"H2\""},
        {"unknown code", [&](json& d) { reg(d)["Fingering"] = "Two Finger"; },
         &msg::JsonUnknownName, "\"Two Finger\""},
        {"raw outside the kept bytes", [&](json& d) { reg(d)["raw"]["19"] = "00"; },
         &msg::JsonRawOutside, "raw bytes at 19"},
        {"raw bit of a field", [&](json& d) { reg(d)["raw"]["378"] = "31"; }, &msg::JsonRawOutside,
         "378"},
        {"raw of the wrong length", [&](json& d) { reg(d)["raw"]["17"] = "00"; },
         &msg::JsonWrongForm, "\"raw.17\""},
        {"category in a backup",
         [&](json& d) {
             d["lines"][0] = {{"category", "Jazz"}, {"expanded", false}};
         },
         &msg::JsonCategoryInBackup, "List line 1"},
        {"a line of two kinds", [&](json& d) { d["lines"][0]["category"] = "Jazz"; },
         &msg::JsonBadLine, "List line 1"},
        {"registration before any bank", [&](json& d) { d["lines"].erase(0); },
         &msg::JsonRegistrationBeforeBank, "List line 1"},
        {"more than 512 registrations", [&](json& d) { d["lines"].push_back(d["lines"][1]); },
         &msg::TooManyRegistrations, ""},
        {"model of an archive", [&](json& d) { d["kind"] = "archive"; },
         &msg::JsonDocumentUnknownKey, "\"model\""},
        {"no model", [&](json& d) { d.erase("model"); }, &msg::JsonDocumentMissingKey, "\"model\""},
        {"unknown model", [&](json& d) { d["model"] = "PSR-3000"; }, &msg::JsonDocumentBadValue,
         "\"PSR-9000\" or \"PSR-9000pro\""},
        {"newer version", [&](json& d) { d["version"] = 2; }, &msg::JsonUnsupportedVersion,
         "version 2"},
        {"not ours", [&](json& d) { d["format"] = "other"; }, &msg::JsonNotTombrel, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        json edited = sample.doc;
        c.edit(edited);
        const JsonImport imported = importText(edited.dump(2));
        if (!c.message) {
            EXPECT_TRUE(imported.document);
            continue;
        }
        ASSERT_TRUE(imported.refusal);
        EXPECT_FALSE(imported.document);
        EXPECT_TRUE(imported.warnings.empty());
        EXPECT_EQ(imported.refusal->message, c.message);
        EXPECT_NE(imported.refusal->text(Language::English).find(c.text), std::string::npos)
            << imported.refusal->text(Language::English);
        EXPECT_FALSE(imported.refusal->text(Language::German).empty());
    }
}

// The text line of the second registration's "Tempo" in `text`.
int secondTempoLine(const std::string& text) {
    size_t at = text.find("\"Tempo\"");
    at = text.find("\"Tempo\"", at + 1);
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + at, '\n'));
}

TEST(JsonDocumentTest, ARefusalNamesTheTextLineOfTheField) {
    const Sample sample = sampleBackup();
    json edited = sample.doc;
    edited["lines"][2]["registration"]["Tempo"] = 10;
    // As exported, a registration is one line: the second registration's tempo set to 10 there.
    std::string exported = writeJsonDocument(*importText(sample.doc.dump()).document, kNames);
    const size_t tempo = exported.find("\"Tempo\": ", exported.find("\"Tempo\": ") + 1) + 9;
    exported.replace(tempo, exported.find(',', tempo) - tempo, "10");
    const struct {
        const char* layout;
        std::string text;
    } cases[] = {
        {"as exported", exported},
        {"re-indented", edited.dump(2)}, // nlohmann writes one member a line
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layout);
        const JsonImport imported = importText(c.text);
        ASSERT_TRUE(imported.refusal);
        EXPECT_EQ(imported.refusal->numbers,
                  (std::vector<long long>{3, secondTempoLine(c.text), 10, 32, 280}));
    }
}

TEST(JsonDocumentTest, EveryLineOfTheListStandsOnATextLineOfItsOwn) {
    // What version control diffs well: a changed registration is one changed text line.
    std::mt19937 rng(7);
    const std::vector<uint8_t> image = randomArchive(rng);
    const ArchiveReadResult read = parseArchive(image.data(), image.size(), "random.yra");
    ASSERT_TRUE(read.ok);
    const TextFormDocument document = textFormOfArchive(read.list);
    const std::string text = writeJsonDocument(document, kNames);
    std::vector<std::string> textLines;
    for (size_t at = 0, nl; (nl = text.find('\n', at)) != std::string::npos; at = nl + 1)
        textLines.push_back(text.substr(at, nl - at));
    const std::vector<std::string> header = {"{", "  \"format\": \"tombrel\",", "  \"version\": 1,",
                                             "  \"kind\": \"archive\",", "  \"lines\": ["};
    ASSERT_GT(document.lines.size(), 2u);
    ASSERT_EQ(textLines.size(), header.size() + document.lines.size() + 2);
    EXPECT_EQ(std::vector<std::string>(textLines.begin(), textLines.begin() + 5), header);
    const json parsed = json::parse(text);
    for (size_t i = 0; i < document.lines.size(); ++i) {
        SCOPED_TRACE("list line " + std::to_string(i + 1));
        std::string line = textLines[header.size() + i];
        ASSERT_EQ(line.substr(0, 5), "    {");
        if (i + 1 < document.lines.size()) {
            ASSERT_EQ(line.back(), ',');
            line.pop_back();
        }
        EXPECT_EQ(json::parse(line), parsed["lines"][i]);
    }
    EXPECT_EQ(textLines[textLines.size() - 2], "  ]");
    EXPECT_EQ(textLines.back(), "}");
}

TEST(JsonDocumentTest, ASyntaxErrorGivesTheParsersPosition) {
    const JsonImport imported = importText("{\n  \"format\": \"tombrel\",\n  \"version\": 1,\n  "
                                           "\"lines\": [\n    {\"bank\": \"A\"},,\n");
    ASSERT_TRUE(imported.refusal);
    EXPECT_EQ(imported.refusal->message, &msg::JsonUnexpectedCharacter);
    EXPECT_EQ(imported.refusal->text(Language::English),
              "JSON syntax error at line 5, column 19: unexpected character.");
}

TEST(JsonDocumentTest, NamesThatDisagreeAndMissingFieldsAreWarningsNotChanges) {
    const Sample sample = sampleBackup();
    json edited = sample.doc;
    json& reg = edited["lines"][1]["registration"];
    reg["R1-Voice"]["name"] = "Violin";
    reg["Style"]["name"] = "Polka";
    reg.erase("Tempo");
    reg["raw"].erase("43");
    const JsonImport imported = importText(edited.dump(2));
    ASSERT_TRUE(imported.document);
    EXPECT_EQ(imageOf(*imported.document), sample.image); // the numbers and defaults are kept
    std::vector<std::string> texts;
    for (const UserMessage& w : imported.warnings)
        texts.push_back(w.text(Language::English));
    // In the order of the text, which the other tool sorted by name.
    const std::vector<std::string> expected = {
        "List line 2 (text line 48), field \"R1-Voice\": the name \"Violin\" does not match the "
        "numbers; the numbers are kept.",
        "List line 2 (text line 20), field \"Style\": the name \"Polka\" does not match the "
        "numbers; the numbers are kept.",
        "List line 2 (text line 11): field \"Tempo\" is missing; it is taken from the default "
        "registration.",
        "List line 2 (text line 11): field \"raw.43\" is missing; it is taken from the default "
        "registration.",
    };
    ASSERT_EQ(texts.size(), expected.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        // The text lines depend on how the JSON was laid out; the rest is fixed.
        const std::string& got = texts[i];
        const std::string& want = expected[i];
        EXPECT_EQ(got.substr(got.find(')')), want.substr(want.find(')')));
    }
}

TEST(JsonDocumentTest, AFileOfTheEarlierOneFieldALineLayoutStillImports) {
    // examples/Demo.yra as the first version of the export wrote it, one field a line.
    const std::string dir = TOMBREL_TEST_DATA_DIR;
    const JsonImport imported = readJsonFile(dir + "/Demo-indented.json", kNames);
    ASSERT_TRUE(imported.document) << imported.refusal->text(Language::English);
    EXPECT_TRUE(imported.warnings.empty());
    const ArchiveReadResult demo = readArchiveFile(dir + "/../../examples/Demo.yra");
    ASSERT_TRUE(demo.ok);
    EXPECT_EQ(imageOf(*imported.document), buildArchiveImage(demo.list));
    // Written again, it takes today's layout and nothing else changes.
    EXPECT_EQ(writeJsonDocument(*imported.document, kNames),
              writeJsonDocument(textFormOfArchive(demo.list), kNames));
}

TEST(JsonDocumentTest, AnEmptyArchiveAndAnEmptyCategoryComeBack) {
    const std::vector<uint8_t> empty = buildArchiveImage({});
    const ArchiveReadResult read = parseArchive(empty.data(), empty.size(), "e.yra");
    const std::string text = writeJsonDocument(textFormOfArchive(read.list), kNames);
    EXPECT_EQ(text, "{\n  \"format\": \"tombrel\",\n  \"version\": 1,\n  \"kind\": \"archive\",\n"
                    "  \"lines\": []\n}\n");
    JsonImport imported = importText(text);
    ASSERT_TRUE(imported.document);
    EXPECT_EQ(imageOf(*imported.document), empty);

    imported = importText(R"({"format": "tombrel", "version": 1, "kind": "archive",
        "lines": [{"category": "Empty", "expanded": false}]})");
    ASSERT_TRUE(imported.document);
    const ArchiveList list = archiveListOfTextForm(*imported.document);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_TRUE(list[0].expanded); // nothing to hide, as a read marks it
}

} // namespace
} // namespace tombrel::textform
