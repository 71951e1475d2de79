#pragma once

// The boundary between the program's byte strings and Qt's strings: catalogue texts and paths
// are UTF-8, titles and names are Windows-1252.

#include "core/text/Messages.h"

#include <QString>

#include <string>
#include <string_view>

class QAbstractButton;
class QWidget;

namespace tombrel {

QString fromUtf8(std::string_view text);
QString uiText(const Message& message, Language lang);

QString from1252(std::string_view text);
std::string to1252(const QString& text);

// True when every character of `text` has a Windows-1252 byte, so that storing it loses nothing.
bool fitsIn1252(const QString& text);

// The numeric control id that the layouts give a control, kept as its object name so that the
// main window's command table and the tests find controls by the same number.
void setControlId(QWidget* widget, int id);

} // namespace tombrel
