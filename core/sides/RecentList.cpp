#include "core/sides/RecentList.h"

#include <algorithm>

namespace tombrel {

RecentList::RecentList(const Entries& entries) : entries_(entries) {
    // A hand-edited store may hold gaps or repeats; the combo box index must equal the entry
    // index, so the list is kept packed and free of duplicates.
    Entries seen{};
    int n = 0;
    for (const std::string& e : entries_) {
        if (e.empty() || std::find(seen.begin(), seen.begin() + n, e) != seen.begin() + n)
            continue;
        seen[n++] = e;
    }
    entries_ = std::move(seen);
}

void RecentList::pack() {
    auto end = std::stable_partition(entries_.begin(), entries_.end(),
                                     [](const std::string& e) { return !e.empty(); });
    std::for_each(end, entries_.end(), [](std::string& e) { e.clear(); });
}

void RecentList::add(std::string_view path) {
    if (path.empty())
        return;
    remove(path);
    std::move_backward(entries_.begin(), entries_.end() - 1, entries_.end());
    entries_.front() = std::string(path);
}

void RecentList::remove(std::string_view path) {
    if (path.empty())
        return;
    for (std::string& e : entries_) {
        if (e == path)
            e.clear();
    }
    pack();
}

std::vector<std::string> RecentList::used() const {
    std::vector<std::string> out;
    for (const std::string& e : entries_) {
        if (e.empty())
            break;
        out.push_back(e);
    }
    return out;
}

int RecentList::indexOf(std::string_view path) const {
    if (path.empty())
        return -1;
    for (int i = 0; i < kRecentFileCount; ++i) {
        if (entries_[i] == path)
            return i;
    }
    return -1;
}

std::optional<std::string> RecentList::switchTarget(int index, std::string_view current) const {
    if (index < 0 || index >= kRecentFileCount || entries_[index].empty() ||
        entries_[index] == current)
        return std::nullopt;
    return entries_[index];
}

} // namespace tombrel
