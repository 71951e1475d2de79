#include "ui/RegEditorWidgets.h"

#include "core/names/VoiceTable.h"
#include "core/record/RegRecord.h"
#include "ui/ControlIds.h"
#include "ui/NumberBox.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QVBoxLayout>

#include <algorithm>

namespace tombrel {

namespace {

struct PedalCheck {
    int id;
    const char* caption;
    PedalPart part;
};
constexpr std::array<PedalCheck, 8> kPedalChecks = {{
    {ids::editor::PedalSong, "Song", PedalPart::Song},
    {ids::editor::PedalAcmp, "ACMP", PedalPart::Acmp},
    {ids::editor::PedalMPad, "M.Pad", PedalPart::MPad},
    {ids::editor::PedalLeft, "Left", PedalPart::Left},
    {ids::editor::PedalR1, "R1", PedalPart::R1},
    {ids::editor::PedalR2, "R2", PedalPart::R2},
    {ids::editor::PedalR3, "R3", PedalPart::R3},
    {ids::editor::PedalMic, "Mic", PedalPart::Mic},
}};

struct FootswitchIds {
    int function;
    int firstPart;
    int kit;
    int key;
};
constexpr std::array<FootswitchIds, 2> kFootswitchIds = {{
    {ids::editor::Footswitch1Function, ids::editor::Footswitch1Left, ids::editor::Footswitch1Kit,
     ids::editor::Footswitch1Key},
    {ids::editor::Footswitch2Function, ids::editor::Footswitch2Left, ids::editor::Footswitch2Kit,
     ids::editor::Footswitch2Key},
}};
constexpr std::array<const char*, 4> kFootswitchPartCaptions = {"Left", "R1", "R2", "R3"};
constexpr std::array<FootswitchPartBit, 4> kFootswitchPartBits = {FootswitchLeft, FootswitchR1,
                                                                  FootswitchR2, FootswitchR3};

void keepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

NumberBox* makeNumberBox(QWidget* parent, int id) {
    auto* box = new NumberBox(parent);
    setControlId(box, id);
    box->setAlignment(Qt::AlignRight);
    box->setAccelerated(true);
    return box;
}

void showNumber(NumberBox* box, int value, int low, int high) {
    const QSignalBlocker blocker(box);
    box->setRange(std::min(low, value), std::max(high, value));
    box->setNumber(value);
}

int numberValue(const NumberBox* box) {
    return box->number();
}

QStringList signedItems(int first, int count) {
    QStringList items;
    for (int value = first; value < first + count; ++value)
        items << (value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value));
    return items;
}

QStringList fingeringItems() {
    QStringList items;
    for (const CodeEntry& entry : kFingeringList)
        items << QString::fromLatin1(entry.text);
    return items;
}

QStringList footswitchItems() {
    QStringList items;
    for (const CodeEntry& entry : kFootswitchList)
        items << QString::fromLatin1(entry.text);
    return items;
}

QStringList drumKitItems(KeyboardModel model) {
    QStringList items;
    for (std::string_view kit : VoiceTable::drumKits(model))
        items << from1252(kit);
    return items;
}

QAbstractItemModel* makeNoteListModel(QObject* parent) {
    QStringList notes;
    for (int note = 0; note < kNoteCount; ++note)
        notes << QString::fromStdString(noteName(note));
    return new QStringListModel(notes, parent);
}

QComboBox* makeListBox(QWidget* parent, int id, const QStringList& items) {
    auto* box = new QComboBox(parent);
    setControlId(box, id);
    box->addItems(items);
    box->setMaxVisibleItems(24);
    return box;
}

QComboBox* makeListBox(QWidget* parent, int id, QAbstractItemModel* shared) {
    auto* box = new QComboBox(parent);
    setControlId(box, id);
    box->setModel(shared);
    box->setMaxVisibleItems(24);
    return box;
}

QCheckBox* makeCheck(QWidget* parent, int id, const QString& text) {
    auto* box = new QCheckBox(text, parent);
    setControlId(box, id);
    return box;
}

void showPosition(QComboBox* box, int position) {
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(hasSelection(position, box->count()) ? position : -1);
}

int position(const QComboBox* box) {
    return box->currentIndex() < 0 ? kNoSelection : box->currentIndex();
}

void showCheck(QCheckBox* box, bool on) {
    const QSignalBlocker blocker(box);
    box->setChecked(on);
}

QLabel* makeLabel(QWidget* control, const QString& text) {
    auto* label = new QLabel(text, control->parentWidget());
    label->setBuddy(control);
    return label;
}

QLabel* addLabelled(QGridLayout* grid, int row, int column, const QString& label,
                    QWidget* control) {
    QLabel* text = makeLabel(control, label);
    grid->addWidget(text, row, column);
    grid->addWidget(control, row, column + 1);
    return text;
}

// ---- Volume pedal ------------------------------------------------------------------------------

VolumePedalWidgets VolumePedalWidgets::make(QWidget* parent) {
    VolumePedalWidgets w;
    w.mode = makeListBox(parent, ids::editor::VolumePedalMode,
                         {QStringLiteral("Master"), QStringLiteral("Individual")});
    for (size_t i = 0; i < kPedalChecks.size(); ++i)
        w.parts[i] =
            makeCheck(parent, kPedalChecks[i].id, QString::fromLatin1(kPedalChecks[i].caption));
    return w;
}

void VolumePedalWidgets::addTo(QGridLayout* grid, int row, int column, QWidget* caption) const {
    grid->addWidget(caption, row, column);
    grid->addWidget(mode, row, column + 1);
    auto* checks = new QGridLayout;
    checks->setHorizontalSpacing(8);
    for (size_t i = 0; i < parts.size(); ++i)
        checks->addWidget(parts[i], static_cast<int>(i / 4), static_cast<int>(i % 4));
    grid->addLayout(checks, row + 1, column + 1);
}

void VolumePedalWidgets::show(const VolumePedalControls& pedal) const {
    showPosition(mode, pedal.mode);
    for (size_t i = 0; i < parts.size(); ++i)
        showCheck(parts[i], (pedal.parts >> static_cast<int>(kPedalChecks[i].part)) & 1);
}

void VolumePedalWidgets::read(VolumePedalControls& pedal) const {
    pedal.mode = position(mode);
    pedal.parts = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (parts[i]->isChecked())
            pedal.parts |= 1 << static_cast<int>(kPedalChecks[i].part);
    }
}

void VolumePedalWidgets::setPartsEnabled(bool on) const {
    for (QCheckBox* check : parts)
        check->setEnabled(on);
}

void VolumePedalWidgets::connectMode(QObject* owner, VolumePedalControls& pedal,
                                     std::function<void()> readForm,
                                     std::function<void()> showEnabling) const {
    const VolumePedalWidgets w = *this;
    QObject::connect(mode, qOverload<int>(&QComboBox::currentIndexChanged), owner,
                     [w, &pedal, readForm, showEnabling] {
                         readForm();
                         volumePedalModeChanged(pedal);
                         w.show(pedal);
                         showEnabling();
                     });
}

// ---- Footswitches ------------------------------------------------------------------------------

FootswitchPartBit FootswitchWidgets::partBit(int i) {
    return kFootswitchPartBits[static_cast<size_t>(i)];
}

FootswitchWidgets FootswitchWidgets::make(QWidget* parent, int which, KeyboardModel model,
                                          QAbstractItemModel* notes) {
    const FootswitchIds& ids = kFootswitchIds[static_cast<size_t>(which)];
    FootswitchWidgets w;
    w.function = makeListBox(parent, ids.function, footswitchItems());
    for (size_t i = 0; i < w.parts.size(); ++i) {
        w.parts[i] = makeCheck(parent, ids.firstPart + static_cast<int>(i),
                               QString::fromLatin1(kFootswitchPartCaptions[i]));
        keepPlaceWhenHidden(w.parts[i]);
    }
    w.kit = makeListBox(parent, ids.kit, drumKitItems(model));
    w.key = makeListBox(parent, ids.key, notes);
    w.kitLabel = new QLabel(QStringLiteral("Kit:"), parent);
    w.kitLabel->setBuddy(w.kit);
    w.keyLabel = new QLabel(QStringLiteral("Key:"), parent);
    w.keyLabel->setBuddy(w.key);
    for (QWidget* widget : {static_cast<QWidget*>(w.kitLabel), static_cast<QWidget*>(w.kit),
                            static_cast<QWidget*>(w.keyLabel), static_cast<QWidget*>(w.key)})
        keepPlaceWhenHidden(widget);
    return w;
}

void FootswitchWidgets::addTo(QGridLayout* grid, int row, int column, QWidget* caption) const {
    grid->addWidget(caption, row, column);
    grid->addWidget(function, row, column + 1);
    auto* line = new QHBoxLayout;
    line->setSpacing(8);
    for (QCheckBox* check : parts)
        line->addWidget(check);
    line->addStretch();
    grid->addLayout(line, row + 1, column + 1);
    auto* kitKey = new QHBoxLayout;
    kitKey->addWidget(kitLabel);
    kitKey->addWidget(kit, 1);
    kitKey->addSpacing(8);
    kitKey->addWidget(keyLabel);
    kitKey->addWidget(key);
    grid->addLayout(kitKey, row + 2, column + 1);
}

void FootswitchWidgets::show(const FootswitchControls& footswitch) const {
    showPosition(function, footswitch.function);
    for (size_t i = 0; i < parts.size(); ++i)
        showCheck(parts[i], (footswitch.parts & kFootswitchPartBits[i]) != 0);
    showPosition(kit, footswitch.kit);
    showPosition(key, footswitch.key);
    showVisibility(footswitch);
}

void FootswitchWidgets::read(FootswitchControls& footswitch) const {
    footswitch.function = position(function);
    footswitch.parts = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (parts[i]->isChecked())
            footswitch.parts |= kFootswitchPartBits[i];
    }
    footswitch.kit = position(kit);
    footswitch.key = position(key);
}

void FootswitchWidgets::showVisibility(const FootswitchControls& footswitch) const {
    const FootswitchVisibility visible = footswitchVisibility(footswitch);
    for (QCheckBox* check : parts)
        check->setVisible(visible.parts);
    for (QWidget* widget : {static_cast<QWidget*>(kitLabel), static_cast<QWidget*>(kit),
                            static_cast<QWidget*>(keyLabel), static_cast<QWidget*>(key)})
        widget->setVisible(visible.kitKey);
}

void FootswitchWidgets::setEnabled(bool on) const {
    function->setEnabled(on);
    for (QCheckBox* check : parts)
        check->setEnabled(on);
    for (QWidget* widget : {static_cast<QWidget*>(kitLabel), static_cast<QWidget*>(kit),
                            static_cast<QWidget*>(keyLabel), static_cast<QWidget*>(key)})
        widget->setEnabled(on);
}

void connectFootswitches(QObject* owner,
                         const std::array<std::unique_ptr<FootswitchWidgets>, 2>& widgets,
                         FootswitchPair& state, std::function<void()> readForm) {
    auto showBoth = [&widgets, &state] {
        widgets[0]->show(state[0]);
        widgets[1]->show(state[1]);
    };
    for (int which = 0; which < 2; ++which) {
        const FootswitchWidgets& fs = *widgets[static_cast<size_t>(which)];
        QObject::connect(fs.function, qOverload<int>(&QComboBox::currentIndexChanged), owner,
                         [&state, readForm, showBoth, which] {
                             readForm();
                             footswitchFunctionChanged(state, which);
                             showBoth();
                         });
        for (int i = 0; i < 4; ++i) {
            QObject::connect(fs.parts[static_cast<size_t>(i)], &QCheckBox::toggled, owner,
                             [&state, readForm, showBoth, which, i] {
                                 readForm();
                                 footswitchPartClicked(state, which, FootswitchWidgets::partBit(i));
                                 showBoth();
                             });
        }
    }
}

// ---- Groups ------------------------------------------------------------------------------------

QGroupBox* makeGroup(QWidget* parent, const QString& title, const char* name) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QHBoxLayout* groupColumns(std::initializer_list<std::initializer_list<QWidget*>> columns) {
    auto* row = new QHBoxLayout;
    for (const std::initializer_list<QWidget*>& groups : columns) {
        auto* column = new QVBoxLayout;
        for (QWidget* group : groups)
            column->addWidget(group);
        column->addStretch();
        row->addLayout(column);
    }
    return row;
}

// ---- Split points, fingering and vocal harmony -------------------------------------------------

SplitWidgets SplitWidgets::make(QWidget* box, QAbstractItemModel* notes) {
    SplitWidgets w;
    w.accomp = makeListBox(box, ids::editor::SplitAccomp, notes);
    w.left = makeListBox(box, ids::editor::SplitLeft, notes);
    w.right = makeListBox(box, ids::editor::SplitRight, notes);
    w.fingering = makeListBox(box, ids::editor::Fingering, fingeringItems());
    w.vocalHarmony = makeCheck(box, ids::editor::VocalHarmony, QStringLiteral("V. H."));
    return w;
}

void SplitWidgets::show(const SplitControls& split, int fingeringPosition,
                        bool vocalHarmonyOn) const {
    showPosition(accomp, split.accomp);
    showPosition(left, split.left);
    showPosition(right, split.right);
    showPosition(fingering, fingeringPosition);
    showCheck(vocalHarmony, vocalHarmonyOn);
}

void SplitWidgets::read(SplitControls& split, int& fingeringPosition, bool& vocalHarmonyOn) const {
    split.accomp = position(accomp);
    split.left = position(left);
    split.right = position(right);
    fingeringPosition = position(fingering);
    vocalHarmonyOn = vocalHarmony->isChecked();
}

void SplitWidgets::connectOrder(QObject* owner, SplitControls& split,
                                std::function<void()> readForm) const {
    const SplitWidgets w = *this;
    const auto rule = [w, &split, readForm](SplitBox changed) {
        readForm();
        keepSplitOrder(split, changed);
        showPosition(w.accomp, split.accomp);
        showPosition(w.left, split.left);
        showPosition(w.right, split.right);
    };
    const auto changed = qOverload<int>(&QComboBox::currentIndexChanged);
    QObject::connect(accomp, changed, owner, [rule] { rule(SplitBox::Accomp); });
    QObject::connect(left, changed, owner, [rule] { rule(SplitBox::Left); });
    QObject::connect(right, changed, owner, [rule] { rule(SplitBox::Right); });
}

} // namespace tombrel
