#include "export/Protocol.h"

#include "core/files/FileIo.h"
#include "core/names/StyleNameTable.h"
#include "core/names/VoiceTable.h"

#include <array>
#include <cstdio>
#include <streambuf>

namespace tombrel {

namespace {

constexpr const char* kLineEnd = "\r\n";

// Cell widths of the blank-formatted table, in column order.
struct Column {
    const char* caption;
    int width;
};
constexpr std::array<Column, 15> kLeadingColumns = {{
    {"Bank Title", 18},
    {"Entry", 18},
    {"Style", 35},
    {"Tempo", 7},
    {"Variation", 11},
    {"R1-Voice", 29},
    {"R1-Vol.", 9},
    {"R2-Voice", 29},
    {"R2-Vol.", 9},
    {"R3-Voice", 29},
    {"R3-Vol.", 9},
    {"Left-Voice", 29},
    {"Left-Vol.", 11},
    {"Hold", 6},
    {"Acc-Vol.", 10},
}};
constexpr int kPartCellWidth = 45;
constexpr Column kSongColumn = {"Song-Title", 84};

constexpr std::array<VoicePart, 4> kVoiceColumns = {VoicePart::R1, VoicePart::R2, VoicePart::R3,
                                                    VoicePart::Left};

std::string headerCell(const char* caption, int width) {
    std::string cell = " ";
    cell += caption;
    if (static_cast<int>(cell.size()) < width)
        cell.append(static_cast<size_t>(width) - cell.size(), ' ');
    return cell;
}

// The part name from the cell's second character, "Vol." at characters 41 to 44.
std::string partHeaderCell(AccPart part) {
    std::string cell(kPartCellWidth, ' ');
    const std::string_view name = accPartName(part);
    cell.replace(1, name.size(), name);
    cell.replace(40, 4, "Vol.");
    return cell;
}

void writeBlankHeader(std::ostream& out, bool withBankColumn) {
    std::string header, separator;
    if (withBankColumn) {
        header = "| Bank ";
        separator = "|------";
    }
    auto addColumn = [&](const std::string& cell, int width) {
        header += '|';
        header += cell;
        separator += '|';
        separator.append(static_cast<size_t>(width), '-');
    };
    for (const Column& c : kLeadingColumns)
        addColumn(headerCell(c.caption, c.width), c.width);
    for (int p = 0; p < kAccPartCount; ++p)
        addColumn(partHeaderCell(static_cast<AccPart>(p)), kPartCellWidth);
    addColumn(headerCell(kSongColumn.caption, kSongColumn.width), kSongColumn.width);
    out << header << '|' << kLineEnd << separator << '|' << kLineEnd;
}

void writeTabHeader(std::ostream& out, bool withBankColumn) {
    if (withBankColumn)
        out << "Bank\t";
    out << "BankTitle\tEntry\tStyle\tTempo\tVariation\tR1-Voice\tR1-Vol\tR2-Voice\tR2-Vol\t"
           "R3-Voice\tR3-Vol\tLeft-Voice\tLeft-Vol\tHold\tAcc-Vol\t";
    for (int p = 0; p < kAccPartCount; ++p) {
        const char* name = accPartName(static_cast<AccPart>(p));
        for (const char* suffix : {"-OnOff", "-Set", "-Voice", "-SetVol", "-Vol"})
            out << name << suffix << '\t';
    }
    out << "Song-Title" << kLineEnd;
}

// Appends printf-formatted text; a cell wider than its minimum width widens the line.
template <typename... Args> void appendf(std::string& line, const char* format, Args... args) {
    char buffer[256];
    const int n = std::snprintf(buffer, sizeof buffer, format, args...);
    if (n < 0)
        return;
    if (static_cast<size_t>(n) < sizeof buffer) {
        line.append(buffer, static_cast<size_t>(n));
        return;
    }
    std::string big(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(big.data(), big.size(), format, args...);
    line.append(big.data(), static_cast<size_t>(n));
}

class ProtocolWriter {
public:
    ProtocolWriter(std::ostream& out, ProtocolType type, const StyleNameTable& styles,
                   bool withBankColumn)
        : out_(out), type_(type), styles_(styles), withBankColumn_(withBankColumn) {
        if (type_ == ProtocolType::Blank)
            writeBlankHeader(out_, withBankColumn_);
        else
            writeTabHeader(out_, withBankColumn_);
    }

    void setBankTitle(const std::string& title) { bankTitle_ = title; }

    void writeRegistration(const RegEntry& entry) {
        if (entry.record.isEmpty())
            return;
        // The listing shows the split points as an editor would; the pane's own record is left
        // as it is, so writing a protocol never changes what a later save writes.
        RegRecord r = entry.record;
        r.normalise();
        line_.clear();
        if (withBankColumn_) {
            appendf(line_, type_ == ProtocolType::Blank ? "| %02d/%d " : "%02d/%d\t",
                    entry.bankNumber + 1, entry.entryNumber + 1);
        }
        if (type_ == ProtocolType::Blank)
            blankRow(r);
        else
            tabRow(r);
        line_ += kLineEnd;
        out_ << line_;
    }

private:
    static char mark(const RegRecord& r, VoicePart part) { return r.voiceOn(part) ? '*' : ' '; }
    static char variationChar(const RegRecord& r) { return static_cast<char>(r.variation() + 57); }
    static const char* voiceName(int key, std::string& storage) {
        storage = VoiceTable::lookup(key);
        return storage.c_str();
    }

    void blankRow(const RegRecord& r) {
        const std::string title = r.title();
        const std::string song = r.songPath();
        std::string voice;
        appendf(line_, "| %-16s | %-16s | %-33s |  %3d  |  Main %c   ", bankTitle_.c_str(),
                title.c_str(), styles_.longName(r.styleByte()).c_str(), r.tempo(),
                variationChar(r));
        for (size_t i = 0; i < kVoiceColumns.size(); ++i) {
            const VoicePart part = kVoiceColumns[i];
            const bool left = part == VoicePart::Left;
            appendf(line_, left ? "| %c %-25s |    %3d    " : "| %c %-25s |   %3d   ",
                    mark(r, part), voiceName(r.voice(part), voice), r.volume(part));
        }
        appendf(line_, "|  %c   |   %3d    ", r.hold() ? '*' : ' ', r.accVolume());
        for (int p = 0; p < kAccPartCount; ++p) {
            const auto part = static_cast<AccPart>(p);
            appendf(line_, "| %-3s %-3s  %-25s  %-3s %3d ", r.partOn(part) ? "on" : "off",
                    r.partSetVoice(part) ? "set" : "", voiceName(r.partVoice(part), voice),
                    r.partSetVolume(part) ? "set" : "", r.partVolume(part));
        }
        appendf(line_, "| %-82s |", song.c_str());
    }

    void tabRow(const RegRecord& r) {
        const std::string title = r.title();
        const std::string song = r.songPath();
        std::string voice;
        appendf(line_, "%s\t%s\t%s\t%d\tMain%c\t", bankTitle_.c_str(), title.c_str(),
                styles_.longName(r.styleByte()).c_str(), r.tempo(), variationChar(r));
        for (VoicePart part : kVoiceColumns) {
            appendf(line_, "%c%s\t%d\t", mark(r, part), voiceName(r.voice(part), voice),
                    r.volume(part));
        }
        appendf(line_, "%s\t%d\t", r.hold() ? "Hold" : "", r.accVolume());
        for (int p = 0; p < kAccPartCount; ++p) {
            const auto part = static_cast<AccPart>(p);
            appendf(line_, "%s\t%s\t%s\t%s\t%d\t", r.partOn(part) ? "on" : "off",
                    r.partSetVoice(part) ? "set" : "", voiceName(r.partVoice(part), voice),
                    r.partSetVolume(part) ? "set" : "", r.partVolume(part));
        }
        line_ += song;
    }

    std::ostream& out_;
    ProtocolType type_;
    const StyleNameTable& styles_;
    bool withBankColumn_;
    std::string bankTitle_;
    std::string line_;
};

// Streams into a file that replaces the target only when every byte is written.
class AtomicFileStreamBuf : public std::streambuf {
public:
    explicit AtomicFileStreamBuf(AtomicFileWriter& writer) : writer_(writer) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    bool flushBuffer() {
        const auto n = static_cast<size_t>(pptr() - pbase());
        const bool ok = writer_.write(pbase(), n);
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return ok;
    }

protected:
    int_type overflow(int_type ch) override {
        if (!flushBuffer())
            return traits_type::eof();
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }
    int sync() override { return flushBuffer() ? 0 : -1; }

private:
    AtomicFileWriter& writer_;
    std::array<char, 1 << 16> buffer_;
};

template <typename Write>
std::optional<UserMessage> writeFile(const std::string& path, Write write) {
    AtomicFileWriter writer(path);
    if (writer.open()) {
        AtomicFileStreamBuf buffer(writer);
        std::ostream out(&buffer);
        write(out);
        if (buffer.flushBuffer() && writer.commit())
            return std::nullopt;
    }
    return UserMessage{&msg::ErrorCreatingProtocolFile, writer.platformError(), {}};
}

} // namespace

void writeRegistrationProtocol(std::ostream& out, ProtocolType type, const RegList& lines,
                               const StyleNameTable& styles) {
    ProtocolWriter writer(out, type, styles, true);
    for (const RegEntry& entry : lines) {
        if (entry.isBankLine)
            writer.setBankTitle(entry.bankTitle);
        else
            writer.writeRegistration(entry);
    }
}

void writeArchiveProtocol(std::ostream& out, ProtocolType type, const ArchiveList& list,
                          const StyleNameTable& styles) {
    ProtocolWriter writer(out, type, styles, false);
    auto walkLine = [&](const RegEntry& entry) {
        if (entry.isBankLine)
            writer.setBankTitle(entry.bankTitle);
        else
            writer.writeRegistration(entry);
    };
    for (const ArchiveEntry& entry : list) {
        if (entry.isCategory) {
            writer.setBankTitle({});
            if (!entry.expanded) {
                for (const RegEntry& child : entry.hiddenChildren)
                    walkLine(child);
            }
            continue;
        }
        walkLine(entry);
    }
}

std::optional<UserMessage> writeRegistrationProtocolFile(const std::string& path, ProtocolType type,
                                                         const RegList& lines,
                                                         const StyleNameTable& styles) {
    return writeFile(
        path, [&](std::ostream& out) { writeRegistrationProtocol(out, type, lines, styles); });
}

std::optional<UserMessage> writeArchiveProtocolFile(const std::string& path, ProtocolType type,
                                                    const ArchiveList& list,
                                                    const StyleNameTable& styles) {
    return writeFile(path,
                     [&](std::ostream& out) { writeArchiveProtocol(out, type, list, styles); });
}

} // namespace tombrel
