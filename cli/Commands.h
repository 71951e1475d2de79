#pragma once

// The tool's commands. Each one parses nothing itself beyond its own option values: the
// dispatcher has checked the option names and the number of positional arguments.

#include "cli/CommandLine.h"
#include "cli/ConsoleInteraction.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tombrel::cli {

enum ExitStatus : int { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };

struct CommandInfo;

struct CommandContext {
    const CommandInfo& command;
    const ParsedArgs& args;
    std::ostream& out;
    std::ostream& err;
    ConsoleInteraction& ui;

    // Reports a usage error of this command and gives ExitUsage.
    int usageError(const std::string& text) const;
    // The value of a required option, or nothing after reporting it as missing.
    std::optional<std::string> required(std::string_view option) const;
};

using CommandHandler = int (*)(CommandContext&);

struct CommandInfo {
    std::string_view name;
    std::string_view arguments; // "FILE TEXT"
    std::string_view summary;
    std::string_view description;
    std::vector<OptionSpec> options;
    int minPositional = 0;
    int maxPositional = 0;
    CommandHandler run = nullptr;
    bool hidden = false; // not listed in the overview
};

// The command table, in the order the overview lists it.
const std::vector<CommandInfo>& commands();

int runNew(CommandContext& context);
int runInfo(CommandContext& context);
int runList(CommandContext& context);
int runResave(CommandContext& context);
int runProtocol(CommandContext& context);
int runSearch(CommandContext& context);
int runConvert(CommandContext& context);
int runCompare(CommandContext& context);
int runDuplicates(CommandContext& context);
int runStyleNames(CommandContext& context);
int runSaveStyleLocations(CommandContext& context);
int runUpdateStyles(CommandContext& context);
int runMakeExamples(CommandContext& context);
int runExportJson(CommandContext& context);
int runImportJson(CommandContext& context);
int runManPage(CommandContext& context);

// Runs the tool on the arguments after the program name.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tombrel::cli
