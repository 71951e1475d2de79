#pragma once

// The archive side: one Registration Archive shown as a two-level tree of categories and their
// bank title and registration lines, with its file, its flags and its recently used files, the
// file commands, expanding and collapsing categories, and New, Edit and Sort Category. The list
// view asks lineText and treeFlags per line.

#include "core/record/ArchiveEntry.h"
#include "core/record/ListSelection.h"
#include "core/sides/Interaction.h"
#include "core/sides/RecentList.h"
#include "core/sides/Settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tombrel {

inline constexpr std::string_view kArchiveFileFilter =
    "Yamaha Registration Archive (*.yra)|*.yra|All Files (*.*)|*.*||";
inline constexpr std::string_view kArchiveExtension = "yra";

// Bits of a line's tree flags, from which the list draws connectors and boxes.
enum ArchiveTreeFlag : unsigned {
    TreeLastChild = 0x0001,         // last child of its category
    TreeFirstLine = 0x0010,         // no connector above
    TreeBelowLastCategory = 0x0020, // the level-0 connector does not continue below
    TreeChildrenFollow = 0x0040,
    TreeBoxPlus = 0x0100,  // collapsed with hidden children
    TreeBoxMinus = 0x0200, // expanded with its children shown
    TreeCategoryLevel = 0x1000,
    TreeChildLevel = 0x2000,
};

// Orders two sort keys of Sort Category: bank titles without regard to case, then the first
// 16 bytes of the registration titles without regard to case. Negative, zero or positive.
int compareSortKeys(std::string_view bankTitleA, std::string_view titleA,
                    std::string_view bankTitleB, std::string_view titleB);

// The list text of an archive line: a category's name, a bank title, or a registration's title
// indented, in braces when it is inactive.
std::string archiveLineText(const ArchiveEntry& line);

// What Expand all and Collapse all would change: a category that hides lines, a category that
// shows them. Each looks at the lines until it finds one.
bool hasCollapsedCategory(const ArchiveList& list);
bool hasExpandedCategory(const ArchiveList& list);

class ArchiveSide {
public:
    explicit ArchiveSide(Interaction& ui) : ui_(ui) {}

    void loadSettings(const Settings& settings);
    void storeSettings(Settings& settings) const;

    // State.
    const std::string& currentPath() const { return path_; }
    bool isOpen() const { return open_; }
    bool isUntitled() const { return untitled_; }
    bool isModified() const { return modified_; }
    void setModified(bool modified = true) { modified_ = modified; }
    const RecentList& recentArchives() const { return recent_; }

    // The display list; list().size() + 1 lines are shown (the trailing line). Commands that
    // change its structure call recomputeLastCategoryIndex.
    ArchiveList& list() { return list_; }
    const ArchiveList& list() const { return list_; }

    // Display.
    std::string lineText(int index) const;
    // The same text appended to `out`, for a caller that fills one buffer with many lines.
    void appendLineText(int index, std::string& out) const;
    // The text of a line, in the list or hidden in a collapsed category (the text it shows once
    // expanded), appended to `out`.
    static void appendLineText(const ArchiveEntry& line, std::string& out);
    static void appendLineText(const RegEntry& line, std::string& out);
    unsigned treeFlags(int index) const;
    // A category line that shows a box: a click on it expands or collapses it.
    bool canToggle(int index) const;

    int lastCategoryIndex() const;
    void recomputeLastCategoryIndex();

    // Expanding and collapsing move lines between the display list and the category's hidden
    // children; neither sets the modified flag (the file does not store it).
    void expandCategory(int index);
    // Expands every category in one pass over the list: each line is moved once, straight to its
    // place, however many categories there are. `follow`, a selection of the list as it was, is
    // moved along with its lines.
    void expandAllCategories(ListSelection* follow = nullptr);
    void collapseCategory(int index);
    // Collapses every category that shows lines (one that shows a box), in one pass like
    // expandAllCategories. A followed selection of a line that goes into hiding selects its
    // category instead.
    void collapseAllCategories(ListSelection* follow = nullptr);
    bool toggleCategory(int index);

    int registrationCount() const;
    // "%d" of registrationCount(); empty after New and Close. Commands that add or remove
    // registrations call refreshCountText.
    const std::string& countText() const { return countText_; }
    void refreshCountText();

    std::vector<std::string> recentArchiveComboItems() const { return recent_.used(); }
    int recentArchiveComboSelection() const { return recent_.indexOf(path_); }

    // Commands.
    bool askSaveArchiveChanges();
    void newArchive();
    void openArchive();
    void saveArchive();
    void saveArchiveAs();
    void closeArchive();
    // Opens `list` as a new untitled archive that has changes to save (an imported document),
    // after the save-changes prompt; false when the prompt was cancelled.
    bool openImportedArchive(ArchiveList list);
    void selectRecentArchive(int index);
    // Opens the archive at `path` (a file handed to the program) after the save-changes prompt.
    // Nothing happens when `path` is the archive already open. False when nothing was read.
    bool openArchiveFile(const std::string& path);
    // At start-up: reads the most recent archive, if there is one.
    void reopenMostRecentArchive();

    // Loads the file at `path`, which becomes the current path; false when nothing was loaded
    // (the side is then closed and the path leaves the recent list). When memory runs out while
    // the file is read, the side and its path stay as they were, with the reading error shown.
    bool readArchive(const std::string& path);
    // Writes the display list to `path`; false when it was not written.
    bool writeArchive(const std::string& path);

    // Category commands; `selected` is the single selected line. The name comes from the
    // category dialog. New Category returns the index of the new line, or nothing when it did
    // nothing.
    std::optional<int> newCategory(int selected, std::string name);
    bool editCategory(int selected, std::string name);
    bool sortCategory(int selected);

private:
    bool isCategoryIndex(int index) const;
    void discardContent();

    Interaction& ui_;
    RecentList recent_;
    std::string path_;
    bool open_ = false;
    bool untitled_ = false;
    bool modified_ = false;
    ArchiveList list_;
    mutable int lastCategory_ = -1; // -1: to be recomputed on first use
    std::string countText_;
};

} // namespace tombrel
