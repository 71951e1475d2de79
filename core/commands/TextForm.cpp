#include "core/commands/TextForm.h"

#include "core/sides/RegListRules.h"
#include "core/text/Text1252.h"

namespace tombrel {

std::string_view textFormKindName(TextFormKind kind) {
    return kind == TextFormKind::RegistrationBackup ? "registration-backup" : "archive";
}

std::optional<TextFormKind> textFormKindFromName(std::string_view name) {
    if (name == "registration-backup")
        return TextFormKind::RegistrationBackup;
    if (name == "archive")
        return TextFormKind::Archive;
    return std::nullopt;
}

std::string_view textFormModelName(KeyboardModel model) {
    return isPro(model) ? "PSR-9000pro" : "PSR-9000";
}

std::optional<KeyboardModel> textFormModelFromName(std::string_view name) {
    if (name == "PSR-9000")
        return KeyboardModel::Psr9000;
    if (name == "PSR-9000pro")
        return KeyboardModel::Psr9000Pro;
    return std::nullopt;
}

TextFormLine TextFormLine::bank(std::string title) {
    TextFormLine line;
    line.type = Type::Bank;
    line.text = std::move(title);
    return line;
}

TextFormLine TextFormLine::category(std::string name, bool expanded) {
    TextFormLine line;
    line.type = Type::Category;
    line.text = std::move(name);
    line.expanded = expanded;
    return line;
}

TextFormLine TextFormLine::registration(const RegRecord& record) {
    TextFormLine line;
    line.record = record;
    return line;
}

namespace {

TextFormLine lineOf(const RegEntry& entry) {
    return entry.isBankLine ? TextFormLine::bank(entry.bankTitle)
                            : TextFormLine::registration(entry.record);
}

} // namespace

TextFormDocument textFormOfRegList(const RegList& lines, KeyboardModel model) {
    TextFormDocument document;
    document.kind = TextFormKind::RegistrationBackup;
    document.model = isPro(model) ? KeyboardModel::Psr9000Pro : KeyboardModel::Psr9000;
    document.lines.reserve(lines.size());
    for (const RegEntry& entry : lines)
        document.lines.push_back(lineOf(entry));
    return document;
}

TextFormDocument textFormOfArchive(const ArchiveList& list) {
    TextFormDocument document;
    document.kind = TextFormKind::Archive;
    size_t count = list.size();
    for (const ArchiveEntry& entry : list)
        count += entry.hiddenChildren.size();
    document.lines.reserve(count);
    for (const ArchiveEntry& entry : list) {
        if (entry.isCategory) {
            document.lines.push_back(TextFormLine::category(entry.categoryName, entry.expanded));
            for (const RegEntry& child : entry.hiddenChildren)
                document.lines.push_back(lineOf(child));
        } else {
            document.lines.push_back(lineOf(entry));
        }
    }
    return document;
}

namespace {

RegEntry entryOf(const TextFormLine& line) {
    return line.type == TextFormLine::Type::Bank ? RegEntry::bankLine(line.text)
                                                 : RegEntry::registration(line.record);
}

} // namespace

RegList regListOfTextForm(const TextFormDocument& document) {
    RegList lines;
    lines.reserve(document.lines.size());
    for (const TextFormLine& line : document.lines) {
        if (line.type != TextFormLine::Type::Category)
            lines.push_back(entryOf(line));
    }
    return lines;
}

ArchiveList archiveListOfTextForm(const TextFormDocument& document) {
    ArchiveList list;
    // The collapsed category that takes the lines after it; set anew after every push of a
    // category, so that the list growing never leaves it pointing at a moved entry.
    ArchiveEntry* collapsed = nullptr;
    for (const TextFormLine& line : document.lines) {
        if (line.type == TextFormLine::Type::Category) {
            list.push_back(ArchiveEntry::category(line.text));
            list.back().expanded = line.expanded;
            collapsed = line.expanded ? nullptr : &list.back();
            continue;
        }
        if (collapsed)
            collapsed->hiddenChildren.push_back(entryOf(line));
        else
            list.emplace_back(entryOf(line));
    }
    for (ArchiveEntry& entry : list) {
        if (entry.isCategory && !entry.expanded && entry.hiddenChildren.empty())
            entry.expanded = true; // nothing to hide, as the reader marks it
    }
    return list;
}

std::optional<UserMessage> textFormSaveRefusal(const TextFormDocument& document) {
    if (document.kind != TextFormKind::RegistrationBackup)
        return std::nullopt;
    const RegList lines = regListOfTextForm(document);
    if (countRegistrations(lines) > kMaxRegistrations)
        return userMessage(msg::TooManyRegistrations);
    if (regBanksNeeded(lines) > kRegBankCount)
        return userMessage(msg::TooManyBanks);
    return std::nullopt;
}

UserMessage textFormMessage(const Message& message, TextFormPlace place, std::string_view key,
                            std::string_view second, std::vector<long long> numbers) {
    UserMessage m;
    m.message = &message;
    m.argument = std::string(key);
    m.argument2 = std::string(second);
    m.numbers.reserve(numbers.size() + 2);
    m.numbers.push_back(place.listLine);
    m.numbers.push_back(place.textLine);
    m.numbers.insert(m.numbers.end(), numbers.begin(), numbers.end());
    return m;
}

TextFormText textFormText(std::string_view utf8, size_t maxBytes, TextFormPlace place,
                          std::string_view field) {
    TextFormText result;
    std::string offending;
    std::optional<std::string> text = utf8To1252Exact(utf8, &offending);
    if (!text) {
        result.refusal = textFormMessage(msg::JsonNot1252, place, field, offending);
        return result;
    }
    if (text->find('\0') != std::string::npos) {
        result.refusal = textFormMessage(msg::JsonNulInText, place, field);
        return result;
    }
    if (maxBytes != 0 && text->size() > maxBytes) {
        result.refusal = textFormMessage(
            msg::JsonTextTooLong, place, field, {},
            {static_cast<long long>(text->size()), static_cast<long long>(maxBytes)});
        return result;
    }
    result.text = std::move(*text);
    return result;
}

FileDialogRequest jsonExportDialog(std::string_view documentPath) {
    FileDialogRequest request;
    request.caption = &msg::ExportJsonCaption;
    request.filter = std::string(kJsonFileFilter);
    request.defaultExtension = "json";
    request.overwritePrompt = true;
    if (!documentPath.empty()) {
        std::string proposed(documentPath);
        const size_t slash = proposed.find_last_of("/\\");
        const size_t dot = proposed.rfind('.');
        if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
            proposed.erase(dot);
        request.initialPath = proposed + ".json";
    }
    return request;
}

FileDialogRequest jsonImportDialog() {
    FileDialogRequest request;
    request.caption = &msg::ImportJsonCaption;
    request.filter = std::string(kJsonFileFilter);
    request.defaultExtension = "json";
    return request;
}

UserMessage textFormWarningsMessage(const std::vector<UserMessage>& warnings, Language language) {
    constexpr size_t kShown = 10;
    std::string text;
    for (size_t i = 0; i < warnings.size() && i < kShown; ++i) {
        if (i > 0)
            text += '\n';
        text += warnings[i].text(language);
    }
    if (warnings.size() > kShown) {
        UserMessage more = userMessage(msg::JsonMoreWarnings);
        more.numbers.push_back(static_cast<long long>(warnings.size() - kShown));
        text += '\n' + more.text(language);
    }
    UserMessage m = userMessage(msg::JsonImportWarnings);
    m.numbers.push_back(static_cast<long long>(warnings.size()));
    m.argument = std::move(text);
    return m;
}

} // namespace tombrel
