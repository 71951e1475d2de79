#pragma once

// Small files for the tool to work on: registration backups of a few named banks, archives of a
// few categories, FlashStyle backups and disk style folders.

#include "core/files/ArchiveFile.h"
#include "core/files/RegBackupFile.h"
#include "core/names/FlashStyleBackup.h"
#include "core/record/ArchiveEntry.h"
#include "core/record/RegRecord.h"
#include "core/sides/RegListRules.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tombrel::clitest {

// An active registration with a title and, when given, a style index.
inline RegRecord reg(const std::string& title, int style = 0, bool active = true) {
    RegRecord r = RegRecord::empty();
    r.setTitle(title);
    r.setActive(active);
    r.setStyleIndex(style);
    return r;
}

// One bank of a backup: its title and the registrations of its first slots (the rest empty).
struct Bank {
    std::string title;
    std::vector<RegRecord> slots;
};

// The canonical lines of a backup whose first banks are given; the others are "<No Name>"
// banks of empty registrations.
inline RegList backupLines(const std::vector<Bank>& banks) {
    RegList lines;
    for (int b = 0; b < kRegBankCount; ++b) {
        const Bank* given = b < static_cast<int>(banks.size()) ? &banks[b] : nullptr;
        lines.push_back(RegEntry::bankLine(given ? given->title : kNoNameBankTitle));
        for (int s = 0; s < kRegSlotsPerBank; ++s) {
            const bool named = given && s < static_cast<int>(given->slots.size());
            lines.push_back(RegEntry::registration(named ? given->slots[s] : RegRecord::empty()));
        }
    }
    return lines;
}

inline std::vector<uint8_t> backupImage(const std::vector<Bank>& banks,
                                        KeyboardModel model = KeyboardModel::Psr9000) {
    return buildRegBackupImage(backupLines(banks), model);
}

// A category of an archive: its name and its lines ("#Title" is a bank title line).
struct Category {
    std::string name;
    std::vector<std::pair<std::string, RegRecord>> lines;
};

inline ArchiveList archiveList(const std::vector<Category>& categories) {
    ArchiveList list;
    for (const Category& category : categories) {
        ArchiveEntry line = ArchiveEntry::category(category.name);
        for (const auto& [text, record] : category.lines) {
            if (!text.empty() && text[0] == '#')
                line.hiddenChildren.push_back(RegEntry::bankLine(text.substr(1)));
            else
                line.hiddenChildren.push_back(RegEntry::registration(record));
        }
        line.expanded = line.hiddenChildren.empty();
        list.push_back(std::move(line));
    }
    return list;
}

inline std::vector<uint8_t> archiveImage(const std::vector<Category>& categories) {
    return buildArchiveImage(archiveList(categories));
}

// A FlashStyle backup with names at the given flash positions (the others "No Data").
inline std::vector<uint8_t>
flashStyleBackup(const std::vector<std::pair<int, std::string>>& names) {
    std::vector<uint8_t> bytes(kFlashStyleBackupReadSize, 0);
    std::copy(kFlashStyleBackupSignature.begin(), kFlashStyleBackupSignature.end(), bytes.begin());
    for (int p = 0; p < 120; ++p) {
        std::string name = "No Data";
        for (const auto& [position, given] : names) {
            if (position == p)
                name = given;
        }
        std::copy(name.begin(), name.end(), bytes.begin() + 32 + 512 * p);
    }
    return bytes;
}

} // namespace tombrel::clitest
