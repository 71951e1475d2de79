#include "export/Protocol.h"

#include "core/files/FileIo.h"
#include "core/names/StyleNameTable.h"
#include "core/names/VoiceTable.h"

#include <array>
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

// The cells are formatted by hand, as printf's "%s", "%-Ns", "%d", "%Nd" and "%0Nd" would: a
// listing of a hundred thousand registrations takes a dozen cells a line.

// A text up to its first NUL (where printf's "%s" ends it), then blanks to at least `width`; a
// longer text widens the cell.
void putText(std::string& line, std::string_view text, size_t width = 0) {
    const size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    line += text;
    if (text.size() < width)
        line.append(width - text.size(), ' ');
}

void putChar(std::string& line, char c) {
    line += c;
}

// A number right-aligned to at least `width`, filled with blanks or (after the sign) zeros.
void putNumber(std::string& line, int value, size_t width = 0, char fill = ' ') {
    char digits[12];
    size_t n = 0;
    long long v = value;
    const bool negative = v < 0;
    if (negative)
        v = -v;
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v > 0);
    const size_t length = n + (negative ? 1 : 0);
    const size_t pad = length < width ? width - length : 0;
    if (fill == ' ')
        line.append(pad, ' ');
    if (negative)
        line += '-';
    if (fill == '0')
        line.append(pad, '0');
    while (n > 0)
        line += digits[--n];
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
            // "| %02d/%d " or "%02d/%d\t"
            if (type_ == ProtocolType::Blank)
                line_ += "| ";
            putNumber(line_, entry.bankNumber + 1, 2, '0');
            putChar(line_, '/');
            putNumber(line_, entry.entryNumber + 1);
            line_ += type_ == ProtocolType::Blank ? " " : "\t";
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
    static std::string_view voiceName(int key) { return VoiceTable::lookup(key); }

    void blankRow(const RegRecord& r) {
        const std::string song = r.songPath();
        // "| %-16s | %-16s | %-33s |  %3d  |  Main %c   "
        line_ += "| ";
        putText(line_, bankTitle_, 16);
        line_ += " | ";
        putText(line_, r.titleView(), 16);
        line_ += " | ";
        putText(line_, styles_.longName(r.styleByte()), 33);
        line_ += " |  ";
        putNumber(line_, r.tempo(), 3);
        line_ += "  |  Main ";
        putChar(line_, variationChar(r));
        line_ += "   ";
        for (size_t i = 0; i < kVoiceColumns.size(); ++i) {
            const VoicePart part = kVoiceColumns[i];
            const bool left = part == VoicePart::Left;
            // "| %c %-25s |   %3d   ", the left voice's volume cell two wider
            line_ += "| ";
            putChar(line_, mark(r, part));
            putChar(line_, ' ');
            putText(line_, voiceName(r.voice(part)), 25);
            line_ += left ? " |    " : " |   ";
            putNumber(line_, r.volume(part), 3);
            line_ += left ? "    " : "   ";
        }
        // "|  %c   |   %3d    "
        line_ += "|  ";
        putChar(line_, r.hold() ? '*' : ' ');
        line_ += "   |   ";
        putNumber(line_, r.accVolume(), 3);
        line_ += "    ";
        for (int p = 0; p < kAccPartCount; ++p) {
            const auto part = static_cast<AccPart>(p);
            // "| %-3s %-3s  %-25s  %-3s %3d "
            line_ += "| ";
            putText(line_, r.partOn(part) ? "on" : "off", 3);
            putChar(line_, ' ');
            putText(line_, r.partSetVoice(part) ? "set" : "", 3);
            line_ += "  ";
            putText(line_, voiceName(r.partVoice(part)), 25);
            line_ += "  ";
            putText(line_, r.partSetVolume(part) ? "set" : "", 3);
            putChar(line_, ' ');
            putNumber(line_, r.partVolume(part), 3);
            putChar(line_, ' ');
        }
        // "| %-82s |"
        line_ += "| ";
        putText(line_, song, 82);
        line_ += " |";
    }

    void tabRow(const RegRecord& r) {
        // "%s\t%s\t%s\t%d\tMain%c\t"
        putText(line_, bankTitle_);
        putChar(line_, '\t');
        putText(line_, r.titleView());
        putChar(line_, '\t');
        putText(line_, styles_.longName(r.styleByte()));
        putChar(line_, '\t');
        putNumber(line_, r.tempo());
        line_ += "\tMain";
        putChar(line_, variationChar(r));
        putChar(line_, '\t');
        for (VoicePart part : kVoiceColumns) {
            // "%c%s\t%d\t"
            putChar(line_, mark(r, part));
            putText(line_, voiceName(r.voice(part)));
            putChar(line_, '\t');
            putNumber(line_, r.volume(part));
            putChar(line_, '\t');
        }
        // "%s\t%d\t"
        line_ += r.hold() ? "Hold\t" : "\t";
        putNumber(line_, r.accVolume());
        putChar(line_, '\t');
        for (int p = 0; p < kAccPartCount; ++p) {
            const auto part = static_cast<AccPart>(p);
            // "%s\t%s\t%s\t%s\t%d\t"
            line_ += r.partOn(part) ? "on\t" : "off\t";
            line_ += r.partSetVoice(part) ? "set\t" : "\t";
            putText(line_, voiceName(r.partVoice(part)));
            putChar(line_, '\t');
            line_ += r.partSetVolume(part) ? "set\t" : "\t";
            putNumber(line_, r.partVolume(part));
            putChar(line_, '\t');
        }
        line_ += r.songPath();
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
