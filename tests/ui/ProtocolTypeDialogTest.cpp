#include "ui/ProtocolTypeDialog.h"
#include "ui/ControlIds.h"

#include "ScriptedInteraction.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace tombrel;
using test::ScriptedInteraction;

namespace {

template <class W> W* find(const QWidget& dialog, int id) {
    W* w = dialog.findChild<W*>(QString::number(id));
    if (!w)
        qFatal("no control %d", id);
    return w;
}

// A radio button takes clicks on its indicator and text only.
void clickRadio(QRadioButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

} // namespace

class ProtocolTypeDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void okWaitsForAType_data() {
        QTest::addColumn<int>("radio");
        QTest::addColumn<int>("type");
        QTest::newRow("blank formatted") << ids::protocolType::Blank << int(ProtocolType::Blank);
        QTest::newRow("separated by tabs") << ids::protocolType::Tab << int(ProtocolType::Tab);
    }

    void okWaitsForAType() {
        QFETCH(int, radio);
        QFETCH(int, type);
        ProtocolTypeDialog dialog(Language::English);
        dialog.show();
        QPushButton* ok = find<QPushButton>(dialog, ids::Ok);
        QVERIFY(!ok->isEnabled());
        QVERIFY(!dialog.chosenType());
        // Enter does not close it either while nothing is chosen.
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        clickRadio(find<QRadioButton>(dialog, radio));
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(*dialog.chosenType()), type);
    }

    void cancelChoosesNothing() {
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            clickRadio(find<QRadioButton>(*dialog, ids::protocolType::Tab));
            QTest::mouseClick(find<QPushButton>(*dialog, ids::Cancel), Qt::LeftButton);
        });
        QVERIFY(!chooseProtocolType(nullptr, Language::English));
    }

    void captions_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("English") << int(Language::English)
                                 << QStringList{"Choose Protocol Type",
                                                "Please choose a protocol type:",
                                                "blank formatted",
                                                "separated by tabs",
                                                "OK",
                                                "Cancel"};
        QTest::newRow("German") << int(Language::German)
                                << QStringList{"Protokolltyp ausw\u00e4hlen",
                                               "Bitte w\u00e4hlen Sie den Typ des Protokolls:",
                                               "Formatiert (mit Leerzeichen)",
                                               "Felder mit <TAB> getrennt",
                                               "OK",
                                               "Abbrechen"};
    }

    void captions() {
        QFETCH(int, lang);
        QFETCH(QStringList, texts);
        ProtocolTypeDialog dialog{Language(lang)};
        QCOMPARE(dialog.windowTitle(), texts[0]);
        QCOMPARE(dialog.findChild<QLabel*>()->text(), texts[1]);
        QCOMPARE(find<QRadioButton>(dialog, ids::protocolType::Blank)->text(), texts[2]);
        QCOMPARE(find<QRadioButton>(dialog, ids::protocolType::Tab)->text(), texts[3]);
        QCOMPARE(find<QPushButton>(dialog, ids::Ok)->text(), texts[4]);
        QCOMPARE(find<QPushButton>(dialog, ids::Cancel)->text(), texts[5]);
    }

    void fileIsAskedForWithTheTypesTitle_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("chosen"); // "-": cancelled
        QTest::addColumn<QString>("result"); // "-": nothing
        QTest::addColumn<QString>("titleDe");
        const QString blank =
            QStringLiteral("Protokolldatei (mit Leerzeichen formatiert) speichern");
        const QString tab = QStringLiteral("Protokolldatei (mit <Tab> formatiert) speichern");
        QTest::newRow("blank") << int(ProtocolType::Blank) << "/tmp/p.txt"
                               << "/tmp/p.txt" << blank;
        QTest::newRow("tab") << int(ProtocolType::Tab) << "/tmp/t.txt"
                             << "/tmp/t.txt" << tab;
        QTest::newRow("cancelled") << int(ProtocolType::Tab) << "-"
                                   << "-" << tab;
        QTest::newRow("empty name") << int(ProtocolType::Blank) << ""
                                    << "-" << blank;
    }

    void fileIsAskedForWithTheTypesTitle() {
        QFETCH(int, type);
        QFETCH(QString, chosen);
        QFETCH(QString, result);
        QFETCH(QString, titleDe);
        ScriptedInteraction ui;
        if (chosen == "-")
            ui.fileDialogCancelled();
        else
            ui.fileChosen(chosen.toStdString());
        const std::optional<std::string> path =
            chooseProtocolFile(ui, ProtocolType(type), Language::German);
        QCOMPARE(path ? QString::fromStdString(*path) : QStringLiteral("-"), result);
        QCOMPARE(ui.kinds(), std::vector{ScriptedInteraction::Kind::SaveFile});
        const FileDialogRequest& request = ui.events()[0].file;
        const std::string_view de = request.caption->text(Language::German);
        QCOMPARE(QString::fromUtf8(de.data(), qsizetype(de.size())), titleDe);
        QCOMPARE(request.filter, std::string("Protocol file (*.txt)|*.txt||"));
        QCOMPARE(request.defaultExtension, std::string("txt"));
        QVERIFY(request.overwritePrompt);
        QVERIFY(request.initialPath.empty());
    }
};

QTEST_MAIN(ProtocolTypeDialogTest)
#include "ProtocolTypeDialogTest.moc"
