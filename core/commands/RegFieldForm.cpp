#include "core/commands/RegFieldForm.h"

#include "core/names/VoiceTable.h"
#include "core/text/Text1252.h"

#include <charconv>
#include <unordered_map>

namespace tombrel {

FormValue FormValue::ofFlag(bool on) {
    FormValue v;
    v.type = Type::Flag;
    v.flag = on;
    return v;
}

FormValue FormValue::ofInteger(int64_t value) {
    FormValue v;
    v.type = Type::Integer;
    v.integer = value;
    return v;
}

FormValue FormValue::ofText(std::string text) {
    FormValue v;
    v.type = Type::Text;
    v.text = std::move(text);
    return v;
}

FormValue FormValue::object() {
    FormValue v;
    v.type = Type::Object;
    return v;
}

FormValue FormValue::array() {
    FormValue v;
    v.type = Type::Array;
    return v;
}

FormValue& FormValue::add(std::string name, FormValue value) {
    members.push_back({std::move(name), std::move(value)});
    return *this;
}

const FormValue* FormValue::member(std::string_view name) const {
    for (const FormMember& m : members) {
        if (m.name == name)
            return &m.value;
    }
    return nullptr;
}

namespace {

using Type = FormValue::Type;

// The field rows by name, for a lookup per key of a large document.
const std::unordered_map<std::string_view, size_t>& fieldIndex() {
    static const std::unordered_map<std::string_view, size_t> index = [] {
        std::unordered_map<std::string_view, size_t> map;
        const std::vector<RegField>& fields = regFields();
        for (size_t i = 0; i < fields.size(); ++i)
            map.emplace(fields[i].name, i);
        return map;
    }();
    return index;
}

const std::array<KeptRun, 21>& runs() {
    return RegRecord::keptRuns();
}

// "43" for the run at byte 43: the key of a run in "raw".
const std::vector<std::string>& runKeys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> k;
        for (const KeptRun& run : runs())
            k.push_back(std::to_string(run.offset));
        return k;
    }();
    return keys;
}

// The names of the notes 0..127, made once.
const std::vector<std::string>& noteNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
        for (int note = 0; note < 128; ++note)
            n.push_back(noteName(note));
        return n;
    }();
    return names;
}

bool inRange(long long n, long long lo, long long hi) {
    return n >= lo && n <= hi;
}

// The name a voice has in the table, in the form the voice boxes show it; empty for none.
std::string voiceName(const RegField& field, const VoiceTriple& voice, const TextFormNames& names) {
    const int key = voice.key();
    if (key == RegRecord::NoVoice || VoiceTable::lookup(key).empty())
        return {};
    return fieldDisplayText(field, FieldValue::ofVoice(voice), names);
}

std::string styleName(const RegField& field, long long index, const TextFormNames& names) {
    return fieldDisplayText(field, FieldValue::ofNumber(index), names);
}

const char* codeText(const RegField& field, long long code) {
    for (const CodeEntry& e : field.codes) {
        if (e.code == code)
            return e.text;
    }
    return nullptr;
}

// Values set in place, so that the room of strings and member lists is kept from one
// registration to the next.
void setFlag(FormValue& v, bool on) {
    v.type = Type::Flag;
    v.flag = on;
}
void setInteger(FormValue& v, int64_t n) {
    v.type = Type::Integer;
    v.integer = n;
}
void setText(FormValue& v, std::string_view text) {
    v.type = Type::Text;
    v.text.assign(text);
}
// Starts an object or array of `count` members.
void setMembers(FormValue& v, Type type, size_t count) {
    v.type = type;
    v.members.resize(count);
}
FormValue& memberAt(FormValue& v, size_t i, std::string_view name) {
    FormMember& m = v.members[i];
    if (m.name != name)
        m.name.assign(name);
    return m.value;
}

void setStoredOnly(FormValue& out, long long n) {
    setMembers(out, Type::Object, 1);
    setInteger(memberAt(out, 0, "stored"), n);
}

} // namespace

const std::vector<FormField>& RegFormExporter::fields(const RegRecord& record) {
    const std::vector<RegField>& table = regFields();
    fields_.resize(table.size() + 1);
    for (size_t i = 0; i < table.size(); ++i) {
        const RegField& field = table[i];
        fields_[i].name = field.name;
        FormValue& out = fields_[i].value;
        const FieldValue v = decodeField(field, record);
        const bool plain = v.stored < 0;
        switch (field.kind) {
        case FieldKind::Text:
            setText(out, utf8From1252(v.text));
            continue;
        case FieldKind::Switch:
            if (plain) {
                setFlag(out, v.on);
            } else {
                setMembers(out, Type::Object, 2);
                setFlag(memberAt(out, 0, "on"), v.on);
                setInteger(memberAt(out, 1, "stored"), v.stored);
            }
            continue;
        case FieldKind::Voice: {
            const int key = v.voice.key();
            if (key == RegRecord::NoVoice) {
                out.type = Type::Null;
                continue;
            }
            auto name = voiceNames_.find(key);
            if (name == voiceNames_.end())
                name = voiceNames_.emplace(key, voiceName(field, v.voice, names_)).first;
            setMembers(out, Type::Object, 4);
            FormValue& n = memberAt(out, 0, "name");
            if (name->second.empty())
                n.type = Type::Null;
            else
                setText(n, name->second);
            setInteger(memberAt(out, 1, "msb"), v.voice.msb);
            setInteger(memberAt(out, 2, "lsb"), v.voice.lsb);
            setInteger(memberAt(out, 3, "program"), v.voice.program);
            continue;
        }
        case FieldKind::Style: {
            auto name = styleNames_.find(v.number);
            if (name == styleNames_.end())
                name = styleNames_.emplace(v.number, styleName(field, v.number, names_)).first;
            const bool withStored = !plain || !inRange(v.number, field.min, field.max);
            setMembers(out, Type::Object, withStored ? 3 : 2);
            setInteger(memberAt(out, 0, "index"), v.number);
            setText(memberAt(out, 1, "name"), name->second);
            if (withStored) {
                // A disk number past 249 reads as an index past 494 with the usual style byte.
                const long long bytes = v.stored >= 0 ? v.stored
                                        : v.number >= kFirstDiskStyle
                                            ? kFirstDiskStyle * 256 + (v.number - kFirstDiskStyle)
                                            : v.number * 256;
                FormValue& stored = memberAt(out, 2, "stored");
                setMembers(stored, Type::Array, 2);
                setInteger(memberAt(stored, 0, {}), bytes >> 8);
                setInteger(memberAt(stored, 1, {}), bytes & 0xFF);
            }
            continue;
        }
        case FieldKind::Note:
            if (inRange(v.number, 0, 127)) {
                const std::string& note = noteNames()[static_cast<size_t>(v.number)];
                if (plain) {
                    setText(out, note);
                } else {
                    setMembers(out, Type::Object, 2);
                    setText(memberAt(out, 0, "note"), note);
                    setInteger(memberAt(out, 1, "stored"), v.stored);
                }
            } else {
                setStoredOnly(out, v.number);
            }
            continue;
        case FieldKind::Code:
            if (const char* text = codeText(field, v.number)) {
                setText(out, text);
            } else {
                setMembers(out, Type::Object, 1);
                setInteger(memberAt(out, 0, "code"), v.number);
            }
            continue;
        case FieldKind::Bits: {
            size_t count = 0;
            for (size_t bit = 0; bit < field.bits.size(); ++bit)
                count += (v.number >> bit) & 1;
            setMembers(out, Type::Array, count);
            size_t at = 0;
            for (int bit = static_cast<int>(field.bits.size()) - 1; bit >= 0; --bit) {
                if ((v.number >> bit) & 1)
                    setText(memberAt(out, at++, {}), field.bits[static_cast<size_t>(bit)]);
            }
            continue;
        }
        case FieldKind::Number:
        case FieldKind::SignedNumber:
        case FieldKind::DrumKit:
            break;
        }
        if (inRange(v.number, field.min, field.max))
            setInteger(out, v.number);
        else
            setStoredOnly(out, v.number);
    }
    FormField& raw = fields_.back();
    raw.name = kRawKey;
    setMembers(raw.value, Type::Object, runs().size());
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (size_t i = 0; i < runs().size(); ++i) {
        const KeptRun& run = runs()[i];
        FormValue& hex = memberAt(raw.value, i, runKeys()[i]);
        hex.type = Type::Text;
        hex.text.resize(run.length * 3 - 1);
        for (size_t b = 0; b < run.length; ++b) {
            const uint8_t byte = record.keptByte(run, b);
            hex.text[b * 3] = kDigits[byte >> 4];
            hex.text[b * 3 + 1] = kDigits[byte & 0x0F];
            if (b + 1 < run.length)
                hex.text[b * 3 + 2] = ' ';
        }
    }
    return fields_;
}

std::vector<FormField> registrationFormFields(const RegRecord& record, const TextFormNames& names) {
    RegFormExporter exporter(names);
    return exporter.fields(record);
}

RegRecordForm::RegRecordForm(const TextFormNames& names) : names_(names) {}

void RegRecordForm::begin(TextFormPlace place) {
    place_ = place;
    record_ = RegRecord::empty();
    given_.assign(regFields().size(), false);
    rawGiven_ = false;
    runGiven_.assign(runs().size(), false);
    warnings_.clear();
    nextRow_ = 0;
}

const std::string& RegRecordForm::voiceNameOf(const RegField& field, const VoiceTriple& voice) {
    const int key = voice.key();
    auto name = voiceNames_.find(key);
    if (name == voiceNames_.end())
        name = voiceNames_.emplace(key, voiceName(field, voice, names_)).first;
    return name->second;
}

const std::string& RegRecordForm::styleNameOf(const RegField& field, long long index) {
    auto name = styleNames_.find(index);
    if (name == styleNames_.end())
        name = styleNames_.emplace(index, styleName(field, index, names_)).first;
    return name->second;
}

std::optional<UserMessage> RegRecordForm::set(std::string_view key, const FormValue& value,
                                              int textLine) {
    const TextFormPlace place{place_.listLine, textLine};
    if (key == kRawKey) {
        if (rawGiven_)
            return textFormMessage(msg::JsonDuplicateKey, place, key);
        rawGiven_ = true;
        return setRaw(value, place);
    }
    // A document as written has the fields in the table's order: the row after the last one is
    // tried before the index.
    const std::vector<RegField>& table = regFields();
    size_t row = nextRow_;
    if (row >= table.size() || table[row].name != key) {
        const auto found = fieldIndex().find(key);
        if (found == fieldIndex().end())
            return textFormMessage(msg::JsonUnknownKey, place, key);
        row = found->second;
    }
    if (given_[row])
        return textFormMessage(msg::JsonDuplicateKey, place, key);
    given_[row] = true;
    nextRow_ = row + 1;
    return setField(table[row], value, place);
}

namespace {

// How each kind is written, for the message that asks for that form.
std::string_view formExample(const RegField& field) {
    switch (field.kind) {
    case FieldKind::Text:
        return "\"Piano\"";
    case FieldKind::Switch:
        return "true";
    case FieldKind::Voice:
        return "{\"msb\": 0, \"lsb\": 112, \"program\": 0}";
    case FieldKind::Style:
        return "{\"index\": 37}";
    case FieldKind::Note:
        return "\"F#2\"";
    case FieldKind::Code:
        return field.codes.empty() ? "{\"code\": 0}" : "\"Main A\"";
    case FieldKind::Bits:
        return "[\"R1\", \"R2\"]";
    case FieldKind::Number:
    case FieldKind::SignedNumber:
    case FieldKind::DrumKit:
        break;
    }
    return "96";
}

std::optional<int> noteOfName(std::string_view name) {
    static const std::unordered_map<std::string_view, int> notes = [] {
        std::unordered_map<std::string_view, int> map;
        for (int n = 0; n < 128; ++n)
            map.emplace(noteNames()[static_cast<size_t>(n)], n);
        return map;
    }();
    const auto found = notes.find(name);
    return found == notes.end() ? std::nullopt : std::optional<int>(found->second);
}

// An object's members must all be among `allowed`.
const FormMember* unknownMember(const FormValue& value,
                                std::initializer_list<std::string_view> allowed) {
    // As exported, the members stand in the order of `allowed`.
    size_t inOrder = 0;
    for (auto a = allowed.begin(); a != allowed.end() && inOrder < value.members.size(); ++a) {
        if (value.members[inOrder].name == *a)
            ++inOrder;
    }
    if (inOrder == value.members.size())
        return nullptr;
    for (const FormMember& m : value.members) {
        bool known = false;
        for (std::string_view a : allowed)
            known = known || m.name == a;
        if (!known)
            return &m;
    }
    return nullptr;
}

} // namespace

std::optional<UserMessage> RegRecordForm::setField(const RegField& field, const FormValue& value,
                                                   TextFormPlace place) {
    const std::string_view name = field.name;
    auto wrongForm = [&] {
        return textFormMessage(msg::JsonWrongForm, place, name, formExample(field));
    };
    auto outOfRange = [&](long long n, long long lo, long long hi) {
        return textFormMessage(msg::JsonOutOfRange, place, name, {}, {n, lo, hi});
    };
    // An integer member of an object, or a refusal.
    auto integerMember = [&](const FormValue& object, std::string_view member,
                             long long& out) -> std::optional<UserMessage> {
        const FormValue* m = object.member(member);
        if (!m || m->type != Type::Integer)
            return wrongForm();
        out = m->integer;
        return std::nullopt;
    };
    auto checkObject =
        [&](std::initializer_list<std::string_view> allowed) -> std::optional<UserMessage> {
        if (const FormMember* m = unknownMember(value, allowed)) {
            return textFormMessage(msg::JsonUnknownKey, place, std::string(name) + "." + m->name);
        }
        return std::nullopt;
    };

    FieldValue v;
    switch (field.kind) {
    case FieldKind::Text: {
        if (value.type != Type::Text)
            return wrongForm();
        // A title's bytes after its end (a NUL) are part of the field and come back as \u0000.
        std::string offending;
        std::optional<std::string> text = utf8To1252Exact(value.text, &offending);
        if (!text)
            return textFormMessage(msg::JsonNot1252, place, name, offending);
        if (text->size() > static_cast<size_t>(field.max))
            return textFormMessage(msg::JsonTextTooLong, place, name, {},
                                   {static_cast<long long>(text->size()), field.max});
        v.text = std::move(*text);
        break;
    }
    case FieldKind::Switch:
        if (value.type == Type::Flag) {
            v.on = value.flag;
        } else if (value.type == Type::Object) {
            if (auto refusal = checkObject({"on", "stored"}))
                return refusal;
            const FormValue* on = value.member("on");
            long long stored = 0;
            if (!on || on->type != Type::Flag)
                return wrongForm();
            if (auto refusal = integerMember(value, "stored", stored))
                return refusal;
            if (!inRange(stored, 0, 255))
                return outOfRange(stored, 0, 255);
            v.on = on->flag;
            v.stored = static_cast<int>(stored);
        } else {
            return wrongForm();
        }
        break;
    case FieldKind::Voice: {
        if (value.type == Type::Null) {
            v.voice = VoiceTriple{0xFF, 0xFF, 0xFF};
            break;
        }
        if (value.type != Type::Object)
            return wrongForm();
        if (auto refusal = checkObject({"name", "msb", "lsb", "program"}))
            return refusal;
        long long parts[3] = {};
        const char* keys[3] = {"msb", "lsb", "program"};
        for (int i = 0; i < 3; ++i) {
            if (auto refusal = integerMember(value, keys[i], parts[i]))
                return refusal;
            if (!inRange(parts[i], 0, 255))
                return outOfRange(parts[i], 0, 255);
        }
        v.voice = VoiceTriple{static_cast<int>(parts[0]), static_cast<int>(parts[1]),
                              static_cast<int>(parts[2])};
        const FormValue* given = value.member("name");
        if (given && given->type != Type::Null && given->type != Type::Text)
            return wrongForm();
        if (given && given->type == Type::Text && given->text != voiceNameOf(field, v.voice))
            warnings_.push_back(textFormMessage(msg::JsonNameMismatch, place, name, given->text));
        break;
    }
    case FieldKind::Style: {
        if (value.type != Type::Object)
            return wrongForm();
        if (auto refusal = checkObject({"index", "name", "stored"}))
            return refusal;
        long long index = 0;
        if (auto refusal = integerMember(value, "index", index))
            return refusal;
        const FormValue* stored = value.member("stored");
        if (stored) {
            if (stored->type != Type::Array || stored->members.size() != 2)
                return textFormMessage(msg::JsonWrongForm, place, name,
                                       "{\"index\": 248, \"stored\": [250, 3]}");
            int bytes[2] = {};
            for (int i = 0; i < 2; ++i) {
                const FormValue& b = stored->members[static_cast<size_t>(i)].value;
                if (b.type != Type::Integer)
                    return wrongForm();
                if (!inRange(b.integer, 0, 255))
                    return outOfRange(b.integer, 0, 255);
                bytes[i] = static_cast<int>(b.integer);
            }
            if (!inRange(index, field.storedMin, field.storedMax))
                return outOfRange(index, field.storedMin, field.storedMax);
            v.stored = bytes[0] * 256 + bytes[1];
        } else if (!inRange(index, field.min, field.max)) {
            return outOfRange(index, field.min, field.max);
        }
        v.number = index;
        const FormValue* given = value.member("name");
        if (given && given->type != Type::Null && given->type != Type::Text)
            return wrongForm();
        if (given && given->type == Type::Text && given->text != styleNameOf(field, index))
            warnings_.push_back(textFormMessage(msg::JsonNameMismatch, place, name, given->text));
        break;
    }
    case FieldKind::Note: {
        auto noteOf = [&](const FormValue& n) -> std::optional<int> {
            if (n.type == Type::Text)
                return noteOfName(n.text);
            if (n.type == Type::Integer && inRange(n.integer, 0, 127))
                return static_cast<int>(n.integer);
            return std::nullopt;
        };
        if (value.type == Type::Object) {
            if (auto refusal = checkObject({"note", "stored"}))
                return refusal;
            long long stored = 0;
            if (auto refusal = integerMember(value, "stored", stored))
                return refusal;
            if (!inRange(stored, 0, 255))
                return outOfRange(stored, 0, 255);
            const FormValue* note = value.member("note");
            if (!note) {
                // A footswitch key past 127: the byte is the value. A split byte always reads
                // as a note, which must be given with it.
                if (stored > field.storedMax)
                    return outOfRange(stored, 0, field.storedMax);
                if (field.storedMax <= 127)
                    return wrongForm();
                v.number = stored;
                break;
            }
            const std::optional<int> n = noteOf(*note);
            if (!n)
                return wrongForm();
            v.number = *n;
            v.stored = static_cast<int>(stored);
            break;
        }
        if (value.type == Type::Integer && !inRange(value.integer, 0, 127))
            return outOfRange(value.integer, 0, 127);
        const std::optional<int> n = noteOf(value);
        if (!n) {
            if (value.type == Type::Text)
                return textFormMessage(msg::JsonUnknownName, place, name, value.text);
            return wrongForm();
        }
        v.number = *n;
        break;
    }
    case FieldKind::Code:
        if (value.type == Type::Text) {
            bool found = false;
            for (const CodeEntry& e : field.codes) {
                if (value.text == e.text) {
                    v.number = e.code;
                    found = true;
                    break;
                }
            }
            if (!found)
                return textFormMessage(msg::JsonUnknownName, place, name, value.text);
        } else if (value.type == Type::Object) {
            if (auto refusal = checkObject({"code"}))
                return refusal;
            long long code = 0;
            if (auto refusal = integerMember(value, "code", code))
                return refusal;
            if (!inRange(code, field.storedMin, field.storedMax))
                return outOfRange(code, field.storedMin, field.storedMax);
            v.number = code;
        } else {
            return wrongForm();
        }
        break;
    case FieldKind::Bits:
        if (value.type != Type::Array)
            return wrongForm();
        for (const FormMember& m : value.members) {
            if (m.value.type != Type::Text)
                return wrongForm();
            bool found = false;
            for (size_t bit = 0; bit < field.bits.size(); ++bit) {
                if (!field.bits[bit].empty() && field.bits[bit] == m.value.text) {
                    v.number |= 1LL << bit;
                    found = true;
                }
            }
            if (!found)
                return textFormMessage(msg::JsonUnknownName, place, name, m.value.text);
        }
        break;
    case FieldKind::Number:
    case FieldKind::SignedNumber:
    case FieldKind::DrumKit:
        if (value.type == Type::Integer) {
            if (!inRange(value.integer, field.min, field.max))
                return outOfRange(value.integer, field.min, field.max);
            v.number = value.integer;
        } else if (value.type == Type::Object) {
            if (auto refusal = checkObject({"stored"}))
                return refusal;
            long long stored = 0;
            if (auto refusal = integerMember(value, "stored", stored))
                return refusal;
            if (!inRange(stored, field.storedMin, field.storedMax))
                return outOfRange(stored, field.storedMin, field.storedMax);
            v.number = stored;
        } else {
            return wrongForm();
        }
        break;
    }
    // Every range has been checked above against the form the value was given in.
    if (std::optional<UserMessage> refusal = encodeField(field, v, record_, FieldRange::Stored))
        return refusal;
    return std::nullopt;
}

std::optional<UserMessage> RegRecordForm::setRaw(const FormValue& value, TextFormPlace place) {
    if (value.type != Type::Object)
        return textFormMessage(msg::JsonWrongForm, place, kRawKey, "{\"17\": \"00 00\", ...}");
    // The run of each record offset that starts one, by offset.
    static const std::array<int8_t, RegRecord::Size> runAt = [] {
        std::array<int8_t, RegRecord::Size> at;
        at.fill(-1);
        for (size_t i = 0; i < runs().size(); ++i)
            at[runs()[i].offset] = static_cast<int8_t>(i);
        return at;
    }();
    for (const FormMember& m : value.members) {
        size_t run = runs().size();
        int offset = 0;
        const auto parsed = std::from_chars(m.name.data(), m.name.data() + m.name.size(), offset);
        if (parsed.ec == std::errc() && parsed.ptr == m.name.data() + m.name.size() &&
            offset >= 0 && offset < static_cast<int>(RegRecord::Size) && runAt[offset] >= 0 &&
            runKeys()[runAt[offset]] == m.name)
            run = static_cast<size_t>(runAt[offset]);
        if (run == runs().size())
            return textFormMessage(msg::JsonRawOutside, place, m.name);
        if (runGiven_[run])
            return textFormMessage(msg::JsonDuplicateKey, place, std::string("raw.") + m.name);
        runGiven_[run] = true;
        const KeptRun& kept = runs()[run];
        // Two hex digits a byte; blanks between bytes are allowed and ignored.
        std::array<uint8_t, RegRecord::Size> bytes;
        size_t count = 0;
        bool ok = m.value.type == Type::Text;
        int high = -1;
        for (char c : ok ? std::string_view(m.value.text) : std::string_view()) {
            int digit = -1;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else if (c == ' ' && high < 0)
                continue;
            if (digit < 0) {
                ok = false;
                break;
            }
            if (high < 0) {
                high = digit;
            } else if (count == kept.length) {
                ok = false; // more bytes than the run has
                break;
            } else {
                bytes[count++] = static_cast<uint8_t>(high * 16 + digit);
                high = -1;
            }
        }
        if (!ok || high >= 0 || count != kept.length) {
            return textFormMessage(msg::JsonWrongForm, place, std::string("raw.") + m.name,
                                   keptRunHex(kept, RegRecord::empty()));
        }
        for (size_t i = 0; i < count; ++i) {
            // The bits a field interprets belong to that field, not to "raw".
            if ((bytes[i] & ~kept.mask) != 0)
                return textFormMessage(msg::JsonRawOutside, place, m.name);
            record_.setKeptByte(kept, i, bytes[i]);
        }
    }
    return std::nullopt;
}

RegRecord RegRecordForm::finish(std::vector<UserMessage>& warnings) {
    const std::vector<RegField>& fields = regFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        if (!given_[i])
            warnings_.push_back(textFormMessage(msg::JsonMissingField, place_, fields[i].name));
    }
    if (!rawGiven_) {
        warnings_.push_back(textFormMessage(msg::JsonMissingField, place_, kRawKey));
    } else {
        for (size_t i = 0; i < runs().size(); ++i) {
            if (!runGiven_[i])
                warnings_.push_back(textFormMessage(msg::JsonMissingField, place_,
                                                    std::string("raw.") + runKeys()[i]));
        }
    }
    for (UserMessage& w : warnings_)
        warnings.push_back(std::move(w));
    warnings_.clear();
    return record_;
}

} // namespace tombrel
