// Feeds arbitrary bytes to the archive reader. Besides not crashing, whatever the reader accepts
// must write back to exactly the bytes it came from, read again to the same list, and write the
// same bytes once every category is expanded in one pass; its count must match its records.

#include "core/files/ArchiveFile.h"
#include "core/sides/ArchiveSide.h"

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

bool sameLine(const tombrel::RegEntry& a, const tombrel::RegEntry& b) {
    return a.isBankLine == b.isBankLine && a.bankTitle == b.bankTitle && a.record == b.record;
}

bool sameList(const tombrel::ArchiveList& a, const tombrel::ArchiveList& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (!sameLine(a[i], b[i]) || a[i].isCategory != b[i].isCategory ||
            a[i].categoryName != b[i].categoryName || a[i].expanded != b[i].expanded ||
            a[i].hiddenChildren.size() != b[i].hiddenChildren.size())
            return false;
        for (size_t k = 0; k < a[i].hiddenChildren.size(); ++k) {
            if (!sameLine(a[i].hiddenChildren[k], b[i].hiddenChildren[k]))
                return false;
        }
    }
    return true;
}

// Nothing is ever asked while categories expand.
struct Silent : tombrel::Interaction {
    void warn(const tombrel::UserMessage&) override {}
    tombrel::Answer askYesNoCancel(const tombrel::UserMessage&) override {
        return tombrel::Answer::Cancel;
    }
    bool askYesNo(const tombrel::UserMessage&) override { return false; }
    std::optional<std::string> chooseFileToOpen(const tombrel::FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFileToSave(const tombrel::FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<tombrel::KeyboardModel> selectKeyboardType(tombrel::KeyboardModel) override {
        return std::nullopt;
    }
    std::optional<tombrel::BackupSetChoice>
    chooseBackupSet(const tombrel::BackupSetDialogRequest&) override {
        return std::nullopt;
    }
    void beginBusy() override {}
    void endBusy() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const tombrel::ArchiveReadResult read = tombrel::parseArchive(data, size, "fuzz.yra");
    if (!read.ok) {
        require(!read.messages.empty() && read.list.empty());
        return 0;
    }
    require(read.messages.empty());
    const std::vector<uint8_t> image = tombrel::buildArchiveImage(read.list);
    require(image.size() == size && std::memcmp(image.data(), data, size) == 0);
    size_t registrations = 0;
    for (const tombrel::ArchiveEntry& category : read.list) {
        require(category.isCategory && category.expanded == category.hiddenChildren.empty());
        for (const tombrel::RegEntry& child : category.hiddenChildren)
            registrations += child.isBankLine ? 0 : 1;
    }
    require(static_cast<int>(registrations) == tombrel::archiveRegistrationCount(read.list));

    // The written bytes read again to the same list.
    const tombrel::ArchiveReadResult again =
        tombrel::parseArchive(image.data(), image.size(), "fuzz.yra");
    require(again.ok && sameList(again.list, read.list));

    // Expanded, the list holds every record inline and still writes the same file.
    Silent ui;
    tombrel::ArchiveSide side(ui);
    side.list() = read.list;
    side.expandAllCategories();
    size_t records = 0;
    for (const tombrel::ArchiveEntry& category : read.list)
        records += 1 + category.hiddenChildren.size();
    require(side.list().size() == records);
    for (const tombrel::ArchiveEntry& line : side.list())
        require(line.hiddenChildren.empty() && (!line.isCategory || line.expanded));
    require(tombrel::buildArchiveImage(side.list()) == image);
    require(side.registrationCount() == static_cast<int>(registrations));
    return 0;
}
