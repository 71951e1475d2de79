#pragma once

// The style names a command shows: the flash names by their mode (factory, default, or read
// from a FlashStyle backup), the disk style texts by number or from a folder of style files, and
// the keyboard model the factory names are chosen for.

#include "cli/CommandLine.h"
#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleNameTable.h"
#include "core/record/KeyboardModel.h"
#include "core/sides/Interaction.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tombrel::cli {

struct StyleNameOptions {
    FlashNameMode flashMode = FlashNameMode::Factory;
    std::string flashStyleFile; // with FlashNameMode::Individual
    DiskStyleMode diskMode = DiskStyleMode::Number;
    std::string diskStyleFolder; // with DiskStyleMode::Folder
    std::optional<KeyboardModel> model;
};

// "--flash", "--disk-folder" and "--model".
std::vector<OptionSpec> styleNameOptionSpecs();
std::variant<StyleNameOptions, UsageError> styleNameOptions(const ParsedArgs& args);

// "9000" or "9000pro" (any letter case); nothing for any other text.
std::optional<KeyboardModel> parseModelName(std::string_view text);
// The "--model" value, or a usage error when it is not a model name.
std::variant<std::optional<KeyboardModel>, UsageError> modelOption(const ParsedArgs& args);

struct StyleNames {
    StyleNameTable table;
    DiskStyleTexts disk;
};

// Fills the names. The model is the option's, else `fileModel` when it names one, else the
// PSR-9000. False when the FlashStyle backup or the disk style folder was refused; its message
// has then been shown. A style file that could not be read is reported and named by its file
// name, as the desktop program does.
bool loadStyleNames(const StyleNameOptions& options, KeyboardModel fileModel, StyleNames& names,
                    Interaction& ui);

} // namespace tombrel::cli
