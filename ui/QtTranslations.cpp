#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace tombrel {

namespace {

// One translator for the whole run, owned by the application.
QPointer<QTranslator>& germanTranslator() {
    static QPointer<QTranslator> translator;
    return translator;
}

bool installed = false;

} // namespace

QString qtTranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool applyQtTranslations(Language lang) {
    QPointer<QTranslator>& translator = germanTranslator();
    if (lang != Language::German) {
        if (translator && installed)
            QCoreApplication::removeTranslator(translator);
        installed = false;
        return true;
    }
    if (installed && translator)
        return true;
    if (!translator) {
        auto* loaded = new QTranslator(QCoreApplication::instance());
        // By file name, not by the desktop's locale: the program's language decides.
        if (!loaded->load(QStringLiteral("qtbase_de"), qtTranslationsFolder())) {
            delete loaded;
            return false;
        }
        translator = loaded;
    }
    installed = QCoreApplication::installTranslator(translator);
    return installed;
}

bool qtTranslationsInstalled() {
    return installed && germanTranslator();
}

} // namespace tombrel
