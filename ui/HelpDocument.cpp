#include "ui/HelpDocument.h"

#include "core/files/HelpDocuments.h"

#include <QCoreApplication>
#include <QDir>

namespace tombrel {

namespace {

std::vector<std::string> toStd(const QStringList& list) {
    std::vector<std::string> out;
    for (const QString& s : list)
        out.push_back(QDir::fromNativeSeparators(s).toStdString());
    return out;
}

QString toNative(const std::string& path) {
    return QDir::toNativeSeparators(QString::fromStdString(path));
}

} // namespace

QString helpDocumentName(Language lang) {
    return QString::fromStdString(helpDocumentFile(lang));
}

QStringList defaultHelpFolders(const QString& startDirectory) {
#ifdef TOMBREL_HELP_FROM_PROGRAM
    const std::string installed = TOMBREL_HELP_FROM_PROGRAM;
#else
    const std::string installed;
#endif
#ifdef TOMBREL_SOURCE_DIR
    const std::string sources = TOMBREL_SOURCE_DIR;
#else
    const std::string sources;
#endif
    QStringList folders;
    for (const std::string& folder : helpDocumentFolders(
             QDir::fromNativeSeparators(QCoreApplication::applicationDirPath()).toStdString(),
             installed, sources, QDir::fromNativeSeparators(startDirectory).toStdString()))
        folders << toNative(folder);
    return folders;
}

QStringList helpDocumentCandidates(Language lang, const QStringList& folders) {
    QStringList candidates;
    for (const std::string& path : helpDocumentPaths(lang, toStd(folders)))
        candidates << toNative(path);
    return candidates;
}

QString findHelpDocument(Language lang, const QStringList& folders) {
    return toNative(locateHelpDocument(lang, toStd(folders)));
}

} // namespace tombrel
