#pragma once

// Keeps a line edit to characters that the stored single-byte text can hold, so that nothing a
// user types is silently replaced when the text is saved. Optionally turns every letter into a
// capital as it is typed (the keyboard's device and path names are written in capitals).

#include <QValidator>

namespace tombrel {

class Text1252Validator : public QValidator {
    Q_OBJECT
public:
    explicit Text1252Validator(bool upperCase, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    bool upperCase_;
};

} // namespace tombrel
