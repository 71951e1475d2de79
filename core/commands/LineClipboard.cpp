#include "core/commands/LineClipboard.h"

#include "core/sides/ArchiveSide.h"
#include "core/sides/RegListRules.h"
#include "core/text/Text1252.h"

#include <cstdint>
#include <cstring>

namespace tombrel {

namespace {

// "TMBLINES", the form's version, where the lines come from, then the number of lines.
constexpr std::string_view kMagic = "TMBLINES";
constexpr uint8_t kVersion = 1;
constexpr uint8_t kFromRegistrations = 1;
constexpr uint8_t kFromArchive = 2;
// Each line starts with its kind; a category continues with its flags, its name, the number of
// its hidden lines and those lines (registrations and bank title lines only).
constexpr uint8_t kRegistration = 1;
constexpr uint8_t kBankTitle = 2;
constexpr uint8_t kCategory = 3;
constexpr uint8_t kExpanded = 1;
constexpr size_t kSmallestLine = 3; // a bank title line without a title

class Writer {
public:
    void byte(uint8_t b) { out_.push_back(static_cast<char>(b)); }
    void u32(size_t value) {
        for (int k = 0; k < 4; ++k)
            byte(static_cast<uint8_t>(value >> (8 * k)));
    }
    void text(std::string_view text) {
        // Texts are kept as the file keeps them: up to a NUL.
        text = text.substr(0, std::min(text.find('\0'), kMaxClipboardText));
        byte(static_cast<uint8_t>(text.size()));
        byte(static_cast<uint8_t>(text.size() >> 8));
        out_.append(text);
    }
    void child(const RegEntry& line) {
        if (line.isBankLine) {
            byte(kBankTitle);
            text(line.bankTitle);
        } else {
            byte(kRegistration);
            out_.append(reinterpret_cast<const char*>(line.record.data()), RegRecord::Size);
        }
    }
    void header(uint8_t origin, size_t count) {
        out_.append(kMagic);
        byte(kVersion);
        byte(origin);
        u32(count);
    }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    size_t left() const { return bytes_.size() - pos_; }
    bool byte(uint8_t& b) {
        if (left() < 1)
            return false;
        b = static_cast<uint8_t>(bytes_[pos_++]);
        return true;
    }
    bool u32(size_t& value) {
        if (left() < 4)
            return false;
        value = 0;
        for (int k = 0; k < 4; ++k)
            value |= size_t{static_cast<uint8_t>(bytes_[pos_ + static_cast<size_t>(k)])} << (8 * k);
        pos_ += 4;
        return true;
    }
    bool text(std::string& out) {
        uint8_t lo = 0, hi = 0;
        if (!byte(lo) || !byte(hi))
            return false;
        const size_t size = size_t{lo} | (size_t{hi} << 8);
        if (size > kMaxClipboardText || size > left())
            return false;
        out.assign(bytes_.substr(pos_, size));
        pos_ += size;
        return out.find('\0') == std::string::npos;
    }
    bool child(uint8_t kind, RegEntry& line) {
        if (kind == kBankTitle) {
            line.isBankLine = true;
            return text(line.bankTitle);
        }
        if (kind != kRegistration || left() < RegRecord::Size)
            return false;
        line.record.assign(reinterpret_cast<const uint8_t*>(bytes_.data() + pos_));
        pos_ += RegRecord::Size;
        return true;
    }
    bool magic() {
        if (left() < kMagic.size() || bytes_.substr(0, kMagic.size()) != kMagic)
            return false;
        pos_ += kMagic.size();
        return true;
    }

private:
    std::string_view bytes_;
    size_t pos_ = 0;
};

ClipboardReadResult refused() {
    ClipboardReadResult result;
    result.error = userMessage(msg::ClipboardLinesUnreadable);
    return result;
}

std::string childText(const RegEntry& line) {
    return archiveLineText(ArchiveEntry(line));
}

void appendLine(std::string& out, const std::string& text1252) {
    out += utf8From1252(text1252);
    out += '\n';
}

} // namespace

std::string encodeClipboardLines(const RegList& lines) {
    Writer w;
    w.header(kFromRegistrations, lines.size());
    for (const RegEntry& line : lines)
        w.child(line);
    return w.take();
}

std::string encodeClipboardLines(const ArchiveList& lines) {
    Writer w;
    w.header(kFromArchive, lines.size());
    for (const ArchiveEntry& line : lines) {
        if (!line.isCategory) {
            w.child(line);
            continue;
        }
        w.byte(kCategory);
        w.byte(line.expanded ? kExpanded : 0);
        w.text(line.categoryName);
        w.u32(line.hiddenChildren.size());
        for (const RegEntry& child : line.hiddenChildren)
            w.child(child);
    }
    return w.take();
}

ClipboardReadResult decodeClipboardLines(std::string_view bytes) {
    if (bytes.size() > kMaxClipboardBytes)
        return refused();
    Reader r(bytes);
    uint8_t version = 0, origin = 0;
    size_t count = 0;
    if (!r.magic() || !r.byte(version) || version != kVersion || !r.byte(origin) ||
        (origin != kFromRegistrations && origin != kFromArchive) || !r.u32(count))
        return refused();
    // Every count is checked against the bytes that could hold it before anything is reserved.
    if (count == 0 || count > r.left() / kSmallestLine || count > kMaxClipboardLines)
        return refused();

    ClipboardLines result;
    result.origin = origin == kFromArchive ? LinesOrigin::Archive : LinesOrigin::Registration;
    result.lines.reserve(count);
    size_t built = 0;
    for (size_t k = 0; k < count; ++k) {
        uint8_t kind = 0;
        if (!r.byte(kind))
            return refused();
        ArchiveEntry& line = result.lines.emplace_back();
        if (kind != kCategory) {
            if (!r.child(kind, line))
                return refused();
            ++built;
            continue;
        }
        uint8_t flags = 0;
        size_t hidden = 0;
        if (result.origin != LinesOrigin::Archive || !r.byte(flags) || (flags & ~kExpanded) ||
            !r.text(line.categoryName) || !r.u32(hidden) || hidden > r.left() / kSmallestLine)
            return refused();
        line.isCategory = line.isBankLine = true;
        // An expanded category shows its lines in the list; only a collapsed one hides any.
        if ((flags & kExpanded) && hidden > 0)
            return refused();
        built += 1 + hidden;
        if (built > kMaxClipboardLines)
            return refused();
        line.hiddenChildren.resize(hidden);
        for (RegEntry& child : line.hiddenChildren) {
            uint8_t childKind = 0;
            if (!r.byte(childKind) || !r.child(childKind, child))
                return refused();
        }
        line.expanded = line.hiddenChildren.empty();
    }
    if (r.left() != 0)
        return refused();
    ClipboardReadResult out;
    out.lines = std::move(result);
    return out;
}

RegList asRegistrationLines(const ClipboardLines& lines) {
    RegList out;
    for (const ArchiveEntry& line : lines.lines) {
        if (line.isCategory)
            out.insert(out.end(), line.hiddenChildren.begin(), line.hiddenChildren.end());
        else
            out.push_back(static_cast<const RegEntry&>(line));
    }
    return out;
}

ArchiveList asArchiveLines(const ClipboardLines& lines) {
    return lines.lines;
}

std::string plainTextOf(const RegList& lines) {
    std::string out;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i)
        appendLine(out, regLineText(lines, i));
    return out;
}

std::string plainTextOf(const ArchiveList& lines) {
    std::string out;
    for (const ArchiveEntry& line : lines) {
        appendLine(out, archiveLineText(line));
        for (const RegEntry& child : line.hiddenChildren)
            appendLine(out, childText(child));
    }
    return out;
}

} // namespace tombrel
