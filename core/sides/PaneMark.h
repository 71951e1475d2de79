#pragma once

// The mark a pane shows beside its count while its content has changes that are not saved, so
// that the user sees it before trying to leave. Both panes read their flags and file names into
// it after every command.

#include "core/text/Messages.h"

#include <string>
#include <string_view>

namespace tombrel {

class ArchiveSide;
class RegistrationSide;

// The last part of a recent box text ("/home/anna/Sets/Songs [Disk-02]" gives
// "Songs [Disk-02]"); empty for an empty text.
std::string shownFileName(std::string_view recentBoxText);

// "* Songs (modified)" while `modified`, "* (modified)" without a file name (a list made by New);
// empty while nothing is to be saved.
std::string modifiedMarkText(bool modified, std::string_view fileName, Language lang);

// The marks of the two panes as their sides stand now.
std::string modifiedMarkText(const RegistrationSide& side, Language lang);
std::string modifiedMarkText(const ArchiveSide& side, Language lang);

} // namespace tombrel
