#pragma once

// The dialogs of the style locations commands: the two explanations shown before saving and
// before updating (OK goes on, Cancel stops), and the Error List with the registrations an update
// could not move, which can be saved as a text file. The file steps of both commands are here
// too; walking a side's registrations is the side's business (core/names/StyleLocations.h).

#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleLocations.h"
#include "core/names/StyleNameTable.h"
#include "core/sides/Interaction.h"
#include "core/text/Messages.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QListView;

namespace tombrel {

class StyleLocationsInfoDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Save, Update };
    StyleLocationsInfoDialog(Kind kind, Language lang, QWidget* parent = nullptr);
};

// Shows the explanation; true for OK.
bool confirmSaveStyleLocations(QWidget* parent, Language lang);
bool confirmUpdateStyleLocations(QWidget* parent, Language lang);

class ErrorListDialog : public QDialog {
    Q_OBJECT
public:
    // `errors` are single-byte texts, one line each.
    ErrorListDialog(std::vector<std::string> errors, Interaction& interaction, Language lang,
                    QWidget* parent = nullptr);

    // "Save List": asks for a file and writes the list; a failure is shown and the dialog stays.
    void saveList();

    QListView* list() const { return list_; }

private:
    std::vector<std::string> errors_;
    Interaction& interaction_;
    Language lang_;
    QListView* list_;
};

// The file dialogs of the three steps.
FileDialogRequest saveStyleLocationsRequest(Language lang);
FileDialogRequest loadStyleLocationsRequest(Language lang);
FileDialogRequest saveErrorListRequest(Language lang);

// Save Sty. Loc. after its explanation: refuses or gives its hints, asks for the file and writes
// the loaded names with their places into it.
void saveStyleLocations(Interaction& interaction, Language lang, const StyleNameTable& names,
                        FlashNameMode flashMode, const DiskStyleTexts& disk,
                        DiskStyleMode diskMode);
// Update Styles after its explanation: asks for the file saved before and reads its definitions;
// nothing when the user cancels or the file cannot be read (which is shown).
std::optional<StyleLocationList> loadOldStyleLocations(Interaction& interaction, Language lang);

} // namespace tombrel
