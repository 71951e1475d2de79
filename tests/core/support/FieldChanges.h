#pragma once

// For each row of the registration field table, a value different from the one a record holds:
// the tests of the table, of comparing and of duplicates change one field at a time with it.

#include "core/names/RegFields.h"

namespace tombrel::test {

inline FieldValue otherFieldValue(const RegField& field, const FieldValue& current) {
    FieldValue v = current;
    v.stored = -1;
    switch (field.kind) {
    case FieldKind::Text:
        v.text = current.text == "Changed" ? "Other" : "Changed";
        break;
    case FieldKind::Switch:
        v.on = !current.on;
        break;
    case FieldKind::Voice:
        v.voice = current.voice == VoiceTriple{0, 112, 1} ? VoiceTriple{0, 112, 2}
                                                          : VoiceTriple{0, 112, 1};
        break;
    case FieldKind::Code: {
        const long long first = field.codes.front().code;
        v.number = current.number == first ? field.codes.back().code : first;
        break;
    }
    default:
        v.number = current.number == field.min ? field.max : field.min;
        break;
    }
    return v;
}

} // namespace tombrel::test
