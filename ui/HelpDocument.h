#pragma once

// Where the help document is found: "Tombrel.htm" (German) or "Tombrel_e.htm" (English), looked
// for in the start folder, then beside the program, then in the sources the program was built
// from (a program run from its build folder). In each folder the document may lie directly
// there or in docs/help below it.

#include "core/text/Messages.h"

#include <QString>
#include <QStringList>

namespace tombrel {

QString helpDocumentName(Language lang);

// The start folder, the program's folder and the sources it was built from (when known).
QStringList defaultHelpFolders(const QString& startDirectory);

// The paths looked at, in order.
QStringList helpDocumentCandidates(Language lang, const QStringList& folders);

// The first candidate that is a file; empty when there is none.
QString findHelpDocument(Language lang, const QStringList& folders);

} // namespace tombrel
