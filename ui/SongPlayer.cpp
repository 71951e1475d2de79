#include "ui/SongPlayer.h"

#include "core/names/SongFile.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace tombrel {

const Message& playFailureMessage(PlayFailure failure) {
    switch (failure) {
    case PlayFailure::ProgramNotFound:
        return msg::PlayFileNotFound;
    case PlayFailure::ProgramFolderNotFound:
        return msg::PlayPathNotFound;
    case PlayFailure::AccessDenied:
        return msg::PlayAccessDenied;
    case PlayFailure::NoAssociation:
        return msg::PlayNoAssociation;
    case PlayFailure::StartFailed:
        break;
    }
    return msg::PlayUnknownError;
}

std::optional<PlayFailure> playerProgramProblem(const QString& program, QString* resolved) {
    const bool bareName = !program.contains(QLatin1Char('/')) &&
                          !program.contains(QDir::separator()) && !QDir::isAbsolutePath(program);
    QString path = program;
    if (bareName) {
        path = QStandardPaths::findExecutable(program);
        if (path.isEmpty())
            return PlayFailure::ProgramNotFound;
    }
    const QFileInfo info(path);
    if (!info.exists())
        return info.absoluteDir().exists() ? PlayFailure::ProgramNotFound
                                           : PlayFailure::ProgramFolderNotFound;
    if (info.isDir() || !info.isExecutable())
        return PlayFailure::AccessDenied;
    if (resolved)
        *resolved = info.absoluteFilePath();
    return std::nullopt;
}

SongLauncher SongLauncher::platform() {
    SongLauncher launcher;
    launcher.startProgram = [](const QString& program, const QStringList& arguments,
                               QString* error) {
        QProcess process;
        process.setProgram(program);
        process.setArguments(arguments);
        const bool started = process.startDetached();
        if (!started && error)
            *error = process.errorString();
        return started;
    };
    launcher.openDocument = [](const QUrl& document) {
        return QDesktopServices::openUrl(document);
    };
    return launcher;
}

std::optional<UserMessage> playSong(const QString& songPath, const QString& player,
                                    const SongLauncher& launcher) {
    if (songPath.isEmpty())
        return std::nullopt;
    const QFileInfo song(songPath);
    if (!song.isFile())
        return userMessage(msg::MidiFileNotFound);

    if (player.isEmpty()) {
        // The desktop chooses its program by the file's extension: only a MIDI song goes to it,
        // never a program or script that a registration names.
        const std::optional<std::string> midiSong =
            midiSongToOpen(song.absoluteFilePath().toStdString());
        if (!midiSong)
            return userMessage(msg::MidiFileNotFound);
        if (launcher.openDocument(QUrl::fromLocalFile(QString::fromStdString(*midiSong))))
            return std::nullopt;
        return userMessage(playFailureMessage(PlayFailure::NoAssociation));
    }

    QString program;
    if (const auto problem = playerProgramProblem(player, &program))
        return userMessage(playFailureMessage(*problem));
    QString error;
    if (launcher.startProgram(program, {song.absoluteFilePath()}, &error))
        return std::nullopt;
    UserMessage message = userMessage(playFailureMessage(PlayFailure::StartFailed));
    message.platformError = error.toStdString();
    return message;
}

} // namespace tombrel
