#include "cli/CommandLine.h"

namespace tombrel::cli {

std::optional<std::string> ParsedArgs::value(std::string_view option) const {
    const auto it = values.find(option);
    if (it == values.end())
        return std::nullopt;
    return it->second;
}

namespace {

const OptionSpec* findOption(const std::vector<OptionSpec>& options, std::string_view name) {
    for (const OptionSpec& option : options) {
        if (option.name == name || (!option.alias.empty() && option.alias == name))
            return &option;
    }
    return nullptr;
}

} // namespace

std::variant<ParsedArgs, UsageError> parseArguments(const std::vector<std::string>& args,
                                                    const std::vector<OptionSpec>& options) {
    ParsedArgs parsed;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.positional.push_back(arg); // "-" alone is a name too
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            parsed.helpRequested = true;
            continue;
        }
        std::string_view name = arg;
        std::optional<std::string> inlineValue;
        if (const size_t eq = arg.find('='); arg.starts_with("--") && eq != std::string::npos) {
            name = std::string_view(arg).substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        const OptionSpec* option = findOption(options, name);
        if (!option)
            return UsageError{"unknown option '" + std::string(name) + "'"};
        const std::string key(option->name);
        if (!option->takesValue()) {
            if (inlineValue)
                return UsageError{"option '" + key + "' takes no value"};
            parsed.switches.insert(key);
            continue;
        }
        if (inlineValue) {
            parsed.values[key] = *inlineValue;
        } else if (i + 1 < args.size()) {
            parsed.values[key] = args[++i];
        } else {
            return UsageError{"option '" + key + "' needs a value (" +
                              std::string(option->valueName) + ")"};
        }
    }
    return parsed;
}

} // namespace tombrel::cli
