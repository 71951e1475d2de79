// The dialogs of the main window's commands (each one a hook a test may replace) and the commands
// that run around a dialog of their own: Search, Protocol, Save Sty. Loc. and Update Styles.

#include "ui/MainWindow.h"

#include "core/commands/Search.h"
#include "core/names/StyleLocations.h"
#include "ui/ArchiveListModel.h"
#include "ui/DiskStyleFolderDialog.h"
#include "ui/EditEntryDialog.h"
#include "ui/MultiChangeDialog.h"
#include "ui/PaneListView.h"
#include "ui/ProtocolTypeDialog.h"
#include "ui/StyleLocationsDialogs.h"
#include "ui/TitleEditDialog.h"
#include "ui/UiText.h"

#include <QDesktopServices>
#include <QUrl>

namespace tombrel {

void MainWindow::installDefaultHooks() {
    hooks_.categoryName = [this](const std::string& current) {
        return tombrel::editCategory(this, lang_, current);
    };
    hooks_.bankTitle = [this](const std::string& current) {
        return tombrel::editBankTitle(this, lang_, current);
    };
    hooks_.editEntry = [this](RegRecord& record, KeyboardModel model) {
        EditEntryContext context;
        context.model = model;
        for (size_t i = 0; i < SongPathMappings::PairCount; ++i)
            context.songPaths.pairs[i] = {settings_.keyboardPath[i], settings_.pcPath[i]};
        context.players = settings_.playerPath;
        context.styles = &styleNames_;
        context.diskStyles = &diskStyles_;
        context.interaction = &ui_;
        context.lang = lang_;
        return tombrel::editEntry(this, record, context);
    };
    hooks_.multiChange = [this](const MultiChangeForm& common) {
        return tombrel::multiChange(this, common, ui_, lang_);
    };
    hooks_.searchDialog = [this](SearchSide side, const SearchNext& searchNext) {
        runSearchDialog(this, side, searchNext, ui_, lang_);
    };
    hooks_.protocolType = [this] {
        return chooseProtocolType(this, lang_);
    };
    hooks_.styleLocationsInfo = [this](bool update) {
        return update ? confirmUpdateStyleLocations(this, lang_)
                      : confirmSaveStyleLocations(this, lang_);
    };
    hooks_.errorList = [this](const std::vector<std::string>& errors) {
        ErrorListDialog dialog(errors, ui_, lang_, this);
        dialog.exec();
    };
    hooks_.settingsDialog = [this](const SettingsDialog::Values& values, bool extended) {
        SettingsDialog dialog(values, extended, lang_, this);
        return dialog.exec() == QDialog::Accepted ? std::optional(dialog.values()) : std::nullopt;
    };
    hooks_.diskStyleFolder = [this](const std::string& current) -> std::optional<std::string> {
        DiskStyleFolderDialog dialog(lang_, fromUtf8(current), this);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.folderPath().toStdString();
    };
    hooks_.openDocument = [](const QString& path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    hooks_.storeSettings = [](const Settings&) {
    };
}

void MainWindow::search(Pane pane) {
    const bool registrations = pane == Pane::Registration;
    if (registrations ? !reg_.isOpen() : !arch_.isOpen())
        return;
    // Every press of the dialog's Search button looks on from the line selected now.
    const SearchNext next = [this, registrations](const SearchRequest& request) {
        SearchOptions options;
        options.title = request.title;
        options.rightVoices = request.rightVoices;
        options.leftVoice = request.leftVoice;
        options.accompVoices = request.accompVoices;
        options.styleName = request.styleName;
        const RegistrationMatcher matcher(request.text, options, styleNames_, diskStyles_);
        PaneListView* list = registrations ? regList_ : archList_;
        ListSelection selection = selectionOf(*list);
        const bool found = registrations ? searchNext(reg_.lines(), selection, matcher)
                                         : searchNext(arch_, selection, matcher);
        if (found) {
            // A hit among a collapsed category's lines has expanded it.
            if (!registrations)
                archModel_->reload();
            showSelection(*list, selection);
            updateCommandStates();
        }
        return found;
    };
    hooks_.searchDialog(registrations ? SearchSide::Registration : SearchSide::Archive, next);
    afterCommand(pane);
}

void MainWindow::writeProtocol(Pane pane) {
    const bool registrations = pane == Pane::Registration;
    if (registrations ? !reg_.isOpen() : !arch_.isOpen())
        return;
    if (const std::optional<ProtocolType> type = hooks_.protocolType()) {
        if (const std::optional<std::string> path = chooseProtocolFile(ui_, *type, lang_)) {
            std::optional<UserMessage> failure;
            {
                BusyScope busy(ui_);
                failure =
                    registrations
                        ? writeRegistrationProtocolFile(*path, *type, reg_.lines(), styleNames_)
                        : writeArchiveProtocolFile(*path, *type, arch_.list(), styleNames_);
            }
            if (failure)
                ui_.warn(*failure);
        }
    }
    afterCommand(pane);
}

void MainWindow::saveStyleLocationsCommand() {
    if (hooks_.styleLocationsInfo(false))
        saveStyleLocations(ui_, lang_, styleNames_, styles_.flashMode(), diskStyles_,
                           styles_.diskMode());
    updateCommandStates();
}

void MainWindow::updateStyleLocationsCommand(Pane pane) {
    const bool registrations = pane == Pane::Registration;
    if (registrations ? !reg_.isOpen() : !arch_.isOpen())
        return;
    if (hooks_.styleLocationsInfo(true)) {
        if (const std::optional<StyleLocationList> oldList = loadOldStyleLocations(ui_, lang_)) {
            StyleLocationsUpdate result;
            {
                BusyScope busy(ui_);
                const StyleLocationList current = currentStyleLocations(
                    styleNames_, styles_.flashMode(), diskStyles_, styles_.diskMode());
                recordStep(pane, {StepKind::UpdateStyles}, [&](ListSelection&, ListSelection&) {
                    const std::vector<StyleUpdateTarget> targets =
                        registrations ? regSideUpdateTargets(reg_.lines())
                                      : archiveUpdateTargets(arch_.list());
                    result = updateStyleLocations(targets, *oldList, current);
                    if (result.modified) {
                        if (registrations)
                            reg_.setModified();
                        else
                            arch_.setModified();
                    }
                });
            }
            if (result.message)
                ui_.warn(*result.message);
            if (!result.errors.empty())
                hooks_.errorList(result.errors);
        }
    }
    afterCommand(pane);
}

} // namespace tombrel
