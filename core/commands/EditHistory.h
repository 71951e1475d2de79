#pragma once

// The window's edit history over both panes. Every command that changes what a pane would save
// runs through record() and becomes one step holding only what changed (LineChange), the
// selections before and after it and the categories' expanded state. Undo and Redo turn the
// panes back and forth exactly, to the byte; the modified flags follow: Save makes the present
// position a pane's clean point, and a pane is modified exactly when a step that touches it lies
// between its clean point and the present position. Replacing a pane's document drops the steps
// that touch it and every older one. The history is bounded in steps and in bytes; the oldest
// steps go first.

#include "core/commands/EditStepName.h"
#include "core/record/ListSelection.h"
#include "core/sides/ArchiveSide.h"
#include "core/sides/RegistrationSide.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tombrel {

// Panes as bits: a step touches one or both.
enum HistoryPane : unsigned {
    RegistrationPane = 1,
    ArchivePane = 2,
    BothPanes = 3,
};

struct HistoryLimits {
    size_t maxSteps = 1000;
    size_t maxBytes = size_t{256} << 20; // 256 MiB of step data
};

// What Undo or Redo turned: the panes whose lists and selections changed.
struct HistoryMove {
    unsigned panes = 0;
};

class EditHistory {
public:
    EditHistory(RegistrationSide& registrations, ArchiveSide& archive, HistoryLimits limits = {});
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // Runs `command`, which may change the lists of `panes` and the two selections, and keeps
    // what it changed as one step named `name`. The modified flags of those panes then follow
    // the history (a command that changed nothing leaves a pane that equals its file
    // unmodified). True when a step was kept.
    bool record(StepName name, unsigned panes, ListSelection& regSelection,
                ListSelection& archiveSelection, const std::function<void()>& command);

    bool canUndo() const;
    bool canRedo() const;
    std::optional<StepName> undoName() const;
    std::optional<StepName> redoName() const;

    // Turns the panes of the last step back (forward) and puts their selections as they were
    // then. Nothing when there is no step; a step whose pane no longer holds what it was
    // recorded on is never applied: the history is then cleared and nothing is returned.
    std::optional<HistoryMove> undo(ListSelection& regSelection, ListSelection& archiveSelection);
    std::optional<HistoryMove> redo(ListSelection& regSelection, ListSelection& archiveSelection);

    // A pane was saved: the present position is its clean point.
    void paneSaved(unsigned pane);
    // A pane's document was replaced (New, Open, Close, a recent file, a rebuilt list): the steps
    // that touch it and every older step go, and so do the steps to redo from the first that
    // touches it on. Its clean point is here unless the side stays modified.
    void paneReplaced(unsigned pane);

    // After a file command that kept the pane's list (Save, Save As, a cancelled Open): when the
    // list no longer holds what the pane's newest steps were taken on, it was replaced after all,
    // and the steps go as by paneReplaced. True when they went.
    bool dropStepsThatNoLongerFit(unsigned pane);

    // True when the pane differs from its clean point.
    bool isModified(unsigned pane) const;

    size_t undoCount() const;
    size_t redoCount() const;
    // Bytes the steps keep.
    size_t bytes() const;
    const HistoryLimits& limits() const { return limits_; }
    void clear();

private:
    struct Step;

    Step* stepAt(size_t position) const; // absolute position
    bool touches(size_t position, unsigned pane) const;
    bool stillFits(const Step& step, unsigned pane) const;
    bool anyTouches(size_t from, size_t to, unsigned pane) const;
    void dropRedoFrom(size_t position);
    void dropOldest();
    void trim();
    std::optional<HistoryMove> turn(Step& step, ListSelection& regSelection,
                                    ListSelection& archiveSelection);
    void followFlags(unsigned panes);

    RegistrationSide& reg_;
    ArchiveSide& arch_;
    HistoryLimits limits_;
    std::vector<std::unique_ptr<Step>> steps_;
    size_t base_ = 0;    // absolute position of steps_[0]
    size_t present_ = 0; // absolute position: the steps before it are applied
    size_t bytes_ = 0;
    // Each pane's clean point as an absolute position; none when its file's state cannot be
    // reached any more.
    std::optional<size_t> clean_[2] = {size_t{0}, size_t{0}};
};

} // namespace tombrel
