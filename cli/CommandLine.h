#pragma once

// The tool's argument parser: a command's positional arguments, options that take a value
// ("--type tab", "--type=tab", "-o OUT") and plain switches. Anything the command does not know
// is a usage error, reported as text rather than thrown.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tombrel::cli {

struct OptionSpec {
    std::string_view name;      // "--type", "-o"
    std::string_view valueName; // "TYPE"; empty for a switch
    std::string_view help;
    std::string_view alias = {}; // a second spelling ("--output" for "-o")

    bool takesValue() const { return !valueName.empty(); }
};

struct ParsedArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> values; // by the option's main name
    std::set<std::string, std::less<>> switches;
    bool helpRequested = false;

    bool has(std::string_view option) const { return switches.count(option) != 0; }
    std::optional<std::string> value(std::string_view option) const;
};

struct UsageError {
    std::string text;
};

// Parses the arguments after the command name. "--help" and "-h" anywhere ask for the command's
// help; "--" makes every later argument positional. A repeated option keeps its last value.
std::variant<ParsedArgs, UsageError> parseArguments(const std::vector<std::string>& args,
                                                    const std::vector<OptionSpec>& options);

} // namespace tombrel::cli
