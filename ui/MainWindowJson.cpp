// Export JSON... and Import JSON... of both panes: a registration backup or an archive as one
// JSON document, and a document back as a new untitled file of the pane its kind belongs to.

#include "ui/MainWindow.h"

#include "core/commands/TextForm.h"
#include "textform/JsonDocument.h"

namespace tombrel {

void MainWindow::exportJson(Pane pane) {
    const bool registrations = pane == Pane::Registration;
    if (registrations ? !reg_.isOpen() : !arch_.isOpen()) {
        afterCommand(pane);
        return;
    }
    const std::optional<std::string> path = ui_.chooseFileToSave(
        jsonExportDialog(registrations ? reg_.currentPath() : arch_.currentPath()));
    if (path && !path->empty()) {
        std::optional<UserMessage> failure;
        {
            BusyScope busy(ui_);
            const KeyboardModel model = registrations ? reg_.keyboardModel() : KeyboardModel::None;
            const TextFormNames names{&styleNames_, &diskStyles_, model, lang_};
            failure = textform::writeJsonFile(*path,
                                              registrations ? textFormOfRegList(reg_.lines(), model)
                                                            : textFormOfArchive(arch_.list()),
                                              names);
        }
        if (failure)
            ui_.warn(*failure);
    }
    afterCommand(pane);
}

void MainWindow::importJson(Pane pane) {
    const std::optional<std::string> path = ui_.chooseFileToOpen(jsonImportDialog());
    if (!path || path->empty()) {
        afterCommand(pane);
        return;
    }
    textform::JsonImport imported;
    {
        BusyScope busy(ui_);
        const TextFormNames names{&styleNames_, &diskStyles_, reg_.keyboardModel(), lang_};
        imported = textform::readJsonFile(*path, names);
    }
    if (imported.refusal) {
        ui_.warn(*imported.refusal);
        afterCommand(pane);
        return;
    }
    // The document's kind chooses the pane, whichever pane's button was pressed: a registration
    // backup can only be held by the registration pane, an archive only by the archive pane.
    TextFormDocument& document = *imported.document;
    bool opened = false;
    if (document.kind == TextFormKind::RegistrationBackup) {
        runRegFileCommand([&] {
            opened = reg_.openImportedRegBackup(regListOfTextForm(document), document.model);
        });
        pane = Pane::Registration;
    } else {
        runArchiveFileCommand(
            [&] { opened = arch_.openImportedArchive(archiveListOfTextForm(document)); });
        pane = Pane::Archive;
    }
    if (opened && !imported.warnings.empty())
        ui_.warn(textFormWarningsMessage(imported.warnings, lang_));
    afterCommand(pane);
}

} // namespace tombrel
