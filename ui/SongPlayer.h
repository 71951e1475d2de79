#pragma once

// Playing a registration's song on this computer: with one of the player programs from the
// settings (the program is started with the song's path as its one argument), or, when no player
// is set, with the program the desktop opens MIDI files with. Each way of failing has its message.

#include "core/text/Messages.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QUrl;

namespace tombrel {

// How starting a song fails here.
enum class PlayFailure {
    ProgramNotFound,       // no file at the player's path (a bare name: none on the search path)
    ProgramFolderNotFound, // the folder in the player's path does not exist
    AccessDenied,          // the player is a folder, or a file this user may not run
    NoAssociation,         // no player set, and the desktop has no program to open the song
    StartFailed,           // the system did not start a player that is there (it says why)
};

// The catalogue text of a failure.
const Message& playFailureMessage(PlayFailure failure);

// Checks a player program before it is started. A path with a folder is taken as it is; a bare
// name is looked up on the search path. `resolved` gets the program to start.
std::optional<PlayFailure> playerProgramProblem(const QString& program, QString* resolved);

// The platform's ways of starting things; tests put their own in.
struct SongLauncher {
    // Starts `program` detached with `arguments`; on failure `error` gets the system's words.
    std::function<bool(const QString& program, const QStringList& arguments, QString* error)>
        startProgram;
    // Opens a document with the program the desktop associates with it.
    std::function<bool(const QUrl& document)> openDocument;

    static SongLauncher platform();
};

// What pressing "Play -n-" does with the "Song:" text and player program n (empty: none set).
// Without a player only a MIDI song is opened (core/names/SongFile.h); anything else gets
// "Midi file not found!" as a missing file does.
// Nothing comes back when the song field is empty (nothing happens) or the song started;
// otherwise the message to show ("Midi file not found!" or the failure's message, the system's
// own words in front where it gave some).
std::optional<UserMessage> playSong(const QString& songPath, const QString& player,
                                    const SongLauncher& launcher);

} // namespace tombrel
