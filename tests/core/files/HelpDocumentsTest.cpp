#include "core/files/HelpDocuments.h"

#include "core/files/FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace tombrel;

namespace fs = std::filesystem;

TEST(HelpDocuments, FoldersRunInstalledProgramSourcesStart) {
    struct Case {
        const char* what;
        std::string program, installed, sources, start;
        std::vector<std::string> folders;
    };
    const Case cases[] = {
        {"installed program",
         "/usr/bin",
         "../share/tombrel/help",
         "/src/tombrel",
         "/home/me",
         {"/usr/share/tombrel/help", "/usr/bin", "/src/tombrel", "/home/me"}},
        {"program in its build folder, no sources known",
         "/b/bin",
         "../share/tombrel/help",
         "",
         "/b",
         {"/b/share/tombrel/help", "/b/bin", "/b"}},
        {"no program folder", "", "../share/tombrel/help", "/src", "", {"/src"}},
        {"Windows folders",
         "C:/Program Files/Tombrel/bin",
         "../share/tombrel/help",
         "",
         "D:/Music",
         {"C:/Program Files/Tombrel/share/tombrel/help", "C:/Program Files/Tombrel/bin",
          "D:/Music"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(helpDocumentFolders(c.program, c.installed, c.sources, c.start), c.folders)
            << c.what;
}

TEST(HelpDocuments, PathsPerFolderDirectAndInDocsHelpEachOnce) {
    EXPECT_EQ(helpDocumentFile(Language::German), "Tombrel.htm");
    EXPECT_EQ(helpDocumentFile(Language::English), "Tombrel_e.htm");
    // The same folder twice (the start folder is the program's) is looked at once; an empty
    // folder not at all.
    EXPECT_EQ(helpDocumentPaths(Language::German, {"/a/", "", "/b/./c", "/a"}),
              (std::vector<std::string>{"/a/Tombrel.htm", "/a/docs/help/Tombrel.htm",
                                        "/b/c/Tombrel.htm", "/b/c/docs/help/Tombrel.htm"}));
}

TEST(HelpDocuments, TheFirstFileFoundWinsAndAFolderNamedLikeTheDocumentDoesNot) {
    const fs::path root = fs::temp_directory_path() / "tombrel_help_documents_test";
    fs::remove_all(root);
    // A non-ASCII folder, as a user's home folder may be.
    const fs::path installed = root / toFsPath("Gr\xC3\xBC\xC3\x9F"
                                               "e/share/tombrel/help");
    const fs::path program = root / toFsPath("Gr\xC3\xBC\xC3\x9F"
                                             "e/bin");
    fs::create_directories(installed);
    fs::create_directories(program / "docs/help");
    fs::create_directories(program / "Tombrel.htm"); // a folder, not the document
    std::ofstream(program / "docs/help/Tombrel.htm") << "<p>";
    std::ofstream(program / "Tombrel_e.htm") << "<p>";
    const std::vector<std::string> folders = {fromFsPath(installed), fromFsPath(program)};

    EXPECT_EQ(toFsPath(locateHelpDocument(Language::German, folders)),
              (program / "docs/help/Tombrel.htm").lexically_normal());
    EXPECT_EQ(toFsPath(locateHelpDocument(Language::English, folders)),
              (program / "Tombrel_e.htm").lexically_normal());
    std::ofstream(installed / "Tombrel_e.htm") << "<p>";
    EXPECT_EQ(toFsPath(locateHelpDocument(Language::English, folders)),
              (installed / "Tombrel_e.htm").lexically_normal());
    fs::remove_all(root);
    EXPECT_EQ(locateHelpDocument(Language::English, folders), "");
}
