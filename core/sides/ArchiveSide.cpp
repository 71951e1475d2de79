#include "core/sides/ArchiveSide.h"

#include "core/files/ArchiveFile.h"
#include "core/files/FileIo.h"
#include "core/text/Text1252.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <set>

namespace tombrel {

namespace {

// Sort Category compares texts as the platform's case-insensitive string comparison does: both
// sides are folded to small letters, then compared byte by byte.
const std::array<unsigned char, 256>& lowerTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int c = 0; c < 256; ++c)
            t[c] = static_cast<unsigned char>(c);
        for (int c = 0; c < 256; ++c) {
            const unsigned char upper = upper1252(static_cast<unsigned char>(c));
            if (upper != c)
                t[upper] = static_cast<unsigned char>(c);
        }
        return t;
    }();
    return table;
}

int compareNoCase(std::string_view a, std::string_view b) {
    const auto& lower = lowerTable();
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = lower[static_cast<unsigned char>(a[i])];
        const int cb = lower[static_cast<unsigned char>(b[i])];
        if (ca != cb)
            return ca - cb;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::string_view firstBytes(std::string_view text, size_t count) {
    return text.substr(0, std::min(text.size(), count));
}

} // namespace

int compareSortKeys(std::string_view bankTitleA, std::string_view titleA,
                    std::string_view bankTitleB, std::string_view titleB) {
    if (const int c = compareNoCase(bankTitleA, bankTitleB))
        return c;
    return compareNoCase(firstBytes(titleA, RegRecord::TitleSize),
                         firstBytes(titleB, RegRecord::TitleSize));
}

void ArchiveSide::loadSettings(const Settings& settings) {
    recent_ = RecentList(settings.lastOpenArch);
}

void ArchiveSide::storeSettings(Settings& settings) const {
    settings.lastOpenArch = recent_.entries();
}

bool ArchiveSide::isCategoryIndex(int index) const {
    return index >= 0 && static_cast<size_t>(index) < list_.size() && list_[index].isCategory;
}

std::string ArchiveSide::lineText(int index) const {
    std::string text;
    appendLineText(index, text);
    return text;
}

std::string archiveLineText(const ArchiveEntry& line) {
    std::string text;
    ArchiveSide::appendLineText(line, text);
    return text;
}

void ArchiveSide::appendLineText(int index, std::string& out) const {
    if (index >= 0 && static_cast<size_t>(index) < list_.size())
        appendLineText(list_[index], out);
}

void ArchiveSide::appendLineText(const ArchiveEntry& line, std::string& out) {
    if (line.isCategory)
        out += line.categoryName;
    else
        appendLineText(static_cast<const RegEntry&>(line), out);
}

void ArchiveSide::appendLineText(const RegEntry& line, std::string& out) {
    if (line.isBankLine) {
        out += line.bankTitle;
        return;
    }
    const bool active = line.record.active();
    out += active ? "        " : "        {";
    out += line.record.titleView();
    if (!active)
        out += '}';
}

int ArchiveSide::lastCategoryIndex() const {
    if (lastCategory_ < 0) {
        lastCategory_ = 0;
        for (size_t i = list_.size(); i > 0; --i) {
            if (list_[i - 1].isCategory) {
                lastCategory_ = static_cast<int>(i - 1);
                break;
            }
        }
    }
    return lastCategory_;
}

void ArchiveSide::recomputeLastCategoryIndex() {
    lastCategory_ = -1;
    lastCategoryIndex();
}

unsigned ArchiveSide::treeFlags(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= list_.size())
        return 0;
    const ArchiveEntry& line = list_[index];
    const size_t next = static_cast<size_t>(index) + 1;
    const bool childFollows = next < list_.size() && !list_[next].isCategory;
    unsigned flags;
    if (line.isCategory) {
        if (line.expanded && childFollows)
            flags = TreeCategoryLevel | TreeBoxMinus | TreeChildrenFollow;
        else if (!line.hiddenChildren.empty())
            flags = TreeCategoryLevel | TreeBoxPlus;
        else
            flags = TreeCategoryLevel;
        if (index == 0)
            flags |= TreeFirstLine;
    } else {
        flags = childFollows ? TreeChildLevel : TreeChildLevel | TreeLastChild;
    }
    if (index >= lastCategoryIndex())
        flags |= TreeBelowLastCategory;
    return flags;
}

bool ArchiveSide::canToggle(int index) const {
    const unsigned flags = treeFlags(index);
    return (flags & TreeCategoryLevel) && (flags & (TreeBoxPlus | TreeBoxMinus));
}

void ArchiveSide::expandCategory(int index) {
    if (!isCategoryIndex(index))
        return;
    std::vector<RegEntry> children = std::move(list_[index].hiddenChildren);
    list_[index].hiddenChildren.clear();
    list_[index].expanded = true;
    const auto at = list_.begin() + index + 1;
    if (at == list_.end()) {
        list_.reserve(list_.size() + children.size());
        for (RegEntry& child : children)
            list_.emplace_back(std::move(child));
    } else {
        // One shift of the lines below, then the children take the new places.
        const auto first = list_.insert(at, children.size(), ArchiveEntry());
        for (size_t k = 0; k < children.size(); ++k)
            static_cast<RegEntry&>(first[static_cast<std::ptrdiff_t>(k)]) = std::move(children[k]);
    }
    lastCategory_ = -1;
}

namespace {

// Moves a selection to the lines' new places; `newIndex` has an entry for every old line and the
// trailing line.
void moveSelection(ListSelection& selection, const std::vector<int>& newIndex) {
    const auto moved = [&](int old) {
        if (old < 0)
            return old;
        if (static_cast<size_t>(old) >= newIndex.size())
            return newIndex.back() + (old - static_cast<int>(newIndex.size()) + 1);
        return newIndex[static_cast<size_t>(old)];
    };
    std::set<int> lines;
    for (int line : selection.lines)
        lines.insert(moved(line));
    selection.lines = std::move(lines);
    selection.caret = moved(selection.caret);
}

} // namespace

void ArchiveSide::expandAllCategories(ListSelection* follow) {
    if (follow) {
        std::vector<int> newIndex(list_.size() + 1);
        int shift = 0;
        for (size_t i = 0; i < list_.size(); ++i) {
            newIndex[i] = static_cast<int>(i) + shift;
            if (list_[i].isCategory && !list_[i].expanded)
                shift += static_cast<int>(list_[i].hiddenChildren.size());
        }
        newIndex.back() = static_cast<int>(list_.size()) + shift;
        expandAllCategories();
        moveSelection(*follow, newIndex);
        return;
    }
    size_t total = list_.size();
    for (const ArchiveEntry& line : list_) {
        if (line.isCategory && !line.expanded)
            total += line.hiddenChildren.size();
    }
    // The new list takes its final size first (the one step that may fail, leaving the list as it
    // was); then every line is moved once, straight to its place, and each category lets go of
    // its hidden children as soon as they have moved out.
    ArchiveList expanded;
    expanded.reserve(total);
    prepareForWriting(expanded.data(), total * sizeof(ArchiveEntry));
    for (ArchiveEntry& line : list_) {
        const bool collapsed = line.isCategory && !line.expanded;
        std::vector<RegEntry> children;
        if (collapsed) {
            children.swap(line.hiddenChildren);
            line.expanded = true;
        }
        expanded.push_back(std::move(line));
        for (RegEntry& child : children)
            expanded.emplace_back(std::move(child));
    }
    list_.swap(expanded);
    lastCategory_ = -1;
}

void ArchiveSide::collapseCategory(int index) {
    if (!isCategoryIndex(index))
        return;
    size_t end = static_cast<size_t>(index) + 1;
    while (end < list_.size() && !list_[end].isCategory)
        ++end;
    std::vector<RegEntry>& children = list_[index].hiddenChildren;
    children.reserve(children.size() + (end - index - 1));
    for (size_t i = static_cast<size_t>(index) + 1; i < end; ++i)
        children.push_back(std::move(static_cast<RegEntry&>(list_[i])));
    list_[index].expanded = false;
    list_.erase(list_.begin() + index + 1, list_.begin() + static_cast<std::ptrdiff_t>(end));
    lastCategory_ = -1;
}

void ArchiveSide::collapseAllCategories(ListSelection* follow) {
    // First every category that will hide lines makes room for them (the one step that may fail,
    // leaving the list as it was); then each line is moved once: into its category's hidden
    // lines, or forward to its new place.
    const size_t size = list_.size();
    const auto collapses = [&](size_t i) {
        return list_[i].isCategory && list_[i].expanded && i + 1 < size && !list_[i + 1].isCategory;
    };
    for (size_t i = 0; i < size; ++i) {
        if (!collapses(i))
            continue;
        size_t end = i + 1;
        while (end < size && !list_[end].isCategory)
            ++end;
        list_[i].hiddenChildren.reserve(list_[i].hiddenChildren.size() + (end - i - 1));
    }
    std::vector<int> newIndex(follow ? size + 1 : 0);
    size_t write = 0;
    size_t category = 0;
    bool hiding = false;
    for (size_t read = 0; read < size; ++read) {
        ArchiveEntry& line = list_[read];
        if (line.isCategory)
            hiding = collapses(read);
        if (!line.isCategory && hiding) {
            list_[category].hiddenChildren.push_back(std::move(static_cast<RegEntry&>(line)));
            if (follow)
                newIndex[read] = static_cast<int>(category);
            continue;
        }
        if (line.isCategory) {
            category = write;
            if (hiding)
                line.expanded = false;
        }
        if (write != read)
            list_[write] = std::move(line);
        if (follow)
            newIndex[read] = static_cast<int>(write);
        ++write;
    }
    list_.erase(list_.begin() + static_cast<std::ptrdiff_t>(write), list_.end());
    lastCategory_ = -1;
    if (follow) {
        newIndex.back() = static_cast<int>(write);
        moveSelection(*follow, newIndex);
    }
}

bool hasCollapsedCategory(const ArchiveList& list) {
    return std::any_of(list.begin(), list.end(), [](const ArchiveEntry& line) {
        return line.isCategory && !line.expanded && !line.hiddenChildren.empty();
    });
}

bool hasExpandedCategory(const ArchiveList& list) {
    for (size_t i = 0; i + 1 < list.size(); ++i) {
        if (list[i].isCategory && list[i].expanded && !list[i + 1].isCategory)
            return true;
    }
    return false;
}

bool ArchiveSide::toggleCategory(int index) {
    if (!canToggle(index))
        return false;
    if (list_[index].expanded)
        collapseCategory(index);
    else
        expandCategory(index);
    recomputeLastCategoryIndex();
    return true;
}

int ArchiveSide::registrationCount() const {
    return archiveRegistrationCount(list_);
}

void ArchiveSide::refreshCountText() {
    countText_ = open_ ? std::to_string(registrationCount()) : std::string();
}

std::optional<int> ArchiveSide::newCategory(int selected, std::string name) {
    if (!open_ || selected < 0 || static_cast<size_t>(selected) > list_.size() || name.empty())
        return std::nullopt;
    // Before the next category from the selected line on, so that no category is split.
    size_t at = static_cast<size_t>(selected);
    while (at < list_.size() && !list_[at].isCategory)
        ++at;
    ArchiveEntry category = ArchiveEntry::category(std::move(name));
    category.expanded = true; // it has nothing to hide
    list_.insert(list_.begin() + static_cast<std::ptrdiff_t>(at), std::move(category));
    modified_ = true;
    recomputeLastCategoryIndex();
    return static_cast<int>(at);
}

bool ArchiveSide::editCategory(int selected, std::string name) {
    if (!isCategoryIndex(selected) || name.empty() || name == list_[selected].categoryName)
        return false;
    list_[selected].categoryName = std::move(name);
    modified_ = true;
    return true;
}

bool ArchiveSide::sortCategory(int selected) {
    if (!isCategoryIndex(selected))
        return false;
    const bool wasExpanded = list_[selected].expanded;
    if (wasExpanded)
        collapseCategory(selected);

    // Pass 1: drop empty registrations and bank title lines; each registration carries the
    // title of the bank it stood under as its sort key ("<No Name>" banks join the bank above).
    std::vector<RegEntry>& children = list_[selected].hiddenChildren;
    std::vector<RegEntry> regs;
    regs.reserve(children.size());
    std::string bank;
    for (RegEntry& child : children) {
        if (child.isBankLine) {
            if (child.bankTitle != kNoNameBankTitle)
                bank = child.bankTitle;
            continue;
        }
        if (child.record.isEmpty())
            continue;
        child.bankTitle = bank;
        regs.push_back(std::move(child));
    }

    // Shell sort with halving gaps. Equal keys end up in the order this procedure gives, which
    // users see, so it is kept as it is rather than replaced by a stable sort.
    std::vector<size_t> order(regs.size());
    std::iota(order.begin(), order.end(), size_t{0});
    auto greater = [&](size_t a, size_t b) {
        return compareSortKeys(regs[a].bankTitle, regs[a].record.rawTitle(), regs[b].bankTitle,
                               regs[b].record.rawTitle()) > 0;
    };
    const std::ptrdiff_t n = static_cast<std::ptrdiff_t>(order.size());
    for (std::ptrdiff_t gap = n / 2; gap > 0; gap /= 2) {
        for (std::ptrdiff_t i = gap; i < n; ++i) {
            for (std::ptrdiff_t j = i - gap; j >= 0 && greater(order[j], order[j + gap]); j -= gap)
                std::swap(order[j], order[j + gap]);
        }
    }

    // Pass 2: a bank title line before each run of one bank title; registrations without one
    // come first and get none.
    std::vector<RegEntry> sorted;
    sorted.reserve(regs.size() + regs.size() / 8 + 1);
    std::string current;
    for (size_t index : order) {
        RegEntry& reg = regs[index];
        if (!reg.bankTitle.empty() && reg.bankTitle != current) {
            current = reg.bankTitle;
            sorted.push_back(RegEntry::bankLine(current));
        }
        reg.bankTitle.clear();
        sorted.push_back(std::move(reg));
    }
    children = std::move(sorted);

    if (wasExpanded || children.empty())
        expandCategory(selected); // an empty category is held as expanded
    recomputeLastCategoryIndex();
    modified_ = true;
    refreshCountText();
    return true;
}

} // namespace tombrel
