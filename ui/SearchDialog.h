#pragma once

// The Search dialog of either pane: a text and the five parts of a registration to look in. Each
// press of Search asks the pane for the next match after its selection; the dialog stays open
// between hits so that repeated presses walk through all matches. An empty text closes it.

#include "core/sides/Interaction.h"
#include "core/text/Messages.h"

#include <QDialog>

#include <functional>
#include <string>

class QCheckBox;
class QLineEdit;

namespace tombrel {

enum class SearchSide { Registration, Archive };

// The search text (Windows-1252, as titles and names are stored) and where to look.
struct SearchRequest {
    std::string text;
    bool title = true;
    bool rightVoices = false;
    bool leftVoice = false;
    bool accompVoices = false;
    bool styleName = false;

    bool operator==(const SearchRequest&) const = default;
};

// Selects the next match in the pane; false when there is none.
using SearchNext = std::function<bool(const SearchRequest&)>;

// Where the dialog opens: 80 below the main window's top, over the other pane (near the right
// edge when searching the registration side, near the left edge for the archive side), never
// off the top or left of the screen.
QPoint searchDialogPosition(const QRect& mainWindow, const QSize& dialog, SearchSide side);

class SearchDialog : public QDialog {
    Q_OBJECT
public:
    // `mainWindow` places the dialog and is its parent.
    SearchDialog(SearchSide side, SearchNext searchNext, Interaction& interaction, Language lang,
                 QWidget* mainWindow = nullptr);

    SearchRequest request() const;

    // The Search button: an empty text closes the dialog; otherwise the next match is selected,
    // or "Searchtext not found!" is shown, and the dialog stays open.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    SearchSide side_;
    SearchNext searchNext_;
    Interaction& interaction_;
    QLineEdit* text_;
    QCheckBox* title_;
    QCheckBox* rightVoices_;
    QCheckBox* leftVoice_;
    QCheckBox* accompVoices_;
    QCheckBox* styleName_;
    bool placed_ = false;
};

// Runs the dialog over `mainWindow` until the user closes it.
void runSearchDialog(QWidget* mainWindow, SearchSide side, SearchNext searchNext,
                     Interaction& interaction, Language lang);

} // namespace tombrel
