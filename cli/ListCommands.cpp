// search and convert.

#include "cli/Commands.h"
#include "cli/LineOutput.h"
#include "cli/StyleNameSetup.h"
#include "cli/Workspace.h"
#include "core/commands/Search.h"
#include "core/commands/Transfers.h"
#include "core/files/FileIo.h"
#include "core/record/ListSelection.h"
#include "core/text/Text1252.h"

#include <filesystem>
#include <memory>
#include <type_traits>

namespace tombrel::cli {

namespace {

SearchOptions searchOptions(const ParsedArgs& args) {
    SearchOptions options;
    options.title = args.has("--title");
    options.rightVoices = args.has("--right");
    options.leftVoice = args.has("--left");
    options.accompVoices = args.has("--accomp");
    options.styleName = args.has("--style");
    if (!options.rightVoices && !options.leftVoice && !options.accompVoices && !options.styleName)
        options.title = true; // what the Search dialog starts with
    return options;
}

// Every line that matches, once, in list order: what pressing Search again and again from the
// first line shows until the hits come round again. "Searchtext not found!" when none does.
// `lines` is the registration list.
void printAllHits(const RegList& lines, const RegistrationMatcher& matcher, ConsoleInteraction& ui,
                  std::ostream& stream, const RegistrationSide& side) {
    LineOutput out(stream);
    bool found = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (matcher.matches(lines[i])) {
            out.line1252(side.regLineText(static_cast<int>(i)));
            found = true;
        }
    }
    if (!found)
        ui.warn(userMessage(msg::SearchTextNotFound));
}

// The same over an archive with every category expanded; a category line is found by its name.
void printAllHits(const ArchiveList& list, const RegistrationMatcher& matcher,
                  ConsoleInteraction& ui, std::ostream& stream) {
    LineOutput out(stream);
    bool found = false;
    std::string text;
    const auto print = [&](const auto& line) {
        text.clear();
        ArchiveSide::appendLineText(line, text);
        out.line1252(text);
        found = true;
    };
    forEachExpandedLine(list, [&](const auto& line) {
        if constexpr (std::is_same_v<std::decay_t<decltype(line)>, ArchiveEntry>) {
            if (line.isCategory ? matcher.lineTextMatches(line.categoryName)
                                : matcher.matches(static_cast<const RegEntry&>(line)))
                print(line);
        } else if (matcher.matches(line)) {
            print(line);
        }
    });
    if (!found)
        ui.warn(userMessage(msg::SearchTextNotFound));
}
} // namespace

int runSearch(CommandContext& context) {
    const std::string text = utf8To1252(context.args.positional[1]);
    if (text.empty())
        return context.usageError("the search text is empty");
    auto styleOptions = styleNameOptions(context.args);
    if (const auto* error = std::get_if<UsageError>(&styleOptions))
        return context.usageError(error->text);

    Workspace workspace(context.ui);
    if (!workspace.load(context.args.positional[0]))
        return ExitFailed;
    auto names = std::make_unique<StyleNames>();
    if (!loadStyleNames(std::get<StyleNameOptions>(styleOptions), workspace.model(), *names,
                        context.ui))
        return ExitFailed;

    const RegistrationMatcher matcher(text, searchOptions(context.args), names->table, names->disk);
    if (workspace.kind() == FileKind::RegistrationBackup) {
        const RegistrationSide& side = workspace.registrations();
        printAllHits(side.lines(), matcher, context.ui, context.out, side);
    } else {
        printAllHits(workspace.archive().list(), matcher, context.ui, context.out);
    }
    return ExitOk;
}

int runConvert(CommandContext& context) {
    const std::optional<std::string> output = context.required("-o");
    if (!output)
        return ExitUsage;
    auto modelChoice = modelOption(context.args);
    if (const auto* error = std::get_if<UsageError>(&modelChoice))
        return context.usageError(error->text);
    const std::string& input = context.args.positional[0];
    std::string category =
        utf8To1252(context.args.value("--category").value_or(fromFsPath(toFsPath(input).stem())));
    if (category.empty())
        return context.usageError("the category name is empty");

    Workspace source(context.ui);
    if (!source.load(input))
        return ExitFailed;
    Workspace target(context.ui);

    if (source.kind() == FileKind::RegistrationBackup) {
        // A new archive, a new category at its trailing line, then Copy >> of every line.
        RegistrationSide& reg = source.registrations();
        ArchiveSide& archive = target.archive();
        archive.newArchive();
        const std::optional<int> at = archive.newCategory(0, category);
        if (!at)
            return ExitFailed;
        ListSelection archiveSelection = ListSelection::single(*at);
        ListSelection regSelection;
        for (int i = 0; i < static_cast<int>(reg.lines().size()); ++i)
            regSelection.lines.insert(i);
        transferToArchive(reg.lines(), reg.options().filters, regSelection, archive,
                          archiveSelection, TransferMode::Copy);
        return archive.writeArchive(*output) ? ExitOk : ExitFailed;
    }

    // A new registration backup and << Copy of every category to its line 0.
    const std::optional<KeyboardModel> model = std::get<std::optional<KeyboardModel>>(modelChoice);
    if (!target.newRegistrationBackup(model.value_or(KeyboardModel::Psr9000)))
        return ExitFailed;
    ArchiveSide& archive = source.archive();
    RegistrationSide& reg = target.registrations();
    ListSelection archiveSelection;
    for (int i = 0; i < static_cast<int>(archive.list().size()); ++i) {
        if (archive.list()[i].isCategory)
            archiveSelection.lines.insert(i);
    }
    ListSelection regSelection = ListSelection::single(0);
    const TransferResult result =
        transferToRegistrations(archive, archiveSelection, reg.lines(), reg.options().filters,
                                regSelection, TransferMode::Copy);
    if (result.registrationsChanged) {
        reg.setModified();
        reg.refreshCountText();
    }
    return target.save(*output) ? ExitOk : ExitFailed;
}

} // namespace tombrel::cli
