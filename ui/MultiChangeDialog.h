#pragma once

// The Multi Change dialog: a Set box for every field it can write, with the field's value
// controls beside it. It opens with the values the chosen registrations have in common and every
// Set box off; a value control is enabled exactly while its Set box is on. The values and the
// Set boxes come back as a MultiChangeForm, which writes the chosen fields into the registrations.

#include "core/editors/MultiChange.h"
#include "core/sides/Interaction.h"
#include "core/text/Messages.h"

#include <QDialog>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QAbstractItemModel;
class QCheckBox;
class QComboBox;

namespace tombrel {

class NumberBox;
class VoiceListModel;
struct FootswitchWidgets;
struct SplitWidgets;
struct VolumePedalWidgets;

class MultiChangeDialog : public QDialog {
    Q_OBJECT
public:
    // `common` from MultiChangeForm::gather; its Set boxes are ignored (all start off).
    MultiChangeDialog(const MultiChangeForm& common, Interaction& interaction, Language lang,
                      QWidget* parent = nullptr);
    ~MultiChangeDialog() override;

    // The values and Set boxes as the controls hold them after OK.
    const MultiChangeForm& form() const { return form_; }

    // The control with this id; the Set box of a field.
    QWidget* control(int id) const;
    QCheckBox* setBox(MultiChangeField field) const;

    // Checks the volumes that are set; with no Set box on the dialog closes as cancelled.
    void accept() override;

private:
    QWidget* buildVoicesGroup();
    QWidget* buildSplitGroup();
    QWidget* buildControllerGroup();
    QWidget* buildSongGroup();
    QCheckBox* makeSetBox(QWidget* parent, MultiChangeField field, int id, const QString& text,
                          std::vector<QWidget*> controls);
    void connectRules();
    void showForm();
    void showEnabling();
    void readForm();

    MultiChangeForm form_;
    Interaction& interaction_;
    Language lang_;

    VoiceListModel* voices_ = nullptr;
    QAbstractItemModel* notes_ = nullptr;

    std::array<QCheckBox*, kMultiChangeFieldCount> setBoxes_{};
    std::array<std::vector<QWidget*>, kMultiChangeFieldCount> controls_{};

    struct VoiceRowWidgets {
        QComboBox* voice = nullptr;
        NumberBox* volume = nullptr;
        QComboBox* octave = nullptr;
    };
    std::array<VoiceRowWidgets, 4> voiceRows_{}; // by VoicePart
    QComboBox* upperOctave_ = nullptr;
    std::unique_ptr<SplitWidgets> split_;
    std::unique_ptr<VolumePedalWidgets> pedal_;
    std::array<std::unique_ptr<FootswitchWidgets>, 2> footswitches_;
    NumberBox* songVolume_ = nullptr;
    QComboBox* drive_ = nullptr;
};

// Runs the dialog; the form to apply, or nothing when it was cancelled or no Set box was on.
std::optional<MultiChangeForm> multiChange(QWidget* parent, const MultiChangeForm& common,
                                           Interaction& interaction, Language lang);

} // namespace tombrel
