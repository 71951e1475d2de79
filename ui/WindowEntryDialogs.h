#pragma once

// The dialogs the list commands open on a line, as the main window shows them. The bank title
// dialog is the window's hook; the registration editors are added here as they become part of
// the program (until then the window keeps Edit Entry on registrations and Multi Change
// disabled, so the commands never reach them).

#include "core/EntryDialogs.h"

#include <functional>
#include <optional>
#include <string>

namespace tombrel {

class WindowEntryDialogs : public EntryDialogs {
public:
    using TitleDialog = std::function<std::optional<std::string>(const std::string& title)>;

    explicit WindowEntryDialogs(TitleDialog bankTitle) : bankTitle_(std::move(bankTitle)) {}

    // Whether Edit Entry on a registration and Multi Change have their dialogs.
    static constexpr bool kHasRegistrationEditors = false;

    EditEntryResult editEntry(RegRecord&, KeyboardModel) override {
        return EditEntryResult::Cancel;
    }
    std::optional<std::string> editBankTitle(const std::string& title) override {
        return bankTitle_(title);
    }
    bool multiChange(MultiChangeForm&) override { return false; }

private:
    TitleDialog bankTitle_;
};

} // namespace tombrel
