#pragma once

// Where Help finds its documents, "Tombrel.htm" (German) and "Tombrel_e.htm" (English): in the
// installed share/tombrel/help of the program's prefix, beside the program, in the sources the
// program was built from (a program run from its build folder), and last in the start folder.
// In each folder the document may lie directly there or in docs/help below it.

#include "core/text/Messages.h"

#include <string>
#include <vector>

namespace tombrel {

std::string helpDocumentFile(Language lang);

// The folders looked in, in order. `installedFromProgram` is the installed help folder relative
// to the program's folder ("../share/tombrel/help"); empty paths are left out.
std::vector<std::string> helpDocumentFolders(const std::string& programDir,
                                             const std::string& installedFromProgram,
                                             const std::string& sourceDir,
                                             const std::string& startDir);

// The paths looked at, in order, each once; UTF-8 with '/' separators.
std::vector<std::string> helpDocumentPaths(Language lang, const std::vector<std::string>& folders);

// The first candidate that is a file; empty when there is none.
std::string locateHelpDocument(Language lang, const std::vector<std::string>& folders);

} // namespace tombrel
