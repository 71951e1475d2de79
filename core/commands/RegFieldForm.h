#pragma once

// One registration in its text form: every field of the field table under its name, in decoded
// form (numbers, switches as true/false, note names, voices and styles as small objects with
// their names), and the bytes no field interprets as hex runs under "raw", so that all 470 bytes
// are accounted for. Export turns a record into these values; import builds a record back from
// them, refusing values outside a field's range and warning where a name disagrees with the
// numbers (the numbers win) or a field is missing (it keeps the default registration's bytes).
//
// A value outside the keyboard's range, or bytes the value alone would write differently (a
// switch byte of 5, a split byte with an odd high bit, a tempo of 0), is written with "stored":
// the bytes as they stand, so that nothing is lost and nothing is made up. A plain value is
// checked against the keyboard's range, a stored one against what the bytes can hold.

#include "core/commands/TextForm.h"
#include "core/names/RegFields.h"
#include "core/record/RegRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tombrel {

struct FormMember;

// A decoded value as the text form holds it; texts are UTF-8.
struct FormValue {
    enum class Type : uint8_t { Null, Flag, Integer, Number, Text, Object, Array };
    Type type = Type::Null;
    bool flag = false;
    int64_t integer = 0;
    std::string text;                // Text; Number: the number as written
    std::vector<FormMember> members; // Object (by name), Array (names empty)

    static FormValue ofFlag(bool on);
    static FormValue ofInteger(int64_t value);
    static FormValue ofText(std::string text);
    static FormValue object();
    static FormValue array();
    FormValue& add(std::string name, FormValue value);
    // The member of an object with this name, or nothing.
    const FormValue* member(std::string_view name) const;
};

struct FormMember {
    std::string name;
    FormValue value;
};

struct FormField {
    std::string_view name;
    FormValue value;
};

// Where the names of styles and voices come from; names are for reading only.
using TextFormNames = FieldNames;

// The key of the run list of bytes no field interprets.
inline constexpr std::string_view kRawKey = "raw";

// The fields of a registration in the order of the field table, then "raw".
std::vector<FormField> registrationFormFields(const RegRecord& record, const TextFormNames& names);

// The same for one registration after the other, reusing the values' room and the names it has
// looked up: what an export of many registrations runs.
class RegFormExporter {
public:
    explicit RegFormExporter(const TextFormNames& names) : names_(names) {}
    // Valid until the next call.
    const std::vector<FormField>& fields(const RegRecord& record);

private:
    const TextFormNames& names_;
    std::vector<FormField> fields_;
    std::unordered_map<int, std::string> voiceNames_;       // by voice key
    std::unordered_map<long long, std::string> styleNames_; // by style index
};

// Builds a registration from its fields, one key at a time.
class RegRecordForm {
public:
    explicit RegRecordForm(const TextFormNames& names);

    // Starts a registration from the default one ("<Empty>" and the default parameter block).
    void begin(TextFormPlace place);
    // Takes one key of the registration object: a field, or "raw". A refusal names the line and
    // the field; a name that disagrees with the numbers adds a warning.
    std::optional<UserMessage> set(std::string_view key, const FormValue& value, int textLine);
    // The registration; a warning for each field that was not given.
    RegRecord finish(std::vector<UserMessage>& warnings);

private:
    std::optional<UserMessage> setField(const RegField& field, const FormValue& value,
                                        TextFormPlace place);
    std::optional<UserMessage> setRaw(const FormValue& value, TextFormPlace place);
    // The names the numbers give, looked up once for a document.
    const std::string& voiceNameOf(const RegField& field, const VoiceTriple& voice);
    const std::string& styleNameOf(const RegField& field, long long index);

    const TextFormNames& names_;
    TextFormPlace place_;
    RegRecord record_;
    std::vector<bool> given_; // by row of the field table
    bool rawGiven_ = false;
    std::vector<bool> runGiven_; // by kept run
    std::vector<UserMessage> warnings_;
    size_t nextRow_ = 0; // the row the field table's order expects next
    std::unordered_map<int, std::string> voiceNames_;       // by voice key
    std::unordered_map<long long, std::string> styleNames_; // by style index
};

} // namespace tombrel
