#pragma once

// The text form of a registration backup or an archive: what the JSON export writes and the
// import reads back. A document is its lines in list order: bank title lines, category lines and
// registrations. An archive's collapsed category is followed by the lines it hides, so every
// registration is a line of the document; an expanded category keeps its lines inline. These are
// the rules of that shape; the JSON text itself is written and read outside the core.

#include "core/record/ArchiveEntry.h"
#include "core/record/KeyboardModel.h"
#include "core/record/RegEntry.h"
#include "core/sides/Interaction.h"
#include "core/text/Messages.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tombrel {

enum class TextFormKind { RegistrationBackup, Archive };

// The texts of the document's header.
inline constexpr std::string_view kTextFormFormat = "tombrel";
inline constexpr int kTextFormVersion = 1;
std::string_view textFormKindName(TextFormKind kind); // "registration-backup", "archive"
std::optional<TextFormKind> textFormKindFromName(std::string_view name);
std::string_view textFormModelName(KeyboardModel model); // "PSR-9000", "PSR-9000pro"
std::optional<KeyboardModel> textFormModelFromName(std::string_view name);

struct TextFormLine {
    enum class Type : uint8_t { Bank, Category, Registration };
    Type type = Type::Registration;
    bool expanded = false; // a category line
    std::string text;      // a bank title or category name, Windows-1252 as stored
    RegRecord record;      // a registration

    static TextFormLine bank(std::string title);
    static TextFormLine category(std::string name, bool expanded);
    static TextFormLine registration(const RegRecord& record);
};

struct TextFormDocument {
    TextFormKind kind = TextFormKind::Archive;
    KeyboardModel model = KeyboardModel::Psr9000; // registration backups only
    std::vector<TextFormLine> lines;
};

// A registration backup's lines as the side holds them (bank lines and registrations).
TextFormDocument textFormOfRegList(const RegList& lines, KeyboardModel model);
// An archive's display list: a collapsed category followed by the lines it hides.
TextFormDocument textFormOfArchive(const ArchiveList& list);

// Back to the lists. For an archive, the lines after a collapsed category up to the next category
// become its hidden lines; an empty category is marked expanded, as the reader marks it.
RegList regListOfTextForm(const TextFormDocument& document);
ArchiveList archiveListOfTextForm(const TextFormDocument& document);

// What the registration side's Save refuses: more than 512 registrations, or more banks than the
// file has. Nothing for an archive.
std::optional<UserMessage> textFormSaveRefusal(const TextFormDocument& document);

// Where a problem of an imported document lies: the line in the list (1-based, 0 for the
// document's header) and the line of the JSON text.
struct TextFormPlace {
    int listLine = 0;
    int textLine = 0;
};

// A message about one line of the document: "List line %d (text line %d)...", with the key or
// field as %1 and, where the text has one, %2 and further numbers after the two line numbers.
UserMessage textFormMessage(const Message& message, TextFormPlace place, std::string_view key,
                            std::string_view second = {}, std::vector<long long> numbers = {});

// Windows-1252 text of a line or field from the document's UTF-8: nothing and the refusal when a
// character has no Windows-1252 byte, is U+0000, or the text is longer than `maxBytes` (0: no
// limit).
struct TextFormText {
    std::string text;
    std::optional<UserMessage> refusal;
};
TextFormText textFormText(std::string_view utf8, size_t maxBytes, TextFormPlace place,
                          std::string_view field);

// The file dialogs of Export JSON... (proposing the document's own name with ".json") and
// Import JSON....
inline constexpr std::string_view kJsonFileFilter =
    "JSON Document (*.json)|*.json|All Files (*.*)|*.*||";
FileDialogRequest jsonExportDialog(std::string_view documentPath);
FileDialogRequest jsonImportDialog();

// One message box for the warnings of an import: the first ten, then how many more.
UserMessage textFormWarningsMessage(const std::vector<UserMessage>& warnings, Language language);

} // namespace tombrel
