#pragma once

// The catalogue of every text the user sees: {English, German} pairs, looked up by id and the
// language at the moment of showing. Texts are UTF-8 (they are program texts, not file content).

#include <string>
#include <string_view>

namespace tombrel {

enum class Language { English, German };

struct Message {
    std::string_view en;
    std::string_view de;

    std::string_view text(Language lang) const { return lang == Language::German ? de : en; }
};

// A message the user must see, optionally followed by the platform's own description of the
// error that caused it (shown first, as the platform reports it).
struct UserMessage {
    const Message* message = nullptr;
    std::string platformError;
    std::string argument; // replaces "%1" in the message text, where it has one

    // The message text in the given language with "%1" filled in.
    std::string text(Language lang) const;
};

// Fills "%d"-style placeholders the way the program's texts use them.
std::string formatMessage(std::string_view pattern, long long value);
std::string formatMessage(std::string_view pattern, long long first, long long second);

namespace msg {

// clang-format off

// ---- Registration backup file ------------------------------------------------------------------
inline constexpr Message ErrorOpeningFile{"Error opening file!", "Fehler beim Öffnen der Datei!"};
inline constexpr Message InvalidFileSize{"Invalid file size!", "Üngültige Dateigröße!"};
inline constexpr Message ErrorReadingFile{"Error reading from file!", "Fehler beim Lesen aus der Datei!"};
inline constexpr Message InvalidChecksum{"Invalid checksum!", "Checksummen-Fehler!"};
inline constexpr Message NoValidRegBackup{
    "This file doesn't contain a valid PSR-9000 or 9000pro Registration Backup!",
    "Die Datei enthält kein gültiges Backup der Registrierungen vom PSR-9000 oder 9000pro!"};
inline constexpr Message ErrorSavingRegistrations{
    "Error saving Registrations to disk!", "Fehler beim Speichern der Registrationen!"};

// ---- Backup-set structure ----------------------------------------------------------------------
inline constexpr Message ErrorCreatingBackupStructure{
    "Error creating directory/backup-structure!", "Fehler beim Anlegen Verzeichnis-/Backup-Struktur!"};
inline constexpr Message ErrorUpdatingBackupIni{
    "Error creating/updating BACKUP.INI file!", "Fehler beim Anlegen/Aktualisieren der Datei: BACKUP.INI!"};

// ---- Archive file ------------------------------------------------------------------------------
inline constexpr Message NotAnArchive{
    "This file is not a Yamaha Registration Archive!",
    "Die Datei enthält kein gültiges Archiv der Yamaha Registrationen!"};
inline constexpr Message InvalidArchiveData{
    "Invalid data in Registration Archive!", "Ungültige Daten im Archiv!"};
inline constexpr Message ErrorSavingArchive{
    "Error saving Registration Archive to file!", "Fehler beim Speichern des Archivs!"};
inline constexpr Message InvalidArchiveBufferSize{
    "Internal error - invalid archive buffer size!", "Interner Fehler - Ungültige Größe des Archivpuffers!"};
// The platform's generic report after invalid data; English only, %1 is the path.
inline constexpr Message UnknownFileError{
    "An unknown error occurred while accessing %1.", "An unknown error occurred while accessing %1."};

// ---- Names: voices, styles, song paths, style locations ----------------------------------------
inline constexpr Message ErrorCreatingVoiceTable{
    "Error creating voice definition table!", "Fehler beim Anlegen der Voice-Definitionen Tabelle!"};
// Choosing and playing a registration's song.
inline constexpr Message SelectMidiFile{"Select Midi file", "Midi-Datei auswählen"};
inline constexpr Message MidiFileFilter{"Midi files (*.mid)|*.mid||", "Midi files (*.mid)|*.mid||"};
inline constexpr Message MidiFileNotFound{"Midi file not found!", "Midi-Datei nicht gefunden!"};
inline constexpr Message PlayOutOfResources{
    "Out of memory or no more free resources!",
    "Das Betriebssystem hat keinen freien Speicher oder keine Resourcen mehr!"};
inline constexpr Message PlayFileNotFound{"File not found!", "Datei nicht gefunden!"};
inline constexpr Message PlayPathNotFound{"Path not found!", "Verzeichnis nicht gefunden!"};
inline constexpr Message PlayAccessDenied{"Access denied!", "Zugriff auf die Datei verweigert!"};
inline constexpr Message PlayOutOfMemory{"Out of memory!", "Nicht genügend freier Speicher!"};
inline constexpr Message PlayBadFormat{"Bad file format!", "Die Programmdatei ist beschädigt!"};
inline constexpr Message PlayShareViolation{"Share violation!", "Zugriffsverletzung aufgetreten!"};
inline constexpr Message PlayAssociationInvalid{
    "Association invalid!", "Die Dateizuordnung ist unvollständig oder ungültig!"};
inline constexpr Message PlayDdeTimeout{"DDE time out!", "DDE-Transaktion Time-Out!"};
inline constexpr Message PlayDdeFailed{"DDE failed!", "DDE-Transaktion fehlgeschlagen!"};
inline constexpr Message PlayDdeBusy{
    "DDE busy!",
    "DDE-Transaktion konnte nicht fertiggestellt werden (andere DDE-Transaktionen sind aktiv)!"};
inline constexpr Message PlayNoAssociation{
    "No association for '.mid' files!", "Keine Anwendung für '.mid'-Dateien zugeordnet!"};
inline constexpr Message PlayDllNotFound{"Dll not found!", "Dll nicht gefunden!"};
inline constexpr Message PlayUnknownError{"Unknown error!", "Unbekannter Fehler!"};

// ---- Registration side and archive side --------------------------------------------------------

// ---- List operations, search, Multi Change, Edit Entry -----------------------------------------
// The platform's checks of a typed number or text, shown before anything is stored.
inline constexpr Message EnterIntegerBetween{
    "Please enter an integer between %d and %d.",
    "Bitte geben Sie eine ganze Zahl zwischen %d und %d ein."};
inline constexpr Message EnterNoMoreCharacters{
    "Please enter no more than %d characters.", "Bitte geben Sie nicht mehr als %d Zeichen ein."};
inline constexpr Message TitleMustNotBeEmpty{
    "The title must not be empty!", "Der Titel darf nicht leer sein!"};
inline constexpr Message NoRegsSelected{
    "No reg(s) selected!", "Keine Einträge zur Mehrfachbearbeitung ausgewählt!"};
// Captions of the two registration editors; their other captions are English in both languages.
inline constexpr Message EditEntryWindowTitle{"Edit Entry", "Eintrag bearbeiten"};
inline constexpr Message EditEntryTitleLabel{"Title:", "Titel:"};
inline constexpr Message EditEntryActiveLabel{"Active:", "Aktiv:"};
inline constexpr Message EditEntryPreviousButton{"&Previous", "Zurück"};
inline constexpr Message EditEntryNextButton{"&Next", "Weiter"};
inline constexpr Message RegEditorCancelButton{"&Cancel", "Abbrechen"};
inline constexpr Message MultiChangeWindowTitle{"Multi Change", "Mehrfach Änderung"};

// ---- Protocol files ----------------------------------------------------------------------------

// ---- Main window, settings, dialogs ------------------------------------------------------------

// clang-format on

} // namespace msg
} // namespace tombrel
