#pragma once

// The Edit Entry dialog: every field of one registration, laid out in the groups of the keyboard's
// panel. It edits a copy: OK, Previous and Next check the values, store them into the copy and
// close; Cancel closes and the copy is dropped. The rules (split order, pedal, footswitches,
// transposes, the checks on OK) are the core form's; the dialog copies its controls into the form
// before a rule runs and shows the form again afterwards.

#include "core/editors/EditEntryForm.h"
#include "core/names/SongPath.h"
#include "core/record/RegRecord.h"
#include "core/sides/Interaction.h"
#include "core/sides/Settings.h"
#include "core/text/Messages.h"
#include "ui/SongPlayer.h"

#include <QDialog>

#include <array>
#include <memory>
#include <string>

class QAbstractButton;
class QAbstractItemModel;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace tombrel {

class NumberBox;
class DiskStyleTexts;
class StyleNameTable;
class VoiceListModel;
struct FootswitchWidgets;
struct SplitWidgets;
struct VolumePedalWidgets;

// What the dialog needs from the main window.
struct EditEntryContext {
    KeyboardModel model = KeyboardModel::Psr9000;
    SongPathMappings songPaths = SongPathMappings::defaults();
    std::array<std::string, kPlayerCount> players{}; // UTF-8; empty: not set
    const StyleNameTable* styles = nullptr;          // must be set
    const DiskStyleTexts* diskStyles = nullptr;      // must be set
    Interaction* interaction = nullptr;              // must be set
    Language lang = Language::English;
};

class EditEntryDialog : public QDialog {
    Q_OBJECT
public:
    EditEntryDialog(const RegRecord& record, const EditEntryContext& context,
                    QWidget* parent = nullptr);
    ~EditEntryDialog() override;

    // How the dialog was closed (Cancel until it was closed otherwise).
    EditEntryResult editResult() const { return result_; }
    // The registration as stored by OK, Previous or Next; before that, the opened registration
    // in its normalised order.
    const RegRecord& record() const { return record_; }

    // The platform's ways of playing a song; tests put their own in.
    void setSongLauncher(SongLauncher launcher) { launcher_ = std::move(launcher); }

    // The control with this id (tests and the main window find controls by their numbers).
    QWidget* control(int id) const;

    void reject() override;

private:
    void buildLayout();
    QWidget* buildTopLine();
    QWidget* buildStyleGroup();
    QWidget* buildVoicesGroup();
    QWidget* buildTransposeGroup();
    QWidget* buildSplitGroup();
    QWidget* buildAccompanimentGroup();
    QWidget* buildControllerGroup();
    QWidget* buildSongGroup();
    QWidget* buildButtons();
    void connectRules();

    void showForm();
    void readForm();
    void showEnabling();
    void finish(EditEntryResult result);
    QWidget* fieldWidget(const EditEntryError& error) const;

    void chooseSong();
    void playSong(int player);
    void showStorageDevices();

    RegRecord record_;
    EditEntryContext context_;
    EditEntryForm form_;
    EditEntryResult result_ = EditEntryResult::Cancel;
    SongLauncher launcher_;

    VoiceListModel* voices_ = nullptr;
    QAbstractItemModel* notes_ = nullptr;

    QLineEdit* title_ = nullptr;
    QCheckBox* active_ = nullptr;
    QComboBox* style_ = nullptr;
    NumberBox* tempo_ = nullptr;
    QCheckBox* stopAccomp_ = nullptr;
    std::array<QAbstractButton*, 4> main_{};
    QButtonGroup* mainGroup_ = nullptr;

    struct VoiceRowWidgets {
        QCheckBox* on = nullptr;
        QComboBox* voice = nullptr;
        NumberBox* volume = nullptr;
        QComboBox* octave = nullptr;
    };
    std::array<VoiceRowWidgets, 4> voiceRows_{}; // by VoicePart
    QCheckBox* hold_ = nullptr;
    QComboBox* upperOctave_ = nullptr;
    QComboBox* transposeMaster_ = nullptr;
    QComboBox* transposeSong_ = nullptr;
    QComboBox* transposeKeyboard_ = nullptr;

    std::unique_ptr<SplitWidgets> split_;

    NumberBox* accVolume_ = nullptr;
    QCheckBox* autoAccomp_ = nullptr;
    struct PartRowWidgets {
        QCheckBox* on = nullptr;
        QCheckBox* setVoice = nullptr;
        QComboBox* voice = nullptr;
        QCheckBox* setVolume = nullptr;
        NumberBox* volume = nullptr;
    };
    std::array<PartRowWidgets, kAccPartCount> partRows_{}; // by AccPart

    std::unique_ptr<VolumePedalWidgets> pedal_;
    std::array<std::unique_ptr<FootswitchWidgets>, 2> footswitches_;

    QCheckBox* songPlayer_ = nullptr;
    NumberBox* songVolume_ = nullptr;
    QLineEdit* song_ = nullptr;
    std::array<QPushButton*, 3> play_{};
};

// Opens the dialog on `record`. After OK, Previous or Next the stored registration is copied back
// into `record`; after Cancel `record` is left exactly as it was.
EditEntryResult editEntry(QWidget* parent, RegRecord& record, const EditEntryContext& context);

} // namespace tombrel
