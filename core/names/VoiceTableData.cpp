// The keyboard's voices in the order of every voice selection box: the panel voices by
// category, the 32 custom voices, the XG normal voices and the XG sound-effect voices.
// Names keep the keyboard's doubled ampersands ("&&"); voice boxes draw them as one "&".

#include "core/names/VoiceTable.h"

namespace tombrel {

// clang-format off
const std::array<VoiceRow, VoiceTable::RowCount> kVoiceRows = {{
    {true, "Piano - Live!Grand", 0, 113, 0}, // 0
    {false, "Piano - Grand Piano", 0, 112, 0}, // 1
    {false, "Piano - BrightPiano", 0, 112, 1}, // 2
    {false, "Piano - Harpsichord", 0, 112, 6}, // 3
    {false, "Piano - GrandHarpsi", 0, 113, 6}, // 4
    {false, "Piano - Honky Tonk", 0, 112, 3}, // 5
    {false, "Piano - Rock Piano", 0, 114, 2}, // 6
    {false, "Piano - Midi Grand", 0, 112, 2}, // 7
    {false, "Piano - Oct Piano1", 0, 113, 3}, // 8
    {false, "Piano - Oct Piano2", 0, 114, 3}, // 9
    {false, "Piano - CP 80", 0, 113, 2}, // 10
    {false, "E-Piano - Galaxy EP", 0, 114, 4}, // 11
    {false, "E-Piano - Stage EP", 0, 117, 4}, // 12
    {false, "E-Piano - Polaris EP", 0, 115, 4}, // 13
    {false, "E-Piano - Jazz Chorus", 0, 118, 5}, // 14
    {false, "E-Piano - Hyper Tines", 0, 113, 5}, // 15
    {false, "E-Piano - Cool! EP", 0, 119, 4}, // 16
    {false, "E-Piano - Phase EP", 0, 120, 4}, // 17
    {false, "E-Piano - New Tines", 0, 116, 5}, // 18
    {false, "E-Piano - Funk EP", 0, 112, 4}, // 19
    {false, "E-Piano - DX Modern", 0, 112, 5}, // 20
    {false, "E-Piano - Vintage EP", 0, 116, 4}, // 21
    {false, "E-Piano - Modern EP", 0, 115, 5}, // 22
    {false, "E-Piano - Tremolo EP", 0, 113, 4}, // 23
    {false, "E-Piano - Super DX", 0, 117, 5}, // 24
    {false, "E-Piano - Clavi", 0, 112, 7}, // 25
    {false, "E-Piano - Suitcase EP", 0, 118, 4}, // 26
    {false, "E-Piano - Venus EP", 0, 114, 5}, // 27
    {false, "E-Piano - Wah Clavi", 0, 113, 7}, // 28
    {false, "Organ - Cool! Organ", 0, 118, 18}, // 29
    {false, "Organ - Rotor Organ", 0, 117, 18}, // 30
    {false, "Organ - Rock Organ1", 0, 112, 18}, // 31
    {false, "Organ - Dance Organ", 0, 113, 17}, // 32
    {false, "Organ - Gospel Org", 0, 119, 16}, // 33
    {false, "Organ - Cool! Jazz", 0, 117, 16}, // 34
    {false, "Organ - Purple Org", 0, 114, 18}, // 35
    {false, "Organ - Jazz Organ1", 0, 112, 16}, // 36
    {false, "Organ - Rock Organ2", 0, 113, 18}, // 37
    {false, "Organ - RotaryDrive", 0, 116, 18}, // 38
    {false, "Organ - Full Rocker", 0, 115, 18}, // 39
    {false, "Organ - Elec.Organ", 0, 118, 17}, // 40
    {false, "Organ - DrawbarOrg", 0, 115, 16}, // 41
    {false, "Organ - Click Organ", 0, 112, 17}, // 42
    {false, "Organ - Stadium Org", 0, 118, 16}, // 43
    {false, "Organ - Mellow Draw", 0, 115, 17}, // 44
    {false, "Organ - Jazz Organ2", 0, 113, 16}, // 45
    {false, "Organ - Bright Draw", 0, 116, 16}, // 46
    {false, "Organ - 60's Organ", 0, 116, 17}, // 47
    {false, "Organ - Jazz Organ3", 0, 120, 16}, // 48
    {false, "Organ - ChapelOrgn1", 0, 113, 19}, // 49
    {false, "Organ - ChapelOrgn2", 0, 114, 19}, // 50
    {false, "Organ - ChapelOrgn3", 0, 115, 19}, // 51
    {false, "Organ - TheatreOrg1", 0, 114, 16}, // 52
    {false, "Organ - TheatreOrg2", 0, 114, 17}, // 53
    {false, "Organ - Pipe Organ", 0, 112, 19}, // 54
    {false, "Organ - Reed Organ", 0, 112, 20}, // 55
    {false, "Accordion - Musette", 0, 112, 21}, // 56
    {false, "Accordion - Tutti Accrd", 0, 113, 21}, // 57
    {false, "Accordion - Small Accrd", 0, 115, 21}, // 58
    {false, "Accordion - Accordion", 0, 116, 21}, // 59
    {false, "Accordion - Tango Accrd", 0, 112, 23}, // 60
    {false, "Accordion - Steirisch", 0, 117, 21}, // 61
    {false, "Accordion - Bandoneon", 0, 113, 23}, // 62
    {false, "Accordion - Soft Accrd", 0, 114, 21}, // 63
    {false, "Accordion - Modern Harp", 0, 113, 22}, // 64
    {false, "Accordion - Blues Harp", 0, 114, 22}, // 65
    {false, "Accordion - Harmonica", 0, 112, 22}, // 66
    {false, "Guitar - Live! Nylon", 0, 116, 24}, // 67
    {false, "Guitar - Cool! J.Gtr", 0, 115, 26}, // 68
    {false, "Guitar - Cool! E.GTR", 0, 114, 28}, // 69
    {false, "Guitar - 12StrGuitar", 0, 113, 25}, // 70
    {false, "Guitar - SolidGuitar", 0, 118, 27}, // 71
    {false, "Guitar - Vintage Amp", 0, 115, 29}, // 72
    {true, "Guitar - Aloha Gtr", 0, 118, 26}, // 73
    {false, "Guitar - Crunch Gtr", 0, 113, 30}, // 74
    {true, "Guitar - Carlos Gtr", 0, 119, 26}, // 75
    {false, "Guitar - 60's Clean", 0, 117, 27}, // 76
    {false, "Guitar - Live! Class", 0, 115, 24}, // 77
    {false, "Guitar - Cool! JSolo", 0, 116, 26}, // 78
    {false, "Guitar - VintageOpen", 0, 123, 27}, // 79
    {false, "Guitar - Folk Guitar", 0, 112, 25}, // 80
    {false, "Guitar - Solid Chord", 0, 121, 27}, // 81
    {false, "Guitar - VintageMute", 0, 115, 28}, // 82
    {false, "Guitar - PedalSteel", 0, 115, 27}, // 83
    {false, "Guitar - Lead Guitar", 0, 114, 29}, // 84
    {false, "Guitar - SlideGuitar", 0, 125, 27}, // 85
    {false, "Guitar - Chorus Gtr", 0, 124, 27}, // 86
    {false, "Guitar - VintageTrem", 0, 120, 27}, // 87
    {false, "Guitar - Spanish Gtr", 0, 113, 24}, // 88
    {false, "Guitar - Octave Gtr", 0, 113, 26}, // 89
    {false, "Guitar - Deep Chorus", 0, 114, 27}, // 90
    {false, "Guitar - CampfireGtr", 0, 115, 25}, // 91
    {false, "Guitar - SmoothNylon", 0, 114, 24}, // 92
    {false, "Guitar - Tremolo Gtr", 0, 113, 27}, // 93
    {false, "Guitar - HawaiianGtr", 0, 114, 26}, // 94
    {false, "Guitar - Heavy Stack", 0, 114, 30}, // 95
    {false, "Guitar - BrightClean", 0, 116, 27}, // 96
    {false, "Guitar - Wah Guitar", 0, 122, 27}, // 97
    {false, "Guitar - Classic Gtr", 0, 112, 24}, // 98
    {false, "Guitar - DX JazzGtr", 0, 117, 26}, // 99
    {false, "Guitar - Distortion", 0, 112, 30}, // 100
    {false, "Guitar - Elec.12Str", 0, 119, 27}, // 101
    {false, "Guitar - FeedbackGtr", 0, 113, 29}, // 102
    {false, "Guitar - Mandolin", 0, 114, 25}, // 103
    {false, "Guitar - CleanGuitar", 0, 112, 27}, // 104
    {false, "Guitar - MutedGuitar", 0, 112, 28}, // 105
    {false, "Guitar - Funk Guitar", 0, 113, 28}, // 106
    {false, "Guitar - Jazz Guitar", 0, 112, 26}, // 107
    {false, "Guitar - Overdrive", 0, 112, 29}, // 108
    {false, "Guitar - FingerBass", 0, 112, 33}, // 109
    {false, "Guitar - UprightBass", 0, 113, 32}, // 110
    {false, "Guitar - Pick Bass", 0, 112, 34}, // 111
    {false, "Guitar - Jaco Bass", 0, 113, 35}, // 112
    {false, "Guitar - Slap Bass", 0, 112, 36}, // 113
    {false, "Guitar - Analog Bass", 0, 112, 39}, // 114
    {false, "Guitar - DX FunkBass", 0, 113, 37}, // 115
    {false, "Guitar - DrySynBass", 0, 116, 39}, // 116
    {false, "Guitar - Touch Bass", 0, 115, 39}, // 117
    {false, "Guitar - Hi Q Bass", 0, 113, 38}, // 118
    {false, "Guitar - Funk Bass", 0, 112, 37}, // 119
    {false, "Guitar - Aco.Bass", 0, 112, 32}, // 120
    {false, "Guitar - Fretless", 0, 112, 35}, // 121
    {false, "Guitar - Bass&&Cymbal", 0, 114, 32}, // 122
    {false, "Guitar - Fusion Bass", 0, 113, 36}, // 123
    {false, "Guitar - Rave Bass", 0, 114, 38}, // 124
    {false, "Guitar - Dance Bass", 0, 113, 39}, // 125
    {false, "Guitar - Synth Bass", 0, 112, 38}, // 126
    {false, "Guitar - Snap Bass", 0, 114, 39}, // 127
    {false, "Guitar - Click Bass", 0, 115, 38}, // 128
    {false, "Strings - Live! Strs", 0, 117, 49}, // 129
    {true, "Strings - Live! Arco", 0, 122, 49}, // 130
    {false, "Strings - Live! Orch", 0, 116, 49}, // 131
    {false, "Strings - Symphon.Str", 0, 114, 48}, // 132
    {false, "Strings - OberStrings", 0, 113, 51}, // 133
    {false, "Strings - Solo Violin", 0, 112, 40}, // 134
    {false, "Strings - Orch. Brass", 0, 118, 49}, // 135
    {false, "Strings - Orch. Flute", 0, 119, 49}, // 136
    {false, "Strings - Orch. Fl.Br", 0, 120, 49}, // 137
    {false, "Strings - Orch. Oboe", 0, 121, 49}, // 138
    {false, "Strings - Strings", 0, 112, 48}, // 139
    {false, "Strings - OrchStrings", 0, 113, 48}, // 140
    {false, "Strings - Str.Quartet", 0, 114, 49}, // 141
    {false, "Strings - ConcertoStr", 0, 115, 48}, // 142
    {false, "Strings - Analog Strs", 0, 112, 51}, // 143
    {false, "Strings - ChamberStrs", 0, 112, 49}, // 144
    {false, "Strings - Bow Strings", 0, 116, 48}, // 145
    {false, "Strings - SlowStrings", 0, 113, 49}, // 146
    {false, "Strings - TremoloStrs", 0, 112, 44}, // 147
    {false, "Strings - MarcatoStrs", 0, 115, 49}, // 148
    {false, "Strings - Syn Strings", 0, 112, 50}, // 149
    {false, "Strings - PizzStrings", 0, 112, 45}, // 150
    {false, "Strings - Viola", 0, 112, 41}, // 151
    {false, "Strings - Cello", 0, 112, 42}, // 152
    {false, "Strings - Contrabass", 0, 112, 43}, // 153
    {false, "Strings - Harp", 0, 112, 46}, // 154
    {false, "Strings - Hackbrett", 0, 113, 46}, // 155
    {false, "Strings - Fiddle", 0, 112, 110}, // 156
    {false, "Strings - Banjo", 0, 112, 105}, // 157
    {false, "Strings - Sitar", 0, 112, 104}, // 158
    {false, "Strings - Koto", 0, 112, 107}, // 159
    {false, "Strings - Shamisen", 0, 112, 106}, // 160
    {false, "Strings - Soft Violin", 0, 113, 40}, // 161
    {false, "Strings - Orch.Hit", 0, 112, 55}, // 162
    {false, "Trumpet - Sweet Trump", 0, 115, 56}, // 163
    {false, "Trumpet - Sweet Tromb", 0, 117, 57}, // 164
    {false, "Trumpet - SoftTrumpet", 0, 114, 56}, // 165
    {false, "Trumpet - JazzTrumpet", 0, 116, 56}, // 166
    {true, "Trumpet - SweetMuteTp", 0, 114, 59}, // 167
    {false, "Trumpet - SoloTrumpet", 0, 112, 56}, // 168
    {false, "Trumpet - Air Trumpet", 0, 117, 56}, // 169
    {false, "Trumpet - SweetFlugel", 0, 118, 56}, // 170
    {false, "Trumpet - Trombone", 0, 116, 57}, // 171
    {false, "Trumpet - BaritonHorn", 0, 113, 58}, // 172
    {false, "Trumpet - Solo Tromb", 0, 112, 57}, // 173
    {false, "Trumpet - Soft Tromb", 0, 115, 57}, // 174
    {false, "Trumpet - MellowTromb", 0, 114, 57}, // 175
    {false, "Trumpet - French Horn", 0, 112, 60}, // 176
    {false, "Trumpet - Muted Trump", 0, 112, 59}, // 177
    {false, "Trumpet - Bariton Hit", 0, 114, 58}, // 178
    {false, "Trumpet - Alp Bass", 0, 113, 33}, // 179
    {false, "Trumpet - Flugel Horn", 0, 113, 56}, // 180
    {false, "Trumpet - Tuba", 0, 112, 58}, // 181
    {true, "Brass - Live! Horns", 0, 118, 62}, // 182
    {true, "Brass - Live! Brass", 0, 117, 62}, // 183
    {true, "Brass - Live! OctBr", 0, 116, 62}, // 184
    {false, "Brass - MellowBrass", 0, 116, 61}, // 185
    {false, "Brass - Sforzando", 0, 125, 61}, // 186
    {false, "Brass - MoonLight", 0, 115, 71}, // 187
    {false, "Brass - MillerNight", 0, 119, 66}, // 188
    {false, "Brass - Saxy Mood", 0, 120, 66}, // 189
    {false, "Brass - Jump Brass", 0, 113, 62}, // 190
    {false, "Brass - Big Brass", 0, 121, 61}, // 191
    {false, "Brass - BrasSection", 0, 112, 61}, // 192
    {false, "Brass - BrightBrass", 0, 120, 61}, // 193
    {false, "Brass - Soft Brass", 0, 123, 61}, // 194
    {false, "Brass - Full Horns", 0, 114, 61}, // 195
    {false, "Brass - Brass Combo", 0, 115, 66}, // 196
    {false, "Brass - SmoothTromb", 0, 118, 57}, // 197
    {false, "Brass - High Brass", 0, 115, 61}, // 198
    {false, "Brass - Ober Brass", 0, 113, 63}, // 199
    {false, "Brass - Trumpet Ens", 0, 122, 61}, // 200
    {false, "Brass - MellowHorns", 0, 119, 61}, // 201
    {false, "Brass - BigBandBrs", 0, 113, 61}, // 202
    {false, "Brass - Pop Brass", 0, 118, 61}, // 203
    {false, "Brass - Brass Hit", 0, 126, 61}, // 204
    {false, "Brass - Step Brass", 0, 124, 61}, // 205
    {false, "Brass - Analog Brs", 0, 112, 63}, // 206
    {false, "Brass - BallroomBrs", 0, 113, 59}, // 207
    {false, "Brass - Trb.Section", 0, 113, 57}, // 208
    {false, "Brass - Small Brass", 0, 117, 61}, // 209
    {false, "Brass - Soft Analog", 0, 114, 63}, // 210
    {false, "Brass - FunkyAnalog", 0, 115, 62}, // 211
    {false, "Brass - TechnoBrass", 0, 114, 62}, // 212
    {false, "Brass - Synth Brass", 0, 112, 62}, // 213
    {false, "Saxophone - Sweet Tenor", 0, 117, 66}, // 214
    {false, "Saxophone - Sweet Alto", 0, 114, 65}, // 215
    {false, "Saxophone - Sweet Sprno", 0, 113, 64}, // 216
    {false, "Saxophone - Sweet Clari", 0, 114, 71}, // 217
    {false, "Saxophone - Growl Sax", 0, 118, 66}, // 218
    {false, "Saxophone - BreathTenor", 0, 114, 66}, // 219
    {false, "Saxophone - BreathyAlto", 0, 113, 65}, // 220
    {false, "Saxophone - Soprano Sax", 0, 112, 64}, // 221
    {false, "Saxophone - MelClarinet", 0, 113, 71}, // 222
    {false, "Saxophone - Sax Section", 0, 116, 66}, // 223
    {false, "Saxophone - WoodwindEns", 0, 113, 66}, // 224
    {false, "Saxophone - Alto Sax", 0, 112, 65}, // 225
    {false, "Saxophone - Tenor Sax", 0, 112, 66}, // 226
    {false, "Saxophone - BaritoneSax", 0, 112, 67}, // 227
    {false, "Saxophone - Rock Bari", 0, 113, 67}, // 228
    {false, "Saxophone - Oboe", 0, 112, 68}, // 229
    {false, "Saxophone - EnglishHorn", 0, 112, 69}, // 230
    {false, "Saxophone - Bassoon", 0, 112, 70}, // 231
    {false, "Saxophone - Clarinet", 0, 112, 71}, // 232
    {false, "Flute - Sweet Flute", 0, 114, 73}, // 233
    {false, "Flute - Sweet Pan", 0, 113, 75}, // 234
    {false, "Flute - Class.Flute", 0, 115, 73}, // 235
    {false, "Flute - Pan Flute", 0, 113, 73}, // 236
    {false, "Flute - Flute", 0, 112, 73}, // 237
    {false, "Flute - Piccolo", 0, 112, 72}, // 238
    {false, "Flute - EthnicFlute", 0, 112, 75}, // 239
    {false, "Flute - Shakuhachi", 0, 112, 77}, // 240
    {false, "Flute - Whistle", 0, 112, 78}, // 241
    {false, "Flute - Recorder", 0, 112, 74}, // 242
    {false, "Flute - Ocarina", 0, 112, 79}, // 243
    {false, "Flute - Bagpipe", 0, 112, 109}, // 244
    {false, "Choir&&Pad - Live!Gospel", 0, 116, 52}, // 245
    {false, "Choir&&Pad - Live! Humm", 0, 118, 52}, // 246
    {false, "Choir&&Pad - Hah Choir", 0, 114, 52}, // 247
    {false, "Choir&&Pad - SweetHeaven", 0, 118, 88}, // 248
    {false, "Choir&&Pad - DreamHeaven", 0, 121, 88}, // 249
    {false, "Choir&&Pad - Live! Vocal", 0, 114, 53}, // 250
    {false, "Choir&&Pad - Bah Choir", 0, 121, 53}, // 251
    {false, "Choir&&Pad - Live! Doo", 0, 117, 53}, // 252
    {false, "Choir&&Pad - Live! Bah", 0, 118, 53}, // 253
    {false, "Choir&&Pad - Live! Dao", 0, 119, 53}, // 254
    {false, "Choir&&Pad - Live! Mmh", 0, 117, 52}, // 255
    {false, "Choir&&Pad - Gothic Vox", 0, 113, 53}, // 256
    {false, "Choir&&Pad - Huh Choir", 0, 119, 52}, // 257
    {false, "Choir&&Pad - Bell Heaven", 0, 119, 88}, // 258
    {false, "Choir&&Pad - Pan Heaven", 0, 120, 88}, // 259
    {false, "Choir&&Pad - DooBa Scats", 0, 115, 53}, // 260
    {false, "Choir&&Pad - Daa Choir", 0, 120, 53}, // 261
    {false, "Choir&&Pad - Doo Choir", 0, 122, 53}, // 262
    {false, "Choir&&Pad - Dooom Choir", 0, 120, 52}, // 263
    {false, "Choir&&Pad - Live! Dooom", 0, 116, 53}, // 264
    {false, "Choir&&Pad - Choir", 0, 112, 52}, // 265
    {false, "Choir&&Pad - Air Choir", 0, 112, 54}, // 266
    {false, "Choir&&Pad - Vocal Ensbl", 0, 113, 52}, // 267
    {false, "Choir&&Pad - Insomnia", 0, 113, 94}, // 268
    {false, "Choir&&Pad - Cyber Pad", 0, 113, 99}, // 269
    {false, "Choir&&Pad - Vox Humana", 0, 112, 53}, // 270
    {false, "Choir&&Pad - Voices", 0, 113, 54}, // 271
    {false, "Choir&&Pad - Uuh Choir", 0, 115, 52}, // 272
    {false, "Choir&&Pad - Wave 2001", 0, 112, 95}, // 273
    {false, "Choir&&Pad - Neo WarmPad", 0, 115, 89}, // 274
    {false, "Choir&&Pad - Atmosphere", 0, 112, 99}, // 275
    {false, "Choir&&Pad - Xenon Pad", 0, 112, 91}, // 276
    {false, "Choir&&Pad - Skydiver", 0, 112, 101}, // 277
    {false, "Choir&&Pad - Far East", 0, 112, 97}, // 278
    {false, "Choir&&Pad - Template", 0, 114, 95}, // 279
    {false, "Choir&&Pad - Equinox", 0, 112, 94}, // 280
    {false, "Choir&&Pad - Glass Pad", 0, 114, 93}, // 281
    {false, "Choir&&Pad - Fantasia", 0, 112, 88}, // 282
    {false, "Choir&&Pad - DX Pad", 0, 112, 92}, // 283
    {false, "Choir&&Pad - Symbiont", 0, 113, 88}, // 284
    {false, "Choir&&Pad - StarGate", 0, 114, 88}, // 285
    {false, "Choir&&Pad - Area 51", 0, 112, 89}, // 286
    {false, "Choir&&Pad - Dark Moon", 0, 113, 89}, // 287
    {false, "Choir&&Pad - Ionosphere", 0, 115, 94}, // 288
    {false, "Choir&&Pad - Golden Age", 0, 115, 88}, // 289
    {false, "Choir&&Pad - Solaris", 0, 114, 94}, // 290
    {false, "Choir&&Pad - Time Travel", 0, 116, 88}, // 291
    {false, "Choir&&Pad - Millenium", 0, 117, 88}, // 292
    {false, "Choir&&Pad - Transform", 0, 113, 95}, // 293
    {false, "Choir&&Pad - Dunes", 0, 114, 89}, // 294
    {true, "Choir&&Pad - Pro Heaven", 0, 122, 88}, // 295
    {true, "Choir&&Pad - Sunbeam", 0, 123, 88}, // 296
    {false, "Synthesizer - Oxygen", 0, 122, 81}, // 297
    {false, "Synthesizer - Matrix", 0, 123, 81}, // 298
    {false, "Synthesizer - Wire Lead", 0, 120, 81}, // 299
    {false, "Synthesizer - Hip Lead", 0, 113, 80}, // 300
    {false, "Synthesizer - Hop Lead", 0, 117, 80}, // 301
    {false, "Synthesizer - Square Lead", 0, 112, 80}, // 302
    {false, "Synthesizer - Saw.Lead", 0, 112, 81}, // 303
    {false, "Synthesizer - Fire Wire", 0, 116, 81}, // 304
    {false, "Synthesizer - Analogon", 0, 115, 81}, // 305
    {false, "Synthesizer - Funky Lead", 0, 121, 81}, // 306
    {false, "Synthesizer - Paraglide", 0, 114, 84}, // 307
    {false, "Synthesizer - Robolead", 0, 124, 81}, // 308
    {false, "Synthesizer - Fargo", 0, 119, 81}, // 309
    {false, "Synthesizer - Portatone", 0, 112, 84}, // 310
    {false, "Synthesizer - Blaster", 0, 114, 81}, // 311
    {false, "Synthesizer - Big Lead", 0, 113, 81}, // 312
    {false, "Synthesizer - Warp", 0, 117, 81}, // 313
    {false, "Synthesizer - Adrenaline", 0, 113, 84}, // 314
    {false, "Synthesizer - Synchronize", 0, 112, 96}, // 315
    {false, "Synthesizer - Tiny Lead", 0, 118, 80}, // 316
    {false, "Synthesizer - Stardust", 0, 112, 98}, // 317
    {false, "Synthesizer - Aero Lead", 0, 112, 83}, // 318
    {false, "Synthesizer - Mini Lead", 0, 114, 80}, // 319
    {false, "Synthesizer - Synth Flute", 0, 119, 80}, // 320
    {false, "Synthesizer - Sub Aqua", 0, 118, 81}, // 321
    {false, "Synthesizer - Impact", 0, 113, 87}, // 322
    {false, "Synthesizer - Sun Bell", 0, 113, 98}, // 323
    {false, "Synthesizer - Under Heim", 0, 112, 87}, // 324
    {false, "Synthesizer - Rhythmatic", 0, 113, 96}, // 325
    {false, "Synthesizer - Hi Bias", 0, 116, 80}, // 326
    {false, "Synthesizer - Vinylead", 0, 115, 80}, // 327
    {false, "Synthesizer - Skyline", 0, 115, 84}, // 328
    {false, "Synthesizer - Clockwork", 0, 114, 96}, // 329
    {false, "Percussion - Vibraphone", 0, 112, 11}, // 330
    {false, "Percussion - Jazz Vibes", 0, 113, 11}, // 331
    {false, "Percussion - Marimba", 0, 112, 12}, // 332
    {false, "Percussion - Xylophone", 0, 112, 13}, // 333
    {false, "Percussion - Steel Drums", 0, 112, 114}, // 334
    {false, "Percussion - Celesta", 0, 112, 8}, // 335
    {false, "Percussion - Glocken", 0, 112, 9}, // 336
    {false, "Percussion - Music Box", 0, 112, 10}, // 337
    {false, "Percussion - TubularBell", 0, 112, 14}, // 338
    {false, "Percussion - Kalimba", 0, 112, 108}, // 339
    {false, "Percussion - Dulcimer", 0, 112, 15}, // 340
    {false, "Percussion - Timpani", 0, 112, 47}, // 341
    {false, "Percussion - Live!StdKit", 127, 0, 80}, // 342
    {true, "Percussion - Live!FunkKt", 127, 0, 81}, // 343
    {true, "Percussion - Live!Brush", 127, 0, 82}, // 344
    {true, "Percussion - Live!Std+P", 127, 0, 83}, // 345
    {false, "Percussion - Live!Funk+P", 127, 0, 84}, // 346
    {true, "Percussion - Live!Brsh+P", 127, 0, 85}, // 347
    {false, "Percussion - Std.Kit1", 127, 0, 0}, // 348
    {false, "Percussion - Std.Kit2", 127, 0, 1}, // 349
    {false, "Percussion - Hit Kit", 127, 0, 4}, // 350
    {false, "Percussion - Room Kit", 127, 0, 8}, // 351
    {false, "Percussion - Rock Kit", 127, 0, 16}, // 352
    {false, "Percussion - Electro Kit", 127, 0, 24}, // 353
    {false, "Percussion - Analog Kit", 127, 0, 25}, // 354
    {false, "Percussion - Dance Kit", 127, 0, 27}, // 355
    {false, "Percussion - Jazz Kit", 127, 0, 32}, // 356
    {false, "Percussion - Brush Kit", 127, 0, 40}, // 357
    {false, "Percussion - SymphonyKit", 127, 0, 48}, // 358
    {false, "Percussion - Arabic Kit", 126, 0, 35}, // 359
    {true, "Percussion - Live!Cuban", 126, 0, 40}, // 360
    {true, "Percussion - Live!PopLtn", 126, 0, 43}, // 361
    {false, "Percussion - SFX Kit1", 126, 0, 0}, // 362
    {false, "Percussion - SFX Kit2", 126, 0, 1}, // 363
    {false, "Percussion - StyleLvStd", 127, 0, 123}, // 364
    {false, "Percussion - StyleLvFunk", 127, 0, 124}, // 365
    {true, "Percussion - StyLvStd+P", 127, 0, 125}, // 366
    {true, "Percussion - StyLvFunk+P", 127, 0, 126}, // 367
    {false, "Custom Voice 01", 63, 0, 0}, // 368
    {false, "Custom Voice 02", 63, 0, 1}, // 369
    {false, "Custom Voice 03", 63, 0, 2}, // 370
    {false, "Custom Voice 04", 63, 0, 3}, // 371
    {false, "Custom Voice 05", 63, 0, 4}, // 372
    {false, "Custom Voice 06", 63, 0, 5}, // 373
    {false, "Custom Voice 07", 63, 0, 6}, // 374
    {false, "Custom Voice 08", 63, 0, 7}, // 375
    {false, "Custom Voice 09", 63, 0, 8}, // 376
    {false, "Custom Voice 10", 63, 0, 9}, // 377
    {false, "Custom Voice 11", 63, 0, 10}, // 378
    {false, "Custom Voice 12", 63, 0, 11}, // 379
    {false, "Custom Voice 13", 63, 0, 12}, // 380
    {false, "Custom Voice 14", 63, 0, 13}, // 381
    {false, "Custom Voice 15", 63, 0, 14}, // 382
    {false, "Custom Voice 16", 63, 0, 15}, // 383
    {false, "Custom Voice 17", 63, 0, 16}, // 384
    {false, "Custom Voice 18", 63, 0, 17}, // 385
    {false, "Custom Voice 19", 63, 0, 18}, // 386
    {false, "Custom Voice 20", 63, 0, 19}, // 387
    {false, "Custom Voice 21", 63, 0, 20}, // 388
    {false, "Custom Voice 22", 63, 0, 21}, // 389
    {false, "Custom Voice 23", 63, 0, 22}, // 390
    {false, "Custom Voice 24", 63, 0, 23}, // 391
    {false, "Custom Voice 25", 63, 0, 24}, // 392
    {false, "Custom Voice 26", 63, 0, 25}, // 393
    {false, "Custom Voice 27", 63, 0, 26}, // 394
    {false, "Custom Voice 28", 63, 0, 27}, // 395
    {false, "Custom Voice 29", 63, 0, 28}, // 396
    {false, "Custom Voice 30", 63, 0, 29}, // 397
    {false, "Custom Voice 31", 63, 0, 30}, // 398
    {false, "Custom Voice 32", 63, 0, 31}, // 399
    {false, "XG001 - GrandPno", 0, 0, 0}, // 400
    {false, "XG002 - GrndPnoK", 0, 1, 0}, // 401
    {false, "XG003 - MelloGrP", 0, 18, 0}, // 402
    {false, "XG004 - PianoStr", 0, 40, 0}, // 403
    {false, "XG005 - Dream", 0, 41, 0}, // 404
    {false, "XG006 - BritePno", 0, 0, 1}, // 405
    {false, "XG007 - BritPnoK", 0, 1, 1}, // 406
    {false, "XG008 - E.Grand", 0, 0, 2}, // 407
    {false, "XG009 - ElGrPnoK", 0, 1, 2}, // 408
    {false, "XG010 - Det.CP80", 0, 32, 2}, // 409
    {false, "XG011 - ElGrPno1", 0, 40, 2}, // 410
    {false, "XG012 - ElGrPno2", 0, 41, 2}, // 411
    {false, "XG013 - HnkyTonk", 0, 0, 3}, // 412
    {false, "XG014 - HnkyTnkK", 0, 1, 3}, // 413
    {false, "XG015 - E.Piano1", 0, 0, 4}, // 414
    {false, "XG016 - El.Pno1K", 0, 1, 4}, // 415
    {false, "XG017 - MelloEP1", 0, 18, 4}, // 416
    {false, "XG018 - Chor.EP1", 0, 32, 4}, // 417
    {false, "XG019 - HardEl.P", 0, 40, 4}, // 418
    {false, "XG020 - VX El.P1", 0, 45, 4}, // 419
    {false, "XG021 - 60sEl.P", 0, 64, 4}, // 420
    {false, "XG022 - E.Piano2", 0, 0, 5}, // 421
    {false, "XG023 - El.Pno2K", 0, 1, 5}, // 422
    {false, "XG024 - Chor.EP2", 0, 32, 5}, // 423
    {false, "XG025 - DX Hard", 0, 33, 5}, // 424
    {false, "XG026 - DXLegend", 0, 34, 5}, // 425
    {false, "XG027 - DX Phase", 0, 40, 5}, // 426
    {false, "XG028 - DX+Analg", 0, 41, 5}, // 427
    {false, "XG029 - DXKotoEP", 0, 42, 5}, // 428
    {false, "XG030 - VX El.P2", 0, 45, 5}, // 429
    {false, "XG031 - Harpsi.", 0, 0, 6}, // 430
    {false, "XG032 - Harpsi.K", 0, 1, 6}, // 431
    {false, "XG033 - Harpsi.2", 0, 25, 6}, // 432
    {false, "XG034 - Harpsi.3", 0, 35, 6}, // 433
    {false, "XG035 - Clavi.", 0, 0, 7}, // 434
    {false, "XG036 - Clavi. K", 0, 1, 7}, // 435
    {false, "XG037 - ClaviWah", 0, 27, 7}, // 436
    {false, "XG038 - PulseClv", 0, 64, 7}, // 437
    {false, "XG039 - PierceCl", 0, 65, 7}, // 438
    {false, "XG040 - Celesta", 0, 0, 8}, // 439
    {false, "XG041 - Glocken", 0, 0, 9}, // 440
    {false, "XG042 - MusicBox", 0, 0, 10}, // 441
    {false, "XG043 - Orgel", 0, 64, 10}, // 442
    {false, "XG044 - Vibes", 0, 0, 11}, // 443
    {false, "XG045 - VibesK", 0, 1, 11}, // 444
    {false, "XG046 - HardVibe", 0, 45, 11}, // 445
    {false, "XG047 - Marimba", 0, 0, 12}, // 446
    {false, "XG048 - MarimbaK", 0, 1, 12}, // 447
    {false, "XG049 - SineMrmb", 0, 64, 12}, // 448
    {false, "XG050 - Balafon2", 0, 97, 12}, // 449
    {false, "XG051 - Log Drum", 0, 98, 12}, // 450
    {false, "XG052 - Xylophon", 0, 0, 13}, // 451
    {false, "XG053 - TubulBel", 0, 0, 14}, // 452
    {false, "XG054 - ChrchBel", 0, 96, 14}, // 453
    {false, "XG055 - Carillon", 0, 97, 14}, // 454
    {false, "XG056 - Dulcimer", 0, 0, 15}, // 455
    {false, "XG057 - Dulcimr2", 0, 35, 15}, // 456
    {false, "XG058 - Cimbalom", 0, 96, 15}, // 457
    {false, "XG059 - Santur", 0, 97, 15}, // 458
    {false, "XG060 - DrawOrgn", 0, 0, 16}, // 459
    {false, "XG061 - DetDrwOr", 0, 32, 16}, // 460
    {false, "XG062 - 60sDrOr1", 0, 33, 16}, // 461
    {false, "XG063 - 70sDrOr1", 0, 35, 16}, // 462
    {false, "XG064 - DrawOrg2", 0, 36, 16}, // 463
    {false, "XG065 - 60sDrOr2", 0, 34, 16}, // 464
    {false, "XG066 - 60sDrOr3", 0, 37, 16}, // 465
    {false, "XG067 - EvenBar", 0, 38, 16}, // 466
    {false, "XG068 - 16+2'2/3", 0, 40, 16}, // 467
    {false, "XG069 - Organ Ba", 0, 64, 16}, // 468
    {false, "XG070 - 70sDrOr2", 0, 65, 16}, // 469
    {false, "XG071 - CheezOrg", 0, 66, 16}, // 470
    {false, "XG072 - DrawOrg3", 0, 67, 16}, // 471
    {false, "XG073 - PercOrgn", 0, 0, 17}, // 472
    {false, "XG074 - 70sPcOr1", 0, 24, 17}, // 473
    {false, "XG075 - DetPrcOr", 0, 32, 17}, // 474
    {false, "XG076 - LiteOrg", 0, 33, 17}, // 475
    {false, "XG077 - PercOrg2", 0, 37, 17}, // 476
    {false, "XG078 - RockOrgn", 0, 0, 18}, // 477
    {false, "XG079 - RotaryOr", 0, 64, 18}, // 478
    {false, "XG080 - SloRotar", 0, 65, 18}, // 479
    {false, "XG081 - FstRotar", 0, 66, 18}, // 480
    {false, "XG082 - ChrchOrg", 0, 0, 19}, // 481
    {false, "XG083 - ChurOrg3", 0, 32, 19}, // 482
    {false, "XG084 - ChurOrg2", 0, 35, 19}, // 483
    {false, "XG085 - NotreDam", 0, 40, 19}, // 484
    {false, "XG086 - OrgFlute", 0, 64, 19}, // 485
    {false, "XG087 - TrmOrgFl", 0, 65, 19}, // 486
    {false, "XG088 - ReedOrgn", 0, 0, 20}, // 487
    {false, "XG089 - Puff Org", 0, 40, 20}, // 488
    {false, "XG090 - Acordion", 0, 0, 21}, // 489
    {false, "XG091 - AccordIt", 0, 32, 21}, // 490
    {false, "XG092 - Harmnica", 0, 0, 22}, // 491
    {false, "XG093 - Harmo 2", 0, 32, 22}, // 492
    {false, "XG094 - TangoAcd", 0, 0, 23}, // 493
    {false, "XG095 - TngoAcd2", 0, 64, 23}, // 494
    {false, "XG096 - NylonGtr", 0, 0, 24}, // 495
    {false, "XG097 - NylonGt2", 0, 16, 24}, // 496
    {false, "XG098 - NylonGt3", 0, 25, 24}, // 497
    {false, "XG099 - VelGtHrm", 0, 43, 24}, // 498
    {false, "XG100 - Ukulele", 0, 96, 24}, // 499
    {false, "XG101 - SteelGtr", 0, 0, 25}, // 500
    {false, "XG102 - SteelGt2", 0, 16, 25}, // 501
    {false, "XG103 - 12StrGtr", 0, 35, 25}, // 502
    {false, "XG104 - Nyln&&Stl", 0, 40, 25}, // 503
    {false, "XG105 - Stl&&Body", 0, 41, 25}, // 504
    {false, "XG106 - Mandolin", 0, 96, 25}, // 505
    {false, "XG107 - Jazz Gtr", 0, 0, 26}, // 506
    {false, "XG108 - MelloGtr", 0, 18, 26}, // 507
    {false, "XG109 - JazzAmp", 0, 32, 26}, // 508
    {false, "XG110 - CleanGtr", 0, 0, 27}, // 509
    {false, "XG111 - ChorusGt", 0, 32, 27}, // 510
    {false, "XG112 - Mute.Gtr", 0, 0, 28}, // 511
    {false, "XG113 - FunkGtr1", 0, 40, 28}, // 512
    {false, "XG114 - MuteStlG", 0, 41, 28}, // 513
    {false, "XG115 - FunkGtr2", 0, 43, 28}, // 514
    {false, "XG116 - Jazz Man", 0, 45, 28}, // 515
    {false, "XG117 - Ovrdrive", 0, 0, 29}, // 516
    {false, "XG118 - Gt.Pinch", 0, 43, 29}, // 517
    {false, "XG119 - Dist.Gtr", 0, 0, 30}, // 518
    {false, "XG120 - FeedbkGt", 0, 40, 30}, // 519
    {false, "XG121 - FeedbGt2", 0, 41, 30}, // 520
    {false, "XG122 - GtrHarmo", 0, 0, 31}, // 521
    {false, "XG123 - GtFeedbk", 0, 65, 31}, // 522
    {false, "XG124 - GtrHrmo2", 0, 66, 31}, // 523
    {false, "XG125 - Aco.Bass", 0, 0, 32}, // 524
    {false, "XG126 - JazzRthm", 0, 40, 32}, // 525
    {false, "XG127 - VXUprght", 0, 45, 32}, // 526
    {false, "XG128 - FngrBass", 0, 0, 33}, // 527
    {false, "XG129 - FingrDrk", 0, 18, 33}, // 528
    {false, "XG130 - FlangeBa", 0, 27, 33}, // 529
    {false, "XG131 - Ba&&DstEG", 0, 40, 33}, // 530
    {false, "XG132 - FngrSlap", 0, 43, 33}, // 531
    {false, "XG133 - FngBass2", 0, 45, 33}, // 532
    {false, "XG134 - ModAlem", 0, 65, 33}, // 533
    {false, "XG135 - PickBass", 0, 0, 34}, // 534
    {false, "XG136 - MutePkBa", 0, 28, 34}, // 535
    {false, "XG137 - Fretless", 0, 0, 35}, // 536
    {false, "XG138 - Fretles2", 0, 32, 35}, // 537
    {false, "XG139 - Fretles3", 0, 33, 35}, // 538
    {false, "XG140 - Fretles4", 0, 34, 35}, // 539
    {false, "XG141 - SynFretl", 0, 96, 35}, // 540
    {false, "XG142 - Smooth", 0, 97, 35}, // 541
    {false, "XG143 - SlapBas1", 0, 0, 36}, // 542
    {false, "XG144 - ResoSlap", 0, 27, 36}, // 543
    {false, "XG145 - PunchThm", 0, 32, 36}, // 544
    {false, "XG146 - SlapBas2", 0, 0, 37}, // 545
    {false, "XG147 - VeloSlap", 0, 43, 37}, // 546
    {false, "XG148 - SynBass1", 0, 0, 38}, // 547
    {false, "XG149 - SynBa1Dk", 0, 18, 38}, // 548
    {false, "XG150 - FastResB", 0, 20, 38}, // 549
    {false, "XG151 - AcidBass", 0, 24, 38}, // 550
    {false, "XG152 - Clv Bass", 0, 35, 38}, // 551
    {false, "XG153 - TeknoBa", 0, 40, 38}, // 552
    {false, "XG154 - Oscar", 0, 64, 38}, // 553
    {false, "XG155 - SqrBass", 0, 65, 38}, // 554
    {false, "XG156 - RubberBa", 0, 66, 38}, // 555
    {false, "XG157 - Hammer", 0, 96, 38}, // 556
    {false, "XG158 - SynBass2", 0, 0, 39}, // 557
    {false, "XG159 - MelloSB1", 0, 6, 39}, // 558
    {false, "XG160 - Seq Bass", 0, 12, 39}, // 559
    {false, "XG161 - ClkSynBa", 0, 18, 39}, // 560
    {false, "XG162 - SynBa2Dk", 0, 19, 39}, // 561
    {false, "XG163 - SmthBa 2", 0, 32, 39}, // 562
    {false, "XG164 - ModulrBa", 0, 40, 39}, // 563
    {false, "XG165 - DX Bass", 0, 41, 39}, // 564
    {false, "XG166 - X WireBa", 0, 64, 39}, // 565
    {false, "XG167 - Violin", 0, 0, 40}, // 566
    {false, "XG168 - Slow Vln", 0, 8, 40}, // 567
    {false, "XG169 - Viola", 0, 0, 41}, // 568
    {false, "XG170 - Cello", 0, 0, 42}, // 569
    {false, "XG171 - Contrabs", 0, 0, 43}, // 570
    {false, "XG172 - Trem.Str", 0, 0, 44}, // 571
    {false, "XG173 - SlowTrStr", 0, 8, 44}, // 572
    {false, "XG174 - Susp Str", 0, 40, 44}, // 573
    {false, "XG175 - Pizz.Str", 0, 0, 45}, // 574
    {false, "XG176 - Harp", 0, 0, 46}, // 575
    {false, "XG177 - YangChin", 0, 40, 46}, // 576
    {false, "XG178 - Timpani", 0, 0, 47}, // 577
    {false, "XG179 - Strings1", 0, 0, 48}, // 578
    {false, "XG180 - S.Strngs", 0, 3, 48}, // 579
    {false, "XG181 - SlowStr", 0, 8, 48}, // 580
    {false, "XG182 - ArcoStr", 0, 24, 48}, // 581
    {false, "XG183 - 60sStrng", 0, 35, 48}, // 582
    {false, "XG184 - Orchestr", 0, 40, 48}, // 583
    {false, "XG185 - Orchstr2", 0, 41, 48}, // 584
    {false, "XG186 - TremOrch", 0, 42, 48}, // 585
    {false, "XG187 - VeloStr", 0, 45, 48}, // 586
    {false, "XG188 - Strings2", 0, 0, 49}, // 587
    {false, "XG189 - S.SlwStr", 0, 3, 49}, // 588
    {false, "XG190 - LegatoSt", 0, 8, 49}, // 589
    {false, "XG191 - Warm Str", 0, 40, 49}, // 590
    {false, "XG192 - Kingdom", 0, 41, 49}, // 591
    {false, "XG193 - 70s Str", 0, 64, 49}, // 592
    {false, "XG194 - Str Ens3", 0, 65, 49}, // 593
    {false, "XG195 - Syn.Str1", 0, 0, 50}, // 594
    {false, "XG196 - ResoStr", 0, 27, 50}, // 595
    {false, "XG197 - Syn Str4", 0, 64, 50}, // 596
    {false, "XG198 - SS Str", 0, 65, 50}, // 597
    {false, "XG199 - Syn.Str2", 0, 0, 51}, // 598
    {false, "XG200 - ChoirAah", 0, 0, 52}, // 599
    {false, "XG201 - S.Choir", 0, 3, 52}, // 600
    {false, "XG202 - Ch.Aahs2", 0, 16, 52}, // 601
    {false, "XG203 - MelChoir", 0, 32, 52}, // 602
    {false, "XG204 - ChoirStr", 0, 40, 52}, // 603
    {false, "XG205 - VoiceOoh", 0, 0, 53}, // 604
    {false, "XG206 - SynVoice", 0, 0, 54}, // 605
    {false, "XG207 - SynVox2", 0, 40, 54}, // 606
    {false, "XG208 - Choral", 0, 41, 54}, // 607
    {false, "XG209 - AnaVoice", 0, 64, 54}, // 608
    {false, "XG210 - Orch.Hit", 0, 0, 55}, // 609
    {false, "XG211 - OrchHit2", 0, 35, 55}, // 610
    {false, "XG212 - Impact", 0, 64, 55}, // 611
    {false, "XG213 - Trumpet", 0, 0, 56}, // 612
    {false, "XG214 - Trumpet2", 0, 16, 56}, // 613
    {false, "XG215 - BriteTrp", 0, 17, 56}, // 614
    {false, "XG216 - WarmTrp", 0, 32, 56}, // 615
    {false, "XG217 - Trombone", 0, 0, 57}, // 616
    {false, "XG218 - Trmbone2", 0, 18, 57}, // 617
    {false, "XG219 - Tuba", 0, 0, 58}, // 618
    {false, "XG220 - Tuba 2", 0, 16, 58}, // 619
    {false, "XG221 - Mute.Trp", 0, 0, 59}, // 620
    {false, "XG222 - Fr.Horn", 0, 0, 60}, // 621
    {false, "XG223 - FrHrSolo", 0, 6, 60}, // 622
    {false, "XG224 - FrHorn2", 0, 32, 60}, // 623
    {false, "XG225 - HornOrch", 0, 37, 60}, // 624
    {false, "XG226 - BrasSect", 0, 0, 61}, // 625
    {false, "XG227 - Tp&&TbSec", 0, 35, 61}, // 626
    {false, "XG228 - BrssSec2", 0, 40, 61}, // 627
    {false, "XG229 - HiBrass", 0, 41, 61}, // 628
    {false, "XG230 - MelloBrs", 0, 42, 61}, // 629
    {false, "XG231 - SynBras1", 0, 0, 62}, // 630
    {false, "XG232 - QuackBr", 0, 12, 62}, // 631
    {false, "XG233 - RezSynBr", 0, 20, 62}, // 632
    {false, "XG234 - PolyBrss", 0, 24, 62}, // 633
    {false, "XG235 - SynBras3", 0, 27, 62}, // 634
    {false, "XG236 - JumpBrss", 0, 32, 62}, // 635
    {false, "XG237 - AnaVelBr", 0, 45, 62}, // 636
    {false, "XG238 - AnaBrss1", 0, 64, 62}, // 637
    {false, "XG239 - SynBras2", 0, 0, 63}, // 638
    {false, "XG240 - Soft Brs", 0, 18, 63}, // 639
    {false, "XG241 - SynBrss4", 0, 40, 63}, // 640
    {false, "XG242 - ChoirBrs", 0, 41, 63}, // 641
    {false, "XG243 - VelBrss2", 0, 45, 63}, // 642
    {false, "XG244 - AnaBrss2", 0, 64, 63}, // 643
    {false, "XG245 - SprnoSax", 0, 0, 64}, // 644
    {false, "XG246 - Alto Sax", 0, 0, 65}, // 645
    {false, "XG247 - Sax Sect", 0, 40, 65}, // 646
    {false, "XG248 - HyprAlto", 0, 43, 65}, // 647
    {false, "XG249 - TenorSax", 0, 0, 66}, // 648
    {false, "XG250 - BrthTnSx", 0, 40, 66}, // 649
    {false, "XG251 - SoftTenr", 0, 41, 66}, // 650
    {false, "XG252 - TnrSax 2", 0, 64, 66}, // 651
    {false, "XG253 - Bari.Sax", 0, 0, 67}, // 652
    {false, "XG254 - Oboe", 0, 0, 68}, // 653
    {false, "XG255 - Eng.Horn", 0, 0, 69}, // 654
    {false, "XG256 - Bassoon", 0, 0, 70}, // 655
    {false, "XG257 - Clarinet", 0, 0, 71}, // 656
    {false, "XG258 - Piccolo", 0, 0, 72}, // 657
    {false, "XG259 - Flute", 0, 0, 73}, // 658
    {false, "XG260 - Recorder", 0, 0, 74}, // 659
    {false, "XG261 - PanFlute", 0, 0, 75}, // 660
    {false, "XG262 - Bottle", 0, 0, 76}, // 661
    {false, "XG263 - Shakhchi", 0, 0, 77}, // 662
    {false, "XG264 - Whistle", 0, 0, 78}, // 663
    {false, "XG265 - Ocarina", 0, 0, 79}, // 664
    {false, "XG266 - SquareLd", 0, 0, 80}, // 665
    {false, "XG267 - Square 2", 0, 6, 80}, // 666
    {false, "XG268 - LMSquare", 0, 8, 80}, // 667
    {false, "XG269 - Hollow", 0, 18, 80}, // 668
    {false, "XG270 - Shmoog", 0, 19, 80}, // 669
    {false, "XG271 - Mellow", 0, 64, 80}, // 670
    {false, "XG272 - SoloSine", 0, 65, 80}, // 671
    {false, "XG273 - SineLead", 0, 66, 80}, // 672
    {false, "XG274 - Saw.Lead", 0, 0, 81}, // 673
    {false, "XG275 - Saw 2", 0, 6, 81}, // 674
    {false, "XG276 - ThickSaw", 0, 8, 81}, // 675
    {false, "XG277 - DynaSaw", 0, 18, 81}, // 676
    {false, "XG278 - DigiSaw", 0, 19, 81}, // 677
    {false, "XG279 - Big Lead", 0, 20, 81}, // 678
    {false, "XG280 - HeavySyn", 0, 24, 81}, // 679
    {false, "XG281 - WaspySyn", 0, 25, 81}, // 680
    {false, "XG282 - PulseSaw", 0, 40, 81}, // 681
    {false, "XG283 - Dr. Lead", 0, 41, 81}, // 682
    {false, "XG284 - VeloLead", 0, 45, 81}, // 683
    {false, "XG285 - Seq Ana", 0, 96, 81}, // 684
    {false, "XG286 - CaliopLd", 0, 0, 82}, // 685
    {false, "XG287 - Chiff Ld", 0, 0, 83}, // 686
    {false, "XG288 - Pure Pad", 0, 65, 82}, // 687
    {false, "XG289 - Rubby", 0, 64, 83}, // 688
    {false, "XG290 - CharanLd", 0, 0, 84}, // 689
    {false, "XG291 - DistLead", 0, 64, 84}, // 690
    {false, "XG292 - WireLead", 0, 65, 84}, // 691
    {false, "XG293 - Voice Ld", 0, 0, 85}, // 692
    {false, "XG294 - SynthAah", 0, 24, 85}, // 693
    {false, "XG295 - VoxLead", 0, 64, 85}, // 694
    {false, "XG296 - Fifth Ld", 0, 0, 86}, // 695
    {false, "XG297 - Big Five", 0, 35, 86}, // 696
    {false, "XG298 - Bass&&Ld", 0, 0, 87}, // 697
    {false, "XG299 - Big&&Low", 0, 16, 87}, // 698
    {false, "XG300 - Fat&&Prky", 0, 64, 87}, // 699
    {false, "XG301 - SoftWurl", 0, 65, 87}, // 700
    {false, "XG302 - NewAgePd", 0, 0, 88}, // 701
    {false, "XG303 - Fantasy2", 0, 64, 88}, // 702
    {false, "XG304 - Warm Pad", 0, 0, 89}, // 703
    {false, "XG305 - ThickPad", 0, 16, 89}, // 704
    {false, "XG306 - Soft Pad", 0, 17, 89}, // 705
    {false, "XG307 - SinePad", 0, 18, 89}, // 706
    {false, "XG308 - Horn Pad", 0, 64, 89}, // 707
    {false, "XG309 - RotarStr", 0, 65, 89}, // 708
    {false, "XG310 - PolySyPd", 0, 0, 90}, // 709
    {false, "XG311 - PolyPd80", 0, 64, 90}, // 710
    {false, "XG312 - ClickPad", 0, 65, 90}, // 711
    {false, "XG313 - Ana Pad", 0, 66, 90}, // 712
    {false, "XG314 - SquarPad", 0, 67, 90}, // 713
    {false, "XG315 - ChoirPad", 0, 0, 91}, // 714
    {false, "XG316 - Heaven2", 0, 64, 91}, // 715
    {false, "XG317 - Itopia", 0, 66, 91}, // 716
    {false, "XG318 - CC Pad", 0, 67, 91}, // 717
    {false, "XG319 - BowedPad", 0, 0, 92}, // 718
    {false, "XG320 - Glacier", 0, 64, 92}, // 719
    {false, "XG321 - GlassPad", 0, 65, 92}, // 720
    {false, "XG322 - MetalPad", 0, 0, 93}, // 721
    {false, "XG323 - Tine Pad", 0, 64, 93}, // 722
    {false, "XG324 - Pan Pad", 0, 65, 93}, // 723
    {false, "XG325 - Halo Pad", 0, 0, 94}, // 724
    {false, "XG326 - SweepPad", 0, 0, 95}, // 725
    {false, "XG327 - Shwimmer", 0, 20, 95}, // 726
    {false, "XG328 - Converge", 0, 27, 95}, // 727
    {false, "XG329 - PolarPad", 0, 64, 95}, // 728
    {false, "XG330 - Celstial", 0, 66, 95}, // 729
    {false, "XG331 - Rain", 0, 0, 96}, // 730
    {false, "XG332 - ClaviPad", 0, 45, 96}, // 731
    {false, "XG333 - HrmoRain", 0, 64, 96}, // 732
    {false, "XG334 - AfrcnWnd", 0, 65, 96}, // 733
    {false, "XG335 - Caribean", 0, 66, 96}, // 734
    {false, "XG336 - SoundTrk", 0, 0, 97}, // 735
    {false, "XG337 - Prologue", 0, 27, 97}, // 736
    {false, "XG338 - Ancestrl", 0, 64, 97}, // 737
    {false, "XG339 - Crystal", 0, 0, 98}, // 738
    {false, "XG340 - SynDrCmp", 0, 12, 98}, // 739
    {false, "XG341 - Popcorn", 0, 14, 98}, // 740
    {false, "XG342 - TinyBell", 0, 18, 98}, // 741
    {false, "XG343 - RndGlock", 0, 35, 98}, // 742
    {false, "XG344 - GlockChi", 0, 40, 98}, // 743
    {false, "XG345 - ClearBel", 0, 41, 98}, // 744
    {false, "XG346 - ChorBell", 0, 42, 98}, // 745
    {false, "XG347 - SynMalet", 0, 64, 98}, // 746
    {false, "XG348 - SftCryst", 0, 65, 98}, // 747
    {false, "XG349 - LoudGlok", 0, 66, 98}, // 748
    {false, "XG350 - XmasBell", 0, 67, 98}, // 749
    {false, "XG351 - VibeBell", 0, 68, 98}, // 750
    {false, "XG352 - DigiBell", 0, 69, 98}, // 751
    {false, "XG353 - AirBells", 0, 70, 98}, // 752
    {false, "XG354 - BellHarp", 0, 71, 98}, // 753
    {false, "XG355 - Gamelmba", 0, 72, 98}, // 754
    {false, "XG356 - Atmosphr", 0, 0, 99}, // 755
    {false, "XG357 - WarmAtms", 0, 18, 99}, // 756
    {false, "XG358 - HollwRls", 0, 19, 99}, // 757
    {false, "XG359 - NylonEP", 0, 40, 99}, // 758
    {false, "XG360 - NylnHarp", 0, 64, 99}, // 759
    {false, "XG361 - Harp Vox", 0, 65, 99}, // 760
    {false, "XG362 - AtmosPad", 0, 66, 99}, // 761
    {false, "XG363 - Planet", 0, 67, 99}, // 762
    {false, "XG364 - Bright", 0, 0, 100}, // 763
    {false, "XG365 - FantaBel", 0, 64, 100}, // 764
    {false, "XG366 - Smokey", 0, 96, 100}, // 765
    {false, "XG367 - Goblins", 0, 0, 101}, // 766
    {false, "XG368 - GobSyn", 0, 64, 101}, // 767
    {false, "XG369 - 50sSciFi", 0, 65, 101}, // 768
    {false, "XG370 - Ring Pad", 0, 66, 101}, // 769
    {false, "XG371 - Ritual", 0, 67, 101}, // 770
    {false, "XG372 - ToHeaven", 0, 68, 101}, // 771
    {false, "XG373 - Night", 0, 70, 101}, // 772
    {false, "XG374 - Glisten", 0, 71, 101}, // 773
    {false, "XG375 - BelChoir", 0, 96, 101}, // 774
    {false, "XG376 - Echoes", 0, 0, 102}, // 775
    {false, "XG377 - EchoPad2", 0, 8, 102}, // 776
    {false, "XG378 - Echo Pan", 0, 14, 102}, // 777
    {false, "XG379 - EchoBell", 0, 64, 102}, // 778
    {false, "XG380 - Big Pan", 0, 65, 102}, // 779
    {false, "XG381 - SynPiano", 0, 66, 102}, // 780
    {false, "XG382 - Creation", 0, 67, 102}, // 781
    {false, "XG383 - Stardust", 0, 68, 102}, // 782
    {false, "XG384 - Reso Pan", 0, 69, 102}, // 783
    {false, "XG385 - Sci-Fi", 0, 0, 103}, // 784
    {false, "XG386 - Starz", 0, 64, 103}, // 785
    {false, "XG387 - Sitar", 0, 0, 104}, // 786
    {false, "XG388 - DetSitar", 0, 32, 104}, // 787
    {false, "XG389 - Sitar 2", 0, 35, 104}, // 788
    {false, "XG390 - Tambra", 0, 96, 104}, // 789
    {false, "XG391 - Tamboura", 0, 97, 104}, // 790
    {false, "XG392 - Banjo", 0, 0, 105}, // 791
    {false, "XG393 - MuteBnjo", 0, 28, 105}, // 792
    {false, "XG394 - Rabab", 0, 96, 105}, // 793
    {false, "XG395 - Gopichnt", 0, 97, 105}, // 794
    {false, "XG396 - Oud", 0, 98, 105}, // 795
    {false, "XG397 - Shamisen", 0, 0, 106}, // 796
    {false, "XG398 - Koto", 0, 0, 107}, // 797
    {false, "XG399 - T.Koto", 0, 96, 107}, // 798
    {false, "XG400 - Kanoon", 0, 97, 107}, // 799
    {false, "XG401 - Kalimba", 0, 0, 108}, // 800
    {false, "XG402 - Bagpipe", 0, 0, 109}, // 801
    {false, "XG403 - Fiddle", 0, 0, 110}, // 802
    {false, "XG404 - Shanai", 0, 0, 111}, // 803
    {false, "XG405 - Shanai2", 0, 64, 111}, // 804
    {false, "XG406 - Pungi", 0, 96, 111}, // 805
    {false, "XG407 - Hichriki", 0, 97, 111}, // 806
    {false, "XG408 - TnklBell", 0, 0, 112}, // 807
    {false, "XG409 - Bonang", 0, 96, 112}, // 808
    {false, "XG410 - Gender", 0, 97, 112}, // 809
    {false, "XG411 - Gamelan", 0, 98, 112}, // 810
    {false, "XG412 - S.Gamlan", 0, 99, 112}, // 811
    {false, "XG413 - Rama Cym", 0, 100, 112}, // 812
    {false, "XG414 - AsianBel", 0, 101, 112}, // 813
    {false, "XG415 - Agogo", 0, 0, 113}, // 814
    {false, "XG416 - SteelDrm", 0, 0, 114}, // 815
    {false, "XG417 - GlasPerc", 0, 97, 114}, // 816
    {false, "XG418 - ThaiBell", 0, 98, 114}, // 817
    {false, "XG419 - WoodBlok", 0, 0, 115}, // 818
    {false, "XG420 - Castanet", 0, 96, 115}, // 819
    {false, "XG421 - TaikoDrm", 0, 0, 116}, // 820
    {false, "XG422 - Gr.Cassa", 0, 96, 116}, // 821
    {false, "XG423 - MelodTom", 0, 0, 117}, // 822
    {false, "XG424 - Mel Tom2", 0, 64, 117}, // 823
    {false, "XG425 - Real Tom", 0, 65, 117}, // 824
    {false, "XG426 - Rock Tom", 0, 66, 117}, // 825
    {false, "XG427 - Syn.Drum", 0, 0, 118}, // 826
    {false, "XG428 - Ana Tom", 0, 64, 118}, // 827
    {false, "XG429 - ElecPerc", 0, 65, 118}, // 828
    {false, "XG430 - RevCymbl", 0, 0, 119}, // 829
    {false, "XG431 - FretNoiz", 0, 0, 120}, // 830
    {false, "XG432 - BrthNoiz", 0, 0, 121}, // 831
    {false, "XG433 - Seashore", 0, 0, 122}, // 832
    {false, "XG434 - Tweet", 0, 0, 123}, // 833
    {false, "XG435 - Telphone", 0, 0, 124}, // 834
    {false, "XG436 - Helicptr", 0, 0, 125}, // 835
    {false, "XG437 - Applause", 0, 0, 126}, // 836
    {false, "XG438 - Gunshot", 0, 0, 127}, // 837
    {false, "XG439 - CuttngNz", 64, 0, 0}, // 838
    {false, "XG440 - CttngNz2", 64, 0, 1}, // 839
    {false, "XG441 - Str Slap", 64, 0, 3}, // 840
    {false, "XG442 - Fl.KClik", 64, 0, 16}, // 841
    {false, "XG443 - Rain", 64, 0, 32}, // 842
    {false, "XG444 - Thunder", 64, 0, 33}, // 843
    {false, "XG445 - Wind", 64, 0, 34}, // 844
    {false, "XG446 - Stream", 64, 0, 35}, // 845
    {false, "XG447 - Bubble", 64, 0, 36}, // 846
    {false, "XG448 - Feed", 64, 0, 37}, // 847
    {false, "XG449 - Dog", 64, 0, 48}, // 848
    {false, "XG450 - Horse", 64, 0, 49}, // 849
    {false, "XG451 - Bird 2", 64, 0, 50}, // 850
    {false, "XG452 - Ghost", 64, 0, 54}, // 851
    {false, "XG453 - Maou", 64, 0, 55}, // 852
    {false, "XG454 - Tel.Dial", 64, 0, 64}, // 853
    {false, "XG455 - DoorSqek", 64, 0, 65}, // 854
    {false, "XG456 - Door Slam", 64, 0, 66}, // 855
    {false, "XG457 - Scratch", 64, 0, 67}, // 856
    {false, "XG458 - Scratch 2", 64, 0, 68}, // 857
    {false, "XG459 - WindChm", 64, 0, 69}, // 858
    {false, "XG460 - Telphon2", 64, 0, 70}, // 859
    {false, "XG461 - CarEngin", 64, 0, 80}, // 860
    {false, "XG462 - Car Stop", 64, 0, 81}, // 861
    {false, "XG463 - Car Pass", 64, 0, 82}, // 862
    {false, "XG464 - CarCrash", 64, 0, 83}, // 863
    {false, "XG465 - Siren", 64, 0, 84}, // 864
    {false, "XG466 - Train", 64, 0, 85}, // 865
    {false, "XG467 - Jetplane", 64, 0, 86}, // 866
    {false, "XG468 - Starship", 64, 0, 87}, // 867
    {false, "XG469 - Burst", 64, 0, 88}, // 868
    {false, "XG470 - Coaster", 64, 0, 89}, // 869
    {false, "XG471 - SbMarine", 64, 0, 90}, // 870
    {false, "XG472 - Laughing", 64, 0, 96}, // 871
    {false, "XG473 - Scream", 64, 0, 97}, // 872
    {false, "XG474 - Punch", 64, 0, 98}, // 873
    {false, "XG475 - Heart", 64, 0, 99}, // 874
    {false, "XG476 - FootStep", 64, 0, 100}, // 875
    {false, "XG477 - MchinGun", 64, 0, 112}, // 876
    {false, "XG478 - LaserGun", 64, 0, 113}, // 877
    {false, "XG479 - Xplosion", 64, 0, 114}, // 878
    {false, "XG480 - FireWork", 64, 0, 115}, // 879
}};
// clang-format on

} // namespace tombrel
