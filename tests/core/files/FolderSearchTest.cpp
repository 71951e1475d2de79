#include "core/files/FolderSearch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace tombrel;

TEST(FolderSearch, PatternsMatchWithoutRegardToCase) {
    struct Case {
        const char* name;
        const char* pattern;
        bool match;
    };
    const Case cases[] = {
        {"REG.bup", "REG*.bup", true},
        {"reg_pro.BUP", "REG*.bup", true},
        {"REGX.bu", "REG*.bup", false},
        {"song.sty", "*.sty", true},
        {"song.sty.bak", "*.sty", false},
        {"STY.B01", "STY*.b*", true},
        {"sty", "STY*.b*", false},
        {"a", "?", true},
        {"", "*", true},
        {"ab", "a*b*", true},
        {"\xE9t\xE9.sty", "\xC9T\xC9.STY", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchesPattern(c.name, c.pattern), c.match) << c.name << " / " << c.pattern;
}

TEST(FolderSearch, ListsMatchingRegularFilesSkippingHiddenOnes) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "tombrel_folder_search";
    fs::remove_all(dir);
    fs::create_directories(dir / "sub.sty");
    for (const char* name : {"b.sty", "A.STY", ".hidden.sty", "c.txt"})
        std::ofstream(dir / name) << "x";
    auto names = matchingFileNames(dir.string(), "*.sty");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"A.STY", "b.sty"}));
    EXPECT_EQ(firstMatchingFileName(dir.string(), "*.STY"), "A.STY");
    EXPECT_EQ(firstMatchingFileName(dir.string(), "REG*.bup"), std::nullopt);
    EXPECT_TRUE(matchingFileNames((dir / "missing").string(), "*").empty());
    fs::remove_all(dir);
}

TEST(FolderSearch, PathPieces) {
    struct Case {
        const char* path;
        const char* parent;
        const char* name;
    };
    std::vector<Case> cases = {
        {"/a/b/REG.bup", "/a/b", "REG.bup"},
        {"REG.bup", "", "REG.bup"},
        {"/REG.bup", "/", "REG.bup"}, // the root keeps its separator
        {"/a/b/", "/a/b", ""},
    };
#ifdef _WIN32
    cases.insert(cases.end(), {
                                  {"E:\\REG.bup", "E:\\", "REG.bup"},
                                  {"E:/REG.bup", "E:/", "REG.bup"},
                                  {"C:\\Sets\\Live.buf\\REG.bup", "C:\\Sets\\Live.buf", "REG.bup"},
                                  {"C:\\Sets/Live.buf\\REG.bup", "C:\\Sets/Live.buf", "REG.bup"},
                                  {"\\\\server\\share\\REG.bup", "\\\\server\\share", "REG.bup"},
                              });
#endif
    for (const Case& c : cases) {
        EXPECT_EQ(parentPathOf(c.path), c.parent) << c.path;
        EXPECT_EQ(fileNameOf(c.path), c.name) << c.path;
    }
#ifdef _WIN32
    EXPECT_EQ(joinPath("C:\\a\\b", "c"), "C:\\a\\b\\c");
    EXPECT_EQ(joinPath("C:\\", "c"), "C:\\c");
    EXPECT_EQ(joinPath("C:/a/", "c"), "C:/a/c");
#else
    EXPECT_EQ(joinPath("/a/b", "c"), "/a/b/c");
    EXPECT_EQ(joinPath("/", "c"), "/c");
#endif
    EXPECT_EQ(joinPath("", "c"), "c");
}
