#include "core/sides/PaneMark.h"

#include "core/sides/ArchiveSide.h"
#include "core/sides/RegistrationSide.h"

namespace tombrel {

std::string shownFileName(std::string_view recentBoxText) {
    while (!recentBoxText.empty() && (recentBoxText.back() == '/' || recentBoxText.back() == '\\'))
        recentBoxText.remove_suffix(1);
    const size_t cut = recentBoxText.find_last_of("/\\");
    return std::string(cut == std::string_view::npos ? recentBoxText
                                                     : recentBoxText.substr(cut + 1));
}

std::string modifiedMarkText(bool modified, std::string_view fileName, Language lang) {
    if (!modified)
        return {};
    if (fileName.empty())
        return std::string(msg::PaneModifiedMarkUntitled.text(lang));
    UserMessage mark = userMessage(msg::PaneModifiedMark);
    mark.argument = std::string(fileName);
    return mark.text(lang);
}

std::string modifiedMarkText(const RegistrationSide& side, Language lang) {
    const bool named = side.isOpen() && !side.isUntitled() && !side.currentPath().empty();
    const std::string name =
        named
            ? shownFileName(recentRegComboText(side.currentPath(), side.options().backupStructure))
            : std::string();
    return modifiedMarkText(side.isOpen() && side.isModified(), name, lang);
}

std::string modifiedMarkText(const ArchiveSide& side, Language lang) {
    const bool named = side.isOpen() && !side.isUntitled() && !side.currentPath().empty();
    const std::string name = named ? shownFileName(side.currentPath()) : std::string();
    return modifiedMarkText(side.isOpen() && side.isModified(), name, lang);
}

} // namespace tombrel
