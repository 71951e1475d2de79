#include "core/commands/EditHistory.h"

#include "core/commands/LineChanges.h"
#include "core/sides/RegListRules.h"

#include <algorithm>
#include <utility>

namespace tombrel {

namespace {

int paneIndex(unsigned pane) {
    return pane == ArchivePane ? 1 : 0;
}

// ---- The categories' expanded state ------------------------------------------------------------

// How a category shows its lines. Expanding puts the hidden lines first among the shown ones,
// collapsing hides the shown ones after the hidden ones: the category's lines keep their order,
// and only where the hidden ones end and whether the box is open change. (A collapsed category
// may show lines after it: those a command put there.)
struct CategoryView {
    bool expanded = false;
    size_t hidden = 0;
    bool operator==(const CategoryView&) const = default;
};

std::vector<CategoryView> viewsOf(const ArchiveList& list) {
    std::vector<CategoryView> views;
    for (const ArchiveEntry& line : list) {
        if (line.isCategory)
            views.push_back({line.expanded, line.hiddenChildren.size()});
    }
    return views;
}

// Shows each category as `wanted` says (one view per category in list order), in one pass.
// False, changing nothing, when the list has another number of categories.
bool setViews(ArchiveList& list, const std::vector<CategoryView>& wanted) {
    size_t extra = 0;
    bool differs = false;
    size_t c = 0;
    for (const ArchiveEntry& line : list) {
        if (!line.isCategory)
            continue;
        if (c == wanted.size())
            return false;
        const CategoryView now{line.expanded, line.hiddenChildren.size()};
        if (!(now == wanted[c])) {
            differs = true;
            extra += line.hiddenChildren.size();
        }
        ++c;
    }
    if (c != wanted.size())
        return false;
    if (!differs)
        return true;
    ArchiveList out;
    out.reserve(list.size() + extra);
    c = 0;
    for (size_t i = 0; i < list.size();) {
        ArchiveEntry& line = list[i++];
        if (!line.isCategory) {
            out.push_back(std::move(line));
            continue;
        }
        const CategoryView want = wanted[c++];
        if (CategoryView{line.expanded, line.hiddenChildren.size()} == want) {
            out.push_back(std::move(line));
            continue;
        }
        // The category's lines in their order: the hidden ones, then those shown after it.
        std::vector<RegEntry> lines = std::move(line.hiddenChildren);
        line.hiddenChildren.clear();
        for (; i < list.size() && !list[i].isCategory; ++i)
            lines.push_back(std::move(static_cast<RegEntry&>(list[i])));
        const size_t hidden = std::min(want.hidden, lines.size());
        line.expanded = want.expanded;
        line.hiddenChildren.assign(
            std::make_move_iterator(lines.begin()),
            std::make_move_iterator(lines.begin() + static_cast<std::ptrdiff_t>(hidden)));
        out.push_back(std::move(line));
        for (size_t k = hidden; k < lines.size(); ++k)
            out.emplace_back(std::move(lines[k]));
    }
    list = std::move(out);
    return true;
}

size_t selectionBytes(const ListSelection& selection) {
    // A node of the ordered set: the value, three links and the colour, rounded by the allocator.
    return selection.lines.size() * 48;
}

} // namespace

struct EditHistory::Step {
    StepName name;
    unsigned panes = 0;
    size_t bytes = 0;

    std::optional<LineChange<RegEntry>> reg;
    ListSelection regPresent; // the selection that goes with the list as it stands
    ListSelection regStored;  // and with the far side

    std::optional<LineChange<ArchiveEntry>> archive;
    ListSelection archivePresent;
    ListSelection archiveStored;
    std::vector<CategoryView> expansionPresent;
    std::vector<CategoryView> expansionStored;
    // When the command left the number of categories as it was, the change was taken with the
    // categories expanded as the command left them, so that a category only expanded or collapsed
    // is no change; both sides are brought to that state before the change is applied.
    bool aligned = false;
    std::vector<CategoryView> alignment;

    size_t countBytes() const {
        size_t total = sizeof(Step) + selectionBytes(regPresent) + selectionBytes(regStored) +
                       selectionBytes(archivePresent) + selectionBytes(archiveStored) +
                       (expansionPresent.size() + expansionStored.size() + alignment.size()) *
                           sizeof(CategoryView);
        if (reg)
            total += reg->bytes();
        if (archive)
            total += archive->bytes();
        return total;
    }
};

EditHistory::EditHistory(RegistrationSide& registrations, ArchiveSide& archive,
                         HistoryLimits limits)
    : reg_(registrations), arch_(archive), limits_(limits) {}

EditHistory::~EditHistory() = default;

EditHistory::Step* EditHistory::stepAt(size_t position) const {
    return steps_[position - base_].get();
}

bool EditHistory::touches(size_t position, unsigned pane) const {
    return (stepAt(position)->panes & pane) != 0;
}

bool EditHistory::anyTouches(size_t from, size_t to, unsigned pane) const {
    for (size_t p = from; p < to; ++p) {
        if (touches(p, pane))
            return true;
    }
    return false;
}

bool EditHistory::record(StepName name, unsigned panes, ListSelection& regSelection,
                         ListSelection& archiveSelection, const std::function<void()>& command) {
    const bool watchReg = (panes & RegistrationPane) && reg_.isOpen();
    const bool watchArchive = (panes & ArchivePane) && arch_.isOpen();
    // The lists as they were; only what differs afterwards is kept.
    RegList regBefore;
    ArchiveList archiveBefore;
    std::vector<CategoryView> expansionBefore;
    const ListSelection regSelectionBefore = regSelection;
    const ListSelection archiveSelectionBefore = archiveSelection;
    if (watchReg)
        regBefore = reg_.lines();
    if (watchArchive) {
        archiveBefore = arch_.list();
        expansionBefore = viewsOf(archiveBefore);
    }

    command();

    auto step = std::make_unique<Step>();
    step->name = name;
    if (watchReg && reg_.isOpen()) {
        LineChange<RegEntry> change = diffLines(regBefore, reg_.lines());
        if (!change.empty()) {
            step->reg = std::move(change);
            step->regPresent = regSelection;
            step->regStored = regSelectionBefore;
            step->panes |= RegistrationPane;
        }
    }
    if (watchArchive && arch_.isOpen()) {
        std::vector<CategoryView> expansionAfter = viewsOf(arch_.list());
        const bool aligned = expansionAfter.size() == expansionBefore.size();
        if (aligned)
            setViews(archiveBefore, expansionAfter);
        LineChange<ArchiveEntry> change = diffLines(archiveBefore, arch_.list());
        if (!change.empty()) {
            step->archive = std::move(change);
            step->archivePresent = archiveSelection;
            step->archiveStored = archiveSelectionBefore;
            step->aligned = aligned;
            if (aligned)
                step->alignment = expansionAfter;
            step->expansionPresent = std::move(expansionAfter);
            step->expansionStored = std::move(expansionBefore);
            step->panes |= ArchivePane;
        }
    }
    if (step->panes == 0) {
        followFlags(panes);
        return false;
    }

    dropRedoFrom(present_);
    step->bytes = step->countBytes();
    bytes_ += step->bytes;
    steps_.push_back(std::move(step));
    ++present_;
    trim();
    followFlags(panes);
    return true;
}

bool EditHistory::canUndo() const {
    return present_ > base_;
}

bool EditHistory::canRedo() const {
    return present_ < base_ + steps_.size();
}

std::optional<StepName> EditHistory::undoName() const {
    if (!canUndo())
        return std::nullopt;
    return stepAt(present_ - 1)->name;
}

std::optional<StepName> EditHistory::redoName() const {
    if (!canRedo())
        return std::nullopt;
    return stepAt(present_)->name;
}

std::optional<HistoryMove> EditHistory::turn(Step& step, ListSelection& regSelection,
                                             ListSelection& archiveSelection) {
    // The same change leads either way: applying it turns it around.
    // Both panes must hold what the step was taken on before anything is applied.
    if (step.reg && !changeFits(*step.reg, reg_.lines()))
        return std::nullopt;
    if (step.archive) {
        ArchiveList& list = arch_.list();
        // Categories expanded or collapsed since are put back first; that changes nothing the
        // file holds.
        if (!setViews(list, step.aligned ? step.alignment : step.expansionPresent))
            return std::nullopt;
        if (!changeFits(*step.archive, list)) {
            arch_.recomputeLastCategoryIndex();
            return std::nullopt;
        }
    }
    if (step.reg) {
        applyChange(reg_.lines(), *step.reg);
        numberRegList(reg_.lines());
        reg_.refreshCountText();
        std::swap(step.regPresent, step.regStored);
        regSelection = step.regPresent;
    }
    if (step.archive) {
        ArchiveList& list = arch_.list();
        applyChange(list, *step.archive);
        // Most commands leave every category as it was shown: nothing to do then.
        if (!(step.aligned && step.expansionStored == step.alignment))
            setViews(list, step.expansionStored);
        std::swap(step.expansionPresent, step.expansionStored);
        arch_.recomputeLastCategoryIndex();
        arch_.refreshCountText();
        std::swap(step.archivePresent, step.archiveStored);
        archiveSelection = step.archivePresent;
    }
    // The lines swapped sides, so may their bytes.
    bytes_ -= step.bytes;
    step.bytes = step.countBytes();
    bytes_ += step.bytes;
    return HistoryMove{step.panes};
}

std::optional<HistoryMove> EditHistory::undo(ListSelection& regSelection,
                                             ListSelection& archiveSelection) {
    if (!canUndo())
        return std::nullopt;
    std::optional<HistoryMove> move = turn(*stepAt(present_ - 1), regSelection, archiveSelection);
    if (move)
        --present_;
    else
        clear();
    followFlags(BothPanes);
    return move;
}

std::optional<HistoryMove> EditHistory::redo(ListSelection& regSelection,
                                             ListSelection& archiveSelection) {
    if (!canRedo())
        return std::nullopt;
    std::optional<HistoryMove> move = turn(*stepAt(present_), regSelection, archiveSelection);
    if (move)
        ++present_;
    else
        clear();
    followFlags(BothPanes);
    return move;
}

void EditHistory::paneSaved(unsigned pane) {
    for (unsigned bit : {RegistrationPane, ArchivePane}) {
        if (pane & bit)
            clean_[paneIndex(bit)] = present_;
    }
}

void EditHistory::paneReplaced(unsigned pane) {
    for (unsigned bit : {RegistrationPane, ArchivePane}) {
        if (!(pane & bit))
            continue;
        // Nothing can be redone from the first step to redo that touches the pane on.
        for (size_t p = present_; p < base_ + steps_.size(); ++p) {
            if (touches(p, bit)) {
                dropRedoFrom(p);
                break;
            }
        }
        // The newest step done on the pane and every older one go.
        for (size_t p = present_; p > base_; --p) {
            if (touches(p - 1, bit)) {
                while (base_ < p)
                    dropOldest();
                break;
            }
        }
        const bool modified = bit == RegistrationPane ? reg_.isModified() : arch_.isModified();
        clean_[paneIndex(bit)] = modified ? std::nullopt : std::optional<size_t>(present_);
    }
}

bool EditHistory::stillFits(const Step& step, unsigned pane) const {
    // A step to undo and a step to redo alike lead away from the list as it stands.
    if (pane == RegistrationPane)
        return !step.reg || changeFits(*step.reg, reg_.lines());
    if (!step.archive)
        return true;
    const ArchiveList& list = arch_.list();
    const std::vector<CategoryView> views = viewsOf(list);
    const std::vector<CategoryView>& needed = step.aligned ? step.alignment : step.expansionPresent;
    if (views.size() != needed.size())
        return false;
    // With categories shown otherwise the fingerprint cannot be taken without changing the
    // list; Undo and Redo check again before they change anything.
    return views != needed || changeFits(*step.archive, list);
}

bool EditHistory::dropStepsThatNoLongerFit(unsigned pane) {
    bool fits = true;
    for (size_t p = present_; p > base_; --p) {
        if (touches(p - 1, pane)) {
            fits = stillFits(*stepAt(p - 1), pane);
            break;
        }
    }
    for (size_t p = present_; fits && p < base_ + steps_.size(); ++p) {
        if (touches(p, pane)) {
            fits = stillFits(*stepAt(p), pane);
            break;
        }
    }
    if (!fits)
        paneReplaced(pane);
    return !fits;
}

bool EditHistory::isModified(unsigned pane) const {
    const std::optional<size_t>& clean = clean_[paneIndex(pane)];
    if (!clean)
        return true;
    return anyTouches(std::min(*clean, present_), std::max(*clean, present_), pane);
}

void EditHistory::followFlags(unsigned panes) {
    if ((panes & RegistrationPane) && reg_.isOpen())
        reg_.setModified(isModified(RegistrationPane));
    if ((panes & ArchivePane) && arch_.isOpen())
        arch_.setModified(isModified(ArchivePane));
}

void EditHistory::dropRedoFrom(size_t position) {
    const size_t end = base_ + steps_.size();
    if (position >= end)
        return;
    for (unsigned bit : {RegistrationPane, ArchivePane}) {
        std::optional<size_t>& clean = clean_[paneIndex(bit)];
        if (clean && *clean > position)
            clean =
                anyTouches(position, *clean, bit) ? std::nullopt : std::optional<size_t>(position);
    }
    for (size_t p = position; p < end; ++p)
        bytes_ -= stepAt(p)->bytes;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position - base_), steps_.end());
}

void EditHistory::dropOldest() {
    if (steps_.empty())
        return;
    for (unsigned bit : {RegistrationPane, ArchivePane}) {
        std::optional<size_t>& clean = clean_[paneIndex(bit)];
        // A clean point before the step is out of reach once the step is gone, unless the step
        // left that pane alone.
        if (clean && *clean == base_)
            clean = touches(base_, bit) ? std::nullopt : std::optional<size_t>(base_ + 1);
    }
    bytes_ -= steps_.front()->bytes;
    steps_.erase(steps_.begin());
    ++base_;
    present_ = std::max(present_, base_);
}

void EditHistory::trim() {
    // The newest step stays, however big: it is the one the user may want back.
    while (steps_.size() > limits_.maxSteps ||
           (bytes_ > limits_.maxBytes && steps_.size() > 1 && present_ > base_))
        dropOldest();
}

size_t EditHistory::undoCount() const {
    return present_ - base_;
}

size_t EditHistory::redoCount() const {
    return base_ + steps_.size() - present_;
}

size_t EditHistory::bytes() const {
    return bytes_;
}

void EditHistory::clear() {
    for (unsigned bit : {RegistrationPane, ArchivePane})
        clean_[paneIndex(bit)] = isModified(bit) ? std::nullopt : std::optional<size_t>(present_);
    steps_.clear();
    bytes_ = 0;
    base_ = present_;
}

} // namespace tombrel
