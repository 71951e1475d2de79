// The text form's shape: an archive's collapsed categories are followed by the lines they hide
// and come back collapsed, the Save refusals of a backup, the proposed file name of an export,
// and the one message that gathers an import's warnings.

#include "core/commands/TextForm.h"

#include <gtest/gtest.h>

namespace tombrel {
namespace {

RegRecord titled(const std::string& title) {
    RegRecord r = RegRecord::empty();
    r.setTitle(title);
    return r;
}

TEST(TextFormTest, CategoriesKeepTheirLinesWhetherCollapsedOrExpanded) {
    ArchiveList list{ArchiveEntry::category("Rock"), ArchiveEntry::category("Jazz")};
    list[0].hiddenChildren = {RegEntry::bankLine("Live"), RegEntry::registration(titled("One"))};
    list[1].expanded = true;
    list.emplace_back(RegEntry::registration(titled("Blue"))); // inline after "Jazz"
    list.push_back(ArchiveEntry::category("Empty"));
    list.back().expanded = true;

    const TextFormDocument document = textFormOfArchive(list);
    using T = TextFormLine::Type;
    ASSERT_EQ(document.lines.size(), 6u);
    const T types[] = {T::Category, T::Bank,         T::Registration,
                       T::Category, T::Registration, T::Category};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(document.lines[i].type, types[i]) << i;
    EXPECT_FALSE(document.lines[0].expanded);
    EXPECT_TRUE(document.lines[3].expanded);

    const ArchiveList back = archiveListOfTextForm(document);
    ASSERT_EQ(back.size(), list.size());
    EXPECT_EQ(back[0].hiddenChildren.size(), 2u);
    EXPECT_EQ(back[0].hiddenChildren[1].record.title(), "One");
    EXPECT_TRUE(back[1].expanded);
    EXPECT_EQ(back[2].record.title(), "Blue");
    EXPECT_TRUE(back[3].expanded);

    // A collapsed category with nothing after it is marked expanded, as a read marks it.
    TextFormDocument lone;
    lone.lines = {TextFormLine::category("Alone", false)};
    EXPECT_TRUE(archiveListOfTextForm(lone).front().expanded);
}

TEST(TextFormTest, ABackupIsRefusedWhereSaveRefusesIt) {
    TextFormDocument document;
    document.kind = TextFormKind::RegistrationBackup;
    for (int bank = 0; bank < 64; ++bank) {
        document.lines.push_back(TextFormLine::bank("B"));
        for (int slot = 0; slot < 8; ++slot)
            document.lines.push_back(TextFormLine::registration(RegRecord::empty()));
    }
    EXPECT_FALSE(textFormSaveRefusal(document));
    document.lines.push_back(TextFormLine::registration(RegRecord::empty()));
    const std::optional<UserMessage> tooMany = textFormSaveRefusal(document);
    ASSERT_TRUE(tooMany);
    EXPECT_EQ(tooMany->message, &msg::TooManyRegistrations);

    // 65 short banks hold few registrations but need more banks than the file has.
    TextFormDocument banks;
    banks.kind = TextFormKind::RegistrationBackup;
    for (int bank = 0; bank < 65; ++bank) {
        banks.lines.push_back(TextFormLine::bank("B"));
        banks.lines.push_back(TextFormLine::registration(RegRecord::empty()));
    }
    const std::optional<UserMessage> tooManyBanks = textFormSaveRefusal(banks);
    ASSERT_TRUE(tooManyBanks);
    EXPECT_EQ(tooManyBanks->message, &msg::TooManyBanks);

    banks.kind = TextFormKind::Archive; // an archive has no such limit
    EXPECT_FALSE(textFormSaveRefusal(banks));
}

TEST(TextFormTest, TextsAreCheckedForWindows1252LengthAndNul) {
    const TextFormPlace place{3, 17};
    EXPECT_EQ(textFormText("Gr\xc3\xbc\xc3\x9f"
                           "e",
                           16, place, "bank")
                  .text,
              "Gr\xfc\xdf"
              "e");
    const struct {
        std::string utf8;
        const Message* refusal;
    } cases[] = {
        {"\xe2\x9c\x93", &msg::JsonNot1252},
        {std::string("a\0b", 3), &msg::JsonNulInText},
        {std::string(17, 'x'), &msg::JsonTextTooLong},
    };
    for (const auto& c : cases) {
        const TextFormText t = textFormText(c.utf8, 16, place, "bank");
        ASSERT_TRUE(t.refusal);
        EXPECT_EQ(t.refusal->message, c.refusal);
        EXPECT_EQ(t.refusal->numbers.at(0), 3);
        EXPECT_EQ(t.refusal->numbers.at(1), 17);
    }
    EXPECT_EQ(
        textFormText(std::string(17, 'x'), 16, place, "bank").refusal->text(Language::English),
        "List line 3 (text line 17), field \"bank\": the text takes 17 bytes, at most 16 fit.");
}

TEST(TextFormTest, TheExportProposesTheDocumentsNameAsJson) {
    EXPECT_EQ(jsonExportDialog("/sets/Songs.buf/REG.bup").initialPath, "/sets/Songs.buf/REG.json");
    EXPECT_EQ(jsonExportDialog("/lib/My.Archive.yra").initialPath, "/lib/My.Archive.json");
    EXPECT_EQ(jsonExportDialog("/a.b/noext").initialPath, "/a.b/noext.json");
    EXPECT_EQ(jsonExportDialog("").initialPath, "");
    EXPECT_TRUE(jsonExportDialog("x").overwritePrompt);
    EXPECT_EQ(jsonImportDialog().defaultExtension, "json");
}

TEST(TextFormTest, WarningsComeInOneMessageWithTheFirstTenShown) {
    std::vector<UserMessage> warnings;
    for (int i = 1; i <= 12; ++i)
        warnings.push_back(textFormMessage(msg::JsonMissingField, {i, i + 10}, "Tempo"));
    const UserMessage m = textFormWarningsMessage(warnings, Language::English);
    const std::string text = m.text(Language::English);
    EXPECT_EQ(text.rfind("The JSON document was imported with 12 warning(s):\n\nList line 1 (text "
                         "line 11)",
                         0),
              0u);
    EXPECT_NE(text.find("List line 10 (text line 20)"), std::string::npos);
    EXPECT_EQ(text.find("List line 11 (text line 21)"), std::string::npos);
    EXPECT_NE(text.find("... and 2 more."), std::string::npos);
}

} // namespace
} // namespace tombrel
