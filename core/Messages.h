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

// ---- Registration side and archive side --------------------------------------------------------

// ---- List operations, search, Multi Change, Edit Entry -----------------------------------------

// ---- Protocol files ----------------------------------------------------------------------------

// ---- Main window, settings, dialogs ------------------------------------------------------------

// Buttons shared by the dialogs.
inline constexpr Message Ok{"OK", "OK"};
inline constexpr Message Cancel{"Cancel", "Abbrechen"};

inline constexpr Message MainWindowTitle{
    "Tombrel  -  Registration Editor for Yamaha PSR-9000 / 9000pro",
    "Tombrel  -  Registration Editor for Yamaha PSR-9000 / 9000pro"};
inline constexpr Message Exit{"Exit", "Ende"};

// Choose Language: shown before a language exists, so every text carries both languages.
inline constexpr Message ChooseLanguageCaption{"Choose Language", "Choose Language"};
inline constexpr Message ChooseLanguagePrompt{
    "Please choose your favorite language:\nBitte wählen Sie die gewünschte Sprache:",
    "Please choose your favorite language:\nBitte wählen Sie die gewünschte Sprache:"};
inline constexpr Message ChooseLanguageNote{
    "This dialog will not be displayed again.\nDieser Dialog wird nicht mehr angezeigt.",
    "This dialog will not be displayed again.\nDieser Dialog wird nicht mehr angezeigt."};
inline constexpr Message LanguageGerman{"Deutsch (German)", "Deutsch (German)"};
inline constexpr Message LanguageEnglish{"English", "English"};

inline constexpr Message SelectKeyboardTypeCaption{"Select Keyboard Type", "Keyboardtyp auswählen"};
inline constexpr Message KeyboardLabel{"Keyboard:", "Keyboard:"};

inline constexpr Message EditBankTitleCaption{"Edit Bank Title", "Bank-Titel bearbeiten"};
inline constexpr Message BankTitleLabel{"Bank Title:", "Bank-Titel:"};
inline constexpr Message EditCategoryCaption{"Edit Category", "Kategorie bearbeiten"};
inline constexpr Message CategoryLabel{"Category:", "Kategorie:"};

inline constexpr Message KeyboardStorageDevicesCaption{
    "Keyboard Storage Devices", "Bezeichnung der Keyboard Speichermedien"};
inline constexpr Message DeviceFloppyDisk{"floppy disk", "Diskette"};
inline constexpr Message DeviceHardDisk0{
    "internal hard disk- partition 0", "Interne Festplatte - Partition 0"};
inline constexpr Message DeviceHardDisk1{
    "internal hard disk- partition 1", "Interne Festplatte - Partition 1"};
inline constexpr Message DeviceScsi{
    "external SCSI device\n(x = SCSI-Id, y = partition)",
    "Externes SCSI-Gerät\n(x = SCSI-Id, y = Partition)"};

inline constexpr Message DiskStyleFolderCaption{"Selcet DiskStyle Directory", "DiskStyle Ordner auswählen"};
inline constexpr Message DiskStyleFolderOk{"Ok", "Ok"};

inline constexpr Message FileNameLabel{"Filename:", "Dateiname:"};
inline constexpr Message OpenButton{"Open", "Öffnen"};
inline constexpr Message SaveButton{"Save", "Speichern"};

inline constexpr Message SettingsCaption{"Settings", "Einstellungen"};
inline constexpr Message UseBackupStructure{"Use Yamaha backup structure", "Yamaha Backup-Struktur verwenden"};
inline constexpr Message NoNetworkAccess{"No network access", "Kein Netzwerkzugriff"};
inline constexpr Message HideDuplicateBankTitles{"Hide duplicate bank titles", "Gleiche Banktitel unterdrücken"};
inline constexpr Message HideEmptyEntries{"Hide \"<empty>\" entries if possible", "Leere Einträge unterdrücken"};
inline constexpr Message SongPathMapping{"Song path mapping", "Zuordnung der Laufwerke/Pfade"};
inline constexpr Message KeyboardPathHeading{"Keyboard path", "Keyboard Bezeich."};
inline constexpr Message PcPathHeading{"PC path", "PC Bezeichnung"};
inline constexpr Message SelectPlayer{"Select Midi file player", "Midi-Player auswählen"};
// File dialog filter names; the patterns are the platform's.
inline constexpr Message ProgramFilesFilter{"Program files", "Program files"};
inline constexpr Message AllFilesFilter{"All files", "All files"};

// Folder tree context menu.
inline constexpr Message OpenInFileManager{"Open in File Manager", "Im Dateimanager öffnen"};
inline constexpr Message NewFolder{"New Folder", "Neuer Ordner"};
inline constexpr Message CannotOpenInFileManager{
    "The folder could not be opened in the file manager.",
    "Der Ordner konnte nicht im Dateimanager geöffnet werden."};
inline constexpr Message CannotCreateFolder{
    "The folder could not be created.", "Der Ordner konnte nicht angelegt werden."};
inline constexpr Message CannotRenameFolder{
    "The folder could not be renamed.", "Der Ordner konnte nicht umbenannt werden."};

// clang-format on

} // namespace msg
} // namespace tombrel
