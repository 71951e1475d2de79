#pragma once

// Which pane a file handed to the program (on its command line, or by a later start) belongs
// in. A registration backup is told by its content, not its name: exactly 241692 bytes with the
// magic of one of the two keyboards. Everything else goes to the archive side, whose reader
// explains what is wrong with a file that is neither.

#include <string>

namespace tombrel {

enum class DocumentKind { RegBackup, Archive };

DocumentKind documentKindOf(const std::string& path);

} // namespace tombrel
