#pragma once

// The dialogs that the list commands open on one line or on many registrations: Edit Entry, the
// bank title dialog and Multi Change. The desktop program shows its dialogs; tests answer from a
// script. The commands decide everything around them (which line, what changed, where the
// selection goes).

#include "core/editors/EditEntryForm.h"
#include "core/editors/MultiChange.h"
#include "core/record/KeyboardModel.h"
#include "core/record/RegRecord.h"

#include <optional>
#include <string>

namespace tombrel {

class EntryDialogs {
public:
    virtual ~EntryDialogs() = default;

    // Edit Entry on the registration in place; on Cancel the record may still have been brought
    // into order (normalised) but nothing the user typed is stored.
    virtual EditEntryResult editEntry(RegRecord& record, KeyboardModel model) = 0;
    // The bank title dialog; the new title on OK, nothing on Cancel.
    virtual std::optional<std::string> editBankTitle(const std::string& title) = 0;
    // Multi Change on the gathered values; true on OK (the form then holds the user's choice).
    virtual bool multiChange(MultiChangeForm& form) = 0;
};

} // namespace tombrel
