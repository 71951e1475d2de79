#include "app/SettingsStore.h"

#include "core/sides/Settings.h"
#include "core/text/Text1252.h"

#include <QSettings>
#include <QString>

#include <cstdio>
#include <type_traits>

namespace tombrel {

namespace {

constexpr auto kSection = "Param";

QString key(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Harvolt"), QStringLiteral("Tombrel"))) {
    settings_->beginGroup(QString::fromLatin1(kSection));
}

SettingsStore::SettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {
    settings_->beginGroup(QString::fromLatin1(kSection));
}

SettingsStore::~SettingsStore() = default;

bool SettingsStore::contains(std::string_view name) const {
    return settings_->contains(key(name));
}

int SettingsStore::intValue(std::string_view name, int defaultValue) const {
    const QVariant value = settings_->value(key(name));
    if (!value.isValid())
        return defaultValue;
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : defaultValue;
}

std::string SettingsStore::stringValue(std::string_view name, std::string_view defaultValue) const {
    const QVariant value = settings_->value(key(name));
    if (!value.isValid())
        return std::string(defaultValue);
    return value.toString().toStdString();
}

void SettingsStore::setInt(std::string_view name, int value) {
    settings_->setValue(key(name), value);
}

void SettingsStore::setString(std::string_view name, std::string_view value) {
    settings_->setValue(key(name), key(value));
}

void SettingsStore::remove(std::string_view name) {
    settings_->remove(key(name));
}

std::string SettingsStore::numberedName(std::string_view prefix, int number, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", digits, number);
    return std::string(prefix) + buffer;
}

std::vector<std::string> SettingsStore::stringList(std::string_view prefix, int count,
                                                   int digits) const {
    std::vector<std::string> values;
    values.reserve(static_cast<size_t>(count));
    for (int i = 1; i <= count; ++i)
        values.push_back(stringValue(numberedName(prefix, i, digits)));
    return values;
}

void SettingsStore::setStringList(std::string_view prefix, const std::vector<std::string>& values,
                                  int count, int digits) {
    for (int i = 1; i <= count; ++i) {
        const size_t at = static_cast<size_t>(i - 1);
        setString(numberedName(prefix, i, digits), at < values.size() ? values[at] : "");
    }
}

namespace {

// The keyboard side of the song path mapping is single-byte text, as the keyboard writes it; the
// store holds it as the characters it stands for.
bool isKeyboardPath(const Settings& settings, const std::string& value) {
    for (const std::string& path : settings.keyboardPath) {
        if (&path == &value)
            return true;
    }
    return false;
}

} // namespace

Settings SettingsStore::readSettings(bool extendedMode) const {
    Settings settings;
    visitStoredSettings(settings, extendedMode, [&](std::string_view name, auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, bool>) {
            value = intValue(name, value ? 1 : 0) != 0;
        } else if constexpr (std::is_same_v<T, int>) {
            value = intValue(name, value);
        } else {
            const bool singleByte = isKeyboardPath(settings, value);
            const std::string stored = stringValue(name, singleByte ? utf8From1252(value) : value);
            value = singleByte ? utf8To1252(stored) : stored;
        }
    });
    return settings;
}

void SettingsStore::writeSettings(const Settings& settings, bool extendedMode) {
    visitStoredSettings(settings, extendedMode, [&](std::string_view name, const auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, bool>)
            setInt(name, value ? 1 : 0);
        else if constexpr (std::is_same_v<T, int>)
            setInt(name, value);
        else
            setString(name, isKeyboardPath(settings, value) ? utf8From1252(value) : value);
    });
}

bool SettingsStore::sync() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

} // namespace tombrel
