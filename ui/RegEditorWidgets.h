#pragma once

// The controls that Edit Entry and Multi Change share, made the same way in both: number boxes,
// the fixed lists (octaves, transposes, notes, fingerings, footswitch functions, drum kits) and
// the volume pedal and footswitch groups with the reading and showing of their values. Every
// control carries its control id as its object name.

#include "core/editors/RegEditorControls.h"
#include "core/record/KeyboardModel.h"

#include <QStringList>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>

class QAbstractItemModel;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QObject;
class QWidget;

namespace tombrel {

class NumberBox;

// ---- Numbers -----------------------------------------------------------------------------------

// An edit with its up-down buttons (one widget, carrying the edit's id).
NumberBox* makeNumberBox(QWidget* parent, int id);
// Shows `value` in a box meant for low..high. A stored value outside the range is shown as it is
// (the buttons' range widens for it), so that nothing changes behind the user's back and the
// check on OK names the range.
void showNumber(NumberBox* box, int value, int low, int high);
// The number typed into the box; kNotANumber while its text is none (an emptied edit, letters),
// which no range of the editors takes.
int numberValue(const NumberBox* box);

// ---- Lists -------------------------------------------------------------------------------------

QStringList signedItems(int first, int count); // "-2" "-1" "0" "+1" "+2"
QStringList fingeringItems();
QStringList footswitchItems();
QStringList drumKitItems(KeyboardModel model);
// The 128 note names of the split and key boxes, one model that all the note boxes of a dialog
// share.
QAbstractItemModel* makeNoteListModel(QObject* parent);

QComboBox* makeListBox(QWidget* parent, int id, const QStringList& items);
QComboBox* makeListBox(QWidget* parent, int id, QAbstractItemModel* shared);
QCheckBox* makeCheck(QWidget* parent, int id, const QString& text);

// Selects a position (kNoSelection clears the box) without running the box's rules.
void showPosition(QComboBox* box, int position);
// The selected position, kNoSelection for none.
int position(const QComboBox* box);
void showCheck(QCheckBox* box, bool on);

// ---- Groups ------------------------------------------------------------------------------------

// A group box with an object name that does not change with the language (the tests find the
// groups by it).
QGroupBox* makeGroup(QWidget* parent, const QString& title, const char* name);

// The dialog's columns of groups, each column's groups stacked from the top.
QHBoxLayout* groupColumns(std::initializer_list<std::initializer_list<QWidget*>> columns);

// ---- Split points, fingering and vocal harmony -------------------------------------------------

struct SplitWidgets {
    QComboBox* accomp = nullptr;       // "Accomp.:"
    QComboBox* left = nullptr;         // "Left:"
    QComboBox* right = nullptr;        // "Right:"
    QComboBox* fingering = nullptr;    // "Fingering:"
    QCheckBox* vocalHarmony = nullptr; // "V. H."

    // The controls inside `box`, which each dialog lays out in its own way; `notes` from
    // makeNoteListModel.
    static SplitWidgets make(QWidget* box, QAbstractItemModel* notes);

    void show(const SplitControls& split, int fingeringPosition, bool vocalHarmonyOn) const;
    void read(SplitControls& split, int& fingeringPosition, bool& vocalHarmonyOn) const;
    // Keeps Accomp <= Left <= Right: when a split box changes, `readForm` copies the dialog into
    // its form, the rule runs on `split` (the form's split points) and the three are shown again.
    void connectOrder(QObject* owner, SplitControls& split, std::function<void()> readForm) const;
};

// ---- Volume pedal ------------------------------------------------------------------------------

struct VolumePedalWidgets {
    QComboBox* mode = nullptr;         // "Master" / "Individual"
    std::array<QCheckBox*, 8> parts{}; // "Song" "ACMP" "M.Pad" "Left" "R1" "R2" "R3" "Mic"

    static VolumePedalWidgets make(QWidget* parent);
    // `caption` (a label, or Multi Change's Set box) and the mode box in `row`, the eight checks
    // in two rows of four below the box.
    void addTo(QGridLayout* grid, int row, int column, QWidget* caption) const;

    void show(const VolumePedalControls& pedal) const;
    void read(VolumePedalControls& pedal) const;
    void setPartsEnabled(bool on) const;
    // Wires the mode box to the shared rule: `readForm` copies the dialog into its form, the rule
    // runs on `pedal` (the form's volume pedal), the pedal is shown again and `showEnabling`
    // updates the controls that depend on it.
    void connectMode(QObject* owner, VolumePedalControls& pedal, std::function<void()> readForm,
                     std::function<void()> showEnabling) const;
};

// ---- Footswitches ------------------------------------------------------------------------------

struct FootswitchWidgets {
    QComboBox* function = nullptr;
    std::array<QCheckBox*, 4> parts{}; // "Left" "R1" "R2" "R3"
    QLabel* kitLabel = nullptr;
    QComboBox* kit = nullptr;
    QLabel* keyLabel = nullptr;
    QComboBox* key = nullptr;

    // `which` 0 for footswitch 1, 1 for footswitch 2; `notes` from makeNoteListModel.
    static FootswitchWidgets make(QWidget* parent, int which, KeyboardModel model,
                                  QAbstractItemModel* notes);
    // `caption` and the function box in `row`, the part checks and the kit and key boxes in the
    // two rows below; hidden controls keep their place so the window does not jump.
    void addTo(QGridLayout* grid, int row, int column, QWidget* caption) const;

    void show(const FootswitchControls& footswitch) const;
    void read(FootswitchControls& footswitch) const;
    // Part checks for the part functions, kit and key for "31 Percussion".
    void showVisibility(const FootswitchControls& footswitch) const;
    void setEnabled(bool on) const;

    // The part bit of check i.
    static FootswitchPartBit partBit(int i);
};

// Wires both footswitches' function boxes and part checks to the shared rules: `readForm` copies
// the dialog into its form, the rule runs on `state` (the form's footswitches) and both
// footswitches are shown again. Edit Entry and Multi Change share this wiring.
void connectFootswitches(QObject* owner,
                         const std::array<std::unique_ptr<FootswitchWidgets>, 2>& widgets,
                         FootswitchPair& state, std::function<void()> readForm);

// Places a label and its control side by side in a grid; the label is returned.
QLabel* addLabelled(QGridLayout* grid, int row, int column, const QString& label, QWidget* control);
QLabel* makeLabel(QWidget* control, const QString& text);

} // namespace tombrel
