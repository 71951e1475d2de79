#pragma once

// Lines for the output stream, gathered in one buffer and handed to the stream in large pieces:
// a listing of a hundred thousand lines costs a few dozen writes rather than several stream
// operations per line, and no line needs a string of its own.

#include "core/text/Text1252.h"

#include <ostream>
#include <string>
#include <string_view>

namespace tombrel::cli {

class LineOutput {
public:
    explicit LineOutput(std::ostream& out) : out_(out) { buffer_.reserve(kPiece + 1024); }
    ~LineOutput() { flush(); }
    LineOutput(const LineOutput&) = delete;
    LineOutput& operator=(const LineOutput&) = delete;

    // One line of single-byte text, written as UTF-8.
    void line1252(std::string_view text) {
        appendUtf8From1252(text, buffer_);
        endLine();
    }
    // The buffer to append a line's UTF-8 text to, then endLine().
    std::string& text() { return buffer_; }
    void endLine() {
        buffer_ += '\n';
        if (buffer_.size() >= kPiece)
            flush();
    }
    void flush() {
        if (!buffer_.empty())
            out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        buffer_.clear();
    }

private:
    static constexpr size_t kPiece = size_t{1} << 16;

    std::ostream& out_;
    std::string buffer_;
};

} // namespace tombrel::cli
