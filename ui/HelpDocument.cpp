#include "ui/HelpDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tombrel {

QString helpDocumentName(Language lang) {
    return lang == Language::German ? QStringLiteral("Tombrel.htm")
                                    : QStringLiteral("Tombrel_e.htm");
}

QStringList defaultHelpFolders(const QString& startDirectory) {
    QStringList folders{startDirectory, QCoreApplication::applicationDirPath()};
#ifdef TOMBREL_SOURCE_DIR
    folders << QStringLiteral(TOMBREL_SOURCE_DIR);
#endif
    return folders;
}

QStringList helpDocumentCandidates(Language lang, const QStringList& folders) {
    const QString name = helpDocumentName(lang);
    QStringList candidates;
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        const QDir dir(folder);
        for (const QString& path :
             {dir.filePath(name), dir.filePath(QStringLiteral("docs/help/") + name)}) {
            const QString clean = QDir::cleanPath(path);
            if (!candidates.contains(clean))
                candidates << clean;
        }
    }
    return candidates;
}

QString findHelpDocument(Language lang, const QStringList& folders) {
    for (const QString& path : helpDocumentCandidates(lang, folders)) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace tombrel
