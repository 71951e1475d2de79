#pragma once

// The two sides of the desktop program, held by the tool for one command: a file is read into the
// side of its kind and written by that side's writer.

#include "cli/ConsoleInteraction.h"
#include "core/commands/TextForm.h"
#include "core/sides/ArchiveSide.h"
#include "core/sides/RegistrationSide.h"

#include <string>

namespace tombrel::cli {

enum class FileKind { RegistrationBackup, Archive };

// A file of 241692 bytes with a model magic is a registration backup, one that starts with the
// archive magic an archive. Any other file goes to the backup reader when its name ends in ".bup"
// (in any letter case), else to the archive reader, whose messages then say what is wrong.
FileKind fileKindOf(const std::string& path);

// Hands every line of an archive's display list to `visit`, in the order the list shows them with
// every category expanded, without expanding one: a collapsed category's hidden lines come right
// after it, before any lines that follow it. `visit` takes a const ArchiveEntry& (a line of the
// list) or a const RegEntry& (a hidden line).
template <class Visit> void forEachExpandedLine(const ArchiveList& list, Visit visit) {
    for (const ArchiveEntry& line : list) {
        visit(line);
        if (line.isCategory && !line.expanded) {
            for (const RegEntry& child : line.hiddenChildren)
                visit(child);
        }
    }
}

class Workspace {
public:
    explicit Workspace(ConsoleInteraction& ui);

    // Reads the file into the side of its kind; false when it was refused (the reader's messages
    // have been shown). The filters apply to a registration backup.
    bool load(const std::string& path, RegListFilters filters = {});
    // New on the registration side with the keyboard chosen; false when it did not open.
    bool newRegistrationBackup(KeyboardModel model);
    // Opens an imported document in the side of its kind, as a new untitled file.
    bool openImported(TextFormDocument document);
    // Writes the loaded side to `path` with its own writer; false when it failed.
    bool save(const std::string& path);

    FileKind kind() const { return kind_; }
    // The registration backup's keyboard model; None for an archive.
    KeyboardModel model() const;

    RegistrationSide& registrations() { return reg_; }
    ArchiveSide& archive() { return archive_; }

    // Expands every category of the archive.
    void expandAllCategories();

private:
    ConsoleInteraction& ui_;
    RegistrationSide reg_;
    ArchiveSide archive_;
    FileKind kind_ = FileKind::Archive;
};

} // namespace tombrel::cli
