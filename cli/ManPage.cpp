// The manual page of the tool, made from the same command table as its help texts so that the
// two cannot drift apart (a test compares them). Installed as man1/tombrel-cli.1.

#include "cli/Commands.h"

#include <string>

namespace tombrel::cli {

namespace {

// Text for roff: backslashes and hyphens escaped, a line never starting with a control
// character.
std::string roff(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\''))
        out.insert(0, "\\&");
    return out;
}

} // namespace

int runManPage(CommandContext& context) {
    std::ostream& out = context.out;
    out << ".TH TOMBREL\\-CLI 1 \"\" \"Tombrel\" \"User Commands\"\n"
        << ".SH NAME\n"
        << "tombrel\\-cli \\- read, check and write PSR\\-9000 registration backups and "
           "archives\n"
        << ".SH SYNOPSIS\n"
        << ".B tombrel\\-cli\n"
        << ".I COMMAND\n"
        << "[\\fIARGUMENTS\\fR] [\\fIOPTIONS\\fR]\n"
        << ".br\n"
        << ".B tombrel\\-cli\n"
        << ".I COMMAND\n"
        << ".B \\-\\-help\n"
        << ".SH DESCRIPTION\n"
        << "Reads, checks and writes the registration backups (REG.bup, REG_Pro.bup) and the "
           "Registration Archives (.yra) of the PSR\\-9000 and PSR\\-9000pro, as the desktop "
           "program\n"
        << ".BR tombrel (1)\n"
        << "does. A file's kind is told by its content. Texts are printed in UTF\\-8.\n"
        << ".SH COMMANDS\n";
    for (const CommandInfo& command : commands()) {
        if (command.hidden)
            continue;
        out << ".SS \"" << roff(command.name);
        if (!command.arguments.empty())
            out << ' ' << roff(command.arguments);
        if (!command.options.empty())
            out << " [OPTIONS]";
        out << "\"\n" << roff(command.description) << '\n';
        for (const OptionSpec& option : command.options) {
            out << ".TP\n.B " << roff(option.name);
            if (!option.alias.empty())
                out << ", " << roff(option.alias);
            if (option.takesValue())
                out << " \\fI" << roff(option.valueName) << "\\fR";
            out << '\n' << roff(option.help) << '\n';
        }
    }
    out << ".SH EXIT STATUS\n"
        << ".TP\n.B 0\ndone\n"
        << ".TP\n.B 1\na file was refused or could not be read or written (the message goes to "
           "the error stream)\n"
        << ".TP\n.B 2\nthe command line was wrong\n"
        << ".SH EXAMPLES\n"
        << ".nf\n"
        << "tombrel\\-cli info REG.bup\n"
        << "tombrel\\-cli convert REG.bup \\-o Library.yra \\-\\-category Concert\n"
        << "tombrel\\-cli protocol Library.yra \\-\\-type tab \\-o Library.txt\n"
        << ".fi\n"
        << ".SH SEE ALSO\n"
        << ".BR tombrel (1)\n";
    return ExitOk;
}

} // namespace tombrel::cli
