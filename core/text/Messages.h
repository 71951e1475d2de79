#pragma once

// The catalogue of every text the user sees: {English, German} pairs, looked up by id and the
// language at the moment of showing. Texts are UTF-8 (they are program texts, not file content).

#include <string>
#include <string_view>
#include <vector>

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
    std::string argument;    // replaces "%1" in the message text, where it has one
    std::string argument2{}; // replaces "%2", for texts that name two things
    // Fill the "%d" placeholders in order ("Delete %d entries?"); empty for texts without them.
    std::vector<long long> numbers{};

    // The message text in the given language with "%d" and "%1" filled in.
    std::string text(Language lang) const;
};

// A message with nothing to fill in and no platform text.
inline UserMessage userMessage(const Message& message) {
    UserMessage m;
    m.message = &message;
    return m;
}

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
// An archive whose categories and bank titles would take far more memory than its size.
inline constexpr Message ArchiveTooManyLines{
    "Too many categories and bank titles in Registration Archive!",
    "Zu viele Kategorien und Bank-Titel im Archiv!"};
// The platform's generic report after invalid data; English only, %1 is the path.
inline constexpr Message UnknownFileError{
    "An unknown error occurred while accessing %1.", "An unknown error occurred while accessing %1."};

// ---- Files handed to the program or dropped on its window --------------------------------------
// "%1" is the path.
inline constexpr Message UnknownDocumentKind{
    "%1\n\nis neither a Yamaha Registration Backup nor a Registration Archive and cannot be opened.",
    "%1\n\nist weder ein Backup der Registrationen noch ein Archiv der Registrationen und kann nicht geöffnet werden."};
inline constexpr Message NoRegBackupInFolder{
    "The folder %1\n\nholds no Yamaha Registration Backup (REG*.bup).",
    "Der Ordner %1\n\nenthält kein Backup der Registrationen (REG*.bup)."};
inline constexpr Message HandedFileNotFound{
    "%1\n\nwas not found.", "%1\n\nwurde nicht gefunden."};

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

// Flash style names.
inline constexpr Message ErrorOpeningFlashStyleBackup{
    "Error opening FlashStyle Backup!", "Fehler beim Öffnen des Flash-Style Backups!"};
inline constexpr Message ErrorReadingFlashStyleData{
    "Error reading FlashStyle data!", "Fehler beim Laden der Flash-Style Daten!"};
inline constexpr Message FlashStyleNamesNotInFile{
    "The FlashStyle information is not included in this file / backup!\n\n(They must be on another disk of this backup set.)",
    "Die Flash-Style Namen sind in dieser Datei nicht enthalten!\n\n(Die Namen sind in einer anderen Datei dieser Backup-Satzes gespeichert.)"};
inline constexpr Message OpenFlashStyleBackupTitle{"Open FlashStyle Backup", "Flash-Style Backup öffnen"};
inline constexpr Message FlashStyleBackupFilter{
    "FlashStyle backup (STY*.b*)|STY*.b*|All files (*.*)|*.*||",
    "FlashStyle backup (STY*.b*)|STY*.b*|All files (*.*)|*.*||"};
// Disk style folder.
inline constexpr Message NoStyleFilesFound{
    "No style files found in the Disk Style folder!", "Keine Styledateien im DiskStyle-Ordner gefunden!"};
inline constexpr Message SelectDiskStyleFolderTitle{"Selcet DiskStyle Directory", "DiskStyle Ordner auswählen"};
// Style locations.
inline constexpr Message NoIndividualStyleNamesLoaded{
    "No individual style names loaded!", "Keine individuellen Styletitel geladen!"};
inline constexpr Message HintNoFlashStyleBackupLoaded{
    "Hint: No Flash Style Backup loaded!", "Hinweis: Kein Flash-Style Backup geladen!"};
inline constexpr Message HintNoDiskDirectFolderLoaded{
    "Hint: No DiskDirect Folder loaded!", "Hinweis: Kein DiskDirect Ordner geladen!"};
inline constexpr Message ErrorCreatingStyleLocationsFile{
    "Error creating text file!", "Fehler beim Erzeugen der Textdatei!"};
inline constexpr Message NoValidOldStyleDefinitions{
    "No valid old style definitions in text file found!",
    "Keine gültigen alten Styledefinitionen in der Textdatei gefunden!"};
inline constexpr Message NoValidStyleNamesLoaded{
    "No valid style names currently loaded!", "Zur Zeit sind keine gültigen Styletitel geladen!"};
inline constexpr Message ErrorCreatingErrorListFile{
    "Error creating text file!", "Fehler beim Anlegen der Fehlerdatei!"};
inline constexpr Message TextFileFilter{"Text file (*.txt)|*.txt||", "Text file (*.txt)|*.txt||"};
inline constexpr Message SaveStyleLocationsFileTitle{
    "Save Current Style Locations Into Text File", "Style-Positionen in Textdatei speichern"};
inline constexpr Message LoadStyleLocationsFileTitle{
    "Load Old Style Locations From Text File", "Alte Style-Positionen aus Textdatei laden"};
inline constexpr Message SaveErrorListFileTitle{
    "Store Error Messages Into Text File", "Fehlerliste speichern"};
inline constexpr Message SaveStyleLocationsDialogTitle{
    "Save Current Style Locations", "Aktuelle Positionen der Styles speichern"};
inline constexpr Message SaveStyleLocationsDialogText{
    "The titles and the locations of the currently loaded flash and disk styles are saved into a text file. This file can be used to automatically update the style locations in all registrations, if the flash style memory or the disk style folder is reorganized.",
    "Die Titel der derzeit geladenen Flash- und Disk-Styles werden mit ihrer aktuellen Position in einer Textdatei gespeichert. Diese Textdatei kann später (z.B. nach einer Reorganisation des Flash-Speichers oder des DiskStyle-Ordners) verwendet werden, um die Registrationen automatisch an die neuen Style-Positionen anzupassen."};
inline constexpr Message UpdateStyleLocationsDialogTitle{
    "Update Style Locations", "Aktualisieren der Style-Positionen"};
inline constexpr Message UpdateStyleLocationsDialogText{
    "This function will update the styles in all registrations to their new locations. This function is useful, if you have reorganized your flash style memory or your disk style folder. You'll need a text file in which the old style locations previously have been saved.\n\nThe new locations are determined by the currently loaded flash and disk style names. Please check your current settings.\n\nDon't run this function more than once with a registration or an archive.\n\nPlease backup your data before using this function.",
    "Hiermit werden in allen Registrationen die Styles an ihre neuen Positionen angepaßt. Diese Funktion ist sinnvoll z.B. nach einer Reorganisation des Flash-Speichers oder des DiskStyle-Ordners. Voraussetzung hierfür ist eine Textdatei, in der die ursprünglichen Stylepositionen gespeichert worden sind.\n\nDie neuen Stylepositionen werden dem aktuell geladenen Flash-Style-Backup und/oder dem DiskStyle-Ordner entnommen. Stellen Sie sicher, daß hier die richtigen Einstellungen vorgenommen wurden. Die Registrationen, bei denen eine automatische Anpassung nicht möglich ist (z.B. weil der Style nicht mehr vorhanden ist oder umbenannt wurde), werden angezeigt.\n\nDiese Funktion darf nicht mehrfach ausgeführt werden, weil dadurch die Styleeinträge völlig durcheinander geraten würden!\n\n Sicherheitshalber sollte vor dieser Aktion eine Backupkopie der betroffenen Dateien angelegt werden."};
inline constexpr Message ErrorListDialogTitle{"Error List", "Fehlerliste"};
inline constexpr Message ErrorListHeading{
    "Following registrations could not be updated:", "Folgende Einträge konnten nicht aktualisiert werden:"};
inline constexpr Message SaveListButton{"Save List", "Liste speichern"};

// ---- Registration fields: captions and values ----------------------------------------------------
// "%1" is a part's name ("R1", "Rhy1") or a footswitch's number.
inline constexpr Message FieldTitle{"Title", "Titel"};
inline constexpr Message FieldActive{"Active", "Aktiv"};
inline constexpr Message FieldStyle{"Style", "Style"};
inline constexpr Message FieldTempo{"Tempo", "Tempo"};
inline constexpr Message FieldVariation{"Main section", "Hauptteil"};
inline constexpr Message FieldAutoAccomp{"Auto accompaniment", "Automatische Begleitung"};
inline constexpr Message FieldFingering{"Fingering", "Fingersatz"};
inline constexpr Message FieldSplitLeft{"Left split point", "Splitpunkt links"};
inline constexpr Message FieldSplitRight{"Right split point", "Splitpunkt rechts"};
inline constexpr Message FieldSplitAccomp{"Accompaniment split point", "Splitpunkt Begleitung"};
inline constexpr Message FieldStopAccomp{"Stop accompaniment", "Begleitung stoppen"};
inline constexpr Message FieldAccVol{"Accompaniment volume", "Lautstärke Begleitung"};
inline constexpr Message FieldLeftPart{"Left", "Links"};
inline constexpr Message FieldPartOnOff{"%1 on/off", "%1 ein/aus"};
inline constexpr Message FieldPartVoice{"%1 voice", "%1 Stimme"};
inline constexpr Message FieldPartOctave{"%1 octave", "%1 Oktave"};
inline constexpr Message FieldPartVolume{"%1 volume", "%1 Lautstärke"};
inline constexpr Message FieldPartSetVoice{"%1 sets its voice", "%1 setzt die Stimme"};
inline constexpr Message FieldPartSetVolume{"%1 sets its volume", "%1 setzt die Lautstärke"};
inline constexpr Message FieldHold{"Hold", "Halten"};
inline constexpr Message FieldUpperOctave{"Upper octave", "Oktave oben"};
inline constexpr Message FieldVocalHarmony{"Vocal harmony", "Vocal Harmony"};
inline constexpr Message FieldVolumePedal{"Volume pedal", "Lautstärkepedal"};
inline constexpr Message FieldVolumePedalParts{"Volume pedal parts", "Parts des Lautstärkepedals"};
inline constexpr Message FieldFootswitch{"Footswitch %1", "Fußschalter %1"};
inline constexpr Message FieldFootswitchParts{"Footswitch %1 parts", "Fußschalter %1 Parts"};
inline constexpr Message FieldFootswitchKit{"Footswitch %1 kit", "Fußschalter %1 Drumkit"};
inline constexpr Message FieldFootswitchKey{"Footswitch %1 key", "Fußschalter %1 Taste"};
inline constexpr Message FieldTransposeMaster{"Transpose master", "Transponierung gesamt"};
inline constexpr Message FieldTransposeSong{"Transpose song", "Transponierung Song"};
inline constexpr Message FieldTransposeKeyboard{"Transpose keyboard", "Transponierung Tastatur"};
inline constexpr Message FieldSongPlayer{"Song player", "Song-Player"};
inline constexpr Message FieldSongTitle{"Song", "Song"};
inline constexpr Message FieldSongVolume{"Song volume", "Song-Lautstärke"};
inline constexpr Message FieldOn{"on", "ein"};
inline constexpr Message FieldOff{"off", "aus"};
inline constexpr Message FieldNoVoice{"no voice", "keine Stimme"};
inline constexpr Message FieldNoBits{"none", "keine"};
inline constexpr Message FieldUnknownCode{"code %d", "Code %d"};
inline constexpr Message KeptBytesCaption{"Bytes %d-%d", "Bytes %d-%d"};
inline constexpr Message KeptByteCaption{"Byte %d", "Byte %d"};
inline constexpr Message KeptBitsCaption{"Byte %d (bits %d-%d)", "Byte %d (Bits %d-%d)"};
inline constexpr Message FieldValueOutOfRange{
    "%1: the value must be from %d to %d.", "%1: Der Wert muss zwischen %d und %d liegen."};
inline constexpr Message FieldTextTooLong{
    "%1: the text may have at most %d characters.", "%1: Der Text darf höchstens %d Zeichen haben."};
inline constexpr Message FieldCodeNotInList{
    "%1: %d is not one of the field's values.", "%1: %d ist keiner der Werte dieses Feldes."};

// ---- Compare and duplicates --------------------------------------------------------------------
inline constexpr Message CompareButton{"Compare", "Vergleichen"};
inline constexpr Message CompareDialogTitle{"Compare Registrations", "Registrationen vergleichen"};
inline constexpr Message CompareFieldHeading{"Field", "Feld"};
inline constexpr Message CompareOnlyDifferences{"only differences", "nur Unterschiede"};
inline constexpr Message CompareSelectTwo{
    "Please select exactly two registrations to compare.",
    "Bitte wählen Sie genau zwei Registrationen zum Vergleichen aus."};
inline constexpr Message CompareSame{
    "The two registrations are the same.", "Die beiden Registrationen sind gleich."};
inline constexpr Message CompareWithFile{"Compare with file...", "Mit Datei vergleichen..."};
inline constexpr Message CompareWithFileTitle{"Compare with File", "Mit Datei vergleichen"};
inline constexpr Message CompareFilesSame{
    "The files hold the same registrations.", "Die Dateien enthalten dieselben Registrationen."};
inline constexpr Message CompareFilesDiffer{
    "%d places differ.", "%d Stellen unterscheiden sich."};
inline constexpr Message ComparePlaceHeading{"Place", "Stelle"};
inline constexpr Message CompareKindHeading{"Difference", "Unterschied"};
inline constexpr Message DifferenceChanged{"changed", "geändert"};
inline constexpr Message DifferenceAdded{"added", "hinzugefügt"};
inline constexpr Message DifferenceRemoved{"removed", "entfernt"};
inline constexpr Message FindDuplicatesButton{"Find Duplicates", "Duplikate suchen"};
inline constexpr Message DuplicatesDialogTitle{"Duplicates", "Duplikate"};
inline constexpr Message DuplicatesBothPanes{"in both panes", "in beiden Fenstern"};
inline constexpr Message DuplicatesNone{"No duplicates found.", "Keine Duplikate gefunden."};
inline constexpr Message DuplicatesByParams{
    "Same parameters (%d)", "Gleiche Parameter (%d)"};
inline constexpr Message DuplicatesByTitle{"Same title (%d)", "Gleicher Titel (%d)"};
inline constexpr Message RegistrationPaneName{"Registration", "Registration"};
inline constexpr Message ArchivePaneName{"Archive", "Archiv"};

// ---- Registration side and archive side --------------------------------------------------------
inline constexpr Message RegistrationsChanged{
    "The Registrations have been changed!\n\nSave changes?",
    "Die Registrationen wurden geändert!\n\nÄnderungen speichern?"};
inline constexpr Message TooManyRegistrations{
    "The Registration contains more than 512 entries!\n\nYou must delete some entries.",
    "Es sind mehr als 512 Registrationen vorhanden!\n\nBitte löschen Sie einige Einträge."};
// Save As words it with two blanks before the number.
inline constexpr Message TooManyRegistrationsSaveAs{
    "The Registration contains more than  512 entries!\n\nYou must delete some entries.",
    "Es sind mehr als 512 Registrationen vorhanden!\n\nBitte löschen Sie einige Einträge."};
// A list that would need more than 64 banks (possible with hidden empty entries) is not saved:
// the banks after the 64th would be lost.
inline constexpr Message TooManyBanks{
    "The Registration contains more than 64 banks!\n\nYou must delete some banks.",
    "Es sind mehr als 64 Bänke vorhanden!\n\nBitte löschen Sie einige Bänke."};
// << Move asks before it takes registrations out of the archive into a list that Save refuses.
inline constexpr Message MoveMakesTooManyRegistrations{
    "The Registration would then contain more than 512 entries and could not be saved until you "
    "delete some entries.\n\nMove anyway?",
    "Es wären dann mehr als 512 Registrationen vorhanden; gespeichert werden kann erst, "
    "wenn Sie einige Einträge löschen.\n\nTrotzdem verschieben?"};
inline constexpr Message MoveMakesTooManyBanks{
    "The Registration would then contain more than 64 banks and could not be saved until you "
    "delete some banks.\n\nMove anyway?",
    "Es wären dann mehr als 64 Bänke vorhanden; gespeichert werden kann erst, wenn "
    "Sie einige Bänke löschen.\n\nTrotzdem verschieben?"};
inline constexpr Message FileExistsOverwrite{
    "A file with this name already exists!\n\nOverwrite?",
    "Es existiert bereits eine Datei mit diesem Namen!\n\nÜberschreiben?"};
// The backup-set variant writes "datei" in small letters.
inline constexpr Message FileExistsOverwriteInBackupSet{
    "A file with this name already exists!\n\nOverwrite?",
    "Es existiert bereits eine datei mit diesem Namen!\n\nÜberschreiben?"};
inline constexpr Message OpenRegBackupCaption{
    "Open Yamaha Registration Backup", "Yamaha Registration Backup öffnen"};
inline constexpr Message SaveRegBackupCaption{
    "Save Yamaha Registration Backup", "Yamaha Registration Backup speichern"};
inline constexpr Message ArchiveChanged{
    "The Registration Archive has been changed!\n\nSave changes?",
    "Das Archiv wurde geändert!\n\nÄnderungen speichern?"};
inline constexpr Message OpenArchiveCaption{
    "Open Yamaha Registration Archive", "Yamaha Registration Archiv öffnen "};
inline constexpr Message SaveArchiveCaption{
    "Save Yamaha Registration Archive", "Yamaha Registration Archiv speichern"};
// The mark beside a pane's count while it holds changes that are not saved: the file's name as
// the recent box shows it, or none for a list made by New.
inline constexpr Message PaneModifiedMark{"* %1 (modified)", "* %1 (geändert)"};
inline constexpr Message PaneModifiedMarkUntitled{"* (modified)", "* (geändert)"};
// What that mark is, for a screen reader.
inline constexpr Message UnsavedChangesMark{"Unsaved changes", "Ungespeicherte Änderungen"};

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
// Delete confirmations of both lists, with the numbers of what goes.
inline constexpr Message DeleteEntries{"Delete %d entries?", "%d Einträge löschen?"};
inline constexpr Message DeleteCategoriesAndEntries{
    "Delete %d categories and %d entries?", "%d Kategorien und %d Einträge löschen?"};
inline constexpr Message DeleteCategories{"Delete %d categories?", "%d Kategorien löschen?"};
inline constexpr Message RegEditorOkButton{"&OK", "&OK"};
// The Search dialog.
inline constexpr Message SearchCaption{"Search", "Suchen"};
inline constexpr Message SearchLabel{"Search:", "Suchtext:"};
inline constexpr Message SearchTitleOption{"search title", "Titel"};
inline constexpr Message SearchRightVoicesOption{"search right voices", "Voices R1-R3"};
inline constexpr Message SearchLeftVoiceOption{"search left voice", "Left-Voice"};
inline constexpr Message SearchAccompVoicesOption{"search accomp. voices", "Accomp.-Voices"};
inline constexpr Message SearchStyleNameOption{"search style name", "Styletitel"};
inline constexpr Message SearchButton{"Search", "Suchen"};
// The same words in both languages.
inline constexpr Message SearchTextNotFound{"Searchtext not found!", "Searchtext not found!"};

// ---- Protocol files ----------------------------------------------------------------------------
inline constexpr Message ErrorCreatingProtocolFile{
    "Error creating protocol file!", "Fehler beim Erstellen der Protokolldatei!"};
inline constexpr Message ChooseProtocolType{"Choose Protocol Type", "Protokolltyp auswählen"};
inline constexpr Message PleaseChooseProtocolType{
    "Please choose a protocol type:", "Bitte wählen Sie den Typ des Protokolls:"};
inline constexpr Message ProtocolBlankFormatted{"blank formatted", "Formatiert (mit Leerzeichen)"};
inline constexpr Message ProtocolSeparatedByTabs{"separated by tabs", "Felder mit <TAB> getrennt"};
inline constexpr Message CreateBlankProtocolTitle{
    "Create Blank Formatted Protocol File", "Protokolldatei (mit Leerzeichen formatiert) speichern"};
inline constexpr Message CreateTabProtocolTitle{
    "Create Tab Formatted Protocol File", "Protokolldatei (mit <Tab> formatiert) speichern"};
inline constexpr Message ProtocolFileFilter{"Protocol file (*.txt)|*.txt||", "Protocol file (*.txt)|*.txt||"};

// ---- JSON export and import -------------------------------------------------------------------
inline constexpr Message ExportJsonButton{"Export JSON...", "JSON exportieren..."};
inline constexpr Message ImportJsonButton{"Import JSON...", "JSON importieren..."};
inline constexpr Message ExportJsonCaption{"Export as JSON", "Als JSON exportieren"};
inline constexpr Message ImportJsonCaption{"Import JSON", "JSON importieren"};
inline constexpr Message ErrorWritingJson{
    "Error writing the JSON file!", "Fehler beim Schreiben der JSON-Datei!"};
// Syntax errors name the parser's own position.
inline constexpr Message JsonUnexpectedEnd{
    "JSON syntax error at line %d, column %d: the text ends too early.",
    "JSON-Syntaxfehler in Zeile %d, Spalte %d: Der Text endet zu früh."};
inline constexpr Message JsonUnexpectedCharacter{
    "JSON syntax error at line %d, column %d: unexpected character.",
    "JSON-Syntaxfehler in Zeile %d, Spalte %d: Unerwartetes Zeichen."};
inline constexpr Message JsonBadLiteral{
    "JSON syntax error at line %d, column %d: the only words are true, false and null.",
    "JSON-Syntaxfehler in Zeile %d, Spalte %d: Die einzigen Wörter sind true, false und null."};
inline constexpr Message JsonBadNumber{
    "JSON syntax error at line %d, column %d: malformed number.",
    "JSON-Syntaxfehler in Zeile %d, Spalte %d: Ungültige Zahl."};
inline constexpr Message JsonBadEscape{
    "JSON syntax error at line %d, column %d: malformed escape sequence.",
    "JSON-Syntaxfehler in Zeile %d, Spalte %d: Ungültige Escape-Sequenz."};
inline constexpr Message JsonControlInString{
    "JSON syntax error at line %d, column %d: a control character inside a text must be written as an escape.",
    "JSON-Syntaxfehler in Zeile %d, Spalte %d: Ein Steuerzeichen in einem Text muss als Escape-Sequenz stehen."};
inline constexpr Message JsonBadUtf8{
    "JSON syntax error at line %d, column %d: the text is not UTF-8.",
    "JSON-Syntaxfehler in Zeile %d, Spalte %d: Der Text ist kein UTF-8."};
inline constexpr Message JsonTrailingText{
    "JSON syntax error at line %d, column %d: text after the end of the document.",
    "JSON-Syntaxfehler in Zeile %d, Spalte %d: Text nach dem Ende des Dokuments."};
inline constexpr Message JsonTooDeep{
    "JSON syntax error at line %d, column %d: nested too deeply.",
    "JSON-Syntaxfehler in Zeile %d, Spalte %d: Zu tief verschachtelt."};
// The document as a whole.
inline constexpr Message JsonNotTombrel{
    "This JSON text is not a Tombrel document (it needs \"format\": \"tombrel\").",
    "Dieser JSON-Text ist kein Tombrel-Dokument (es fehlt \"format\": \"tombrel\")."};
inline constexpr Message JsonUnsupportedVersion{
    "This Tombrel document has version %d; this program reads version 1.",
    "Dieses Tombrel-Dokument hat die Version %d; dieses Programm liest Version 1."};
inline constexpr Message JsonDocumentMissingKey{
    "The JSON document lacks \"%1\".", "Im JSON-Dokument fehlt \"%1\"."};
inline constexpr Message JsonDocumentUnknownKey{
    "Text line %d: unknown key \"%1\" in the document.",
    "Textzeile %d: Unbekannter Schlüssel \"%1\" im Dokument."};
inline constexpr Message JsonDocumentBadValue{
    "Text line %d: \"%1\" must be written like %2.",
    "Textzeile %d: \"%1\" muss wie %2 geschrieben werden."};
// One line of the list; the first number is the line in the list, the second the text line.
inline constexpr Message JsonBadLine{
    "List line %d (text line %d): a line is {\"bank\": ...}, {\"category\": ..., \"expanded\": ...} or {\"registration\": {...}}.",
    "Listenzeile %d (Textzeile %d): Eine Zeile ist {\"bank\": ...}, {\"category\": ..., \"expanded\": ...} oder {\"registration\": {...}}."};
inline constexpr Message JsonCategoryInBackup{
    "List line %d (text line %d): a registration backup has no categories.",
    "Listenzeile %d (Textzeile %d): Ein Registrierungs-Backup hat keine Kategorien."};
inline constexpr Message JsonRegistrationBeforeBank{
    "List line %d (text line %d): a registration backup stores registrations only after a bank line.",
    "Listenzeile %d (Textzeile %d): Ein Registrierungs-Backup speichert Registrierungen erst nach einer Bankzeile."};
inline constexpr Message JsonUnknownKey{
    "List line %d (text line %d): unknown key \"%1\".",
    "Listenzeile %d (Textzeile %d): Unbekannter Schlüssel \"%1\"."};
inline constexpr Message JsonDuplicateKey{
    "List line %d (text line %d): \"%1\" is given twice.",
    "Listenzeile %d (Textzeile %d): \"%1\" steht zweimal da."};
inline constexpr Message JsonWrongForm{
    "List line %d (text line %d), field \"%1\": write the value like %2.",
    "Listenzeile %d (Textzeile %d), Feld \"%1\": Der Wert muss wie %2 geschrieben werden."};
inline constexpr Message JsonOutOfRange{
    "List line %d (text line %d), field \"%1\": %d is outside %d..%d.",
    "Listenzeile %d (Textzeile %d), Feld \"%1\": %d liegt außerhalb von %d..%d."};
inline constexpr Message JsonUnknownName{
    "List line %d (text line %d), field \"%1\": \"%2\" is not one of its names.",
    "Listenzeile %d (Textzeile %d), Feld \"%1\": \"%2\" ist keiner seiner Namen."};
inline constexpr Message JsonTextTooLong{
    "List line %d (text line %d), field \"%1\": the text takes %d bytes, at most %d fit.",
    "Listenzeile %d (Textzeile %d), Feld \"%1\": Der Text belegt %d Bytes, es passen höchstens %d."};
inline constexpr Message JsonNot1252{
    "List line %d (text line %d), field \"%1\": the character \"%2\" has no Windows-1252 byte and cannot be stored.",
    "Listenzeile %d (Textzeile %d), Feld \"%1\": Für das Zeichen \"%2\" gibt es kein Windows-1252-Byte; es kann nicht gespeichert werden."};
inline constexpr Message JsonNulInText{
    "List line %d (text line %d), field \"%1\": a text cannot hold the character U+0000.",
    "Listenzeile %d (Textzeile %d), Feld \"%1\": Ein Text kann das Zeichen U+0000 nicht enthalten."};
inline constexpr Message JsonRawOutside{
    "List line %d (text line %d), raw bytes at %1: \"raw\" holds only the bytes no field interprets.",
    "Listenzeile %d (Textzeile %d), Rohbytes bei %1: \"raw\" enthält nur die Bytes, die kein Feld deutet."};
// Warnings: the import goes on.
inline constexpr Message JsonMissingField{
    "List line %d (text line %d): field \"%1\" is missing; it is taken from the default registration.",
    "Listenzeile %d (Textzeile %d): Das Feld \"%1\" fehlt; es wird aus der Standard-Registrierung übernommen."};
inline constexpr Message JsonNameMismatch{
    "List line %d (text line %d), field \"%1\": the name \"%2\" does not match the numbers; the numbers are kept.",
    "Listenzeile %d (Textzeile %d), Feld \"%1\": Der Name \"%2\" passt nicht zu den Zahlen; die Zahlen gelten."};
inline constexpr Message JsonImportWarnings{
    "The JSON document was imported with %d warning(s):\n\n%1",
    "Das JSON-Dokument wurde mit %d Warnung(en) importiert:\n\n%1"};
inline constexpr Message JsonMoreWarnings{"... and %d more.", "... und %d weitere."};

// ---- Main window, settings, dialogs ------------------------------------------------------------

// Buttons shared by the dialogs.
inline constexpr Message Ok{"OK", "OK"};
inline constexpr Message Cancel{"Cancel", "Abbrechen"};

inline constexpr Message MainWindowTitle{
    "Tombrel  -  Registration Editor for Yamaha PSR-9000 / 9000pro",
    "Tombrel  -  Registration Editor for Yamaha PSR-9000 / 9000pro"};
inline constexpr Message Exit{"Exit", "Ende"};

// Main window captions; a caption without a German text stays English in both languages.
inline constexpr Message FlashStylesNames{"Flash Styles Names", "Titel der Flash Styles"};
inline constexpr Message FlashFactory{"Factory", "Factory"};
inline constexpr Message FlashDefault{"Default", "Default"};
inline constexpr Message FlashIndividual{"Individual:", "Individual:"};
inline constexpr Message DiskStylesNames{"Disk Styles Names", "Titel der Disk Styles"};
inline constexpr Message DiskNumber{"Number", "Number"};
inline constexpr Message DiskFolder{"Folder:", "Folder:"};
inline constexpr Message RegistrationPane{"Registration", "Registration"};
inline constexpr Message ArchivePane{"Archive", "Archiv"};
inline constexpr Message NewButton{"New", "Neu"};
inline constexpr Message SaveAsButton{"Save As", "Speich.unt."};
inline constexpr Message CloseButton{"Close", "Schließen"};
inline constexpr Message NewBankButton{"New Bank", "Neue Bank"};
inline constexpr Message NewEntryButton{"New Entry", "Neuer Eintrag"};
inline constexpr Message EditEntryButton{"Edit Entry", "Eintrag bearb."};
inline constexpr Message CopyToArchiveButton{"Copy >>", "Kopieren >>"};
inline constexpr Message MoveToArchiveButton{"Move >>", "Verschieb. >>"};
inline constexpr Message CopyToRegistrationsButton{"<< Copy", "<< Kopieren"};
inline constexpr Message MoveToRegistrationsButton{"<< Move", "<< Verschieb."};
inline constexpr Message DeleteButton{"Delete", "Löschen"};
inline constexpr Message UpButton{"Up", "Nach oben"};
inline constexpr Message DownButton{"Down", "Nach unten"};
inline constexpr Message MultiChangeButton{"Multi Change", "Mehrf. Änd."};
inline constexpr Message ProtocolButton{"Protocol", "Protokoll"};
inline constexpr Message UpdateStylesButton{"Update Styles", "Styles aktual."};
inline constexpr Message NewCategoryButton{"New Category", "Neue Kateg."};
inline constexpr Message EditCategoryButton{"Edit Category", "Kateg. bearb."};
inline constexpr Message SortCategoryButton{"Sort Category", "Kateg. sort."};
inline constexpr Message SettingsButton{"Settings", "Einstellungen"};
inline constexpr Message SaveStyleLocationsButton{"Save Sty. Loc.", "Sty.Pos.speich."};
inline constexpr Message HelpButton{"Help", "Hilfe"};
inline constexpr Message VersionText{"Version %1", "Version %1"};
// Help: the document is looked for in the start folder, beside the program and in the sources.
inline constexpr Message HelpNotFound{
    "The help document %1 was not found.", "Das Hilfedokument %1 wurde nicht gefunden."};
inline constexpr Message HelpCannotBeOpened{
    "The help document %1 could not be opened.", "Das Hilfedokument %1 konnte nicht geöffnet werden."};

// The archive list's context menu.
inline constexpr Message ExpandAll{"Expand all", "Alle aufklappen"};
inline constexpr Message CollapseAll{"Collapse all", "Alle zuklappen"};

// Undo and Redo: the buttons, their tool tips ("%1" is the step's name) and the name of every
// kind of step, with a singular form where the step counts entries.
inline constexpr Message UndoButton{"Undo", "Rückgängig"};
inline constexpr Message RedoButton{"Redo", "Wiederholen"};
inline constexpr Message UndoToolTip{"Undo %1", "Rückgängig: %1"};
inline constexpr Message RedoToolTip{"Redo %1", "Wiederholen: %1"};
inline constexpr Message NothingToUndo{"Nothing to undo", "Nichts rückgängig zu machen"};
inline constexpr Message NothingToRedo{"Nothing to redo", "Nichts zu wiederholen"};
inline constexpr Message StepNewBank{"New Bank", "Neue Bank"};
inline constexpr Message StepNewEntry{"New Entry", "Neuer Eintrag"};
inline constexpr Message StepDeleteOne{"Delete 1 entry", "1 Eintrag löschen"};
inline constexpr Message StepDelete{"Delete %d entries", "%d Einträge löschen"};
inline constexpr Message StepUp{"Move entry up", "Eintrag nach oben schieben"};
inline constexpr Message StepDown{"Move entry down", "Eintrag nach unten schieben"};
inline constexpr Message StepEditEntry{"Edit Entry", "Eintrag bearbeiten"};
inline constexpr Message StepBankTitle{"Edit Bank Title", "Bank-Titel bearbeiten"};
inline constexpr Message StepMultiChangeOne{"Multi Change of 1 entry", "Mehrfachänderung von 1 Eintrag"};
inline constexpr Message StepMultiChange{"Multi Change of %d entries", "Mehrfachänderung von %d Einträgen"};
inline constexpr Message StepNewCategory{"New Category", "Neue Kategorie"};
inline constexpr Message StepEditCategory{"Edit Category", "Kategorie bearbeiten"};
inline constexpr Message StepSortCategory{"Sort Category", "Kategorie sortieren"};
inline constexpr Message StepCopyToArchiveOne{"Copy 1 entry to the archive", "1 Eintrag ins Archiv kopieren"};
inline constexpr Message StepCopyToArchive{"Copy %d entries to the archive", "%d Einträge ins Archiv kopieren"};
inline constexpr Message StepMoveToArchiveOne{"Move 1 entry to the archive", "1 Eintrag ins Archiv verschieben"};
inline constexpr Message StepMoveToArchive{"Move %d entries to the archive", "%d Einträge ins Archiv verschieben"};
inline constexpr Message StepCopyToRegistrationOne{
    "Copy 1 entry to the registration", "1 Eintrag in die Registration kopieren"};
inline constexpr Message StepCopyToRegistration{
    "Copy %d entries to the registration", "%d Einträge in die Registration kopieren"};
inline constexpr Message StepMoveToRegistrationOne{
    "Move 1 entry to the registration", "1 Eintrag in die Registration verschieben"};
inline constexpr Message StepMoveToRegistration{
    "Move %d entries to the registration", "%d Einträge in die Registration verschieben"};
inline constexpr Message StepUpdateStyles{"Update Styles", "Styles aktualisieren"};
inline constexpr Message StepDragMoveOne{"Move 1 entry", "1 Eintrag verschieben"};
inline constexpr Message StepDragMove{"Move %d entries", "%d Einträge verschieben"};
inline constexpr Message StepDragCopyOne{"Copy 1 entry", "1 Eintrag kopieren"};
inline constexpr Message StepDragCopy{"Copy %d entries", "%d Einträge kopieren"};
inline constexpr Message StepPasteOne{"Paste 1 entry", "1 Eintrag einfügen"};
inline constexpr Message StepPaste{"Paste %d entries", "%d Einträge einfügen"};
inline constexpr Message StepCutOne{"Cut 1 entry", "1 Eintrag ausschneiden"};
inline constexpr Message StepCut{"Cut %d entries", "%d Einträge ausschneiden"};

// The clipboard commands of both lists, and what Paste says when the clipboard's lines cannot be
// read.
inline constexpr Message CutAction{"Cut", "Ausschneiden"};
inline constexpr Message CopyAction{"Copy", "Kopieren"};
inline constexpr Message PasteAction{"Paste", "Einfügen"};
inline constexpr Message ClipboardLinesUnreadable{
    "The registrations on the clipboard cannot be read.",
    "Die Registrationen in der Zwischenablage können nicht gelesen werden."};

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
// The line above the backup-set dialog's tree that takes a typed or pasted folder or file path,
// and what it says when the path cannot be shown.
inline constexpr Message TypedPathLabel{"&Folder or file:", "&Ordner oder Datei:"};
inline constexpr Message TypedPathNotFound{
    "There is no folder or file \"%1\".", "Es gibt keinen Ordner und keine Datei \"%1\"."};
inline constexpr Message TypedPathNotInTree{
    "The folder \"%1\" is not shown in the tree.", "Der Ordner \"%1\" wird im Baum nicht angezeigt."};

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
