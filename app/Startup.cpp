#include "app/Startup.h"

#include "app/SettingsStore.h"
#include "app/SingleInstance.h"
#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleNameTable.h"
#include "core/sides/Settings.h"
#include "ui/ChooseLanguageDialog.h"
#include "ui/HelpDocument.h"
#include "ui/MainWindow.h"
#include "ui/ProgramIcon.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include <cstdio>
#include <cstring>

#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

namespace tombrel {

namespace {

constexpr auto kLanguage = "Language";

// File arguments are resolved here, because the running copy has another working directory.
QStringList absoluteFileArguments(const QStringList& arguments) {
    QStringList files;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        // Options Qt did not take are not files.
        if (!arguments[i].startsWith(QLatin1Char('-')))
            files << QFileInfo(arguments[i]).absoluteFilePath();
    }
    return files;
}

} // namespace

bool isExtendedModeWord(const QString& value) {
    return value.compare(QLatin1String("Korvath"), Qt::CaseInsensitive) == 0;
}

bool extendedModeFromEnvironment() {
    return qEnvironmentVariableIsSet("Tombrel") &&
           isExtendedModeWord(qEnvironmentVariable("Tombrel"));
}

Language startLanguage(SettingsStore& store, const std::function<std::optional<Language>()>& ask) {
    std::string code = store.stringValue(kLanguage);
    if (code != "G" && code != "E") {
        if (const std::optional<Language> chosen = ask()) {
            store.setString(kLanguage, *chosen == Language::German ? "G" : "E");
            store.sync();
        }
        code = store.stringValue(kLanguage);
    }
    return code == "G" ? Language::German : Language::English;
}

void bringToFront(QWidget* window) {
    window->show();
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->raise();
    window->activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != window) {
        modal->raise();
        modal->activateWindow();
    }
}

int printHelpDocuments(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList folders = defaultHelpFolders(QDir::currentPath());
    bool all = true;
    for (Language lang : {Language::English, Language::German}) {
        const QString path = findHelpDocument(lang, folders);
        all = all && !path.isEmpty();
        std::printf("%s\n", path.toLocal8Bit().constData());
    }
    return all ? 0 : 1;
}

bool commitSessionData(MainWindow& window, bool interactionAllowed) {
    if (!interactionAllowed)
        return true;
    // A dialog still open (Edit Entry, Multi Change, ...) holds changes that are in no pane yet:
    // the user finishes it first.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != &window) {
        bringToFront(&window);
        return false;
    }
    return window.leave();
}

int runApplication(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help-documents") == 0)
        return printHelpDocuments(argc, argv);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Harvolt"));
    QApplication::setApplicationName(QStringLiteral("Tombrel"));
    QApplication::setWindowIcon(programIcon());
    const QString startDirectory = QDir::currentPath();
    const QStringList files = absoluteFileArguments(QApplication::arguments());

    SingleInstance instance;
    if (instance.handOverToRunning(files))
        return 0;
    // Without the name the program still runs; later starts then simply run as well.
    instance.listen();

    SettingsStore store;
    const bool extendedMode = extendedModeFromEnvironment();
    MainWindow::Setup setup;
    setup.lang = startLanguage(store, [] { return chooseLanguage(nullptr); });
    setup.extendedMode = extendedMode;
    setup.settings = store.readSettings(extendedMode);
    setup.startDirectory = startDirectory;

    // The style names live as long as the program.
    StyleNameTable styleNames;
    DiskStyleTexts diskStyles;
    MainWindow window(setup, styleNames, diskStyles);
    window.hooks().storeSettings = [&store, extendedMode](const Settings& settings) {
        store.writeSettings(settings, extendedMode);
        store.sync();
    };
    QObject::connect(&instance, &SingleInstance::startRequested, &window,
                     [&window](const QStringList& handed) {
                         bringToFront(&window);
                         window.openFiles(handed);
                     });
#ifndef QT_NO_SESSIONMANAGER
    // Logging out must not end the program past its save-changes prompts.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager& manager) {
                         const bool allowed = manager.allowsInteraction();
                         const bool mayEnd = commitSessionData(window, allowed);
                         if (allowed)
                             manager.release();
                         if (!mayEnd)
                             manager.cancel();
                     });
#endif
    window.start(files);
    window.show();
    window.exec();
    return 0;
}

} // namespace tombrel
