// new, info, list, resave and protocol.

#include "cli/Commands.h"
#include "cli/LineOutput.h"
#include "cli/StyleNameSetup.h"
#include "cli/Workspace.h"
#include "core/text/Text1252.h"
#include "export/Protocol.h"

#include <memory>

namespace tombrel::cli {

namespace {

RegListFilters listFilters(const ParsedArgs& args) {
    RegListFilters filters;
    filters.hideDuplicateBankTitles = args.has("--hide-duplicate-bank-titles");
    filters.hideEmptyEntries = args.has("--hide-empty-entries");
    return filters;
}

std::string_view modelText(KeyboardModel model) {
    return isPro(model) ? "PSR-9000pro" : "PSR-9000";
}

} // namespace

int runNew(CommandContext& context) {
    const std::optional<std::string> modelName = context.required("--model");
    if (!modelName)
        return ExitUsage;
    const std::optional<KeyboardModel> model = parseModelName(*modelName);
    if (!model)
        return context.usageError("unknown model '" + *modelName + "' (use 9000 or 9000pro)");
    const std::optional<std::string> output = context.required("-o");
    if (!output)
        return ExitUsage;

    Workspace workspace(context.ui);
    if (!workspace.newRegistrationBackup(*model))
        return ExitFailed;
    return workspace.save(*output) ? ExitOk : ExitFailed;
}

int runInfo(CommandContext& context) {
    Workspace workspace(context.ui);
    if (!workspace.load(context.args.positional[0]))
        return ExitFailed;
    if (workspace.kind() == FileKind::RegistrationBackup) {
        const RegistrationSide& side = workspace.registrations();
        context.out << "kind: registration-backup\n"
                    << "model: " << modelText(side.keyboardModel()) << '\n'
                    << "checksum: " << (context.ui.warned(msg::InvalidChecksum) ? "mismatch" : "ok")
                    << '\n'
                    << "registrations: " << side.countText() << '\n';
    } else {
        context.out << "kind: archive\n"
                    << "registrations: " << workspace.archive().countText() << '\n';
    }
    return ExitOk;
}

int runList(CommandContext& context) {
    Workspace workspace(context.ui);
    if (!workspace.load(context.args.positional[0], listFilters(context.args)))
        return ExitFailed;
    LineOutput out(context.out);
    if (workspace.kind() == FileKind::RegistrationBackup) {
        const RegistrationSide& side = workspace.registrations();
        const int count = static_cast<int>(side.lines().size());
        for (int i = 0; i < count; ++i)
            out.line1252(side.regLineText(i));
    } else {
        std::string text; // one line's single-byte text, reused for every line
        const auto print = [&](const auto& line) {
            text.clear();
            ArchiveSide::appendLineText(line, text);
            out.line1252(text);
        };
        const ArchiveList& list = workspace.archive().list();
        if (context.args.has("--expand")) {
            forEachExpandedLine(list, print);
        } else {
            for (const ArchiveEntry& line : list)
                print(line);
        }
    }
    return ExitOk;
}

int runResave(CommandContext& context) {
    const std::optional<std::string> output = context.required("-o");
    if (!output)
        return ExitUsage;
    Workspace workspace(context.ui);
    if (!workspace.load(context.args.positional[0], listFilters(context.args)))
        return ExitFailed;
    return workspace.save(*output) ? ExitOk : ExitFailed;
}

int runProtocol(CommandContext& context) {
    const std::optional<std::string> typeName = context.required("--type");
    if (!typeName)
        return ExitUsage;
    ProtocolType type;
    if (*typeName == "blank")
        type = ProtocolType::Blank;
    else if (*typeName == "tab")
        type = ProtocolType::Tab;
    else
        return context.usageError("unknown protocol type '" + *typeName + "' (use blank or tab)");
    const std::optional<std::string> output = context.required("-o");
    if (!output)
        return ExitUsage;
    auto options = styleNameOptions(context.args);
    if (const auto* error = std::get_if<UsageError>(&options))
        return context.usageError(error->text);

    Workspace workspace(context.ui);
    if (!workspace.load(context.args.positional[0]))
        return ExitFailed;
    auto names = std::make_unique<StyleNames>();
    if (!loadStyleNames(std::get<StyleNameOptions>(options), workspace.model(), *names, context.ui))
        return ExitFailed;
    const std::optional<UserMessage> error =
        workspace.kind() == FileKind::RegistrationBackup
            ? writeRegistrationProtocolFile(*output, type, workspace.registrations().lines(),
                                            names->table)
            : writeArchiveProtocolFile(*output, type, workspace.archive().list(), names->table);
    if (error) {
        context.ui.warn(*error);
        return ExitFailed;
    }
    return ExitOk;
}

} // namespace tombrel::cli
