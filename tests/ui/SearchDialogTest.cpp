#include "ui/SearchDialog.h"
#include "ui/ControlIds.h"
#include "ui/UiText.h"

#include "ScriptedInteraction.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <vector>

using namespace tombrel;
using test::ScriptedInteraction;

namespace {

template <class W> W* find(const QWidget& dialog, int id) {
    W* w = dialog.findChild<W*>(QString::number(id));
    if (!w)
        qFatal("no control %d", id);
    return w;
}

// Types text key by key; characters without a key of their own arrive as an input method
// delivers them.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void pressSearch(const QWidget& dialog) {
    QTest::mouseClick(find<QPushButton>(dialog, ids::Ok), Qt::LeftButton);
}

} // namespace

class SearchDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensWithOnlyTheTitleOption() {
        ScriptedInteraction ui;
        SearchDialog dialog(
            SearchSide::Archive, [](const SearchRequest&) { return true; }, ui, Language::English);
        QCOMPARE(dialog.request(), SearchRequest{});
        QVERIFY(find<QLineEdit>(dialog, ids::search::Text)->text().isEmpty());
    }

    void everyPressSearchesAndTheDialogStaysOpen() {
        ScriptedInteraction ui;
        std::vector<SearchRequest> asked;
        std::vector<bool> answers = {true, false, true};
        SearchDialog dialog(
            SearchSide::Registration,
            [&](const SearchRequest& r) {
                asked.push_back(r);
                return answers[asked.size() - 1];
            },
            ui, Language::German);
        dialog.show();
        typeText(find<QLineEdit>(dialog, ids::search::Text), QStringLiteral("Caf\u00e9"));
        find<QCheckBox>(dialog, ids::search::Title)->setChecked(false);
        find<QCheckBox>(dialog, ids::search::RightVoices)->setChecked(true);
        find<QCheckBox>(dialog, ids::search::StyleName)->setChecked(true);
        pressSearch(dialog);
        QVERIFY(ui.events().empty());
        pressSearch(dialog);
        // Not found: the same words in both languages, and the dialog stays for the next try.
        QCOMPARE(ui.messageIds(), std::vector{&msg::SearchTextNotFound});
        QCOMPARE(ui.events()[0].message.text(Language::German),
                 std::string("Searchtext not found!"));
        QTest::keyClick(find<QLineEdit>(dialog, ids::search::Text),
                        Qt::Key_Return); // Enter searches too
        QVERIFY(dialog.isVisible());
        QCOMPARE(asked.size(), size_t(3));
        SearchRequest want;
        want.text = "Caf\xE9";
        want.title = false;
        want.rightVoices = true;
        want.styleName = true;
        QCOMPARE(asked[0], want);
        QCOMPARE(asked[2], want);
    }

    void eachOptionReachesTheSearch_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("option"); // position in SearchRequest after the title
        QTest::newRow("right voices") << ids::search::RightVoices << 0;
        QTest::newRow("left voice") << ids::search::LeftVoice << 1;
        QTest::newRow("accompaniment voices") << ids::search::AccompVoices << 2;
        QTest::newRow("style name") << ids::search::StyleName << 3;
    }

    void eachOptionReachesTheSearch() {
        QFETCH(int, id);
        QFETCH(int, option);
        ScriptedInteraction ui;
        SearchDialog dialog(
            SearchSide::Archive, [](const SearchRequest&) { return true; }, ui, Language::English);
        find<QCheckBox>(dialog, id)->setChecked(true);
        const SearchRequest r = dialog.request();
        const bool flags[] = {r.rightVoices, r.leftVoice, r.accompVoices, r.styleName};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(flags[i], i == option);
        QVERIFY(r.title);
    }

    void anEmptyTextClosesWithoutSearching() {
        ScriptedInteraction ui;
        int searches = 0;
        SearchDialog dialog(
            SearchSide::Archive,
            [&](const SearchRequest&) {
                ++searches;
                return false;
            },
            ui, Language::English);
        dialog.show();
        pressSearch(dialog);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(searches, 0);
        QVERIFY(ui.events().empty());
    }

    void cancelCloses() {
        ScriptedInteraction ui;
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QTest::keyClicks(find<QLineEdit>(*dialog, ids::search::Text), QStringLiteral("pi"));
            QTest::mouseClick(find<QPushButton>(*dialog, ids::Cancel), Qt::LeftButton);
        });
        int searches = 0;
        runSearchDialog(
            nullptr, SearchSide::Registration,
            [&](const SearchRequest&) {
                ++searches;
                return true;
            },
            ui, Language::English);
        QCOMPARE(searches, 0);
    }

    void captions_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("English") << int(Language::English)
                                 << QStringList{"Search",
                                                "Search:",
                                                "search title",
                                                "search right voices",
                                                "search left voice",
                                                "search accomp. voices",
                                                "search style name",
                                                "Search",
                                                "Cancel"};
        QTest::newRow("German") << int(Language::German)
                                << QStringList{"Suchen",       "Suchtext:",  "Titel",
                                               "Voices R1-R3", "Left-Voice", "Accomp.-Voices",
                                               "Styletitel",   "Suchen",     "Abbrechen"};
    }

    void captions() {
        QFETCH(int, lang);
        QFETCH(QStringList, texts);
        ScriptedInteraction ui;
        SearchDialog dialog(
            SearchSide::Archive, [](const SearchRequest&) { return true; }, ui, Language(lang));
        QCOMPARE(dialog.windowTitle(), texts[0]);
        QCOMPARE(find<QLabel>(dialog, ids::search::Label)->text(), texts[1]);
        const int options[] = {ids::search::Title, ids::search::RightVoices, ids::search::LeftVoice,
                               ids::search::AccompVoices, ids::search::StyleName};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(find<QCheckBox>(dialog, options[i])->text(), texts[2 + i]);
        QCOMPARE(find<QPushButton>(dialog, ids::Ok)->text(), texts[7]);
        QVERIFY(find<QPushButton>(dialog, ids::Ok)->isDefault());
        QCOMPARE(find<QPushButton>(dialog, ids::Cancel)->text(), texts[8]);
    }

    void placedOverTheOtherPane_data() {
        QTest::addColumn<QRect>("mainWindow");
        QTest::addColumn<QSize>("dialog");
        QTest::addColumn<int>("side");
        QTest::addColumn<QPoint>("position");
        const QSize d(300, 200);
        QTest::newRow("registration side: over the archive")
            << QRect(100, 50, 1000, 700) << d << int(SearchSide::Registration)
            << QPoint(100 + 1000 - 300 - 50, 130);
        QTest::newRow("archive side: over the registrations")
            << QRect(100, 50, 1000, 700) << d << int(SearchSide::Archive) << QPoint(130, 130);
        QTest::newRow("never off the screen's top left")
            << QRect(-200, -150, 400, 500) << d << int(SearchSide::Registration) << QPoint(0, 0);
        QTest::newRow("archive side left of the screen")
            << QRect(-500, 10, 400, 500) << d << int(SearchSide::Archive) << QPoint(0, 90);
    }

    void placedOverTheOtherPane() {
        QFETCH(QRect, mainWindow);
        QFETCH(QSize, dialog);
        QFETCH(int, side);
        QFETCH(QPoint, position);
        QCOMPARE(searchDialogPosition(mainWindow, dialog, SearchSide(side)), position);
    }
};

QTEST_MAIN(SearchDialogTest)
#include "SearchDialogTest.moc"
