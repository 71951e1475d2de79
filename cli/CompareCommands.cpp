// compare and duplicates, printed as text or as one JSON document.

#include "cli/Commands.h"
#include "cli/StyleNameSetup.h"
#include "cli/Workspace.h"
#include "core/commands/Compare.h"
#include "core/commands/Duplicates.h"
#include "core/names/VoiceTable.h"
#include "core/text/Text1252.h"

#include <nlohmann/json.hpp>

#include <memory>

namespace tombrel::cli {

namespace {

// Keys in the order the README gives them.
using json = nlohmann::ordered_json;

// Exit status of compare when a file could not be compared (as diff has it).
constexpr int kCompareTrouble = 2;

PlacedFile placed(Workspace& workspace) {
    return workspace.kind() == FileKind::RegistrationBackup
               ? placeBackupLines(workspace.registrations().lines())
               : placeArchiveLines(workspace.archive().list());
}

// A field's value in JSON: numbers as numbers, switches as true/false, texts and styles as
// text, voices by name where the voice table has one (no voice: null).
json jsonValue(const FieldDifference& d, const FieldValue& v, const std::string& shown) {
    if (!d.regField) // kept bytes in hex, bank titles and category names
        return utf8From1252(v.text);
    switch (d.regField->kind) {
    case FieldKind::Text:
        return utf8From1252(v.text);
    case FieldKind::Switch:
        return v.on;
    case FieldKind::Voice: {
        const int key = v.voice.key();
        if (key == RegRecord::NoVoice)
            return nullptr;
        const std::string_view name = VoiceTable::lookup(key);
        return name.empty() ? VoiceTable::keyText(key) : utf8From1252(name);
    }
    case FieldKind::Style:
        return shown;
    default:
        return v.number;
    }
}

void printComparisonText(const FileComparison& c, std::ostream& out) {
    if (c.same()) {
        out << msg::CompareFilesSame.en << '\n';
        return;
    }
    for (const PlaceDifference& d : c.differences) {
        out << differenceKindName(d.kind) << ' ' << utf8From1252(d.place);
        if (!d.title.empty() || d.fields.empty())
            out << " \"" << utf8From1252(d.title) << '"';
        out << '\n';
        for (const FieldDifference& f : d.fields)
            out << "  " << f.field << ": " << f.aText << " -> " << f.bText << '\n';
    }
}

json comparisonJson(const FileComparison& c) {
    json differences = json::array();
    for (const PlaceDifference& d : c.differences) {
        json fields = json::array();
        for (const FieldDifference& f : d.fields)
            fields.push_back({{"field", f.field},
                              {"a", jsonValue(f, f.a, f.aText)},
                              {"b", jsonValue(f, f.b, f.bText)}});
        json place = {{"place", utf8From1252(d.place)},
                      {"kind", std::string(differenceKindName(d.kind))},
                      {"fields", fields}};
        if (!d.title.empty())
            place["title"] = utf8From1252(d.title);
        differences.push_back(std::move(place));
    }
    return {{"same", c.same()}, {"differences", differences}};
}

} // namespace

int runCompare(CommandContext& context) {
    auto options = styleNameOptions(context.args);
    if (const auto* error = std::get_if<UsageError>(&options))
        return context.usageError(error->text);
    Workspace a(context.ui);
    if (!a.load(context.args.positional[0]))
        return kCompareTrouble;
    Workspace b(context.ui);
    if (!b.load(context.args.positional[1]))
        return kCompareTrouble;
    auto names = std::make_unique<StyleNames>();
    const KeyboardModel model = a.model() != KeyboardModel::None ? a.model() : b.model();
    if (!loadStyleNames(std::get<StyleNameOptions>(options), model, *names, context.ui))
        return kCompareTrouble;

    FieldNames fieldNames;
    fieldNames.styles = &names->table;
    fieldNames.disk = &names->disk;
    fieldNames.model = model;
    const FileComparison comparison = compareFiles(placed(a), placed(b), fieldNames);
    if (context.args.has("--json"))
        context.out << comparisonJson(comparison).dump(2) << '\n';
    else
        printComparisonText(comparison, context.out);
    return comparison.same() ? ExitOk : ExitFailed;
}

int runDuplicates(CommandContext& context) {
    DuplicateSearch search;
    if (const std::optional<std::string> by = context.args.value("--by")) {
        if (*by == "params")
            search.titles = false;
        else if (*by == "title")
            search.params = false;
        else
            return context.usageError("unknown kind '" + *by + "' (use params or title)");
    }
    const std::vector<std::string>& paths = context.args.positional;
    std::vector<PlacedFile> files;
    for (const std::string& path : paths) {
        Workspace workspace(context.ui);
        if (!workspace.load(path))
            return ExitFailed;
        files.push_back(placed(workspace));
    }
    std::vector<const PlacedFile*> pointers;
    for (const PlacedFile& f : files)
        pointers.push_back(&f);
    const std::vector<DuplicateGroup> groups = findDuplicates(pointers, search);

    auto member = [&](const DuplicateMember& m) -> const PlacedRecord& {
        return files[static_cast<size_t>(m.file)].registrations[m.index];
    };
    if (context.args.has("--json")) {
        json list = json::array();
        for (const DuplicateGroup& g : groups) {
            json members = json::array();
            for (const DuplicateMember& m : g.members)
                members.push_back({{"file", paths[static_cast<size_t>(m.file)]},
                                   {"place", utf8From1252(member(m).place)},
                                   {"title", utf8From1252(member(m).record.rawTitle())}});
            list.push_back({{"by", std::string(duplicateKindName(g.by))}, {"members", members}});
        }
        context.out << json{{"groups", list}}.dump(2) << '\n';
        return ExitOk;
    }
    if (groups.empty())
        context.out << msg::DuplicatesNone.en << '\n';
    for (const DuplicateGroup& g : groups) {
        context.out << duplicateKindName(g.by) << ": " << g.members.size() << " registrations\n";
        for (const DuplicateMember& m : g.members)
            context.out << "  " << paths[static_cast<size_t>(m.file)] << ' '
                        << utf8From1252(member(m).place) << " \""
                        << utf8From1252(member(m).record.rawTitle()) << "\"\n";
    }
    return ExitOk;
}

} // namespace tombrel::cli
