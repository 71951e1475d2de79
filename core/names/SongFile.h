#pragma once

// Which song files the program hands to the desktop's own program for MIDI files. The desktop
// picks that program by the file's extension, so a registration naming "PARTY.BAT" would run a
// batch file if it were simply opened. Only a MIDI song is opened: a file with a MIDI extension
// (.mid, .midi, .kar, .rmi, .smf, any case), or one without any extension that starts like a
// Standard MIDI File ("MThd"). A file whose extension names anything else is not opened, whatever
// its first bytes say: they do not decide which program the desktop starts.

#include <optional>
#include <string>
#include <string_view>

namespace tombrel {

// The rule over a file's own name (no folder) and its first bytes (as many as there are, up to 4).
bool isMidiSongFile(std::string_view fileName, std::string_view firstBytes);

// The file to open for the song at `path` (UTF-8): the path itself, or the file a symbolic link
// leads to, since that is what the desktop opens. Nothing when there is no regular file there or
// it is no MIDI song. Only a regular file is read, so a FIFO or a device never blocks the call.
std::optional<std::string> midiSongToOpen(const std::string& path);

} // namespace tombrel
