#pragma once

// The per-user store of the program's settings, section "Param": the registry key
// Software\Harvolt\Tombrel on Windows, ~/.config/Harvolt/Tombrel.conf on Linux. A thin layer of
// named integers and texts; which names exist and what they default to is decided by the
// settings values themselves. A value that is missing or unreadable reads as the caller's
// default.

#include <QtGlobal>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QSettings;
class QString;

namespace tombrel {

class SettingsStore {
public:
    // The user's own store.
    SettingsStore();
    // A store kept in an INI file of its own (tests, or a copy of the settings).
    explicit SettingsStore(const QString& iniFile);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    bool contains(std::string_view name) const;
    int intValue(std::string_view name, int defaultValue) const;
    // Texts are UTF-8.
    std::string stringValue(std::string_view name, std::string_view defaultValue = {}) const;

    void setInt(std::string_view name, int value);
    void setString(std::string_view name, std::string_view value);
    void remove(std::string_view name);

    // Numbered values such as "LastOpenReg01".."LastOpenReg20" (digits 2) or "KeyboardPath1"..
    // "KeyboardPath5" (digits 1).
    static std::string numberedName(std::string_view prefix, int number, int digits);
    // The values prefix+1 .. prefix+count; missing ones read as empty texts.
    std::vector<std::string> stringList(std::string_view prefix, int count, int digits) const;
    // Writes all `count` values; those beyond the end of `values` are written empty so that
    // nothing of an earlier, longer list survives.
    void setStringList(std::string_view prefix, const std::vector<std::string>& values, int count,
                       int digits);

    // Writes pending changes; false when the store could not be written.
    bool sync();

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace tombrel
