#include "cli/StyleNameSetup.h"

#include "core/names/FlashStyleBackup.h"
#include "core/text/Text1252.h"

namespace tombrel::cli {

std::vector<OptionSpec> styleNameOptionSpecs() {
    return {
        {"--flash", "factory|default|PATH",
         "flash style names: the keyboard's factory names (the default), the numbered places, or "
         "the names read from a FlashStyle backup (STY*.b*)"},
        {"--disk-folder", "DIR", "name disk styles from the style files of this folder"},
        {"--model", "9000|9000pro",
         "the keyboard the factory names are for (default: the file's model, else 9000)"},
    };
}

std::optional<KeyboardModel> parseModelName(std::string_view text) {
    if (equalsIgnoreCase1252(text, "9000"))
        return KeyboardModel::Psr9000;
    if (equalsIgnoreCase1252(text, "9000pro"))
        return KeyboardModel::Psr9000Pro;
    return std::nullopt;
}

std::variant<std::optional<KeyboardModel>, UsageError> modelOption(const ParsedArgs& args) {
    const std::optional<std::string> text = args.value("--model");
    if (!text)
        return std::optional<KeyboardModel>();
    if (const std::optional<KeyboardModel> model = parseModelName(*text))
        return model;
    return UsageError{"unknown model '" + *text + "' (use 9000 or 9000pro)"};
}

std::variant<StyleNameOptions, UsageError> styleNameOptions(const ParsedArgs& args) {
    StyleNameOptions options;
    if (const std::optional<std::string> flash = args.value("--flash")) {
        if (*flash == "factory") {
            options.flashMode = FlashNameMode::Factory;
        } else if (*flash == "default") {
            options.flashMode = FlashNameMode::Default;
        } else if (flash->empty()) {
            return UsageError{"option '--flash' needs factory, default or a file"};
        } else {
            options.flashMode = FlashNameMode::Individual;
            options.flashStyleFile = *flash;
        }
    }
    if (const std::optional<std::string> folder = args.value("--disk-folder")) {
        if (folder->empty())
            return UsageError{"option '--disk-folder' needs a folder"};
        options.diskMode = DiskStyleMode::Folder;
        options.diskStyleFolder = *folder;
    }
    auto model = modelOption(args);
    if (auto* error = std::get_if<UsageError>(&model))
        return *error;
    options.model = std::get<std::optional<KeyboardModel>>(model);
    return options;
}

bool loadStyleNames(const StyleNameOptions& options, KeyboardModel fileModel, StyleNames& names,
                    Interaction& ui) {
    KeyboardModel model = KeyboardModel::Psr9000;
    if (options.model)
        model = *options.model;
    else if (fileModel != KeyboardModel::None)
        model = fileModel;

    switch (options.flashMode) {
    case FlashNameMode::Factory:
        names.table.fillFactoryNames(isPro(model));
        break;
    case FlashNameMode::Default:
        names.table.fillDefaultNames();
        break;
    case FlashNameMode::Individual: {
        FlashStyleBackupResult read = readFlashStyleBackup(options.flashStyleFile);
        if (const auto* message = std::get_if<UserMessage>(&read)) {
            ui.warn(*message);
            return false;
        }
        names.table.setIndividualNames(std::get<FlashStyleNames>(read).names);
        break;
    }
    }

    switch (options.diskMode) {
    case DiskStyleMode::Number:
        names.disk.fillDiskNumberNames();
        break;
    case DiskStyleMode::Folder: {
        std::vector<UserMessage> readErrors;
        if (std::optional<UserMessage> refused =
                names.disk.scanDiskStyleFolder(options.diskStyleFolder, &readErrors)) {
            ui.warn(*refused);
            return false;
        }
        for (const UserMessage& error : readErrors)
            ui.warn(error);
        break;
    }
    }
    return true;
}

} // namespace tombrel::cli
