// Opening Edit Entry: twelve voice boxes of 880 voices and a style box of 495 styles. The dialog
// fills them from one shared list model that makes a text only when a row is drawn. The baseline
// is the same boxes filled item by item with every text (the plain QComboBox way), without the
// rest of the dialog.

#include "core/names/DiskStyleTexts.h"
#include "core/names/StyleNameTable.h"
#include "core/names/VoiceTable.h"
#include "ui/EditEntryDialog.h"
#include "ui/VoiceListModel.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>

using namespace tombrel;

namespace {

constexpr int kVoiceBoxes = 12;

// Answers nothing: opening asks nothing.
class SilentInteraction : public Interaction {
public:
    void warn(const UserMessage&) override {}
    Answer askYesNoCancel(const UserMessage&) override { return Answer::Cancel; }
    bool askYesNo(const UserMessage&) override { return false; }
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> chooseFileToSave(const FileDialogRequest&) override { return {}; }
    std::optional<KeyboardModel> selectKeyboardType(KeyboardModel) override { return {}; }
    std::optional<BackupSetChoice> chooseBackupSet(const BackupSetDialogRequest&) override {
        return {};
    }
    void beginBusy() override {}
    void endBusy() override {}
};

struct Tables {
    StyleNameTable styles;
    DiskStyleTexts disk;
    Tables() {
        styles.fillFactoryNames(true);
        disk.fillDiskNumberNames();
    }
};

void BM_OpenEditEntry(benchmark::State& state) {
    const Tables tables;
    SilentInteraction ui;
    EditEntryContext context;
    context.model = KeyboardModel::Psr9000Pro;
    context.styles = &tables.styles;
    context.diskStyles = &tables.disk;
    context.interaction = &ui;
    RegRecord record = RegRecord::empty();
    record.setTitle("Piano Ballad");
    for (auto _ : state) {
        EditEntryDialog dialog(record, context);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.record());
    }
}
BENCHMARK(BM_OpenEditEntry)->Unit(benchmark::kMillisecond);

void BM_BaselineBoxesFilledItemByItem(benchmark::State& state) {
    const Tables tables;
    for (auto _ : state) {
        QDialog dialog;
        auto* grid = new QGridLayout(&dialog);
        for (int b = 0; b < kVoiceBoxes; ++b) {
            auto* box = new QComboBox(&dialog);
            for (int row = 0; row < VoiceTable::RowCount; ++row)
                box->addItem(voiceDisplayText(VoiceTable::voiceBoxText(
                                 row, VoiceTable::keyOfRow(row), KeyboardModel::Psr9000Pro)),
                             VoiceTable::keyOfRow(row));
            box->addItem(QStringLiteral("<1,2,3>"));
            box->setCurrentIndex(b);
            grid->addWidget(box, b, 0);
        }
        auto* style = new QComboBox(&dialog);
        for (int index = 0; index < kStyleIndexCount; ++index)
            style->addItem(QString::fromStdString(
                tables.styles.styleDisplayName(index, tables.disk).value_or(std::string())));
        grid->addWidget(style, kVoiceBoxes, 0);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(style->count());
    }
}
BENCHMARK(BM_BaselineBoxesFilledItemByItem)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
