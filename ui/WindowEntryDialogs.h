#pragma once

// The dialogs the list commands open on a line, as the main window shows them: each one is a
// function the window gives, so that its hooks decide which dialog appears.

#include "core/commands/EntryDialogs.h"

#include <functional>
#include <optional>
#include <string>

namespace tombrel {

class WindowEntryDialogs : public EntryDialogs {
public:
    using EditEntry = std::function<EditEntryResult(RegRecord& record, KeyboardModel model)>;
    using TitleDialog = std::function<std::optional<std::string>(const std::string& title)>;
    using MultiChange = std::function<std::optional<MultiChangeForm>(const MultiChangeForm& form)>;

    WindowEntryDialogs(EditEntry editEntry, TitleDialog bankTitle, MultiChange multiChange)
        : editEntry_(std::move(editEntry)), bankTitle_(std::move(bankTitle)),
          multiChange_(std::move(multiChange)) {}

    EditEntryResult editEntry(RegRecord& record, KeyboardModel model) override {
        return editEntry_(record, model);
    }
    std::optional<std::string> editBankTitle(const std::string& title) override {
        return bankTitle_(title);
    }
    bool multiChange(MultiChangeForm& form) override {
        std::optional<MultiChangeForm> chosen = multiChange_(form);
        if (!chosen)
            return false;
        form = std::move(*chosen);
        return true;
    }

private:
    EditEntry editEntry_;
    TitleDialog bankTitle_;
    MultiChange multiChange_;
};

} // namespace tombrel
