#pragma once

// Start-up of the desktop program: one copy per user, the extended mode from the environment,
// the language (asked once), then the main window until the user leaves it.

#include "core/text/Messages.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace tombrel {

class MainWindow;
class SettingsStore;

// The word in the environment variable `Tombrel` that switches the extended mode on, compared
// without regard to case.
bool isExtendedModeWord(const QString& value);
bool extendedModeFromEnvironment();

// The stored language: "G" German, "E" English. Any other value asks with `ask` and stores the
// answer at once; a question left without an answer stores nothing and the run is in English.
Language startLanguage(SettingsStore& store, const std::function<std::optional<Language>()>& ask);

// Brings a window forward from another start: restores it when minimised, raises it and also the
// dialog that is open above it.
void bringToFront(QWidget* window);

// `tombrel --help-documents` prints the paths Help opens, the English document's and then the
// German one's, one a line (an empty line for one not found, and exit status 1), without a window
// or a display: for checking an installation.
int printHelpDocuments(int argc, char** argv);

// The desktop's session manager is about to end the session (logging out, shutting down): both
// panes' save-changes prompts run as when leaving the program, and the window is left when they
// allow it. False when the user cancelled, so that the session manager is asked to stop. When the
// session manager lets nobody ask (`interactionAllowed` false), nothing is asked, saved or
// dropped, and the session may end. While another dialog of the program is open, it is brought
// forward and the session manager is asked to stop: what it holds is in no pane yet.
bool commitSessionData(MainWindow& window, bool interactionAllowed);

int runApplication(int argc, char** argv);

} // namespace tombrel
