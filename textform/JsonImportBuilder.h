#pragma once

// The import of a document as a stream of JSON events: a parser tells it what it reads (an
// object begins, a key, a number ...) and it checks the document, builds the registrations and
// refuses at the first problem. The events carry the line of the JSON text where they stand, for
// the messages; readJsonDocument() feeds it from the JsonReader.

#include "core/commands/RegFieldForm.h"
#include "core/commands/TextForm.h"
#include "textform/JsonDocument.h"
#include "textform/JsonReader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tombrel::textform {

class JsonImportBuilder {
public:
    explicit JsonImportBuilder(const TextFormNames& names);
    // Room for about this many lines, so that a large document's lines are not moved as it grows.
    void expectLines(size_t count) { document_.lines.reserve(count); }

    // Each returns false once the document is refused; nothing more is fed after that.
    bool beginObject(int line);
    bool endObject();
    bool beginArray(int line);
    bool endArray();
    bool key(std::string_view name, int line);
    bool null(int line);
    bool boolean(bool on, int line);
    bool integer(int64_t value, int line);
    bool number(std::string_view asWritten, int line); // a number that is not a 64-bit integer
    bool string(std::string_view text, int line);
    // The text is broken at `at`; this ends the reading.
    void syntaxError(JsonSyntaxProblem problem, JsonPosition at);

    // After the end of the text, or once an event has returned false.
    JsonImport finish();

private:
    enum class Frame : uint8_t { Document, Lines, Line, Registration };
    enum class ValueFor : uint8_t { Header, LineKey, Field };
    enum class Start : uint8_t { Object, Array, Scalar };
    struct Building {
        FormValue* value;
        size_t count;
    };

    bool refuse(UserMessage message);
    // Where a value that begins outside any value being built goes: nothing when the frames have
    // taken it (a new frame, a skip or a refusal; `going` tells which).
    FormValue* target(Start start, int line, bool& going);
    // The slot of the next value inside the value being built.
    FormValue& slot();
    template <typename Set> bool scalar(int line, Set&& set);
    bool beginContainer(bool object, int line);
    bool endContainer();
    // Skips the value that begins here, then refuses with `message` (a syntax error inside it
    // comes first).
    bool skipThenRefuse(Start start, UserMessage message);
    bool valueDone();
    bool headerValue();
    bool lineValue();
    bool lineDone();
    bool finishDocument();

    RegRecordForm form_;
    JsonImport result_;
    TextFormDocument document_;
    std::vector<Frame> frames_;
    bool documentSeen_ = false;

    // The value being built and what it is for.
    std::vector<Building> building_;
    ValueFor valueFor_ = ValueFor::Header;
    int skipDepth_ = 0;
    std::optional<UserMessage> afterSkip_;

    // The document's header.
    std::string headerKey_;
    int headerKeyLine_ = 0;
    FormValue headerValue_;
    std::optional<std::string> format_;
    std::optional<int64_t> version_;
    std::optional<TextFormKind> kind_;
    std::optional<KeyboardModel> model_;
    int modelLine_ = 0;
    bool sawLines_ = false;

    // The line being read.
    int listLine_ = 0;
    TextFormPlace place_;
    std::optional<TextFormLine> line_;
    std::optional<bool> expanded_;
    int expandedLine_ = 0;
    std::vector<std::pair<std::string, int>> seenLineKeys_;
    std::string lineKey_;
    int lineKeyLine_ = 0;
    FormValue lineValue_;

    // The registration's field being read; its value's room is kept from field to field.
    std::string fieldKey_;
    int fieldKeyLine_ = 0;
    FormValue fieldValue_;

    // Checks that need the kind, which may come after the lines.
    std::optional<TextFormPlace> firstCategory_, firstRegistrationBeforeBank_;
    std::optional<std::pair<TextFormPlace, size_t>> longBankTitle_;
    bool bankSeen_ = false;
};

} // namespace tombrel::textform
