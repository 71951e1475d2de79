#pragma once

// The control ids of the program's windows. Each control keeps its number as its object name
// (setControlId), so the command tables, the tests and stored settings find it by that number;
// the names here say what the control is. Each window numbers its controls on its own, so each
// has its own namespace (1043 is a main-window button and also a Settings check box).

namespace tombrel::ids {

// OK and Cancel of every dialog.
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;

namespace main {

// The buttons of the top row.
inline constexpr int Exit = 1;
inline constexpr int Settings = 1042;
inline constexpr int SaveStyleLocations = 1046;
inline constexpr int Help = 1049;
inline constexpr int Undo = 1060;
inline constexpr int Redo = 1061;

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

// The controls that Edit Entry and Multi Change both have carry the same ids in both; the voice
// rows, accompaniment parts, footswitches and pedal parts are numbered in the tables of the
// dialogs and of RegEditorWidgets.
namespace editor {

// The split points, fingering and vocal harmony.
inline constexpr int SplitAccomp = 1103;
inline constexpr int SplitLeft = 1107;
inline constexpr int SplitRight = 1108;
inline constexpr int Fingering = 1104;
inline constexpr int VocalHarmony = 1173;

// The keyboard voices: voice, volume and octave of each part; the octave of the upper keyboard.
inline constexpr int R1Voice = 1064;
inline constexpr int R1Volume = 1065;
inline constexpr int R1Octave = 1127;
inline constexpr int R2Voice = 1068;
inline constexpr int R2Volume = 1069;
inline constexpr int R2Octave = 1128;
inline constexpr int R3Voice = 1072;
inline constexpr int R3Volume = 1073;
inline constexpr int R3Octave = 1129;
inline constexpr int LeftVoice = 1059;
inline constexpr int LeftVolume = 1060;
inline constexpr int LeftOctave = 1130;
inline constexpr int UpperOctave = 1131;

// The volume pedal: "Master" / "Individual" and the parts it controls.
inline constexpr int VolumePedalMode = 1148;
inline constexpr int PedalSong = 1149;
inline constexpr int PedalAcmp = 1150;
inline constexpr int PedalMPad = 1151;
inline constexpr int PedalLeft = 1152;
inline constexpr int PedalR1 = 1153;
inline constexpr int PedalR2 = 1154;
inline constexpr int PedalR3 = 1155;
inline constexpr int PedalMic = 1156;

// The footswitches: function, parts (Left, R1, R2, R3 in a row of ids), drum kit and key.
inline constexpr int Footswitch1Function = 1146;
inline constexpr int Footswitch1Left = 1157;
inline constexpr int Footswitch1R1 = 1158;
inline constexpr int Footswitch1R2 = 1159;
inline constexpr int Footswitch1R3 = 1160;
inline constexpr int Footswitch1Kit = 1165;
inline constexpr int Footswitch1Key = 1106;
inline constexpr int Footswitch2Function = 1147;
inline constexpr int Footswitch2Left = 1161;
inline constexpr int Footswitch2R1 = 1162;
inline constexpr int Footswitch2R2 = 1163;
inline constexpr int Footswitch2R3 = 1164;
inline constexpr int Footswitch2Kit = 1169;
inline constexpr int Footswitch2Key = 1109;

// The song.
inline constexpr int SongVolume = 1075;

} // namespace editor

// Edit Entry (besides the controls it shares with Multi Change).
namespace editEntry {

// The title line and the buttons that walk through the entries.
inline constexpr int Title = 1033;
inline constexpr int Active = 1000;
inline constexpr int Previous = 1039;
inline constexpr int Next = 1038;

// The style, its tempo and sections (Main A to D in a row of ids).
inline constexpr int Style = 1025;
inline constexpr int Tempo = 1026;
inline constexpr int StopAccomp = 1105;
inline constexpr int MainA = 1028;
inline constexpr int MainB = 1029;
inline constexpr int MainC = 1030;
inline constexpr int MainD = 1031;

// The on switches of the keyboard voices, Hold.
inline constexpr int R1On = 1063;
inline constexpr int R2On = 1067;
inline constexpr int R3On = 1071;
inline constexpr int LeftOn = 1058;
inline constexpr int Hold = 1062;

// Transpose.
inline constexpr int TransposeMaster = 1133;
inline constexpr int TransposeSong = 1134;
inline constexpr int TransposeKeyboard = 1135;

// The accompaniment: its volume, Auto Accomp. and each part's switch, voice and volume.
inline constexpr int AccVolume = 1032;
inline constexpr int AutoAccomp = 1121;
inline constexpr int Rhy1On = 1035;
inline constexpr int Rhy1SetVoice = 1091;
inline constexpr int Rhy1Voice = 1084;
inline constexpr int Rhy1SetVolume = 1076;
inline constexpr int Rhy1Volume = 1036;
inline constexpr int Rhy2On = 1037;
inline constexpr int Rhy2SetVoice = 1093;
inline constexpr int Rhy2Voice = 1085;
inline constexpr int Rhy2SetVolume = 1077;
inline constexpr int Rhy2Volume = 1044;
inline constexpr int BassOn = 1040;
inline constexpr int BassSetVoice = 1094;
inline constexpr int BassVoice = 1092;
inline constexpr int BassSetVolume = 1078;
inline constexpr int BassVolume = 1046;
inline constexpr int Chd1On = 1041;
inline constexpr int Chd1SetVoice = 1095;
inline constexpr int Chd1Voice = 1086;
inline constexpr int Chd1SetVolume = 1079;
inline constexpr int Chd1Volume = 1048;
inline constexpr int Chd2On = 1042;
inline constexpr int Chd2SetVoice = 1096;
inline constexpr int Chd2Voice = 1087;
inline constexpr int Chd2SetVolume = 1080;
inline constexpr int Chd2Volume = 1050;
inline constexpr int PadOn = 1052;
inline constexpr int PadSetVoice = 1097;
inline constexpr int PadVoice = 1088;
inline constexpr int PadSetVolume = 1081;
inline constexpr int PadVolume = 1053;
inline constexpr int Phr1On = 1055;
inline constexpr int Phr1SetVoice = 1098;
inline constexpr int Phr1Voice = 1089;
inline constexpr int Phr1SetVolume = 1082;
inline constexpr int Phr1Volume = 1056;
inline constexpr int Phr2On = 1083;
inline constexpr int Phr2SetVoice = 1099;
inline constexpr int Phr2Voice = 1090;
inline constexpr int Phr2SetVolume = 1100;
inline constexpr int Phr2Volume = 1101;

// The song: the player switch, the file and its buttons.
inline constexpr int SongPlayer = 1120;
inline constexpr int Song = 1122;
inline constexpr int BrowseSong = 1126;
inline constexpr int SongInfo = 1123;
inline constexpr int Play1 = 1124;
inline constexpr int Play2 = 1125;
inline constexpr int Play3 = 1136;

} // namespace editEntry

// Multi Change: the Set box of each field (the value controls are the shared ones above).
namespace multiChange {

inline constexpr int SetR1Voice = 1171;
inline constexpr int SetR1Volume = 1175;
inline constexpr int SetR1Octave = 1176;
inline constexpr int SetR2Voice = 1179;
inline constexpr int SetR2Volume = 1180;
inline constexpr int SetR2Octave = 1181;
inline constexpr int SetR3Voice = 1182;
inline constexpr int SetR3Volume = 1183;
inline constexpr int SetR3Octave = 1184;
inline constexpr int SetLeftVoice = 1185;
inline constexpr int SetLeftVolume = 1186;
inline constexpr int SetLeftOctave = 1187;
inline constexpr int SetUpperOctave = 1177;

inline constexpr int SetSplitAccomp = 1188;
inline constexpr int SetSplitLeft = 1189;
inline constexpr int SetSplitRight = 1190;
inline constexpr int SetFingering = 1191;
inline constexpr int SetVocalHarmony = 1195;

inline constexpr int SetVolumePedal = 1192;
inline constexpr int SetFootswitch1 = 1193;
inline constexpr int SetFootswitch2 = 1194;

// The song: its volume and the drive of the song paths.
inline constexpr int SetSongVolume = 1197;
inline constexpr int SetSongDrive = 1196;
inline constexpr int SongDrive = 1172;

} // namespace multiChange

// Settings.
namespace settings {

inline constexpr int BackupStructure = 1079;
inline constexpr int NoNetworkAccess = 1174;
inline constexpr int HideDuplicateBankTitles = 1043;
inline constexpr int HideEmptyEntries = 1044;

// The song players: the program of each and its "..." button.
inline constexpr int Player1 = 1175;
inline constexpr int Player2 = 1176;
inline constexpr int Player3 = 1177;
inline constexpr int PlayerButton1 = 1134;
inline constexpr int PlayerButton2 = 1135;
inline constexpr int PlayerButton3 = 1136;

// The drive mapping: the group, its headings, each row's keyboard path and PC path (the rows
// alternate, keyboard path first), and Info.
inline constexpr int Mapping = 1143;
inline constexpr int KeyboardHeading = 1144;
inline constexpr int PcHeading = 1145;
inline constexpr int KeyboardPath1 = 1124;
inline constexpr int PcPath1 = 1125;
inline constexpr int KeyboardPath2 = 1126;
inline constexpr int PcPath2 = 1127;
inline constexpr int KeyboardPath3 = 1128;
inline constexpr int PcPath3 = 1129;
inline constexpr int KeyboardPath4 = 1130;
inline constexpr int PcPath4 = 1131;
inline constexpr int KeyboardPath5 = 1132;
inline constexpr int PcPath5 = 1133;
inline constexpr int MappingInfo = 1123;

} // namespace settings

// Search.
namespace search {

inline constexpr int Text = 1033;
inline constexpr int Label = 1142;
inline constexpr int Title = 1117;
inline constexpr int RightVoices = 1118;
inline constexpr int LeftVoice = 1120;
inline constexpr int AccompVoices = 1121;
inline constexpr int StyleName = 1119;

} // namespace search

// The style-location dialogs: the Save/Update note and the list of errors.
namespace styleLocations {

inline constexpr int InfoText = 1141;
inline constexpr int ErrorHeading = 1140;
inline constexpr int ErrorList = 1115;
inline constexpr int SaveList = 1116;

} // namespace styleLocations

// The protocol type: blank formatted or separated by tabs.
namespace protocolType {

inline constexpr int Blank = 1045;
inline constexpr int Tab = 1046;

} // namespace protocolType

// The title of a bank or a category.
namespace titleEdit {

inline constexpr int Text = 1034;

} // namespace titleEdit

// The backup-set dialog and the disk style folder dialog: the folder tree, the set's name.
namespace backupSet {

inline constexpr int Tree = 1077;
inline constexpr int Name = 1078;
inline constexpr int NameLabel = 1128;

} // namespace backupSet

namespace diskStyleFolder {

inline constexpr int Tree = 1077;

} // namespace diskStyleFolder

} // namespace tombrel::ids
