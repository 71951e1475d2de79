#include "ui/Text1252Validator.h"

#include "core/text/Text1252.h"
#include "ui/UiText.h"

namespace tombrel {

Text1252Validator::Text1252Validator(bool upperCase, QObject* parent)
    : QValidator(parent), upperCase_(upperCase) {}

QValidator::State Text1252Validator::validate(QString& input, int& pos) const {
    if (!fitsIn1252(input))
        return Invalid;
    // Upper-casing through the single-byte table keeps every character a single character, so
    // the cursor stays where it was.
    if (upperCase_)
        input = from1252(toUpper1252(to1252(input)));
    (void)pos;
    return Acceptable;
}

void Text1252Validator::fixup(QString& input) const {
    std::string bytes = to1252(input);
    if (upperCase_)
        bytes = toUpper1252(bytes);
    input = from1252(bytes);
}

} // namespace tombrel
