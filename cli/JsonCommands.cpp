// export-json and import-json.

#include "cli/Commands.h"
#include "cli/StyleNameSetup.h"
#include "cli/Workspace.h"
#include "core/commands/TextForm.h"
#include "textform/JsonDocument.h"

#include <memory>

namespace tombrel::cli {

namespace {

// The style names as the options set them, for a file of `model`; false after the refusal of a
// FlashStyle backup or a disk style folder has been shown.
bool namesFor(CommandContext& context, KeyboardModel model, StyleNames& names) {
    auto options = styleNameOptions(context.args);
    if (std::get_if<UsageError>(&options))
        return false;
    return loadStyleNames(std::get<StyleNameOptions>(options), model, names, context.ui);
}

std::optional<int> checkStyleNameOptions(CommandContext& context) {
    auto options = styleNameOptions(context.args);
    if (const auto* error = std::get_if<UsageError>(&options))
        return context.usageError(error->text);
    return std::nullopt;
}

} // namespace

int runExportJson(CommandContext& context) {
    const std::optional<std::string> output = context.required("-o");
    if (!output)
        return ExitUsage;
    if (std::optional<int> usage = checkStyleNameOptions(context))
        return *usage;

    Workspace workspace(context.ui);
    if (!workspace.load(context.args.positional[0]))
        return ExitFailed;
    auto names = std::make_unique<StyleNames>();
    if (!namesFor(context, workspace.model(), *names))
        return ExitFailed;
    const TextFormDocument document =
        workspace.kind() == FileKind::RegistrationBackup
            ? textFormOfRegList(workspace.registrations().lines(), workspace.model())
            : textFormOfArchive(workspace.archive().list());
    const TextFormNames formNames{&names->table, &names->disk, workspace.model()};
    if (std::optional<UserMessage> error = textform::writeJsonFile(*output, document, formNames)) {
        context.ui.warn(*error);
        return ExitFailed;
    }
    return ExitOk;
}

int runImportJson(CommandContext& context) {
    const std::optional<std::string> output = context.required("-o");
    if (!output)
        return ExitUsage;
    if (std::optional<int> usage = checkStyleNameOptions(context))
        return *usage;

    // The names only judge the names written beside the numbers; the factory names of the
    // PSR-9000 unless the options say otherwise.
    auto names = std::make_unique<StyleNames>();
    if (!namesFor(context, KeyboardModel::None, *names))
        return ExitFailed;
    TextFormNames formNames{&names->table, &names->disk, KeyboardModel::Psr9000};
    textform::JsonImport imported = textform::readJsonFile(context.args.positional[0], formNames);
    if (imported.refusal) {
        context.ui.warn(*imported.refusal);
        return ExitFailed;
    }
    for (const UserMessage& warning : imported.warnings)
        context.ui.warn(warning);

    Workspace workspace(context.ui);
    if (!workspace.openImported(std::move(*imported.document)))
        return ExitFailed;
    return workspace.save(*output) ? ExitOk : ExitFailed;
}

} // namespace tombrel::cli
