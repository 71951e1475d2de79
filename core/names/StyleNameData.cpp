// The keyboard's 125 preset styles and the 120 flash styles it ships with. The texts stay exactly
// as they are stored here, doubled ampersands included: controls that take "&" for a shortcut
// mark show "&&" as one ampersand, and protocols and searches use the same bytes.

#include "core/names/StyleNameTable.h"

namespace tombrel {

// clang-format off
const std::array<PresetStyle, kPresetStyleCount> kPresetStyles = {{
    // 0-19
    {"8 Beat", "Heart Beat"}, {"8 Beat", "8 Beat 1"}, {"8 Beat", "8 Beat 2"},
    {"8 Beat", "8 Beat 3"}, {"8 Beat", "8 Beat 4"}, {"8 Beat", "6/8 Slow Rock"},
    {"8 Beat", "Spicy Beat"}, {"8 Beat", "8 Beat Adria"}, {"8 Beat", "Off Beat"},
    {"8 Beat", "8 Beat Rock1"}, {"8 Beat", "Piano Ballad"}, {"8 Beat", "Guitar Ballad"},
    {"8 Beat", "Organ Ballad"}, {"8 Beat", "Love Song"}, {"8 Beat", "8 Beat Ballad 1"},
    {"8 Beat", "Acoustic Ballad"}, {"8 Beat", "Modern 6/8"}, {"8 Beat", "Root Rock 1"},
    {"8 Beat", "Soft Rock"}, {"8 Beat", "Hard Rock"},
    // 20-29
    {"16 Beat", "16 Beat 1"}, {"16 Beat", "16 Beat 2"}, {"16 Beat", "16 Beat 3"},
    {"16 Beat", "16 Beat 4"}, {"16 Beat", "Slow && Easy"}, {"16 Beat", "Smooth Jazz"},
    {"16 Beat", "Uptown Beat"}, {"16 Beat", "Jazz Rock"}, {"16 Beat", "Kool Shuffle"},
    {"16 Beat", "West End Shuffle"},
    // 30-44
    {"Dance", "House Musik"}, {"Dance", "DJ Berlin"}, {"Dance", "Trance 1"},
    {"Dance", "Hip Hop"}, {"Dance", "Trip Hop"}, {"Dance", "Disco Chocolate"},
    {"Dance", "70's Disco"}, {"Dance", "Saturday Night"}, {"Dance", "Disco Fox"},
    {"Dance", "Techno-Polis"}, {"Dance", "Euro Shop"}, {"Dance", "Entrance"},
    {"Dance", "Clubdance"}, {"Dance", "Flip Hop"}, {"Dance", "Disco Samba"},
    // 45-59
    {"Swing && Jazz", "Big Band 1"}, {"Swing && Jazz", "Big Band 2"},
    {"Swing && Jazz", "Big Band 3"}, {"Swing && Jazz", "Swing 1"},
    {"Swing && Jazz", "Swing 2"}, {"Swing && Jazz", "Acoustic Jazz"},
    {"Swing && Jazz", "Electric Jazz"}, {"Swing && Jazz", "Jazz Ballad 1"},
    {"Swing && Jazz", "Gypsy Swing"}, {"Swing && Jazz", "Swingfox"},
    {"Swing && Jazz", "Dixieland"}, {"Swing && Jazz", "Ragtime"},
    {"Swing && Jazz", "Big Band Ballad"}, {"Swing && Jazz", "Shuffle"},
    {"Swing && Jazz", "Piano Swing"},
    // 60-74
    {"R && B", "Soul Shuffle"}, {"R && B", "Soul"}, {"R && B", "Modern R&B"},
    {"R && B", "Rock && Roll"}, {"R && B", "Croco Twist"}, {"R && B", "Gospel Brothers"},
    {"R && B", "Gospel Sisters"}, {"R && B", "Gospel Shuffle"}, {"R && B", "6/8 Blues"},
    {"R && B", "Boogie Woogie 1"}, {"R && B", "Amazing Gospel"}, {"R && B", "Blueberry Blues"},
    {"R && B", "60's Rock && Roll"}, {"R && B", "Funky Fusion"}, {"R && B", "Rock Shuffle"},
    // 75-84
    {"Country", "Country Rock"}, {"Country", "Country 2/4"}, {"Country", "Country Swing 1"},
    {"Country", "Country Shuffle 1"}, {"Country", "Country Ballad"},
    {"Country", "Country Waltz"}, {"Country", "Bluegrass 1"}, {"Country", "Hoedown"},
    {"Country", "Country Brothers"}, {"Country", "Guitar Pop"},
    // 85-94
    {"Latin", "Samba City"}, {"Latin", "Samba Rio"}, {"Latin", "Bossa Nova"},
    {"Latin", "Fast Bossa"}, {"Latin", "Mambo 1"}, {"Latin", "Caribbean"},
    {"Latin", "Carnival"}, {"Latin", "Gypsy Rumba"}, {"Latin", "Pop Rumba"},
    {"Latin", "Sheriff Reggae"},
    // 95-104
    {"March && Waltz", "US March"}, {"March && Waltz", "German March 1"},
    {"March && Waltz", "6/8 March"}, {"March && Waltz", "Polka Oberkrainer"},
    {"March && Waltz", "Waltz Oberkrainer"}, {"March && Waltz", "Guitar Serenade"},
    {"March && Waltz", "Tarantella 1"}, {"March && Waltz", "Polka Pop 1"},
    {"March && Waltz", "Jazz Waltz"}, {"March && Waltz", "Slow Waltz"},
    // 105-124
    {"Ballroom", "Viennese Waltz"}, {"Ballroom", "English Waltz"}, {"Ballroom", "Slowfox 1"},
    {"Ballroom", "Quickstep"}, {"Ballroom", "Tango"}, {"Ballroom", "Samba"},
    {"Ballroom", "Rumba"}, {"Ballroom", "Cha Cha Cha"}, {"Ballroom", "Pasodoble 1"},
    {"Ballroom", "Jive"}, {"Ballroom", "Metronome 1/4"}, {"Ballroom", "Metronome 2/4"},
    {"Ballroom", "Metronome 3/4"}, {"Ballroom", "Metronome 4/4"},
    {"Ballroom", "Metronome 6/8"}, {"Ballroom", "Bass Chord Hold 1"},
    {"Ballroom", "Bass Chord Hold 2"}, {"Ballroom", "Bass Chord Hold 3"},
    {"Ballroom", "Bass Chord Hold 4"}, {"Ballroom", "Bass Chord Hold 5"},
}};

const std::array<std::string_view, kFlashStyleCount> kFactoryFlashNames = {{
    // I
    "60's Rock 1", "60's Rock 2", "8 Beat 5", "8BeatRock2", "8BeatRock3", "8Bt Ballad2", "Barock",
    "Root Rock 2", "Root Rock 3", "Slow Rock",
    "No Data", "No Data", "No Data", "No Data", "No Data",
    // II
    "UptownShffl", "LA Groove", "Funk", "AnalgBallad", "Hip Hop Pop", "16BtBallad1", "16BtBallad2",
    "EP Ballad", "Pop Ballad", "16RkBallad",
    "No Data", "No Data", "No Data", "No Data", "No Data",
    // III
    "6/8 Trance", "16DanceShfl", "70's Disco2", "Dance Funk", "Dance Soul", "Disco", "DiscoFusion",
    "DiscoHands", "Eurobeat", "Groundbeat", "Handbag", "Party Pop", "Soul Dance", "Techno 1",
    "Trance 2",
    // IV (numbers 11 and 12 exist on the PSR-9000pro only)
    "Bebop", "BBandShffle", "Cat Groove", "Foxtrot 1", "Foxtrot 2", "JazzBallad2", "LoungePiano",
    "MidnightSwg", "Miller Bld", "OrganQckstp", "Vocal Swing", "Jazz Singer",
    "No Data", "No Data", "No Data",
    // V
    "16Beat Funk", "60's Rock 3", "BluesShffle", "Boogie 2", "LovelyShffl", "Motown",
    "Motown Soul", "Soul Beat", "Pop Shuffle", "Twist",
    "No Data", "No Data", "No Data", "No Data", "No Data",
    // VI
    "Bluegrass 2", "Carpenter", "C.TwoStep", "Cntry8Beat1", "Cntry8Beat2", "Country Pop",
    "CntrySwing2", "Cowboy Boog", "Cowboy Rock", "SingerSongW",
    "No Data", "No Data", "No Data", "No Data", "No Data",
    // VII
    "Espagnole", "RumbaFlamen", "Salsa", "RumbaIsland", "Piano Rumba", "Beguine", "GuitarBossa",
    "Bossa Band", "HappyReggae", "JumboReggae",
    "No Data", "No Data", "No Data", "No Data", "No Data",
    // VIII
    "Showtune", "Polka Pop 2", "Ger.March 2", "Jig", "Reel", "Musette", "Swing Waltz", "Pop Waltz",
    "Christ 3/4", "Christ 4/4",
    "No Data", "No Data", "No Data", "No Data", "No Data",
}};
// clang-format on

} // namespace tombrel
