#include "ui/MultiChangeDialog.h"
#include "ui/ControlIds.h"
#include "ui/GuiInteraction.h"
#include "ui/NumberBox.h"
#include "ui/UiText.h"

#include "ScriptedInteraction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

using namespace tombrel;
using test::ScriptedInteraction;

namespace {

constexpr KeyboardModel kPro = KeyboardModel::Psr9000Pro;

// Two registrations that differ in their titles and their R1 volumes.
std::vector<RegRecord> twoRegistrations() {
    std::vector<RegRecord> regs;
    for (const char* title : {"Ballad", "Swing"}) {
        RegRecord r = RegRecord::empty();
        r.setTitle(title);
        r.setSongPath("ATA00:/SONGS/A.MID");
        r.setSplitAccomp(40);
        r.setSplitLeft(50);
        r.setSplitRight(70);
        regs.push_back(r);
    }
    regs[0].setVolume(VoicePart::R1, 90);
    regs[1].setVolume(VoicePart::R1, 100);
    return regs;
}

std::vector<RegRecord*> pointers(std::vector<RegRecord>& regs) {
    std::vector<RegRecord*> p;
    for (RegRecord& r : regs)
        p.push_back(&r);
    return p;
}

template <class W> W* find(const QWidget& dialog, int id) {
    W* w = dialog.findChild<W*>(QString::number(id));
    if (!w)
        qFatal("no control %d", id);
    return w;
}

QComboBox* box(const QWidget& dialog, int id) {
    return find<QComboBox>(dialog, id);
}

void check(const QWidget& dialog, int id, bool on) {
    find<QAbstractButton>(dialog, id)->setChecked(on);
}

using DialogStep = std::function<void(MultiChangeDialog&)>;
using RecordStep = std::function<void(RegRecord&)>;

// Every Set box with the value controls it enables.
const std::vector<std::pair<int, std::vector<int>>>& setBoxControls() {
    static const std::vector<std::pair<int, std::vector<int>>> table = {
        {ids::multiChange::SetR1Voice, {ids::editor::R1Voice}},
        {ids::multiChange::SetR1Volume, {ids::editor::R1Volume}},
        {ids::multiChange::SetR1Octave, {ids::editor::R1Octave}},
        {ids::multiChange::SetR2Voice, {ids::editor::R2Voice}},
        {ids::multiChange::SetR2Volume, {ids::editor::R2Volume}},
        {ids::multiChange::SetR2Octave, {ids::editor::R2Octave}},
        {ids::multiChange::SetR3Voice, {ids::editor::R3Voice}},
        {ids::multiChange::SetR3Volume, {ids::editor::R3Volume}},
        {ids::multiChange::SetR3Octave, {ids::editor::R3Octave}},
        {ids::multiChange::SetLeftVoice, {ids::editor::LeftVoice}},
        {ids::multiChange::SetLeftVolume, {ids::editor::LeftVolume}},
        {ids::multiChange::SetLeftOctave, {ids::editor::LeftOctave}},
        {ids::multiChange::SetUpperOctave, {ids::editor::UpperOctave}},
        {ids::multiChange::SetSplitAccomp, {ids::editor::SplitAccomp}},
        {ids::multiChange::SetSplitLeft, {ids::editor::SplitLeft}},
        {ids::multiChange::SetSplitRight, {ids::editor::SplitRight}},
        {ids::multiChange::SetFingering, {ids::editor::Fingering}},
        {ids::multiChange::SetVocalHarmony, {ids::editor::VocalHarmony}},
        {ids::multiChange::SetVolumePedal, {ids::editor::VolumePedalMode}},
        {ids::multiChange::SetFootswitch1,
         {ids::editor::Footswitch1Function, ids::editor::Footswitch1Left,
          ids::editor::Footswitch1R1, ids::editor::Footswitch1R2, ids::editor::Footswitch1R3,
          ids::editor::Footswitch1Kit, ids::editor::Footswitch1Key}},
        {ids::multiChange::SetFootswitch2,
         {ids::editor::Footswitch2Function, ids::editor::Footswitch2Left,
          ids::editor::Footswitch2R1, ids::editor::Footswitch2R2, ids::editor::Footswitch2R3,
          ids::editor::Footswitch2Kit, ids::editor::Footswitch2Key}},
        {ids::multiChange::SetSongVolume, {ids::editor::SongVolume}},
        {ids::multiChange::SetSongDrive, {ids::multiChange::SongDrive}},
    };
    return table;
}

} // namespace

class MultiChangeDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensWithEverySetBoxOff() {
        std::vector<RegRecord> regs = twoRegistrations();
        MultiChangeForm common = MultiChangeForm::gather(pointers(regs), kPro);
        common.set.fill(true); // whatever the caller hands over, nothing starts set
        ScriptedInteraction ui;
        MultiChangeDialog dialog(common, ui, Language::English);
        for (const auto& [setId, controls] : setBoxControls()) {
            QVERIFY(!find<QCheckBox>(dialog, setId)->isChecked());
            for (int id : controls)
                QVERIFY2(!find<QWidget>(dialog, id)->isEnabled(), qPrintable(QString::number(id)));
        }
        for (int id = ids::editor::PedalSong; id <= ids::editor::PedalMic; ++id)
            QVERIFY(!find<QWidget>(dialog, id)->isEnabled());
    }

    void eachSetBoxEnablesItsOwnControls() {
        std::vector<RegRecord> regs = twoRegistrations();
        ScriptedInteraction ui;
        MultiChangeDialog dialog(MultiChangeForm::gather(pointers(regs), kPro), ui,
                                 Language::English);
        for (const auto& [setId, controls] : setBoxControls()) {
            check(dialog, setId, true);
            for (const auto& [otherSet, otherControls] : setBoxControls()) {
                for (int id : otherControls)
                    QVERIFY2(find<QWidget>(dialog, id)->isEnabled() == (otherSet == setId),
                             qPrintable(QStringLiteral("Set %1, control %2").arg(setId).arg(id)));
            }
            check(dialog, setId, false);
        }
    }

    void showsTheCommonValues() {
        std::vector<RegRecord> regs = twoRegistrations();
        regs[0].setVoice(VoicePart::R2, VoiceTable::keyOf(0, 112, 0));
        regs[1].setVoice(VoicePart::R2, VoiceTable::keyOf(0, 113, 0));
        regs[1].setSplitLeft(55);
        ScriptedInteraction ui;
        MultiChangeDialog dialog(MultiChangeForm::gather(pointers(regs), kPro), ui,
                                 Language::English);
        QCOMPARE(find<NumberBox>(dialog, ids::editor::R1Volume)->number(), 0); // R1 volumes differ
        QCOMPARE(find<NumberBox>(dialog, ids::editor::R2Volume)->number(), 100); // R2 volumes agree
        QCOMPARE(box(dialog, ids::editor::R1Voice)->currentIndex(),
                 VoiceTable::rowOfKey(regs[0].voice(VoicePart::R1)));
        QCOMPARE(box(dialog, ids::editor::R2Voice)->currentIndex(), -1); // R2 voices differ
        QCOMPARE(box(dialog, ids::editor::R2Voice)->count(), VoiceTable::RowCount);
        QCOMPARE(box(dialog, ids::editor::SplitLeft)->currentIndex(),
                 -1); // left split points differ
        QCOMPARE(box(dialog, ids::editor::SplitAccomp)->currentIndex(), 40);
        QCOMPARE(box(dialog, ids::multiChange::SongDrive)->currentText().left(6),
                 QStringLiteral("ATA00:"));
    }

    void oneSetBoxWritesExactlyItsField_data() {
        QTest::addColumn<int>("setBox");
        QTest::addColumn<DialogStep>("choose");
        QTest::addColumn<RecordStep>("expected");
        QTest::newRow("R1 voice") << ids::multiChange::SetR1Voice
                                  << DialogStep([](MultiChangeDialog& d) {
                                         box(d, ids::editor::R1Voice)->setCurrentIndex(1);
                                     })
                                  << RecordStep([](RegRecord& r) {
                                         r.setVoice(VoicePart::R1, VoiceTable::keyOfRow(1));
                                     });
        QTest::newRow("R1 volume left at the blank 0")
            << ids::multiChange::SetR1Volume << DialogStep([](MultiChangeDialog&) {})
            << RecordStep([](RegRecord& r) { r.setVolume(VoicePart::R1, 0); });
        QTest::newRow("R2 volume")
            << ids::multiChange::SetR2Volume << DialogStep([](MultiChangeDialog& d) {
                   find<NumberBox>(d, ids::editor::R2Volume)->setNumber(64);
               })
            << RecordStep([](RegRecord& r) { r.setVolume(VoicePart::R2, 64); });
        QTest::newRow("Left octave")
            << ids::multiChange::SetLeftOctave << DialogStep([](MultiChangeDialog& d) {
                   box(d, ids::editor::LeftOctave)->setCurrentIndex(4);
               })
            << RecordStep([](RegRecord& r) { r.setOctave(VoicePart::Left, 2); });
        QTest::newRow("upper octave")
            << ids::multiChange::SetUpperOctave << DialogStep([](MultiChangeDialog& d) {
                   box(d, ids::editor::UpperOctave)->setCurrentIndex(0);
               })
            << RecordStep([](RegRecord& r) { r.setUpperOctave(-1); });
        QTest::newRow("left split")
            << ids::multiChange::SetSplitLeft << DialogStep([](MultiChangeDialog& d) {
                   box(d, ids::editor::SplitLeft)->setCurrentIndex(55);
               })
            << RecordStep([](RegRecord& r) { r.setSplitLeft(55); });
        QTest::newRow("fingering")
            << ids::multiChange::SetFingering << DialogStep([](MultiChangeDialog& d) {
                   box(d, ids::editor::Fingering)->setCurrentIndex(2);
               })
            << RecordStep([](RegRecord& r) { r.setFingeringPosition(2); });
        QTest::newRow("vocal harmony")
            << ids::multiChange::SetVocalHarmony
            << DialogStep([](MultiChangeDialog& d) { check(d, ids::editor::VocalHarmony, true); })
            << RecordStep([](RegRecord& r) { r.setVocalHarmony(true); });
        QTest::newRow("volume pedal")
            << ids::multiChange::SetVolumePedal << DialogStep([](MultiChangeDialog& d) {
                   box(d, ids::editor::VolumePedalMode)->setCurrentIndex(1);
                   check(d, ids::editor::PedalMic, false);
               })
            << RecordStep([](RegRecord& r) {
                   r.setVolumePedalIndividual(true);
                   for (int part = 0; part < 8; ++part)
                       r.setVolumePedalPart(PedalPart(part), PedalPart(part) != PedalPart::Mic);
               });
        QTest::newRow("footswitch 2")
            << ids::multiChange::SetFootswitch2 << DialogStep([](MultiChangeDialog& d) {
                   box(d, ids::editor::Footswitch2Function)->setCurrentIndex(7);
               })
            << RecordStep([](RegRecord& r) { r.setFootswitchPosition(2, 7); });
        QTest::newRow("song volume")
            << ids::multiChange::SetSongVolume << DialogStep([](MultiChangeDialog& d) {
                   find<NumberBox>(d, ids::editor::SongVolume)->setNumber(33);
               })
            << RecordStep([](RegRecord& r) { r.setSongVolume(33); });
        QTest::newRow("song drive")
            << ids::multiChange::SetSongDrive << DialogStep([](MultiChangeDialog& d) {
                   box(d, ids::multiChange::SongDrive)->setCurrentIndex(8);
               })
            << RecordStep([](RegRecord& r) { r.setSongPath("SCS10:/SONGS/A.MID"); });
    }

    void oneSetBoxWritesExactlyItsField() {
        QFETCH(int, setBox);
        QFETCH(DialogStep, choose);
        QFETCH(RecordStep, expected);
        std::vector<RegRecord> regs = twoRegistrations();
        ScriptedInteraction ui;
        MultiChangeDialog dialog(MultiChangeForm::gather(pointers(regs), kPro), ui,
                                 Language::English);
        const std::vector<RegRecord> gathered = regs; // normalised by the gathering
        dialog.show();
        check(dialog, setBox, true);
        choose(dialog);
        QTest::mouseClick(find<QPushButton>(dialog, ids::Ok), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(ui.events().empty());
        dialog.form().applyTo(pointers(regs));
        for (size_t i = 0; i < regs.size(); ++i) {
            RegRecord want = gathered[i];
            expected(want);
            QVERIFY2(regs[i] == want, qPrintable(QStringLiteral("registration %1").arg(i)));
        }
    }

    void okWithoutASetBoxIsCancel_data() {
        QTest::addColumn<bool>("touchValues");
        QTest::newRow("untouched") << false;
        QTest::newRow("values changed, no Set box") << true;
    }

    void okWithoutASetBoxIsCancel() {
        QFETCH(bool, touchValues);
        std::vector<RegRecord> regs = twoRegistrations();
        ScriptedInteraction ui;
        const MultiChangeForm common = MultiChangeForm::gather(pointers(regs), kPro);
        QTimer::singleShot(0, [touchValues] {
            auto* dialog = qobject_cast<MultiChangeDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            if (touchValues) {
                find<NumberBox>(*dialog, ids::editor::R2Volume)->setNumber(5);
                check(*dialog, ids::multiChange::SetR1Voice, true);
                check(*dialog, ids::multiChange::SetR1Voice, false);
            }
            QTest::mouseClick(find<QPushButton>(*dialog, ids::Ok), Qt::LeftButton);
        });
        QVERIFY(!multiChange(nullptr, common, ui, Language::English));
        QVERIFY(ui.events().empty());
    }

    void volumePedalPartsNeedSetAndIndividual() {
        std::vector<RegRecord> regs = twoRegistrations();
        ScriptedInteraction ui;
        MultiChangeDialog dialog(MultiChangeForm::gather(pointers(regs), kPro), ui,
                                 Language::English);
        box(dialog, ids::editor::VolumePedalMode)->setCurrentIndex(1);
        QVERIFY(!find<QWidget>(dialog, ids::editor::PedalSong)->isEnabled());
        check(dialog, ids::multiChange::SetVolumePedal, true);
        QVERIFY(find<QWidget>(dialog, ids::editor::PedalSong)->isEnabled());
        box(dialog, ids::editor::VolumePedalMode)->setCurrentIndex(0);
        QVERIFY(!find<QWidget>(dialog, ids::editor::PedalSong)->isEnabled());
        for (int id = ids::editor::PedalSong; id <= ids::editor::PedalMic; ++id)
            QVERIFY(find<QCheckBox>(dialog, id)->isChecked());
    }

    void splitPointsStayInOrderWithoutTheirSetBoxes() {
        std::vector<RegRecord> regs = twoRegistrations();
        ScriptedInteraction ui;
        MultiChangeDialog dialog(MultiChangeForm::gather(pointers(regs), kPro), ui,
                                 Language::English);
        box(dialog, ids::editor::SplitAccomp)->setCurrentIndex(60);
        QCOMPARE(box(dialog, ids::editor::SplitLeft)->currentIndex(), 60);
        QCOMPARE(box(dialog, ids::editor::SplitRight)->currentIndex(), 70);
    }

    void refusesAVolumeAbove127() {
        std::vector<RegRecord> regs = twoRegistrations();
        for (RegRecord& r : regs)
            r.setVolume(VoicePart::R3, 200);
        ScriptedInteraction ui;
        MultiChangeDialog dialog(MultiChangeForm::gather(pointers(regs), kPro), ui,
                                 Language::English);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(find<NumberBox>(dialog, ids::editor::R3Volume)->number(), 200); // shown as stored
        check(dialog, ids::multiChange::SetR3Volume, true);
        QTest::mouseClick(find<QPushButton>(dialog, ids::Ok), Qt::LeftButton);
        QCOMPARE(ui.messageIds(), std::vector{&msg::EnterIntegerBetween});
        QCOMPARE(fromUtf8(ui.events()[0].message.text(Language::German)),
                 QStringLiteral("Bitte geben Sie eine ganze Zahl zwischen 0 und 127 ein."));
        QVERIFY(dialog.isVisible());
        QCOMPARE(QApplication::focusWidget(), find<QWidget>(dialog, ids::editor::R3Volume));
    }

    void songVolumeOpensAtZero() {
        std::vector<RegRecord> regs = twoRegistrations();
        for (RegRecord& r : regs)
            r.setSongVolume(78);
        ScriptedInteraction ui;
        MultiChangeDialog dialog(MultiChangeForm::gather(pointers(regs), kPro), ui,
                                 Language::English);
        QCOMPARE(find<NumberBox>(dialog, 1075)->text(), QStringLiteral("0"));
        // Set and confirmed untouched, it writes 0 as shown.
        check(dialog, 1197, true);
        QTest::mouseClick(find<QPushButton>(dialog, 1), Qt::LeftButton);
        dialog.form().applyTo(pointers(regs));
        QCOMPARE(regs[0].songVolume(), 0);
        QCOMPARE(regs[1].songVolume(), 0);
    }

    // A typed volume outside 0..127, or text that is no number, gets the range message in the
    // window's language; the edit gets the focus with its text selected and the dialog stays.
    void typedVolumesAreCheckedAtOk_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<int>("setBox");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        const struct {
            const char* name;
            int setBox;
            int field;
            const char* typed;
        } cases[] = {
            {"R2 volume above", 1180, 1069, "128"},
            {"Left volume negative", 1186, 1060, "-1"},
            {"song volume that is no number", 1197, 1075, "half"},
            {"song volume emptied", 1197, 1075, ""},
        };
        for (const Language lang : {Language::English, Language::German}) {
            for (const auto& c : cases)
                QTest::addRow("%s, %s", lang == Language::German ? "German" : "English", c.name)
                    << int(lang) << c.setBox << c.field << QString::fromLatin1(c.typed);
        }
    }

    void typedVolumesAreCheckedAtOk() {
        QFETCH(int, lang);
        QFETCH(int, setBox);
        QFETCH(int, field);
        QFETCH(QString, typed);
        std::vector<RegRecord> regs = twoRegistrations();
        GuiInteraction ui{Language(lang)};
        MultiChangeDialog dialog(MultiChangeForm::gather(pointers(regs), kPro), ui, Language(lang));
        ui.setParentWidget(&dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        check(dialog, setBox, true);
        auto* edit = find<NumberBox>(dialog, field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);

        QString shown;
        QTimer::singleShot(0, [&shown] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = box->text();
            box->accept();
        });
        QTest::mouseClick(find<QPushButton>(dialog, 1), Qt::LeftButton);
        QCOMPARE(shown,
                 Language(lang) == Language::German
                     ? QStringLiteral("Bitte geben Sie eine ganze Zahl zwischen 0 und 127 ein.")
                     : QStringLiteral("Please enter an integer between 0 and 127."));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(edit));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(edit));
        QCOMPARE(edit->text(), typed);
        QCOMPARE(edit->lineEdit()->selectedText(), typed);

        // The same text in an edit whose Set box is off is not written and not checked.
        check(dialog, setBox, false);
        QTest::mouseClick(find<QPushButton>(dialog, 1), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // no Set box on: as cancelled
    }

    void captions_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("English") << int(Language::English) << "Multi Change"
                                 << "&Cancel";
        QTest::newRow("German") << int(Language::German) << "Mehrfach \u00c4nderung"
                                << "Abbrechen";
    }

    void captions() {
        QFETCH(int, lang);
        QFETCH(QString, title);
        QFETCH(QString, cancel);
        std::vector<RegRecord> regs = twoRegistrations();
        ScriptedInteraction ui;
        MultiChangeDialog dialog(MultiChangeForm::gather(pointers(regs), kPro), ui, Language(lang));
        QCOMPARE(dialog.windowTitle(), title);
        QCOMPARE(find<QPushButton>(dialog, ids::Cancel)->text(), cancel);
        QCOMPARE(find<QPushButton>(dialog, ids::Ok)->text(), QStringLiteral("&OK"));
        QCOMPARE(find<QCheckBox>(dialog, ids::multiChange::SetSongDrive)->text(),
                 QStringLiteral("Set Song Drive:"));
        QCOMPARE(find<QCheckBox>(dialog, ids::multiChange::SetLeftVolume)->text(),
                 QStringLiteral("Set Left-Vol.:"));
        dialog.show();
        QVERIFY2(dialog.width() <= 1280 && dialog.height() <= 720,
                 qPrintable(QStringLiteral("%1 x %2").arg(dialog.width()).arg(dialog.height())));
    }
};

QTEST_MAIN(MultiChangeDialogTest)
#include "MultiChangeDialogTest.moc"
