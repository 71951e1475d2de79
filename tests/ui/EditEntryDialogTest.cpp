#include "ui/EditEntryDialog.h"
#include "ui/ControlIds.h"
#include "ui/GuiInteraction.h"
#include "ui/NumberBox.h"
#include "ui/UiText.h"
#include "ui/VoiceListModel.h"

#include "RegRecordSamples.h"
#include "ScriptedInteraction.h"
#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleNameTable.h"
#include "core/text/Text1252.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <set>

using namespace tombrel;
using test::ScriptedInteraction;

namespace {

constexpr KeyboardModel kPsr9000 = KeyboardModel::Psr9000;
constexpr KeyboardModel kPro = KeyboardModel::Psr9000Pro;

struct Tables {
    StyleNameTable styles;
    DiskStyleTexts disk;
    Tables() {
        styles.fillFactoryNames(true);
        disk.fillDiskNumberNames();
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

SongPathMappings homeMappings() {
    SongPathMappings m = SongPathMappings::defaults();
    m.pairs[1] = {"ATA00:", "/home/anna/Keyboard"};
    return m;
}

EditEntryContext contextFor(Interaction& ui, KeyboardModel model = kPro,
                            Language lang = Language::English) {
    EditEntryContext c;
    c.model = model;
    c.songPaths = homeMappings();
    c.styles = &tables().styles;
    c.diskStyles = &tables().disk;
    c.interaction = &ui;
    c.lang = lang;
    return c;
}

RegRecord sample() {
    RegRecord r = RegRecord::empty();
    r.setTitle("Piano Ballad");
    return r;
}

// The right split byte 0 cannot be written through the accessors (they always set bit 7), so a
// random registration that holds it is picked: its right split reads as the top key, and writing
// the top key back changes the byte.
RegRecord recordWithRightSplitByteZero() {
    for (uint32_t seed = 1;; ++seed) {
        const RegRecord r = test::randomRecord(seed);
        RegRecord top = r;
        top.setSplitRight(127);
        if (r.splitRight() == 127 && top != r)
            return r;
    }
}

// What the core form stores for an untouched registration.
RegRecord coreStore(RegRecord record, KeyboardModel model) {
    const EditEntryForm form = EditEntryForm::load(record, model, homeMappings());
    const auto error = form.storeInto(record);
    Q_ASSERT(!error);
    return record;
}

template <class W> W* find(const QWidget& dialog, int id) {
    W* w = dialog.findChild<W*>(QString::number(id));
    if (!w)
        qFatal("no control %d", id);
    return w;
}

void click(const QWidget& dialog, int id) {
    QTest::mouseClick(find<QAbstractButton>(dialog, id), Qt::LeftButton);
}

QComboBox* box(const QWidget& dialog, int id) {
    return find<QComboBox>(dialog, id);
}

QString hex(const RegRecord& r) {
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(r.data()), static_cast<qsizetype>(RegRecord::Size))
            .toHex());
}

// Voice box ids of the four keyboard voices and the eight accompaniment parts.
const int kVoiceBoxIds[] = {
    ids::editor::R1Voice,      ids::editor::R2Voice,      ids::editor::R3Voice,
    ids::editor::LeftVoice,    ids::editEntry::Rhy1Voice, ids::editEntry::Rhy2Voice,
    ids::editEntry::BassVoice, ids::editEntry::Chd1Voice, ids::editEntry::Chd2Voice,
    ids::editEntry::PadVoice,  ids::editEntry::Phr1Voice, ids::editEntry::Phr2Voice};

} // namespace

class EditEntryDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cancelLeavesTheCallerUntouched_data() {
        QTest::addColumn<int>("how"); // 0 Cancel button, 1 Escape key, 2 window closed
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("closed") << 2;
    }

    void cancelLeavesTheCallerUntouched() {
        QFETCH(int, how);
        ScriptedInteraction ui;
        const RegRecord original = recordWithRightSplitByteZero();
        RegRecord record = original;
        EditEntryDialog dialog(record, contextFor(ui));
        dialog.show();
        // The dialog shows the registration in order: the opening normalises its copy.
        QVERIFY(dialog.record() != original);
        find<QLineEdit>(dialog, ids::editEntry::Title)->setText(QStringLiteral("Changed"));
        if (how == 0)
            click(dialog, ids::Cancel);
        else if (how == 1)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        QCOMPARE(dialog.editResult(), EditEntryResult::Cancel);
        QVERIFY(ui.events().empty());
        QCOMPARE(hex(record), hex(original));
    }

    void editEntryCopiesBackOnlyWhatWasStored() {
        // The function the panes call: Cancel leaves the caller's bytes, OK hands the store back.
        ScriptedInteraction ui;
        const RegRecord original = recordWithRightSplitByteZero();
        for (const bool ok : {false, true}) {
            RegRecord record = original;
            QTimer::singleShot(0, [ok] {
                auto* dialog = qobject_cast<EditEntryDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                click(*dialog, ok ? 1 : 2);
            });
            const EditEntryResult result = editEntry(nullptr, record, contextFor(ui));
            QCOMPARE(result, ok ? EditEntryResult::Ok : EditEntryResult::Cancel);
            QCOMPARE(hex(record), hex(ok ? coreStore(original, kPro) : original));
        }
    }

    void untouchedOkStoresWhatTheFormStores_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QByteArray>("bytes");
        const auto row = [](const char* name, KeyboardModel model, const RegRecord& r) {
            QTest::newRow(name) << int(model)
                                << QByteArray(reinterpret_cast<const char*>(r.data()),
                                              static_cast<qsizetype>(RegRecord::Size));
        };
        row("plain", kPsr9000, sample());
        RegRecord r = sample();
        r.setVoice(VoicePart::R1, VoiceTable::keyOf(0, 113, 0)); // Live!Grand, pro only
        row("pro-only voice on the PSR-9000", kPsr9000, r);
        row("pro-only voice on the pro", kPro, r);
        r = sample();
        r.setVoice(VoicePart::R2, VoiceTable::keyOf(1, 2, 3));
        r.setPartVoice(AccPart::Bass, RegRecord::NoVoice);
        row("voices in no row", kPro, r);
        r = sample();
        r.setStyleBytes(RegRecord::FirstDiskStyle, 250);
        row("style index beyond 494", kPro, r);
        r = sample();
        r.setStyleBytes(200, 17); // flash style with a stray disk number
        row("flash style with a disk number", kPro, r);
        r = sample();
        r.setVolume(VoicePart::R3, 200);
        r.setPartVolume(AccPart::Pad, 255);
        row("volumes above 127", kPro, r);
        r = sample();
        r.setVariation(3);
        row("variation outside Main A..D", kPro, r);
        r = sample();
        r.setFootswitchPosition(1, kFootswitchPercussionPosition);
        r.setFootswitchKit(1, 25); // the last pro kit: none on the PSR-9000
        r.setFootswitchKey(1, 127);
        row("kit beyond the PSR-9000 list", kPsr9000, r);
        r = sample();
        r.setSongPath("ATA00:/SONGS/A B.MID");
        row("song on a mapped drive", kPro, r);
        r = sample();
        r.setSongPath(std::string(82, 'X'));
        row("song path longer than 80", kPro, r);
        r = sample();
        r.setTitle("   ");
        row("title of blanks", kPro, r);
        for (uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
            const std::string name = "random " + std::to_string(seed);
            row(name.c_str(), seed % 2 ? kPsr9000 : kPro, test::randomRecord(seed));
        }
    }

    void untouchedOkStoresWhatTheFormStores() {
        QFETCH(int, model);
        QFETCH(QByteArray, bytes);
        const RegRecord original =
            RegRecord::fromBytes(reinterpret_cast<const uint8_t*>(bytes.constData()));
        ScriptedInteraction ui;
        EditEntryDialog dialog(original, contextFor(ui, KeyboardModel(model)));
        dialog.show();
        click(dialog, ids::Ok);
        QVERIFY2(ui.events().empty(),
                 ui.events().empty() ? "" : ui.events()[0].message.text(Language::English).c_str());
        QCOMPARE(dialog.editResult(), EditEntryResult::Ok);
        QCOMPARE(hex(dialog.record()), hex(coreStore(original, KeyboardModel(model))));
    }

    void voiceBoxesShowTheTable_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("shown");
        const int liveGrand = VoiceTable::keyOf(0, 113, 0);
        QTest::newRow("pro-only on PSR-9000") << 1 << liveGrand << 880 << 0 << "<0,113,0>";
        QTest::newRow("pro-only on pro") << 2 << liveGrand << 880 << 0 << "Piano - Live!Grand";
        QTest::newRow("ampersand")
            << 2 << VoiceTable::keyOf(0, 116, 52) << 880 << 245 << "Choir&Pad - Live!Gospel";
        QTest::newRow("in no row") << 2 << VoiceTable::keyOf(1, 2, 3) << 881 << 880 << "<1,2,3>";
        QTest::newRow("no voice") << 1 << RegRecord::NoVoice << 881 << 880 << "<255,255,255>";
    }

    void voiceBoxesShowTheTable() {
        QFETCH(int, model);
        QFETCH(int, key);
        QFETCH(int, count);
        QFETCH(int, selected);
        QFETCH(QString, shown);
        RegRecord r = sample();
        r.setVoice(VoicePart::R1, key);
        r.setPartVoice(AccPart::Phr2, key);
        ScriptedInteraction ui;
        EditEntryDialog dialog(r, contextFor(ui, KeyboardModel(model)));
        for (int id : {ids::editor::R1Voice, ids::editEntry::Phr2Voice}) {
            QComboBox* voice = box(dialog, id);
            QCOMPARE(voice->count(), count);
            QCOMPARE(voice->currentIndex(), selected);
            QCOMPARE(voice->currentText(), shown);
            QCOMPARE(voice->currentData(VoiceListModel::KeyRole).toInt(), key);
        }
        // The other boxes show the default voices from the one shared list of rows.
        std::set<const QAbstractItemModel*> shared;
        for (int id : kVoiceBoxIds) {
            if (box(dialog, id)->count() == VoiceTable::RowCount)
                shared.insert(box(dialog, id)->model());
        }
        QCOMPARE(shared.size(), size_t(1));
    }

    void kitBoxesListTheModelsDrumKits_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("kitOne");
        QTest::newRow("PSR-9000") << int(kPsr9000) << 18 << "Live!Funk+P";
        QTest::newRow("PSR-9000pro") << int(kPro) << 26 << "Live!FunkKt";
    }

    void kitBoxesListTheModelsDrumKits() {
        QFETCH(int, model);
        QFETCH(int, count);
        QFETCH(QString, kitOne);
        RegRecord r = sample();
        r.setFootswitchPosition(2, kFootswitchPercussionPosition);
        r.setFootswitchKit(2, 1);
        ScriptedInteraction ui;
        EditEntryDialog dialog(r, contextFor(ui, KeyboardModel(model)));
        for (int id : {ids::editor::Footswitch1Kit, ids::editor::Footswitch2Kit})
            QCOMPARE(box(dialog, id)->count(), count);
        QCOMPARE(box(dialog, ids::editor::Footswitch2Kit)->currentText(), kitOne);
    }

    void styleBoxShowsEveryStyleByName() {
        ScriptedInteraction ui;
        RegRecord r = sample();
        r.setStyleIndex(300);
        EditEntryDialog dialog(r, contextFor(ui));
        QComboBox* style = box(dialog, ids::editEntry::Style);
        QCOMPARE(style->count(), 495);
        QCOMPARE(style->currentIndex(), 300);
        QCOMPARE(style->currentText(), QStringLiteral("DiskStyle <056>"));
        QCOMPARE(style->itemText(0).toStdString(), *tables().styles.styleDisplayName(0, {}));

        r.setStyleBytes(RegRecord::FirstDiskStyle, 250);
        EditEntryDialog beyond(r, contextFor(ui));
        QCOMPARE(box(beyond, ids::editEntry::Style)->currentIndex(), -1);
    }

    void masterTransposeMovesSongAndKeyboard_data() {
        QTest::addColumn<int>("master");
        QTest::addColumn<int>("song");
        QTest::addColumn<int>("keyboard");
        QTest::addColumn<QList<int>>("newMasters");
        QTest::addColumn<int>("expectSong");
        QTest::addColumn<int>("expectKeyboard");
        QTest::newRow("up, song held at +24") << 0 << 10 << 0 << QList<int>{20} << 24 << 20;
        QTest::newRow("down") << 0 << 0 << -5 << QList<int>{-3} << -3 << -8;
        QTest::newRow("down, song held at -24") << 5 << -24 << 24 << QList<int>{-5} << -24 << 14;
        QTest::newRow("steps add up") << 0 << 0 << 0 << QList<int>{5, 10} << 10 << 10;
        QTest::newRow("clamped steps do not come back")
            << 0 << 20 << 0 << QList<int>{10, 0} << 14 << 0;
    }

    void masterTransposeMovesSongAndKeyboard() {
        QFETCH(int, master);
        QFETCH(int, song);
        QFETCH(int, keyboard);
        QFETCH(QList<int>, newMasters);
        QFETCH(int, expectSong);
        QFETCH(int, expectKeyboard);
        RegRecord r = sample();
        r.setTransposeMaster(master);
        r.setTransposeSong(song);
        r.setTransposeKeyboard(keyboard);
        ScriptedInteraction ui;
        EditEntryDialog dialog(r, contextFor(ui));
        dialog.show();
        for (int m : newMasters)
            box(dialog, ids::editEntry::TransposeMaster)->setCurrentIndex(m + 24);
        QCOMPARE(box(dialog, ids::editEntry::TransposeSong)->currentText().toInt(), expectSong);
        QCOMPARE(box(dialog, ids::editEntry::TransposeKeyboard)->currentText().toInt(),
                 expectKeyboard);
        click(dialog, ids::Ok);
        QCOMPARE(dialog.record().transposeMaster(), newMasters.last());
        QCOMPARE(dialog.record().transposeSong(), expectSong);
        QCOMPARE(dialog.record().transposeKeyboard(), expectKeyboard);
    }

    void okRefusesWhatCannotBeStored_data() {
        QTest::addColumn<std::function<void(RegRecord&)>>("prepare");
        QTest::addColumn<std::function<void(EditEntryDialog&)>>("edit");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focus");
        const auto none = [](RegRecord&) {
        };
        QTest::newRow("empty title")
            << std::function<void(RegRecord&)>(none)
            << std::function<void(EditEntryDialog&)>(
                   [](EditEntryDialog& d) { find<QLineEdit>(d, ids::editEntry::Title)->clear(); })
            << "The title must not be empty!" << ids::editEntry::Title;
        QTest::newRow("song path too long")
            << std::function<void(RegRecord&)>(none)
            << std::function<void(EditEntryDialog&)>([](EditEntryDialog& d) {
                   find<QLineEdit>(d, ids::editEntry::Song)
                       ->setText(QStringLiteral("C:/") + QString(90, 'a'));
               })
            << "Please enter no more than 80 characters." << ids::editEntry::Song;
        QTest::newRow("stored tempo out of range")
            << std::function<void(RegRecord&)>([](RegRecord& r) { r.setTempo(300); })
            << std::function<void(EditEntryDialog&)>([](EditEntryDialog&) {})
            << "Please enter an integer between 32 and 280." << ids::editEntry::Tempo;
    }

    void okRefusesWhatCannotBeStored() {
        QFETCH(std::function<void(RegRecord&)>, prepare);
        QFETCH(std::function<void(EditEntryDialog&)>, edit);
        QFETCH(QString, message);
        QFETCH(int, focus);
        RegRecord r = sample();
        prepare(r);
        ScriptedInteraction ui;
        EditEntryDialog dialog(r, contextFor(ui));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const RegRecord opened = dialog.record();
        edit(dialog);
        for (int button : {1, ids::editEntry::Previous, ids::editEntry::Next}) {
            ui.clearEvents();
            click(dialog, button);
            QCOMPARE(ui.kinds(), std::vector{ScriptedInteraction::Kind::Warn});
            QCOMPARE(fromUtf8(ui.events()[0].message.text(Language::English)), message);
            QVERIFY(dialog.isVisible());
            QCOMPARE(QApplication::focusWidget(), dialog.control(focus)->focusProxy()
                                                      ? dialog.control(focus)->focusProxy()
                                                      : dialog.control(focus));
            QCOMPARE(hex(dialog.record()), hex(opened));
        }
        QCOMPARE(dialog.editResult(), EditEntryResult::Cancel);
    }

    // What the user types into a number edit reaches the check on OK: a number outside the
    // range, or text that is none, gets the range message in the window's language through the
    // real message box, the focus goes to the edit with its text selected, and the dialog stays
    // open with nothing stored.
    void typedNumbersAreCheckedAtOk_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enterKey");
        QTest::addColumn<QString>("message");
        const QString tempo = QStringLiteral("32 and 280");
        const QString volume = QStringLiteral("0 and 127");
        const struct {
            const char* name;
            int field;
            const char* typed;
            bool enterKey;
            QString range;
        } cases[] = {
            {"tempo below its range", 1026, "20", false, tempo},
            {"tempo above its range", 1026, "300", false, tempo},
            {"tempo by the Enter key", 1026, "20", true, tempo},
            {"tempo that is no number", 1026, "fast", false, tempo},
            {"tempo emptied", 1026, "", false, tempo},
            {"R1 volume", 1065, "128", false, volume},
            {"Left volume negative", 1060, "-3", false, volume},
            {"accompaniment volume", 1032, "1e3", false, volume},
            {"Rhy1 part volume", 1036, "200", false, volume},
            {"song volume", 1075, "loud", true, volume},
        };
        for (const Language lang : {Language::English, Language::German}) {
            const bool german = lang == Language::German;
            for (const auto& c : cases) {
                QString range = c.range;
                if (german)
                    range.replace(QStringLiteral(" and "), QStringLiteral(" und "));
                const QString message =
                    german ? QStringLiteral("Bitte geben Sie eine ganze Zahl zwischen %1 ein.")
                                 .arg(range)
                           : QStringLiteral("Please enter an integer between %1.").arg(range);
                QTest::addRow("%s, %s", german ? "German" : "English", c.name)
                    << int(lang) << c.field << QString::fromLatin1(c.typed) << c.enterKey
                    << message;
            }
        }
    }

    void typedNumbersAreCheckedAtOk() {
        QFETCH(int, lang);
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(bool, enterKey);
        QFETCH(QString, message);
        RegRecord r = sample();
        r.setTempo(76);
        r.setPartSetVolume(AccPart::Rhy1, true); // the Rhy1 volume edit is enabled
        GuiInteraction ui{Language(lang)};
        EditEntryDialog dialog(r, contextFor(ui, kPro, Language(lang)));
        ui.setParentWidget(&dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const RegRecord opened = dialog.record();

        auto* edit = find<NumberBox>(dialog, field);
        QVERIFY(edit->isEnabled());
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), typed);

        QString shown;
        QString button;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = box->text();
            QCOMPARE(box->icon(), QMessageBox::Warning);
            button = box->button(QMessageBox::Ok)->text();
            box->accept();
        });
        if (enterKey)
            QTest::keyClick(edit, Qt::Key_Return);
        else
            click(dialog, 1);
        QCOMPARE(shown, message);
        QVERIFY(!button.isEmpty());
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.editResult(), EditEntryResult::Cancel);
        QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(edit));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(edit));
        QCOMPARE(edit->text(), typed); // what was typed is still there to correct
        QCOMPARE(edit->lineEdit()->selectedText(), typed);
        QCOMPARE(hex(dialog.record()), hex(opened));

        // Corrected, the value is stored.
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("100"));
        click(dialog, 1);
        QCOMPARE(dialog.editResult(), EditEntryResult::Ok);
        QVERIFY(!dialog.isVisible());
    }

    void numberButtonsStepInsideTheRange() {
        ScriptedInteraction ui;
        RegRecord r = sample();
        r.setTempo(279);
        EditEntryDialog dialog(r, contextFor(ui));
        dialog.show();
        auto* tempo = find<NumberBox>(dialog, 1026);
        tempo->setFocus();
        QTest::keyClick(tempo, Qt::Key_Up);
        QTest::keyClick(tempo, Qt::Key_Up);
        QCOMPARE(tempo->text(), QStringLiteral("280"));
        tempo->stepBy(-1000);
        QCOMPARE(tempo->text(), QStringLiteral("32"));
        tempo->lineEdit()->setText(QStringLiteral("abc"));
        tempo->stepBy(1);
        QCOMPARE(tempo->text(), QStringLiteral("32"));
        click(dialog, 1);
        QCOMPARE(dialog.record().tempo(), 32);
        QVERIFY(ui.events().empty());
    }

    void previousAndNextStoreLikeOk_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << 1 << int(EditEntryResult::Ok);
        QTest::newRow("Previous") << ids::editEntry::Previous << int(EditEntryResult::Previous);
        QTest::newRow("Next") << ids::editEntry::Next << int(EditEntryResult::Next);
    }

    void previousAndNextStoreLikeOk() {
        QFETCH(int, button);
        QFETCH(int, result);
        ScriptedInteraction ui;
        EditEntryDialog dialog(sample(), contextFor(ui));
        dialog.show();
        find<QLineEdit>(dialog, ids::editEntry::Title)->setText(QStringLiteral("Caf\u00e9 Jazz"));
        find<NumberBox>(dialog, ids::editor::R1Volume)->setNumber(77);
        click(dialog, button);
        QCOMPARE(int(dialog.editResult()), result);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.record().title(), std::string("Caf\xE9 Jazz"));
        QCOMPARE(dialog.record().volume(VoicePart::R1), 77);
    }

    void rulesFollowTheControls() {
        ScriptedInteraction ui;
        RegRecord r = sample();
        r.setAutoAccomp(true);
        r.setSongPlayer(false);
        r.setSplitAccomp(40);
        r.setSplitLeft(50);
        r.setSplitRight(60);
        r.setVolumePedalIndividual(false);
        r.setFootswitchPosition(1, 0);
        r.setFootswitchPosition(2, 10);
        r.setVariation(9);
        EditEntryDialog dialog(r, contextFor(ui));
        dialog.show();

        // Auto Accomp. and Song Player exclude each other.
        find<QCheckBox>(dialog, ids::editEntry::SongPlayer)->click();
        QVERIFY(!find<QCheckBox>(dialog, ids::editEntry::AutoAccomp)->isChecked());
        find<QCheckBox>(dialog, ids::editEntry::AutoAccomp)->click();
        QVERIFY(!find<QCheckBox>(dialog, ids::editEntry::SongPlayer)->isChecked());

        // Split points stay in order.
        box(dialog, ids::editor::SplitAccomp)->setCurrentIndex(70);
        QCOMPARE(box(dialog, ids::editor::SplitLeft)->currentIndex(), 70);
        QCOMPARE(box(dialog, ids::editor::SplitRight)->currentIndex(), 70);
        box(dialog, ids::editor::SplitRight)->setCurrentIndex(30);
        QCOMPARE(box(dialog, ids::editor::SplitLeft)->currentIndex(), 30);
        QCOMPARE(box(dialog, ids::editor::SplitAccomp)->currentIndex(), 30);

        // Pedal checks: enabled for Individual only, all on after going back to Master.
        QVERIFY(!find<QCheckBox>(dialog, ids::editor::PedalSong)->isEnabled());
        box(dialog, ids::editor::VolumePedalMode)->setCurrentIndex(1);
        QVERIFY(find<QCheckBox>(dialog, ids::editor::PedalSong)->isEnabled());
        find<QCheckBox>(dialog, ids::editor::PedalR1)->setChecked(false);
        box(dialog, ids::editor::VolumePedalMode)->setCurrentIndex(0);
        for (int id = ids::editor::PedalSong; id <= ids::editor::PedalMic; ++id) {
            QVERIFY(find<QCheckBox>(dialog, id)->isChecked());
            QVERIFY(!find<QCheckBox>(dialog, id)->isEnabled());
        }

        // Footswitch: part checks for 0..5, kit and key for "31 Percussion", same parts when
        // both do the same.
        QVERIFY(find<QCheckBox>(dialog, ids::editor::Footswitch1Left)->isVisible());
        QVERIFY(!box(dialog, ids::editor::Footswitch1Kit)->isVisible());
        QVERIFY(!find<QCheckBox>(dialog, ids::editor::Footswitch2Left)->isVisible());
        box(dialog, ids::editor::Footswitch1Function)
            ->setCurrentIndex(kFootswitchPercussionPosition);
        QVERIFY(!find<QCheckBox>(dialog, ids::editor::Footswitch1Left)->isVisible());
        QVERIFY(box(dialog, ids::editor::Footswitch1Kit)->isVisible());
        QVERIFY(box(dialog, ids::editor::Footswitch1Key)->isVisible());
        box(dialog, ids::editor::Footswitch1Function)->setCurrentIndex(2);
        box(dialog, ids::editor::Footswitch2Function)->setCurrentIndex(2);
        find<QCheckBox>(dialog, ids::editor::Footswitch1R1)
            ->setChecked(!find<QCheckBox>(dialog, ids::editor::Footswitch1R1)->isChecked());
        QCOMPARE(find<QCheckBox>(dialog, ids::editor::Footswitch2R1)->isChecked(),
                 find<QCheckBox>(dialog, ids::editor::Footswitch1R1)->isChecked());

        // A part's voice box and volume follow its two Set checks.
        QVERIFY(!box(dialog, ids::editEntry::PadVoice)->isEnabled());
        find<QCheckBox>(dialog, ids::editEntry::PadSetVoice)->click();
        QVERIFY(box(dialog, ids::editEntry::PadVoice)->isEnabled());
        QVERIFY(!find<NumberBox>(dialog, ids::editEntry::PadVolume)->isEnabled());
        find<QCheckBox>(dialog, ids::editEntry::PadSetVolume)->click();
        QVERIFY(find<NumberBox>(dialog, ids::editEntry::PadVolume)->isEnabled());

        // Main B is shown and can be changed.
        QVERIFY(find<QAbstractButton>(dialog, ids::editEntry::MainB)->isChecked());
        find<QAbstractButton>(dialog, ids::editEntry::MainD)->click();
        click(dialog, ids::Ok);
        QCOMPARE(dialog.record().variation(), 11);
        QVERIFY(!dialog.record().volumePedalIndividual());
        QCOMPARE(dialog.record().splitAccomp(), 30);
    }

    void variationOutsideMainShowsNoButton() {
        ScriptedInteraction ui;
        RegRecord r = sample();
        r.setVariation(2);
        EditEntryDialog dialog(r, contextFor(ui));
        for (int id = ids::editEntry::MainA; id <= ids::editEntry::MainD; ++id) {
            QVERIFY(!find<QAbstractButton>(dialog, id)->isChecked());
            QVERIFY(!find<QAbstractButton>(dialog, id)->isEnabled());
        }
    }

    void songFieldShowsThePcPath() {
        ScriptedInteraction ui;
        RegRecord r = sample();
        r.setSongPath("ata00:/songs/a.mid");
        EditEntryDialog dialog(r, contextFor(ui));
        QCOMPARE(find<QLineEdit>(dialog, ids::editEntry::Song)->text(),
                 QStringLiteral("/home/anna/Keyboard/SONGS/A.MID"));
    }

    void songButtonChoosesAMidiFile_data() {
        QTest::addColumn<bool>("songExists");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("existing song, file chosen") << true << true;
        QTest::newRow("existing song, cancelled") << true << false;
        QTest::newRow("no song file, file chosen") << false << true;
    }

    void songButtonChoosesAMidiFile() {
        QFETCH(bool, songExists);
        QFETCH(bool, chosen);
        QTemporaryDir dir;
        const QString current = dir.filePath(QStringLiteral("OLD.MID"));
        if (songExists) {
            QFile file(current);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        ScriptedInteraction ui;
        if (chosen)
            ui.fileChosen("/music/New Song.mid");
        else
            ui.fileDialogCancelled();
        for (const Language lang : {Language::English, Language::German}) {
            ScriptedInteraction script = ui;
            EditEntryDialog dialog(sample(), contextFor(script, kPro, lang));
            find<QLineEdit>(dialog, ids::editEntry::Song)->setText(current);
            click(dialog, ids::editEntry::BrowseSong);
            QCOMPARE(script.kinds(), std::vector{ScriptedInteraction::Kind::OpenFile});
            const FileDialogRequest& request = script.events()[0].file;
            QCOMPARE(request.caption, &msg::SelectMidiFile);
            QCOMPARE(request.filter, std::string("Midi files (*.mid)|*.mid||"));
            QCOMPARE(request.defaultExtension, std::string("mid"));
            QCOMPARE(request.overwritePrompt, false);
            QCOMPARE(fromUtf8(request.initialPath), songExists ? current : QString());
            QCOMPARE(find<QLineEdit>(dialog, ids::editEntry::Song)->text(),
                     chosen ? QStringLiteral("/music/New Song.mid") : current);
        }
    }

    void playButtons_data() {
        QTest::addColumn<QStringList>("players");
        QTest::addColumn<QList<bool>>("enabled");
        QTest::newRow("none set") << QStringList{"", "", ""} << QList<bool>{true, false, false};
        QTest::newRow("second set") << QStringList{"", "p2", ""} << QList<bool>{true, true, false};
        QTest::newRow("all set") << QStringList{"p1", "p2", "p3"} << QList<bool>{true, true, true};
    }

    void playButtons() {
        QFETCH(QStringList, players);
        QFETCH(QList<bool>, enabled);
        ScriptedInteraction ui;
        EditEntryContext context = contextFor(ui);
        for (int i = 0; i < 3; ++i)
            context.players[size_t(i)] = players[i].toStdString();
        EditEntryDialog dialog(sample(), context);
        const int plays[] = {ids::editEntry::Play1, ids::editEntry::Play2, ids::editEntry::Play3};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(find<QPushButton>(dialog, plays[i])->isEnabled(), enabled[i]);
    }

    void playStartsTheSongOrSaysWhyNot() {
        QTemporaryDir dir;
        const QString song = dir.filePath(QStringLiteral("A.MID"));
        QFile file(song);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        ScriptedInteraction ui;
        EditEntryDialog dialog(sample(), contextFor(ui));
        QStringList opened;
        SongLauncher launcher;
        launcher.openDocument = [&](const QUrl& url) {
            opened << url.toLocalFile();
            return opened.size() == 1; // the second time, no program takes the song
        };
        launcher.startProgram = [](const QString&, const QStringList&, QString*) {
            return true;
        };
        dialog.setSongLauncher(launcher);

        QLineEdit* field = find<QLineEdit>(dialog, ids::editEntry::Song);
        field->clear();
        click(dialog, ids::editEntry::Play1); // empty: nothing at all
        QVERIFY(ui.events().empty());
        field->setText(dir.filePath(QStringLiteral("MISSING.MID")));
        click(dialog, ids::editEntry::Play1);
        QCOMPARE(ui.messageIds(), std::vector{&msg::MidiFileNotFound});
        field->setText(song);
        click(dialog, ids::editEntry::Play1);
        click(dialog, ids::editEntry::Play1);
        QCOMPARE(opened, (QStringList{song, song}));
        QCOMPARE(ui.messageIds(), (std::vector{&msg::MidiFileNotFound, &msg::PlayNoAssociation}));
    }

    void captions_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QStringList>("texts"); // window, Title, Active, OK, Cancel, Prev, Next
        QTest::newRow("English") << int(Language::English)
                                 << QStringList{"Edit Entry", "Title:",    "Active:", "&OK",
                                                "&Cancel",    "&Previous", "&Next"};
        QTest::newRow("German") << int(Language::German)
                                << QStringList{"Eintrag bearbeiten", "Titel:",      "Aktiv:", "&OK",
                                               "Abbrechen",          "Zur\u00fcck", "Weiter"};
    }

    void captions() {
        QFETCH(int, lang);
        QFETCH(QStringList, texts);
        ScriptedInteraction ui;
        EditEntryDialog dialog(sample(), contextFor(ui, kPro, Language(lang)));
        QCOMPARE(dialog.windowTitle(), texts[0]);
        QStringList labels;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            labels << label->text();
        QVERIFY(labels.contains(texts[1]));
        QCOMPARE(find<QCheckBox>(dialog, ids::editEntry::Active)->text(), texts[2]);
        QCOMPARE(find<QPushButton>(dialog, ids::Ok)->text(), texts[3]);
        QVERIFY(find<QPushButton>(dialog, ids::Ok)->isDefault());
        QCOMPARE(find<QPushButton>(dialog, ids::Cancel)->text(), texts[4]);
        QCOMPARE(find<QPushButton>(dialog, ids::editEntry::Previous)->text(), texts[5]);
        QCOMPARE(find<QPushButton>(dialog, ids::editEntry::Next)->text(), texts[6]);
        // Every other caption is English in both languages.
        QCOMPARE(dialog.findChild<QGroupBox*>(QStringLiteral("Style"))->title(),
                 QStringLiteral("Style"));
        QCOMPARE(find<QPushButton>(dialog, ids::editEntry::Play1)->text(),
                 QStringLiteral("Play -1-"));
    }

    void everyControlHasItsId() {
        ScriptedInteraction ui;
        EditEntryDialog dialog(sample(), contextFor(ui));
        const int all[] = {ids::Ok,
                           ids::Cancel,
                           ids::editEntry::Previous,
                           ids::editEntry::Next,
                           ids::editEntry::Title,
                           ids::editEntry::Active,
                           ids::editEntry::Style,
                           ids::editEntry::Tempo,
                           ids::editEntry::StopAccomp,
                           ids::editEntry::MainA,
                           ids::editEntry::MainB,
                           ids::editEntry::MainC,
                           ids::editEntry::MainD,
                           ids::editEntry::R1On,
                           ids::editEntry::R2On,
                           ids::editEntry::R3On,
                           ids::editEntry::LeftOn,
                           ids::editor::R1Voice,
                           ids::editor::R2Voice,
                           ids::editor::R3Voice,
                           ids::editor::LeftVoice,
                           ids::editor::R1Volume,
                           ids::editor::R2Volume,
                           ids::editor::R3Volume,
                           ids::editor::LeftVolume,
                           ids::editor::R1Octave,
                           ids::editor::R2Octave,
                           ids::editor::R3Octave,
                           ids::editor::LeftOctave,
                           ids::editEntry::Hold,
                           ids::editor::UpperOctave,
                           ids::editEntry::TransposeMaster,
                           ids::editEntry::TransposeSong,
                           ids::editEntry::TransposeKeyboard,
                           ids::editor::SplitAccomp,
                           ids::editor::SplitLeft,
                           ids::editor::SplitRight,
                           ids::editor::Fingering,
                           ids::editor::VocalHarmony,
                           ids::editEntry::AccVolume,
                           ids::editEntry::AutoAccomp,
                           ids::editor::VolumePedalMode,
                           ids::editor::PedalSong,
                           ids::editor::PedalAcmp,
                           ids::editor::PedalMPad,
                           ids::editor::PedalLeft,
                           ids::editor::PedalR1,
                           ids::editor::PedalR2,
                           ids::editor::PedalR3,
                           ids::editor::PedalMic,
                           ids::editor::Footswitch1Function,
                           ids::editor::Footswitch1Left,
                           ids::editor::Footswitch1R1,
                           ids::editor::Footswitch1R2,
                           ids::editor::Footswitch1R3,
                           ids::editor::Footswitch1Kit,
                           ids::editor::Footswitch1Key,
                           ids::editor::Footswitch2Function,
                           ids::editor::Footswitch2Left,
                           ids::editor::Footswitch2R1,
                           ids::editor::Footswitch2R2,
                           ids::editor::Footswitch2R3,
                           ids::editor::Footswitch2Kit,
                           ids::editor::Footswitch2Key,
                           ids::editEntry::SongPlayer,
                           ids::editor::SongVolume,
                           ids::editEntry::Song,
                           ids::editEntry::BrowseSong,
                           ids::editEntry::SongInfo,
                           ids::editEntry::Play1,
                           ids::editEntry::Play2,
                           ids::editEntry::Play3,
                           ids::editEntry::Rhy1On,
                           ids::editEntry::Rhy1SetVoice,
                           ids::editEntry::Rhy1Voice,
                           ids::editEntry::Rhy1SetVolume,
                           ids::editEntry::Rhy1Volume,
                           ids::editEntry::Rhy2On,
                           ids::editEntry::Rhy2SetVoice,
                           ids::editEntry::Rhy2Voice,
                           ids::editEntry::Rhy2SetVolume,
                           ids::editEntry::Rhy2Volume,
                           ids::editEntry::BassOn,
                           ids::editEntry::BassSetVoice,
                           ids::editEntry::BassVoice,
                           ids::editEntry::BassSetVolume,
                           ids::editEntry::BassVolume,
                           ids::editEntry::Chd1On,
                           ids::editEntry::Chd1SetVoice,
                           ids::editEntry::Chd1Voice,
                           ids::editEntry::Chd1SetVolume,
                           ids::editEntry::Chd1Volume,
                           ids::editEntry::Chd2On,
                           ids::editEntry::Chd2SetVoice,
                           ids::editEntry::Chd2Voice,
                           ids::editEntry::Chd2SetVolume,
                           ids::editEntry::Chd2Volume,
                           ids::editEntry::PadOn,
                           ids::editEntry::PadSetVoice,
                           ids::editEntry::PadVoice,
                           ids::editEntry::PadSetVolume,
                           ids::editEntry::PadVolume,
                           ids::editEntry::Phr1On,
                           ids::editEntry::Phr1SetVoice,
                           ids::editEntry::Phr1Voice,
                           ids::editEntry::Phr1SetVolume,
                           ids::editEntry::Phr1Volume,
                           ids::editEntry::Phr2On,
                           ids::editEntry::Phr2SetVoice,
                           ids::editEntry::Phr2Voice,
                           ids::editEntry::Phr2SetVolume,
                           ids::editEntry::Phr2Volume};
        for (int id : all)
            QCOMPARE(dialog.findChildren<QWidget*>(QString::number(id)).size(), qsizetype(1));
    }

    void fitsTheSmallestScreen_data() {
        QTest::addColumn<int>("lang");
        QTest::newRow("English") << int(Language::English);
        QTest::newRow("German") << int(Language::German);
    }

    void fitsTheSmallestScreen() {
        QFETCH(int, lang);
        ScriptedInteraction ui;
        EditEntryDialog dialog(sample(), contextFor(ui, kPro, Language(lang)));
        dialog.show();
        // 1280 x 800 less a title bar and a task bar.
        QVERIFY2(dialog.width() <= 1280 && dialog.height() <= 720,
                 qPrintable(QStringLiteral("%1 x %2").arg(dialog.width()).arg(dialog.height())));
    }
};

QTEST_MAIN(EditEntryDialogTest)
#include "EditEntryDialogTest.moc"
