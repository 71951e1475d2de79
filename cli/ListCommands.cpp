// search and convert.

#include "cli/Commands.h"

namespace tombrel::cli {

int runSearch(CommandContext& context) {
    context.err << "search: not available in this build\n";
    return ExitFailed;
}

int runConvert(CommandContext& context) {
    context.err << "convert: not available in this build\n";
    return ExitFailed;
}

} // namespace tombrel::cli
