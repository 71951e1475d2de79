#include "textform/JsonDocument.h"

#include "core/files/FileIo.h"
#include "core/text/Text1252.h"
#include "textform/JsonReader.h"

#include <charconv>

namespace tombrel::textform {

namespace {

// ---- Writing ---------------------------------------------------------------------------------

// Objects with more members than this are written one member a line ("raw"); voices, styles and
// lists of bit names stay on the line of their field.
constexpr size_t kInlineMembers = 4;

void appendEscaped(std::string& out, std::string_view text) {
    out += '"';
    size_t run = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(text.data() + run, i - run);
        run = i + 1;
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default: {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
        }
    }
    out.append(text.data() + run, text.size() - run);
    out += '"';
}

void appendInteger(std::string& out, int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void appendValue(std::string& out, const FormValue& value, std::string_view indent);

void appendMembers(std::string& out, const FormValue& value, std::string_view indent) {
    const bool object = value.type == FormValue::Type::Object;
    out += object ? '{' : '[';
    const bool multiline = object && value.members.size() > kInlineMembers;
    const std::string inner = multiline ? std::string(indent) + "  " : std::string();
    for (size_t i = 0; i < value.members.size(); ++i) {
        if (i > 0)
            out += multiline ? "," : ", ";
        if (multiline) {
            out += '\n';
            out += inner;
        }
        if (object) {
            appendEscaped(out, value.members[i].name);
            out += ": ";
        }
        appendValue(out, value.members[i].value, inner);
    }
    if (multiline) {
        out += '\n';
        out += indent;
    }
    out += object ? '}' : ']';
}

void appendValue(std::string& out, const FormValue& value, std::string_view indent) {
    switch (value.type) {
    case FormValue::Type::Null:
        out += "null";
        break;
    case FormValue::Type::Flag:
        out += value.flag ? "true" : "false";
        break;
    case FormValue::Type::Integer:
        appendInteger(out, value.integer);
        break;
    case FormValue::Type::Number:
        out += value.text;
        break;
    case FormValue::Type::Text:
        appendEscaped(out, value.text);
        break;
    case FormValue::Type::Object:
    case FormValue::Type::Array:
        appendMembers(out, value, indent);
        break;
    }
}

} // namespace

namespace {

// Writes the document into `out`, handing it to `flush` whenever it has grown past a chunk, so
// that a large archive goes to its file without the whole text in memory.
template <typename Flush>
bool writeDocument(const TextFormDocument& document, const TextFormNames& names, std::string& out,
                   Flush&& flush) {
    constexpr size_t kChunk = size_t{1} << 20;
    out += "{\n  \"format\": ";
    appendEscaped(out, kTextFormFormat);
    out += ",\n  \"version\": ";
    appendInteger(out, kTextFormVersion);
    out += ",\n  \"kind\": ";
    appendEscaped(out, textFormKindName(document.kind));
    if (document.kind == TextFormKind::RegistrationBackup) {
        out += ",\n  \"model\": ";
        appendEscaped(out, textFormModelName(document.model));
    }
    out += ",\n  \"lines\": [";
    RegFormExporter exporter(names);
    constexpr std::string_view kFieldIndent = "      ";
    for (size_t i = 0; i < document.lines.size(); ++i) {
        const TextFormLine& line = document.lines[i];
        out += i == 0 ? "\n    " : ",\n    ";
        switch (line.type) {
        case TextFormLine::Type::Bank:
            out += "{\"bank\": ";
            appendEscaped(out, utf8From1252(line.text));
            out += '}';
            break;
        case TextFormLine::Type::Category:
            out += "{\"category\": ";
            appendEscaped(out, utf8From1252(line.text));
            out += ", \"expanded\": ";
            out += line.expanded ? "true" : "false";
            out += '}';
            break;
        case TextFormLine::Type::Registration: {
            const std::vector<FormField>& fields = exporter.fields(line.record);
            out += "{\"registration\": {";
            for (size_t f = 0; f < fields.size(); ++f) {
                out += f == 0 ? "\n" : ",\n";
                out += kFieldIndent;
                appendEscaped(out, fields[f].name);
                out += ": ";
                appendValue(out, fields[f].value, kFieldIndent);
            }
            out += "\n    }}";
            break;
        }
        }
        if (out.size() >= kChunk) {
            if (!flush(out))
                return false;
            out.clear();
        }
    }
    out += document.lines.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return flush(out);
}

} // namespace

std::string writeJsonDocument(const TextFormDocument& document, const TextFormNames& names) {
    std::string text, out;
    writeDocument(document, names, out, [&](std::string& chunk) {
        text += chunk;
        return true;
    });
    return text;
}

namespace {

// ---- Reading ---------------------------------------------------------------------------------

const Message& syntaxMessage(JsonSyntaxProblem problem) {
    switch (problem) {
    case JsonSyntaxProblem::UnexpectedEnd:
        return msg::JsonUnexpectedEnd;
    case JsonSyntaxProblem::BadLiteral:
        return msg::JsonBadLiteral;
    case JsonSyntaxProblem::BadNumber:
        return msg::JsonBadNumber;
    case JsonSyntaxProblem::BadEscape:
        return msg::JsonBadEscape;
    case JsonSyntaxProblem::ControlInString:
        return msg::JsonControlInString;
    case JsonSyntaxProblem::BadUtf8:
        return msg::JsonBadUtf8;
    case JsonSyntaxProblem::TrailingText:
        return msg::JsonTrailingText;
    case JsonSyntaxProblem::TooDeep:
        return msg::JsonTooDeep;
    case JsonSyntaxProblem::None:
    case JsonSyntaxProblem::UnexpectedCharacter:
        break;
    }
    return msg::JsonUnexpectedCharacter;
}

// Every step returns false after storing the refusal; the first problem ends the reading.
class DocumentReader {
public:
    DocumentReader(std::string_view text, const TextFormNames& names)
        : reader_(text), form_(names) {}

    JsonImport run();

private:
    bool syntaxError() {
        UserMessage m = userMessage(syntaxMessage(reader_.problem()));
        m.numbers = {reader_.position().line, reader_.position().column};
        result_.refusal = std::move(m);
        return false;
    }
    bool refuse(UserMessage message) {
        result_.refusal = std::move(message);
        return false;
    }
    // The next token; false (with the syntax error stored) when the text is broken.
    bool advance() { return reader_.next() != JsonToken::Error || syntaxError(); }
    bool readValue(FormValue& value);
    bool readHeaderValue(std::string_view key, int textLine);
    bool readLines();
    bool readLine(int listLine);
    bool readRegistration(TextFormPlace place);
    bool finishDocument();

    JsonReader reader_;
    RegRecordForm form_;
    JsonImport result_;
    TextFormDocument document_;
    std::optional<std::string> format_;
    std::optional<int64_t> version_;
    std::optional<TextFormKind> kind_;
    std::optional<KeyboardModel> model_;
    int modelLine_ = 0;
    bool sawLines_ = false;
    // Checks that need the kind, which may come after the lines.
    std::optional<TextFormPlace> firstCategory_, firstRegistrationBeforeBank_;
    std::optional<std::pair<TextFormPlace, size_t>> longBankTitle_;
    bool bankSeen_ = false;
    std::vector<std::pair<std::string, int>> seenLineKeys_;
    // Reused for every field of every registration.
    FormValue fieldValue_;
    std::string key_;
};

// Reads the value of the current token into `value`, reusing the room its strings and members
// had from the value read before (a registration's fields come one after the other).
bool DocumentReader::readValue(FormValue& value) {
    value.type = FormValue::Type::Null;
    switch (reader_.token()) {
    case JsonToken::Null:
        return true;
    case JsonToken::True:
    case JsonToken::False:
        value.type = FormValue::Type::Flag;
        value.flag = reader_.token() == JsonToken::True;
        return true;
    case JsonToken::Number:
        if (reader_.isInteger()) {
            value.type = FormValue::Type::Integer;
            value.integer = reader_.integer();
        } else {
            value.type = FormValue::Type::Number;
            value.text.assign(reader_.text());
        }
        return true;
    case JsonToken::String:
        value.type = FormValue::Type::Text;
        value.text.assign(reader_.text());
        return true;
    case JsonToken::BeginObject:
    case JsonToken::BeginArray: {
        const bool object = reader_.token() == JsonToken::BeginObject;
        size_t count = 0;
        for (;;) {
            if (!advance())
                return false;
            const JsonToken t = reader_.token();
            if (t == JsonToken::EndObject || t == JsonToken::EndArray)
                break;
            if (count == value.members.size())
                value.members.emplace_back();
            FormMember& member = value.members[count++];
            if (object) {
                member.name.assign(reader_.text());
                if (!advance())
                    return false;
            } else {
                member.name.clear();
            }
            if (!readValue(member.value))
                return false;
        }
        value.members.resize(count);
        // Set last: the members above were read through the same value's type.
        value.type = object ? FormValue::Type::Object : FormValue::Type::Array;
        return true;
    }
    default:
        return syntaxError();
    }
}

JsonImport DocumentReader::run() {
    if (!advance())
        return std::move(result_);
    if (reader_.token() != JsonToken::BeginObject) {
        refuse(userMessage(msg::JsonNotTombrel));
        return std::move(result_);
    }
    for (;;) {
        if (!advance())
            return std::move(result_);
        if (reader_.token() == JsonToken::EndObject)
            break;
        const std::string key(reader_.text());
        const int textLine = reader_.position().line;
        if (!advance() || !readHeaderValue(key, textLine))
            return std::move(result_);
    }
    if (!advance()) // only white space may follow
        return std::move(result_);
    if (finishDocument())
        result_.document = std::move(document_);
    return std::move(result_);
}

bool DocumentReader::readHeaderValue(std::string_view key, int textLine) {
    auto badValue = [&](std::string_view example) {
        UserMessage m = userMessage(msg::JsonDocumentBadValue);
        m.numbers = {textLine};
        m.argument = std::string(key);
        m.argument2 = std::string(example);
        return refuse(std::move(m));
    };
    const JsonToken t = reader_.token();
    if (key == "lines") {
        if (t != JsonToken::BeginArray)
            return badValue("[{\"bank\": \"Ballads\"}, ...]");
        sawLines_ = true;
        return readLines();
    }
    FormValue value;
    if (!readValue(value))
        return false;
    if (key == "format") {
        if (value.type != FormValue::Type::Text || value.text != kTextFormFormat)
            return refuse(userMessage(msg::JsonNotTombrel));
        format_ = value.text;
    } else if (key == "version") {
        if (value.type != FormValue::Type::Integer)
            return badValue("1");
        if (value.integer != kTextFormVersion) {
            UserMessage m = userMessage(msg::JsonUnsupportedVersion);
            m.numbers = {static_cast<long long>(value.integer)};
            return refuse(std::move(m));
        }
        version_ = value.integer;
    } else if (key == "kind") {
        kind_ =
            value.type == FormValue::Type::Text ? textFormKindFromName(value.text) : std::nullopt;
        if (!kind_)
            return badValue("\"registration-backup\" or \"archive\"");
    } else if (key == "model") {
        model_ =
            value.type == FormValue::Type::Text ? textFormModelFromName(value.text) : std::nullopt;
        if (!model_)
            return badValue("\"PSR-9000\" or \"PSR-9000pro\"");
        modelLine_ = textLine;
    } else {
        UserMessage m = userMessage(msg::JsonDocumentUnknownKey);
        m.numbers = {textLine};
        m.argument = std::string(key);
        return refuse(std::move(m));
    }
    return true;
}

bool DocumentReader::readLines() {
    int listLine = 0;
    for (;;) {
        if (!advance())
            return false;
        if (reader_.token() == JsonToken::EndArray)
            return true;
        if (!readLine(++listLine))
            return false;
    }
}

bool DocumentReader::readLine(int listLine) {
    TextFormPlace place{listLine, reader_.position().line};
    if (reader_.token() != JsonToken::BeginObject) {
        if (!reader_.skipValue())
            return syntaxError();
        return refuse(textFormMessage(msg::JsonBadLine, place, {}));
    }
    std::optional<TextFormLine> line;
    std::optional<bool> expanded;
    int expandedLine = 0;
    seenLineKeys_.clear();
    for (;;) {
        if (!advance())
            return false;
        if (reader_.token() == JsonToken::EndObject)
            break;
        const std::string key(reader_.text());
        const int keyLine = reader_.position().line;
        TextFormPlace keyPlace{listLine, keyLine};
        for (const auto& seen : seenLineKeys_) {
            if (seen.first == key)
                return refuse(textFormMessage(msg::JsonDuplicateKey, keyPlace, key));
        }
        seenLineKeys_.emplace_back(key, keyLine);
        if (!advance())
            return false;
        if (key == "registration") {
            if (line)
                return refuse(textFormMessage(msg::JsonBadLine, place, {}));
            if (reader_.token() != JsonToken::BeginObject) {
                if (!reader_.skipValue())
                    return syntaxError();
                return refuse(
                    textFormMessage(msg::JsonWrongForm, keyPlace, key, "{\"Title\": ...}"));
            }
            if (!readRegistration(place))
                return false;
            line = TextFormLine::registration(RegRecord{});
            line->record = form_.finish(result_.warnings);
            continue;
        }
        FormValue value;
        if (!readValue(value))
            return false;
        if (key == "bank" || key == "category") {
            if (line)
                return refuse(textFormMessage(msg::JsonBadLine, place, {}));
            if (value.type != FormValue::Type::Text)
                return refuse(textFormMessage(msg::JsonWrongForm, keyPlace, key,
                                              key == "bank" ? "\"Ballads\"" : "\"Jazz\""));
            TextFormText text = textFormText(value.text, 0, keyPlace, key);
            if (text.refusal)
                return refuse(std::move(*text.refusal));
            if (key == "bank") {
                if (text.text.size() > RegRecord::TitleSize && !longBankTitle_)
                    longBankTitle_ = std::make_pair(keyPlace, text.text.size());
                line = TextFormLine::bank(std::move(text.text));
            } else {
                if (!firstCategory_)
                    firstCategory_ = place;
                line = TextFormLine::category(std::move(text.text), false);
            }
        } else if (key == "expanded") {
            if (value.type != FormValue::Type::Flag)
                return refuse(textFormMessage(msg::JsonWrongForm, keyPlace, key, "false"));
            expanded = value.flag;
            expandedLine = keyLine;
        } else {
            return refuse(textFormMessage(msg::JsonUnknownKey, keyPlace, key));
        }
    }
    if (!line)
        return refuse(textFormMessage(msg::JsonBadLine, place, {}));
    if (expanded) {
        if (line->type != TextFormLine::Type::Category)
            return refuse(
                textFormMessage(msg::JsonUnknownKey, {listLine, expandedLine}, "expanded"));
        line->expanded = *expanded;
    }
    if (line->type == TextFormLine::Type::Bank)
        bankSeen_ = true;
    else if (line->type == TextFormLine::Type::Registration && !bankSeen_ &&
             !firstRegistrationBeforeBank_)
        firstRegistrationBeforeBank_ = place;
    document_.lines.push_back(std::move(*line));
    return true;
}

bool DocumentReader::readRegistration(TextFormPlace place) {
    form_.begin(place);
    FormValue& value = fieldValue_;
    std::string& key = key_;
    for (;;) {
        if (!advance())
            return false;
        if (reader_.token() == JsonToken::EndObject)
            return true;
        key.assign(reader_.text());
        const int keyLine = reader_.position().line;
        if (!advance() || !readValue(value))
            return false;
        if (std::optional<UserMessage> refusal = form_.set(key, value, keyLine))
            return refuse(std::move(*refusal));
    }
}

bool DocumentReader::finishDocument() {
    if (!format_)
        return refuse(userMessage(msg::JsonNotTombrel));
    auto missing = [&](std::string_view key) {
        UserMessage m = userMessage(msg::JsonDocumentMissingKey);
        m.argument = std::string(key);
        return refuse(std::move(m));
    };
    if (!version_)
        return missing("version");
    if (!kind_)
        return missing("kind");
    if (!sawLines_)
        return missing("lines");
    document_.kind = *kind_;
    if (*kind_ == TextFormKind::RegistrationBackup) {
        if (!model_)
            return missing("model");
        document_.model = *model_;
        if (firstCategory_)
            return refuse(textFormMessage(msg::JsonCategoryInBackup, *firstCategory_, {}));
        if (firstRegistrationBeforeBank_)
            return refuse(textFormMessage(msg::JsonRegistrationBeforeBank,
                                          *firstRegistrationBeforeBank_, {}));
        if (longBankTitle_)
            return refuse(textFormMessage(msg::JsonTextTooLong, longBankTitle_->first, "bank", {},
                                          {static_cast<long long>(longBankTitle_->second),
                                           static_cast<long long>(RegRecord::TitleSize)}));
        if (std::optional<UserMessage> refusal = textFormSaveRefusal(document_))
            return refuse(std::move(*refusal));
    } else if (model_) {
        UserMessage m = userMessage(msg::JsonDocumentUnknownKey);
        m.numbers = {modelLine_};
        m.argument = "model";
        return refuse(std::move(m));
    }
    return true;
}

} // namespace

JsonImport readJsonDocument(std::string_view text, const TextFormNames& names) {
    DocumentReader reader(text, names);
    JsonImport result = reader.run();
    if (result.refusal) {
        result.document.reset();
        result.warnings.clear();
    }
    return result;
}

std::optional<UserMessage> writeJsonFile(const std::string& path, const TextFormDocument& document,
                                         const TextFormNames& names) {
    AtomicFileWriter writer(path);
    std::string out;
    out.reserve((size_t{1} << 20) + 8192);
    const bool written = writer.open() &&
                         writeDocument(document, names, out,
                                       [&](std::string& chunk) { return writer.write(chunk); }) &&
                         writer.commit();
    if (written)
        return std::nullopt;
    UserMessage m = userMessage(msg::ErrorWritingJson);
    m.platformError = writer.platformError();
    return m;
}

// A JSON document takes about ten times its archive's bytes; 4 GiB holds the text of about
// 900,000 registrations, and anything larger is refused before it is read.
constexpr uint64_t kJsonFileLimit = uint64_t{4} << 30;

JsonImport readJsonFile(const std::string& path, const TextFormNames& names) {
    FileReadResult file = readWholeFile(path, FileSizeLimit::atMost(kJsonFileLimit));
    if (file.status != FileReadResult::Status::Ok) {
        JsonImport result;
        UserMessage m =
            userMessage(file.status == FileReadResult::Status::OpenFailed ? msg::ErrorOpeningFile
                                                                          : msg::ErrorReadingFile);
        m.platformError = std::move(file.platformError);
        result.refusal = std::move(m);
        return result;
    }
    return readJsonDocument(
        std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()),
        names);
}

} // namespace tombrel::textform
