#include "core/sides/Settings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <type_traits>
#include <variant>

using namespace tombrel;

namespace {

using Stored = std::variant<int, std::string>;

// What a settings store would write: every visited value by name, booleans as integers.
std::map<std::string, Stored> storedValues(const Settings& s, bool extendedMode) {
    std::map<std::string, Stored> out;
    visitStoredSettings(s, extendedMode, [&](std::string_view name, const auto& value) {
        using T = std::decay_t<decltype(value)>;
        EXPECT_EQ(out.count(std::string(name)), 0u) << name << " visited twice";
        if constexpr (std::is_same_v<T, std::string>)
            out[std::string(name)] = value;
        else
            out[std::string(name)] = static_cast<int>(value);
    });
    return out;
}

} // namespace

TEST(Settings, FirstRunDefaults) {
    const auto v = storedValues(Settings{}, true);
    const std::map<std::string, Stored> expected = {
        {"YamahaBackupStruktur", 1},
        {"HideDuplicateBankTitles", 0},
        {"HideEmptyEntries", 0},
        {"NoNetworkAccess", 0},
        {"FlashStyleMode", 0},
        {"DiskStyleMode", 0},
        {"LastKeyboard", 1},
        {"TopPos", -1},
        {"LeftPos", -1},
        {"KeyboardPath1", "FDDRV:"},
        {"PCPath1", "A:"},
        {"KeyboardPath5", ""},
        {"PCPath2", ""},
        {"FlashStyleFile", ""},
        {"DiskStyleDirectory", ""},
        {"LastBackupDir", ""},
        {"LastOpenReg01", ""},
        {"LastOpenReg20", ""},
        {"LastOpenArch01", ""},
        {"LastOpenArch20", ""},
        {"PlayerPath1", ""},
        {"PlayerPath3", ""},
    };
    for (const auto& [name, value] : expected) {
        ASSERT_EQ(v.count(name), 1u) << name;
        EXPECT_EQ(v.at(name), value) << name;
    }
    // Every value of the table and nothing else; the language is stored by its own dialog.
    EXPECT_EQ(v.size(), 12u + 2 * kRecentFileCount + 2 * kSongPathPairCount + kPlayerCount);
    EXPECT_EQ(v.count("Language"), 0u);
    EXPECT_EQ(v.count("LastOpenReg21"), 0u);
    EXPECT_EQ(v.count("KeyboardPath0"), 0u);
}

TEST(Settings, FilterValuesExistOnlyInExtendedMode) {
    Settings s;
    s.hideDuplicateBankTitles = true;
    const auto plain = storedValues(s, false);
    EXPECT_EQ(plain.count("HideDuplicateBankTitles"), 0u);
    EXPECT_EQ(plain.count("HideEmptyEntries"), 0u);
    EXPECT_EQ(storedValues(s, true).at("HideDuplicateBankTitles"), Stored(1));
    EXPECT_TRUE(isExtendedModeSetting("HideEmptyEntries"));
    EXPECT_TRUE(isExtendedModeSetting("HideDuplicateBankTitles"));
    EXPECT_FALSE(isExtendedModeSetting("NoNetworkAccess"));

    // Reading without the extended mode leaves the filters as they are (off by default).
    Settings read;
    visitStoredSettings(read, false, [](std::string_view, auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, bool>)
            value = true;
    });
    EXPECT_FALSE(read.hideDuplicateBankTitles);
    EXPECT_FALSE(read.hideEmptyEntries);
    EXPECT_TRUE(read.noNetworkAccess);
}

TEST(Settings, IndexedNames) {
    EXPECT_EQ(recentRegistrationName(0), "LastOpenReg01");
    EXPECT_EQ(recentRegistrationName(19), "LastOpenReg20");
    EXPECT_EQ(recentArchiveName(8), "LastOpenArch09");
    EXPECT_EQ(keyboardPathName(0), "KeyboardPath1");
    EXPECT_EQ(pcPathName(4), "PCPath5");
    EXPECT_EQ(playerPathName(2), "PlayerPath3");
}

TEST(Settings, ExtendedModeSwitch) {
    struct Case {
        std::optional<std::string_view> value;
        bool on;
    };
    const Case cases[] = {
        {std::nullopt, false}, {"Korvath", true},   {"KORVATH", true}, {"korvath", true},
        {"", false},           {"Korvath ", false}, {"Korvat", false}, {"other", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(extendedModeFromEnvironment(c.value), c.on) << (c.value ? *c.value : "(none)");
    EXPECT_EQ(kExtendedModeVariable, "Tombrel");
}
