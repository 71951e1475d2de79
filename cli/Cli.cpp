// The dispatcher: the command table, the help texts and the checks of the command line that come
// before any command runs.

#include "cli/Commands.h"
#include "cli/StyleNameSetup.h"
#include "core/files/FileIo.h"

#include <cerrno>
#include <iomanip>
#include <new>
#include <sstream>

namespace tombrel::cli {

namespace {

constexpr std::string_view kProgram = "tombrel-cli";

const OptionSpec kOutput{"-o", "OUT", "the file to write", "--output"};
const OptionSpec kHideDuplicates{
    "--hide-duplicate-bank-titles", "",
    "show a run of banks with one title under one bank line (registration backups)"};
const OptionSpec kHideEmpty{
    "--hide-empty-entries", "",
    "leave out the empty registrations at the end of each bank and the unnamed banks at the end "
    "(registration backups)"};

std::vector<OptionSpec> withStyleNameOptions(std::vector<OptionSpec> options) {
    for (OptionSpec& option : styleNameOptionSpecs())
        options.push_back(option);
    return options;
}

std::vector<CommandInfo> buildCommands() {
    std::vector<CommandInfo> table;
    table.push_back({"new",
                     "--model 9000|9000pro -o OUT",
                     "write a fresh registration backup",
                     "Writes the registration backup that a new, untouched registration side "
                     "saves: 64 banks \"<No Name>\" of 8 empty registrations, with the header of "
                     "the chosen keyboard.",
                     {{"--model", "9000|9000pro", "the keyboard the backup is for"}, kOutput},
                     0,
                     0,
                     runNew});
    table.push_back({"info",
                     "FILE",
                     "tell what a file is and how many registrations it holds",
                     "Prints the kind of the file (registration-backup or archive); for a "
                     "registration backup also its keyboard model and whether its checksum is "
                     "right; then the number of registrations.",
                     {},
                     1,
                     1,
                     runInfo});
    table.push_back(
        {"list",
         "FILE",
         "print the lines of the registration or archive list",
         "Prints one line per list line, exactly as the list shows it: bank lines "
         "\"<01>\", registrations \"<01/1>\" with the title (in braces when the "
         "registration is inactive) on a registration backup; categories, bank titles "
         "and indented registrations on an archive, whose categories stay collapsed "
         "as they are after loading unless --expand is given.",
         {kHideDuplicates, kHideEmpty, {"--expand", "", "expand every category of an archive"}},
         1,
         1,
         runList});
    table.push_back({"resave",
                     "IN -o OUT",
                     "read a file and write it again",
                     "Reads IN (with the list filters given) and writes it to OUT as the desktop "
                     "program saves it: a registration backup with a fresh header and checksum, "
                     "an archive record by record.",
                     {kOutput, kHideDuplicates, kHideEmpty},
                     1,
                     1,
                     runResave});
    table.push_back({"protocol", "FILE --type blank|tab -o OUT",
                     "write the protocol of a registration backup or an archive",
                     "Writes the listing of every registration of the file: a table with "
                     "blanks and vertical bars (blank) or fields separated by tabs (tab).",
                     withStyleNameOptions({{"--type", "blank|tab", "the protocol type"}, kOutput}),
                     1, 1, runProtocol});
    table.push_back(
        {"search", "FILE TEXT", "print the lines that contain a text",
         "Prints every list line that matches TEXT (without regard to case), in list order, "
         "with every category of an archive expanded. Without a choice of fields the titles are "
         "searched. When nothing matches, \"Searchtext not found!\" goes to the error stream and "
         "the exit status stays 0. A TEXT that starts with \"-\" goes after \"--\".",
         withStyleNameOptions({
             {"--title", "", "search the titles of registrations, banks and categories"},
             {"--right", "", "search the names of the R1, R2 and R3 voices"},
             {"--left", "", "search the name of the left voice"},
             {"--accomp", "", "search the names of the accompaniment voices"},
             {"--style", "", "search the style name"},
         }),
         2, 2, runSearch});
    table.push_back(
        {"convert",
         "IN -o OUT",
         "turn a registration backup into an archive or back",
         "A registration backup becomes a new archive with one category holding all of its "
         "lines; an archive becomes a new registration backup holding the lines of all its "
         "categories (refused when they are more than 512 registrations).",
         {kOutput,
          {"--category", "NAME",
           "the category of the new archive (default: the input's name without its extension)"},
          {"--model", "9000|9000pro",
           "the keyboard of the new registration backup (default 9000)"}},
         1,
         1,
         runConvert});
    table.push_back(
        {"export-json", "FILE -o OUT.json",
         "write a registration backup or an archive as a JSON document",
         "Writes every line of FILE as one JSON document (docs/JSON.md): bank titles, categories "
         "and registrations in list order, every field of a registration by its name in decoded "
         "form, and the bytes no field interprets as hex runs, so that import-json gives back the "
         "same bytes. Style names follow the style name options.",
         withStyleNameOptions({kOutput}), 1, 1, runExportJson});
    table.push_back(
        {"import-json", "IN.json -o FILE",
         "write a JSON document back as a registration backup or an archive",
         "Reads a document written by export-json (and perhaps edited) and writes it as the kind "
         "it names: a registration backup for its keyboard model, or an archive. Every line and "
         "field is checked first; a document that is refused writes nothing. Names beside the "
         "numbers are only compared: the numbers are what is stored.",
         withStyleNameOptions({kOutput}), 1, 1, runImportJson});
    table.push_back(
        {"compare", "A B", "list the registrations that differ between two files",
         "Compares two registration backups bank by bank and slot by slot, or a backup and an "
         "archive, or two archives, by the order of their registrations. Prints each place "
         "that differs (\"<03/5>\" or category/position) as added, removed or changed, with "
         "the fields that differ and both values, then the bank titles and category names "
         "that differ. Exit status: 0 the same registrations, 1 they differ, 2 the command "
         "line was wrong or a file was refused.",
         withStyleNameOptions({{"--json", "", "print one JSON document"}}), 2, 2, runCompare});
    table.push_back(
        {"duplicates",
         "FILE...",
         "list registrations that are there twice",
         "Lists groups of registrations, across all the files given, whose parameters are "
         "byte for byte the same whatever their titles (params), and groups with the same "
         "title without regard to case and trailing blanks (title). Free slots are never "
         "duplicates, nor are registrations without a title duplicates by title.",
         {{"--by", "params|title", "only one kind of group (default: both)"},
          {"--json", "", "print one JSON document"}},
         1,
         1000,
         runDuplicates});
    table.push_back({"style-names", "", "print the name of every style index",
                     "Prints 495 lines \"INDEX<TAB>NAME\" for the style indexes 0 to 494: "
                     "preset styles, flash styles and disk styles as the names are set.",
                     styleNameOptionSpecs(), 0, 0, runStyleNames});
    table.push_back({"save-style-locations", "-o OUT",
                     "save the places of the loaded flash and disk styles",
                     "Writes the style locations file: the names of the flash styles read from "
                     "a FlashStyle backup and of the disk styles of a folder, each with its "
                     "place, for bringing registrations up to date after the styles moved.",
                     withStyleNameOptions({kOutput}), 0, 0, runSaveStyleLocations});
    table.push_back(
        {"update-styles", "FILE --locations TXT -o OUT",
         "move registrations to the new places of their styles",
         "Reads the old style locations from TXT and moves every registration of "
         "FILE whose flash or disk style now has another place to that place, by "
         "the names loaded now; writes the result to OUT and prints the "
         "registrations that could not be moved, one a line.",
         withStyleNameOptions(
             {{"--locations", "TXT", "the style locations file saved before"}, kOutput}),
         1, 1, runUpdateStyles});
    table.push_back({"make-examples",
                     "DIR",
                     "write the demo files",
                     "Writes the demo backup set DIR/Demo.buf (BACKUP.INI and REG.bup) and the "
                     "demo archive DIR/Demo.yra.",
                     {},
                     1,
                     1,
                     runMakeExamples,
                     true});
    table.push_back({"man-page",
                     "",
                     "print the manual page",
                     "Prints the manual page of the tool (roff) to the standard output.",
                     {},
                     0,
                     0,
                     runManPage,
                     true});
    return table;
}

void printOverview(std::ostream& out) {
    out << "Usage: " << kProgram << " COMMAND [ARGUMENTS] [OPTIONS]\n\n"
        << "Reads, checks and writes the registration backups (REG.bup, REG_Pro.bup) and the\n"
        << "Registration Archives (.yra) of the PSR-9000 and PSR-9000pro.\n\n"
        << "Commands:\n";
    for (const CommandInfo& command : commands()) {
        if (!command.hidden)
            out << "  " << std::left << std::setw(22) << command.name << command.summary << '\n';
    }
    out << "\nRun '" << kProgram << " COMMAND --help' for a command's arguments and options.\n"
        << "A file's kind is told by its content. Texts are printed in UTF-8.\n"
        << "Exit status: 0 done, 1 a file was refused or could not be read or written,\n"
        << "2 the command line was wrong.\n";
}

// Fills words into lines of at most 79 characters, each line starting with `indent`.
void printWrapped(std::ostream& out, std::string_view text, std::string_view indent) {
    constexpr size_t kWidth = 79;
    std::istringstream words{std::string(text)};
    std::string line(indent);
    bool empty = true;
    for (std::string word; words >> word;) {
        if (!empty && line.size() + 1 + word.size() > kWidth) {
            out << line << '\n';
            line = indent;
            empty = true;
        }
        if (!empty)
            line += ' ';
        line += word;
        empty = false;
    }
    if (!empty)
        out << line << '\n';
}

void printCommandHelp(const CommandInfo& command, std::ostream& out) {
    out << "Usage: " << kProgram << ' ' << command.name;
    if (!command.arguments.empty())
        out << ' ' << command.arguments;
    if (!command.options.empty())
        out << " [OPTIONS]";
    out << "\n\n";
    printWrapped(out, command.description, "");
    if (!command.options.empty()) {
        out << "\nOptions:\n";
        for (const OptionSpec& option : command.options) {
            std::string left(option.name);
            if (!option.alias.empty())
                left += ", " + std::string(option.alias);
            if (option.takesValue())
                left += ' ' + std::string(option.valueName);
            out << "  " << left << '\n';
            printWrapped(out, option.help, "      ");
        }
    }
}

const CommandInfo* findCommand(std::string_view name) {
    for (const CommandInfo& command : commands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

// The names of the positional arguments: the words of the synopsis before its first option.
std::vector<std::string> positionalNames(const CommandInfo& command) {
    std::vector<std::string> names;
    std::istringstream words{std::string(command.arguments)};
    for (std::string word; words >> word && word[0] != '-';)
        names.push_back(word);
    return names;
}

int generalUsageError(std::ostream& err, const std::string& text) {
    err << kProgram << ": " << text << "\nTry '" << kProgram << " --help'.\n";
    return ExitUsage;
}

} // namespace

const std::vector<CommandInfo>& commands() {
    static const std::vector<CommandInfo> table = buildCommands();
    return table;
}

int CommandContext::usageError(const std::string& text) const {
    err << kProgram << ' ' << command.name << ": " << text << "\nTry '" << kProgram << ' '
        << command.name << " --help'.\n";
    return ExitUsage;
}

std::optional<std::string> CommandContext::required(std::string_view option) const {
    std::optional<std::string> value = args.value(option);
    if (!value || value->empty()) {
        usageError("option '" + std::string(option) + "' is required");
        return std::nullopt;
    }
    return value;
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty())
        return generalUsageError(err, "no command given");
    const std::string& name = args[0];
    if (name == "--help" || name == "-h") {
        printOverview(out);
        return ExitOk;
    }
    if (name == "help") {
        if (args.size() == 1) {
            printOverview(out);
            return ExitOk;
        }
        const CommandInfo* command = findCommand(args[1]);
        if (!command)
            return generalUsageError(err, "unknown command '" + args[1] + "'");
        printCommandHelp(*command, out);
        return ExitOk;
    }
    const CommandInfo* command = findCommand(name);
    if (!command)
        return generalUsageError(err, "unknown command '" + name + "'");

    ConsoleInteraction ui(err);
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    auto parsed = parseArguments(rest, command->options);
    ParsedArgs none;
    CommandContext context{*command, none, out, err, ui};
    if (const auto* error = std::get_if<UsageError>(&parsed))
        return context.usageError(error->text);
    const ParsedArgs& parsedArgs = std::get<ParsedArgs>(parsed);
    if (parsedArgs.helpRequested) {
        printCommandHelp(*command, out);
        return ExitOk;
    }
    const int count = static_cast<int>(parsedArgs.positional.size());
    if (count < command->minPositional)
        return context.usageError("missing argument " + positionalNames(*command)[count]);
    if (count > command->maxPositional)
        return context.usageError("unexpected argument '" +
                                  parsedArgs.positional[command->maxPositional] + "'");
    CommandContext runContext{*command, parsedArgs, out, err, ui};
    int status = ExitFailed;
    try {
        status = command->run(runContext);
    } catch (const std::bad_alloc&) {
        // The sides report running out of memory while reading as the file's error; this is for
        // the rest of the work (expanding, listing, writing), which then ends as a failure.
        ui.warn(UserMessage{nullptr, platformErrorText(ENOMEM), {}});
    }
    out.flush();
    return status;
}

} // namespace tombrel::cli
