#pragma once

// The control ids of the program's windows. Each control keeps its number as its object name
// (setControlId), so the command tables, the tests and stored settings find it by that number;
// the names here say what the control is. Each window numbers its controls on its own, so each
// has its own namespace (1043 is a main-window button and also a Settings check box).

namespace tombrel::ids {

namespace main {

// The buttons of the top row.
inline constexpr int Exit = 1;
inline constexpr int Settings = 1042;
inline constexpr int SaveStyleLocations = 1046;
inline constexpr int Help = 1049;

// The names of the flash styles: the group, its three choices and the individual file.
inline constexpr int FlashGroup = 1137;
inline constexpr int FlashFactory = 1019;
inline constexpr int FlashDefault = 1037;
inline constexpr int FlashIndividual = 1038;
inline constexpr int FlashFile = 1039;

// The names of the disk styles: the group, its two choices and the folder.
inline constexpr int DiskGroup = 1138;
inline constexpr int DiskNumber = 1110;
inline constexpr int DiskFolder = 1111;
inline constexpr int DiskFolderText = 1045;

// The registration pane: its file commands, the recent files and the list.
inline constexpr int RegNew = 1001;
inline constexpr int RegOpen = 1002;
inline constexpr int RegSave = 1003;
inline constexpr int RegSaveAs = 1009;
inline constexpr int RegClose = 1004;
inline constexpr int RegRecent = 1022;
inline constexpr int RegList = 1010;

// The registration pane's list commands.
inline constexpr int RegNewBank = 1030;
inline constexpr int RegNewEntry = 1020;
inline constexpr int RegEditEntry = 1033;
inline constexpr int CopyToArchive = 1021;
inline constexpr int MoveToArchive = 1024;
inline constexpr int RegDelete = 1025;
inline constexpr int RegUp = 1026;
inline constexpr int RegDown = 1029;
inline constexpr int RegMultiChange = 1050;
inline constexpr int RegSearch = 1040;
inline constexpr int RegProtocol = 1043;
inline constexpr int RegUpdateStyles = 1047;

// The registration pane's status line: the keyboard of the backup and the number of entries.
inline constexpr int KeyboardName = 1018;
inline constexpr int RegCount = 1027;

// The archive pane: the group, its file commands, the recent files and the list.
inline constexpr int ArchivePane = 1139;
inline constexpr int ArchiveNew = 1005;
inline constexpr int ArchiveOpen = 1006;
inline constexpr int ArchiveSave = 1007;
inline constexpr int ArchiveSaveAs = 1036;
inline constexpr int ArchiveClose = 1008;
inline constexpr int ArchiveRecent = 1023;
inline constexpr int ArchiveList = 1011;

// The archive pane's category and list commands.
inline constexpr int NewCategory = 1032;
inline constexpr int EditCategory = 1035;
inline constexpr int SortCategory = 1052;
inline constexpr int ArchiveNewBank = 1031;
inline constexpr int ArchiveNewEntry = 1012;
inline constexpr int ArchiveEditEntry = 1034;
inline constexpr int CopyToRegistrations = 1013;
inline constexpr int MoveToRegistrations = 1014;
inline constexpr int ArchiveDelete = 1015;
inline constexpr int ArchiveUp = 1016;
inline constexpr int ArchiveDown = 1017;
inline constexpr int ArchiveMultiChange = 1051;
inline constexpr int ArchiveSearch = 1041;
inline constexpr int ArchiveProtocol = 1044;
inline constexpr int ArchiveUpdateStyles = 1048;

// The archive pane's status line: the number of entries.
inline constexpr int ArchiveCount = 1028;

// Every command button of both panes has an id in this range (labels and lists between them
// are no buttons).
inline constexpr int FirstPaneId = RegNew;
inline constexpr int LastPaneId = SortCategory;

} // namespace main

} // namespace tombrel::ids
