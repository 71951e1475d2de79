#include "textform/JsonDocument.h"

#include "core/files/FileIo.h"
#include "core/text/Text1252.h"
#include "textform/JsonImportBuilder.h"
#include "textform/JsonReader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>

namespace tombrel::textform {

namespace {

// ---- Writing ---------------------------------------------------------------------------------

// The bytes a JSON string must escape: control characters, the quote and the backslash.
constexpr std::array<bool, 256> kMustEscape = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 0x20; ++c)
        table[static_cast<size_t>(c)] = true;
    table['"'] = table['\\'] = true;
    return table;
}();

void appendEscaped(std::string& out, std::string_view text) {
    out += '"';
    size_t run = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!kMustEscape[c])
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

void appendValue(std::string& out, const FormValue& value);

// An object or array on one line: {"msb": 0, "lsb": 112}, ["R1", "R2"].
void appendMembers(std::string& out, const FormValue& value) {
    const bool object = value.type == FormValue::Type::Object;
    out += object ? '{' : '[';
    for (size_t i = 0; i < value.members.size(); ++i) {
        if (i > 0)
            out += ", ";
        if (object) {
            appendEscaped(out, value.members[i].name);
            out += ": ";
        }
        appendValue(out, value.members[i].value);
    }
    out += object ? '}' : ']';
}

void appendValue(std::string& out, const FormValue& value) {
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
        appendMembers(out, value);
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
    // What goes before each field's value: the separator and the quoted key, made once (the
    // fields come in the same order for every registration).
    std::vector<std::string> keys;
    std::vector<const char*> keyOf;
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
            keys.resize(fields.size());
            keyOf.resize(fields.size());
            for (size_t f = 0; f < fields.size(); ++f) {
                std::string& key = keys[f];
                if (keyOf[f] != fields[f].name.data()) {
                    keyOf[f] = fields[f].name.data();
                    key = f > 0 ? ", " : "";
                    appendEscaped(key, fields[f].name);
                    key += ": ";
                }
                out += key;
                appendValue(out, fields[f].value);
            }
            out += "}}";
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

constexpr size_t kMostLinesExpected = size_t{1} << 20;

// The import fed from the reader's tokens.
JsonImport readDocument(JsonReader& reader, const TextFormNames& names, size_t textBytes) {
    JsonImportBuilder builder(names);
    // An exported registration takes about 3,800 bytes of text and a bank line 20: room for a line
    // every 2 KiB is rarely too little, and what is too much stays untouched address space.
    builder.expectLines(std::min(textBytes / 2048, kMostLinesExpected));
    for (bool going = true; going;) {
        const JsonToken token = reader.next();
        const int line = reader.position().line;
        switch (token) {
        case JsonToken::BeginObject:
            going = builder.beginObject(line);
            break;
        case JsonToken::EndObject:
            going = builder.endObject();
            break;
        case JsonToken::BeginArray:
            going = builder.beginArray(line);
            break;
        case JsonToken::EndArray:
            going = builder.endArray();
            break;
        case JsonToken::Key:
            going = builder.key(reader.text(), line);
            break;
        case JsonToken::String:
            going = builder.string(reader.text(), line);
            break;
        case JsonToken::Number:
            going = reader.isInteger() ? builder.integer(reader.integer(), line)
                                       : builder.number(reader.text(), line);
            break;
        case JsonToken::True:
        case JsonToken::False:
            going = builder.boolean(token == JsonToken::True, line);
            break;
        case JsonToken::Null:
            going = builder.null(line);
            break;
        case JsonToken::End:
            going = false;
            break;
        case JsonToken::Error:
            builder.syntaxError(reader.problem(), reader.position());
            going = false;
            break;
        }
    }
    return builder.finish();
}

} // namespace

JsonImport readJsonDocument(std::string_view text, const TextFormNames& names) {
    JsonReader reader(text);
    return readDocument(reader, names, text.size());
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

// A JSON document takes about eight times its archive's bytes; 4 GiB holds the text of about a
// million registrations, and anything larger is refused before it is read.
constexpr uint64_t kJsonFileLimit = uint64_t{4} << 30;

JsonImport readJsonFile(const std::string& path, const TextFormNames& names) {
    auto refused = [](const Message& message, std::string platformError) {
        JsonImport result;
        UserMessage m = userMessage(message);
        m.platformError = std::move(platformError);
        result.refusal = std::move(m);
        return result;
    };
    // Only a regular file is read: a FIFO or a device could keep the import waiting.
    const std::filesystem::path fsPath = toFsPath(path);
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(fsPath, ec);
    if (ec)
        return refused(msg::ErrorOpeningFile, ec.message());
    if (!std::filesystem::is_regular_file(status))
        return refused(msg::ErrorOpeningFile, std::filesystem::is_directory(status)
                                                  ? platformErrorText(EISDIR)
                                                  : std::string());
    errno = 0;
    std::FILE* file = openFile(path, "rb");
    if (!file)
        return refused(msg::ErrorOpeningFile, platformErrorText(errno));
    struct Closer {
        std::FILE* file;
        ~Closer() { std::fclose(file); }
    } closer{file};
    const uintmax_t length = std::filesystem::file_size(fsPath, ec);
    if (ec)
        return refused(msg::ErrorReadingFile, ec.message());
    if (length > kJsonFileLimit)
        return refused(msg::ErrorReadingFile, platformErrorText(EFBIG));

    // The text is read a piece at a time as the reader asks for it; a read that fails ends the
    // text there, and the import is refused with the platform's text instead of what the reader
    // made of the cut-off text.
    std::optional<int> readError;
    JsonReader reader([&](char* into, size_t room) -> size_t {
        errno = 0;
        const size_t got = std::fread(into, 1, room, file);
        if (got < room && std::ferror(file))
            readError = errno;
        return readError ? 0 : got;
    });
    JsonImport result = readDocument(reader, names, static_cast<size_t>(length));
    if (readError)
        return refused(msg::ErrorReadingFile, platformErrorText(*readError));
    return result;
}

} // namespace tombrel::textform
