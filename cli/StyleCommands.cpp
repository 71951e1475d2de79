// style-names, save-style-locations and update-styles.

#include "cli/Commands.h"
#include "cli/StyleNameSetup.h"
#include "cli/Workspace.h"
#include "core/names/StyleLocations.h"
#include "core/text/Text1252.h"

#include <memory>

namespace tombrel::cli {

namespace {

// The style name options of the command, or nothing after a usage error was reported.
std::optional<StyleNameOptions> styleOptions(CommandContext& context, int& status) {
    auto options = styleNameOptions(context.args);
    if (const auto* error = std::get_if<UsageError>(&options)) {
        status = context.usageError(error->text);
        return std::nullopt;
    }
    return std::get<StyleNameOptions>(options);
}

} // namespace

int runStyleNames(CommandContext& context) {
    int status = ExitOk;
    const std::optional<StyleNameOptions> options = styleOptions(context, status);
    if (!options)
        return status;
    auto names = std::make_unique<StyleNames>();
    if (!loadStyleNames(*options, KeyboardModel::None, *names, context.ui))
        return ExitFailed;
    for (int index = 0; index < kStyleIndexCount; ++index) {
        const std::optional<std::string> text = names->table.styleDisplayName(index, names->disk);
        context.out << index << '\t' << utf8From1252(text.value_or(std::string())) << '\n';
    }
    return ExitOk;
}

int runSaveStyleLocations(CommandContext& context) {
    int status = ExitOk;
    const std::optional<StyleNameOptions> options = styleOptions(context, status);
    if (!options)
        return status;
    const std::optional<std::string> output = context.required("-o");
    if (!output)
        return ExitUsage;

    // The check comes first, as in the desktop program: without loaded names nothing is read.
    const StyleLocationsSaveCheck check =
        checkStyleLocationsSave(options->flashMode, options->diskMode);
    if (check.refusal) {
        context.ui.warn(userMessage(*check.refusal));
        return ExitFailed;
    }
    for (const Message* hint : check.hints)
        context.ui.warn(userMessage(*hint));

    auto names = std::make_unique<StyleNames>();
    if (!loadStyleNames(*options, KeyboardModel::None, *names, context.ui))
        return ExitFailed;
    const std::string text =
        styleLocationsText(names->table, options->flashMode, names->disk, options->diskMode);
    if (std::optional<UserMessage> error = writeStyleLocationsFile(*output, text)) {
        context.ui.warn(*error);
        return ExitFailed;
    }
    return ExitOk;
}

int runUpdateStyles(CommandContext& context) {
    int status = ExitOk;
    const std::optional<StyleNameOptions> options = styleOptions(context, status);
    if (!options)
        return status;
    const std::optional<std::string> locations = context.required("--locations");
    if (!locations)
        return ExitUsage;
    const std::optional<std::string> output = context.required("-o");
    if (!output)
        return ExitUsage;

    Workspace workspace(context.ui);
    if (!workspace.load(context.args.positional[0]))
        return ExitFailed;
    auto names = std::make_unique<StyleNames>();
    if (!loadStyleNames(*options, workspace.model(), *names, context.ui))
        return ExitFailed;

    auto oldList = readStyleLocationsFile(*locations);
    if (const auto* error = std::get_if<UserMessage>(&oldList)) {
        context.ui.warn(*error);
        return ExitFailed;
    }
    const StyleLocationList currentList =
        currentStyleLocations(names->table, options->flashMode, names->disk, options->diskMode);

    const bool regSide = workspace.kind() == FileKind::RegistrationBackup;
    const std::vector<StyleUpdateTarget> targets =
        regSide ? regSideUpdateTargets(workspace.registrations().lines())
                : archiveUpdateTargets(workspace.archive().list());
    const StyleLocationsUpdate update =
        updateStyleLocations(targets, std::get<StyleLocationList>(oldList), currentList);
    if (update.message) {
        // Nothing was moved: the file is not written.
        context.ui.warn(*update.message);
        return ExitFailed;
    }
    if (update.modified) {
        if (regSide)
            workspace.registrations().setModified();
        else
            workspace.archive().setModified();
    }
    for (const std::string& line : update.errors)
        context.out << utf8From1252(line) << '\n';
    return workspace.save(*output) ? ExitOk : ExitFailed;
}

} // namespace tombrel::cli
