#include "app/Startup.h"

#include "app/SettingsStore.h"
#include "app/SingleInstance.h"
#include "ui/ChooseLanguageDialog.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QWidget>

namespace tombrel {

namespace {

constexpr auto kLanguage = "Language";

// File arguments are resolved here, because the running copy has another working directory.
QStringList absoluteFileArguments(const QStringList& arguments) {
    QStringList files;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        files << QFileInfo(arguments[i]).absoluteFilePath();
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

int runApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Harvolt"));
    QApplication::setApplicationName(QStringLiteral("Tombrel"));

    SingleInstance instance;
    if (instance.handOverToRunning(absoluteFileArguments(QApplication::arguments())))
        return 0;
    // Without the name the program still runs; later starts then simply run as well.
    instance.listen();

    SettingsStore store;
    const bool extendedMode = extendedModeFromEnvironment();
    const Language lang = startLanguage(store, [] { return chooseLanguage(nullptr); });

    MainWindow window(lang, extendedMode);
    QObject::connect(&instance, &SingleInstance::startRequested, &window,
                     [&window](const QStringList&) { bringToFront(&window); });
    window.show();
    window.exec();
    return 0;
}

} // namespace tombrel
