#include "ui/UiText.h"

#include "core/text/Text1252.h"

#include <QWidget>

namespace tombrel {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString uiText(const Message& message, Language lang) {
    return fromUtf8(message.text(lang));
}

QString from1252(std::string_view text) {
    return fromUtf8(utf8From1252(text));
}

std::string to1252(const QString& text) {
    return utf8To1252(text.toStdString());
}

bool fitsIn1252(const QString& text) {
    const std::string utf8 = text.toStdString();
    return utf8From1252(utf8To1252(utf8)) == utf8;
}

void setControlId(QWidget* widget, int id) {
    widget->setObjectName(QString::number(id));
}

} // namespace tombrel
