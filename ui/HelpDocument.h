#pragma once

// Help's documents found by the rule in core/files/HelpDocuments, with Qt's strings and the
// program's own folder.

#include "core/text/Messages.h"

#include <QString>
#include <QStringList>

namespace tombrel {

QString helpDocumentName(Language lang);

// The installed help folder, the program's folder, the sources it was built from (when known)
// and the start folder.
QStringList defaultHelpFolders(const QString& startDirectory);

// The paths looked at, in order.
QStringList helpDocumentCandidates(Language lang, const QStringList& folders);

// The first candidate that is a file; empty when there is none.
QString findHelpDocument(Language lang, const QStringList& folders);

} // namespace tombrel
