#include "core/commands/LineChanges.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace tombrel {

namespace {

// ---- Sameness ----------------------------------------------------------------------------------

// A registration pane's line: what the file stores of it. The bank and slot numbers follow from
// the place and are numbered again after every change.
bool sameLine(const RegEntry& a, const RegEntry& b) {
    return a.isBankLine == b.isBankLine && a.record == b.record && a.bankTitle == b.bankTitle;
}

// A line of the archive keeps whatever it carries, numbers included, so it compares in full.
bool sameChild(const RegEntry& a, const RegEntry& b) {
    return sameLine(a, b) && a.bankNumber == b.bankNumber && a.entryNumber == b.entryNumber;
}

bool sameLine(const ArchiveEntry& a, const ArchiveEntry& b) {
    return sameChild(a, b) && a.isCategory == b.isCategory && a.expanded == b.expanded &&
           a.categoryName == b.categoryName &&
           std::equal(a.hiddenChildren.begin(), a.hiddenChildren.end(), b.hiddenChildren.begin(),
                      b.hiddenChildren.end(), sameChild);
}

// ---- Fingerprints ------------------------------------------------------------------------------

constexpr std::uint64_t kHashStart = 0xcbf29ce484222325ull;
constexpr std::uint64_t kHashPrime = 0x100000001b3ull;

std::uint64_t mix(std::uint64_t h, std::uint64_t word) {
    h ^= word;
    h *= kHashPrime;
    return h ^ (h >> 29);
}

// Four words at a time in four independent lanes, so that the multiplications overlap.
std::uint64_t mixBytes(std::uint64_t h, const void* data, size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::uint64_t lane[4] = {h, h ^ 0x9e3779b97f4a7c15ull, h ^ 0xbf58476d1ce4e5b9ull,
                             h ^ 0x94d049bb133111ebull};
    size_t i = 0;
    for (; i + 32 <= size; i += 32) {
        for (int k = 0; k < 4; ++k) {
            std::uint64_t word;
            std::memcpy(&word, bytes + i + 8 * static_cast<size_t>(k), 8);
            lane[k] = (lane[k] ^ word) * kHashPrime;
        }
    }
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + i, 8);
        lane[0] = (lane[0] ^ word) * kHashPrime;
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, bytes + i, size - i);
    h = mix(lane[0], lane[1]);
    h = mix(h, lane[2]);
    h = mix(h, lane[3]);
    return mix(mix(h, tail), size);
}

std::uint64_t mixText(std::uint64_t h, const std::string& text) {
    return mixBytes(h, text.data(), text.size());
}

std::uint64_t hashLine(std::uint64_t h, const RegEntry& line) {
    h = mixBytes(h, line.record.data(), RegRecord::Size);
    return mix(mixText(h, line.bankTitle), line.isBankLine ? 1 : 0);
}

std::uint64_t hashChild(std::uint64_t h, const RegEntry& line) {
    h = hashLine(h, line);
    return mix(mix(h, static_cast<std::uint64_t>(line.bankNumber)),
               static_cast<std::uint64_t>(line.entryNumber));
}

std::uint64_t hashLine(std::uint64_t h, const ArchiveEntry& line) {
    h = hashChild(h, line);
    h = mix(mixText(h, line.categoryName), (line.isCategory ? 2u : 0u) | (line.expanded ? 1u : 0u));
    for (const RegEntry& child : line.hiddenChildren)
        h = hashChild(h, child);
    return mix(h, line.hiddenChildren.size());
}

// A neighbour of a hunk: enough of it to tell one list from another (the start of the record
// with its title, the texts and flags), cheaply, since every hunk has two.
std::uint64_t hashNeighbour(std::uint64_t h, const RegEntry& line) {
    h = mixBytes(h, line.record.data(), 64);
    return mix(mixText(h, line.bankTitle), line.isBankLine ? 1 : 0);
}

std::uint64_t hashNeighbour(std::uint64_t h, const ArchiveEntry& line) {
    h = hashNeighbour(h, static_cast<const RegEntry&>(line));
    h = mix(mixText(h, line.categoryName), (line.isCategory ? 2u : 0u) | (line.expanded ? 1u : 0u));
    return mix(h, line.hiddenChildren.size());
}

template <class Line>
std::uint64_t hashRange(std::uint64_t h, const std::vector<Line>& lines, size_t from,
                        size_t count) {
    for (size_t k = 0; k < count; ++k)
        h = hashLine(h, lines[from + k]);
    return mix(h, count);
}

// Each hunk with the unchanged line on either side of it: a deletion keeps no line in its place,
// yet its neighbours tell whether the list is the one it was taken on. The neighbours are the
// same lines on both sides of a change (hunks never touch), so the fingerprint of the stored side,
// taken with the present neighbours, is that of the list once the change is applied.
template <class Line>
std::uint64_t hashHunks(const std::vector<LineHunk>& hunks, const std::vector<Line>& list,
                        const std::vector<Line>* stored) {
    // Of many hunks, the neighbours of about a thousand spread over the list are enough to tell
    // another list, and keep Undo of a large Delete from reading the whole list once more.
    const size_t stride = std::max<size_t>(1, hunks.size() / 1024);
    std::uint64_t h = kHashStart;
    size_t from = 0;
    for (size_t index = 0; index < hunks.size(); ++index) {
        const LineHunk& hunk = hunks[index];
        const bool neighbours = index % stride == 0;
        if (neighbours && hunk.at > 0)
            h = hashNeighbour(h, list[hunk.at - 1]);
        if (stored) {
            h = hashRange(h, *stored, from, hunk.storedCount);
            from += hunk.storedCount;
        } else {
            h = hashRange(h, list, hunk.at, hunk.presentCount);
        }
        if (neighbours && hunk.at + hunk.presentCount < list.size())
            h = hashNeighbour(h, list[hunk.at + hunk.presentCount]);
    }
    return h;
}

size_t textBytes(const std::string& text) {
    // Short texts live inside the string itself.
    return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

// A run of lines that `before` holds and `after` does not, or the other way round.
struct Run {
    size_t at;   // in `after`
    size_t from; // in `before`
    size_t presentCount;
    size_t storedCount;
};

// The middle of `after` is the middle of `before` without some lines: the runs that went.
// Leftmost matching finds them whenever `after` is such a subsequence.
template <class Line>
bool removedRuns(const std::vector<Line>& before, size_t oldBegin, size_t oldEnd,
                 const std::vector<Line>& after, size_t newBegin, size_t newEnd,
                 std::vector<Run>& runs) {
    size_t i = oldBegin;
    for (size_t j = newBegin; j < newEnd; ++j) {
        const size_t start = i;
        while (i < oldEnd && !sameLine(before[i], after[j]))
            ++i;
        if (i == oldEnd)
            return false;
        if (i > start)
            runs.push_back({j, start, 0, i - start});
        ++i;
    }
    if (i < oldEnd)
        runs.push_back({newEnd, i, 0, oldEnd - i});
    return true;
}

// The middle of `after` is the middle of `before` with lines added: the runs that came.
template <class Line>
bool addedRuns(const std::vector<Line>& before, size_t oldBegin, size_t oldEnd,
               const std::vector<Line>& after, size_t newBegin, size_t newEnd,
               std::vector<Run>& runs) {
    size_t j = newBegin;
    for (size_t i = oldBegin; i < oldEnd; ++i) {
        const size_t start = j;
        while (j < newEnd && !sameLine(before[i], after[j]))
            ++j;
        if (j == newEnd)
            return false;
        if (j > start)
            runs.push_back({start, i, j - start, 0});
        ++j;
    }
    if (j < newEnd)
        runs.push_back({j, oldEnd, newEnd - j, 0});
    return true;
}

} // namespace

size_t lineBytes(const RegEntry& line) {
    return sizeof(RegEntry) + textBytes(line.bankTitle);
}

size_t lineBytes(const ArchiveEntry& line) {
    size_t bytes = sizeof(ArchiveEntry) + textBytes(line.bankTitle) + textBytes(line.categoryName);
    bytes += (line.hiddenChildren.capacity() - line.hiddenChildren.size()) * sizeof(RegEntry);
    for (const RegEntry& child : line.hiddenChildren)
        bytes += lineBytes(child);
    return bytes;
}

template <class Line> size_t LineChange<Line>::bytes() const {
    size_t total = sizeof(*this) + hunks.capacity() * sizeof(LineHunk) +
                   (stored.capacity() - stored.size()) * sizeof(Line);
    for (const Line& line : stored)
        total += lineBytes(line);
    return total;
}

template <class Line>
LineChange<Line> diffLines(std::vector<Line>& before, const std::vector<Line>& after) {
    const size_t n = before.size();
    const size_t m = after.size();
    std::vector<Run> runs;
    if (n == m) {
        // Same length: records changed in place, lines swapped or sorted, a bank closed up and
        // padded again. Each run of differing places is one hunk.
        for (size_t i = 0; i < n;) {
            if (sameLine(before[i], after[i])) {
                ++i;
                continue;
            }
            size_t j = i;
            while (j < n && !sameLine(before[j], after[j]))
                ++j;
            runs.push_back({i, i, j - i, j - i});
            i = j;
        }
    } else {
        const size_t shorter = std::min(n, m);
        size_t head = 0;
        while (head < shorter && sameLine(before[head], after[head]))
            ++head;
        size_t tail = 0;
        while (tail < shorter - head && sameLine(before[n - 1 - tail], after[m - 1 - tail]))
            ++tail;
        const size_t oldEnd = n - tail;
        const size_t newEnd = m - tail;
        // Lines that went (Delete, Move) or came (New, Copy), wherever they stood; anything else
        // is one hunk over the differing middle.
        const bool found = m < n ? removedRuns(before, head, oldEnd, after, head, newEnd, runs)
                                 : addedRuns(before, head, oldEnd, after, head, newEnd, runs);
        if (!found) {
            runs.clear();
            runs.push_back({head, head, newEnd - head, oldEnd - head});
        }
    }

    LineChange<Line> change;
    change.presentSize = m;
    change.storedSize = n;
    change.hunks.reserve(runs.size());
    size_t storedLines = 0;
    for (const Run& run : runs)
        storedLines += run.storedCount;
    change.stored.reserve(storedLines);
    for (const Run& run : runs) {
        change.hunks.push_back({run.at, run.presentCount, run.storedCount});
        for (size_t k = 0; k < run.storedCount; ++k)
            change.stored.push_back(std::move(before[run.from + k]));
    }
    change.presentHash = hashHunks<Line>(change.hunks, after, nullptr);
    change.storedHash = hashHunks(change.hunks, after, &change.stored);
    return change;
}

template <class Line>
bool changeFits(const LineChange<Line>& change, const std::vector<Line>& list) {
    return list.size() == change.presentSize &&
           hashHunks<Line>(change.hunks, list, nullptr) == change.presentHash;
}

template <class Line> void applyChange(std::vector<Line>& list, LineChange<Line>& change) {
    // The lines leaving, taken while everything is still in its place.
    size_t leaving = 0;
    for (const LineHunk& hunk : change.hunks)
        leaving += hunk.presentCount;
    std::vector<Line> left;
    left.reserve(leaving);
    for (const LineHunk& hunk : change.hunks) {
        for (size_t k = 0; k < hunk.presentCount; ++k)
            left.push_back(std::move(list[hunk.at + k]));
    }

    // Where each hunk's stored lines start in `stored`, and whether the unchanged lines all move
    // one way (lines only removed, or only added, as Delete, New, Copy and Move do): then the
    // list is changed where it is, without a second list of every line.
    std::vector<size_t> from(change.hunks.size());
    bool neverRight = true;
    bool neverLeft = true;
    std::ptrdiff_t shift = 0;
    size_t next = 0;
    for (size_t h = 0; h < change.hunks.size(); ++h) {
        const LineHunk& hunk = change.hunks[h];
        from[h] = next;
        next += hunk.storedCount;
        shift += static_cast<std::ptrdiff_t>(hunk.storedCount) -
                 static_cast<std::ptrdiff_t>(hunk.presentCount);
        neverRight = neverRight && shift <= 0;
        neverLeft = neverLeft && shift >= 0;
    }

    if (neverRight) {
        // Front to back: every line moves left or stays.
        size_t read = 0;
        size_t write = 0;
        for (size_t h = 0; h < change.hunks.size(); ++h) {
            LineHunk& hunk = change.hunks[h];
            for (; read < hunk.at; ++read, ++write) {
                if (write != read)
                    list[write] = std::move(list[read]);
            }
            const size_t at = write;
            for (size_t k = 0; k < hunk.storedCount; ++k)
                list[write++] = std::move(change.stored[from[h] + k]);
            read = hunk.at + hunk.presentCount;
            hunk = {at, hunk.storedCount, hunk.presentCount};
        }
        for (; read < list.size(); ++read, ++write) {
            if (write != read)
                list[write] = std::move(list[read]);
        }
        list.resize(write);
    } else if (neverLeft) {
        // Back to front into the grown list: every line moves right or stays.
        size_t readEnd = list.size();
        list.resize(change.storedSize);
        size_t writeEnd = list.size();
        for (size_t h = change.hunks.size(); h-- > 0;) {
            LineHunk& hunk = change.hunks[h];
            const size_t tail = hunk.at + hunk.presentCount;
            while (readEnd > tail) {
                --readEnd;
                --writeEnd;
                if (writeEnd != readEnd)
                    list[writeEnd] = std::move(list[readEnd]);
            }
            const size_t at = writeEnd - hunk.storedCount;
            for (size_t k = 0; k < hunk.storedCount; ++k)
                list[at + k] = std::move(change.stored[from[h] + k]);
            writeEnd = at;
            readEnd = hunk.at;
            hunk = {at, hunk.storedCount, hunk.presentCount};
        }
    } else {
        std::vector<Line> out;
        out.reserve(change.storedSize);
        size_t pos = 0;
        for (size_t h = 0; h < change.hunks.size(); ++h) {
            LineHunk& hunk = change.hunks[h];
            for (; pos < hunk.at; ++pos)
                out.push_back(std::move(list[pos]));
            const size_t at = out.size();
            for (size_t k = 0; k < hunk.storedCount; ++k)
                out.push_back(std::move(change.stored[from[h] + k]));
            pos = hunk.at + hunk.presentCount;
            hunk = {at, hunk.storedCount, hunk.presentCount};
        }
        for (; pos < list.size(); ++pos)
            out.push_back(std::move(list[pos]));
        list = std::move(out);
    }
    change.stored = std::move(left);
    std::swap(change.presentSize, change.storedSize);
    std::swap(change.presentHash, change.storedHash);
}

template struct LineChange<RegEntry>;
template struct LineChange<ArchiveEntry>;
template LineChange<RegEntry> diffLines(std::vector<RegEntry>&, const std::vector<RegEntry>&);
template LineChange<ArchiveEntry> diffLines(std::vector<ArchiveEntry>&,
                                            const std::vector<ArchiveEntry>&);
template bool changeFits(const LineChange<RegEntry>&, const std::vector<RegEntry>&);
template bool changeFits(const LineChange<ArchiveEntry>&, const std::vector<ArchiveEntry>&);
template void applyChange(std::vector<RegEntry>&, LineChange<RegEntry>&);
template void applyChange(std::vector<ArchiveEntry>&, LineChange<ArchiveEntry>&);

} // namespace tombrel
