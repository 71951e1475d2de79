#pragma once

// EntryDialogs for tests: each Edit Entry answer comes from a script (with an optional change
// to make to the record first), bank title and Multi Change answers likewise; every opening is
// recorded with the title of the record or line it was opened on.

#include "core/commands/EntryDialogs.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tombrel::test {

class ScriptedEntryDialogs : public EntryDialogs {
public:
    struct EditStep {
        EditEntryResult result;
        std::function<void(RegRecord&)> change; // may be empty
    };

    ScriptedEntryDialogs& edit(EditEntryResult result,
                               std::function<void(RegRecord&)> change = {}) {
        edits_.push_back({result, std::move(change)});
        return *this;
    }
    ScriptedEntryDialogs& bankTitle(std::optional<std::string> title) {
        titles_.push_back(std::move(title));
        return *this;
    }
    // Multi Change: `choose` sets the Set boxes and values; false answers Cancel.
    ScriptedEntryDialogs& multi(std::function<bool(MultiChangeForm&)> choose) {
        multis_.push_back(std::move(choose));
        return *this;
    }

    EditEntryResult editEntry(RegRecord& record, KeyboardModel model) override {
        opened.push_back(record.title());
        models.push_back(model);
        if (edits_.empty()) {
            ADD_FAILURE() << "unexpected Edit Entry on " << record.title();
            return EditEntryResult::Cancel;
        }
        EditStep step = std::move(edits_.front());
        edits_.pop_front();
        if (step.change)
            step.change(record);
        return step.result;
    }
    std::optional<std::string> editBankTitle(const std::string& title) override {
        opened.push_back("[" + title + "]");
        if (titles_.empty()) {
            ADD_FAILURE() << "unexpected bank title dialog on " << title;
            return std::nullopt;
        }
        auto answer = std::move(titles_.front());
        titles_.pop_front();
        return answer;
    }
    bool multiChange(MultiChangeForm& form) override {
        ++multiChangeOpenings;
        if (multis_.empty()) {
            ADD_FAILURE() << "unexpected Multi Change";
            return false;
        }
        auto choose = std::move(multis_.front());
        multis_.pop_front();
        return choose(form);
    }

    bool scriptUsedUp() const { return edits_.empty() && titles_.empty() && multis_.empty(); }

    std::vector<std::string> opened; // record titles, bank titles in brackets
    std::vector<KeyboardModel> models;
    int multiChangeOpenings = 0;

private:
    std::deque<EditStep> edits_;
    std::deque<std::optional<std::string>> titles_;
    std::deque<std::function<bool(MultiChangeForm&)>> multis_;
};

} // namespace tombrel::test
