// make-examples: the demo backup set and the demo archive of the examples folder, written by the
// same sides that the desktop program saves with.

#include "cli/Commands.h"
#include "cli/Workspace.h"
#include "core/files/BackupSet.h"
#include "core/files/FolderSearch.h"
#include "core/names/StyleNameTable.h"
#include "core/names/VoiceTable.h"
#include "core/sides/RegListRules.h"

#include <string>
#include <string_view>
#include <vector>

namespace tombrel::cli {

namespace {

// One demo registration. A style is named as the keyboard's preset list or factory flash list
// spells it; an empty style name with a disk number picks a disk style.
struct DemoRegistration {
    std::string_view title;
    std::string_view style;
    int tempo;
    int mainSection; // 0..3 for Main A..D
    std::string_view r1;
    std::string_view r2 = {};
    std::string_view left = {};
    std::string_view song = {};
    bool active = true;
    int diskStyle = -1;
};

struct DemoBank {
    std::string_view title;
    std::vector<DemoRegistration> registrations;
};

// The backup: four named banks; the keyboard fills the rest with unnamed ones.
const std::vector<DemoBank>& demoBanks() {
    static const std::vector<DemoBank> banks = {
        {"Ballads",
         {
             {"Piano Ballad", "Piano Ballad", 76, 0, "Piano - Grand Piano", "Strings - Strings",
              "Strings - SlowStrings"},
             {"Love Song", "Love Song", 72, 1, "E-Piano - Galaxy EP", "Strings - Live! Strs",
              "Strings - ChamberStrs"},
             {"Guitar Ballad",
              "Guitar Ballad",
              80,
              0,
              "Guitar - Live! Nylon",
              {},
              "Strings - Cello"},
             {"Moon River", "Jazz Waltz", 96, 1, "Trumpet - SweetMuteTp", "Strings - OrchStrings",
              "Piano - Grand Piano", "ATA00:/SONGS/MOONRIVR.MID"},
             {"Organ Ballad", "Organ Ballad", 68, 2, "Organ - Jazz Organ1"},
             {"Evening Strings",
              "Acoustic Ballad",
              70,
              0,
              "Strings - Symphon.Str",
              {},
              {},
              {},
              false},
         }},
        {"Party",
         {
             {"Disco Fox", "Disco Fox", 124, 1, "Trumpet - SoloTrumpet", "Strings - Strings"},
             {"Rock & Roll",
              "Rock && Roll",
              170,
              3,
              "Piano - Rock Piano",
              {},
              {},
              "FDDRV:/PARTY/JOHNNYBG.MID"},
             {"Samba City", "Samba City", 100, 2, "Accordion - Tango Accrd"},
             {"Twist Again", "Croco Twist", 152, 1, "Organ - Rock Organ1"},
             {"70s Disco", "70's Disco", 118, 0, "E-Piano - Funk EP", "Guitar - Funk Guitar"},
             {"Euro Dance", "Eurobeat", 134, 3, "Organ - Dance Organ"},
         }},
        {"Jazz Club",
         {
             {"Big Band Swing", "Big Band 1", 140, 2, "Trumpet - JazzTrumpet"},
             {"Bossa Nova",
              "Bossa Nova",
              130,
              0,
              "Guitar - Jazz Guitar",
              {},
              {},
              "ATA00:/JAZZ/GIRLIPAN.MID"},
             {"Night Blues", "6/8 Blues", 60, 1, "Organ - Jazz Organ1", "Guitar - Jazz Guitar"},
             {"Slow Swing", "", 88, 0, "Piano - Grand Piano", {}, {}, {}, true, 3},
         }},
        {"Oldies",
         {
             {"Viennese Waltz", "Viennese Waltz", 176, 0, "Strings - Solo Violin",
              "Strings - OrchStrings"},
             {"Polka Night", "Polka Pop 1", 116, 1, "Accordion - Steirisch"},
             {"Tango Argentino", "Tango", 120, 2, "Accordion - Bandoneon", "Strings - Strings"},
             {"US March", "US March", 118, 0, "Trumpet - SoloTrumpet"},
         }},
    };
    return banks;
}

// The archive: categories holding bank title lines and registrations; one stays empty.
struct DemoCategory {
    std::string_view name;
    std::vector<DemoBank> groups; // a group with a title opens with a bank title line
};

const std::vector<DemoCategory>& demoCategories() {
    static const std::vector<DemoCategory> categories = {
        {"Ballads",
         {{"Piano",
           {
               {"Piano Ballad", "Piano Ballad", 76, 0, "Piano - Grand Piano", "Strings - Strings",
                "Strings - SlowStrings"},
               {"Love Song", "Love Song", 72, 1, "E-Piano - Galaxy EP", "Strings - Live! Strs"},
           }},
          {"Guitar",
           {
               {"Guitar Ballad", "Guitar Ballad", 80, 0, "Guitar - Live! Nylon"},
               {"Spanish Romance",
                "6/8 Slow Rock",
                66,
                1,
                "Guitar - Spanish Gtr",
                {},
                {},
                "ATA00:/GUITAR/ROMANCE.MID"},
           }}}},
        {"Dance",
         {{"",
           {
               {"Disco Fox", "Disco Fox", 124, 1, "Trumpet - SoloTrumpet", "Strings - Strings"},
               {"Euro Dance", "Eurobeat", 134, 3, "Organ - Dance Organ"},
               {"Samba City", "Samba City", 100, 2, "Accordion - Tango Accrd"},
           }}}},
        {"Jazz",
         {{"",
           {
               {"Big Band Swing", "Big Band 1", 140, 2, "Trumpet - JazzTrumpet"},
               {"Bossa Nova", "Bossa Nova", 130, 0, "Guitar - Jazz Guitar"},
               {"Slow Swing", "", 88, 0, "Piano - Grand Piano", {}, {}, {}, true, 3},
           }}}},
        {"Ballroom",
         {{"Standard",
           {
               {"Viennese Waltz", "Viennese Waltz", 176, 0, "Strings - Solo Violin"},
               {"Quickstep", "Quickstep", 200, 1, "Trumpet - SoloTrumpet"},
           }},
          {"Latin",
           {
               {"Cha Cha Cha", "Cha Cha Cha", 122, 0, "Piano - BrightPiano"},
               {"Tango Argentino", "Tango", 120, 2, "Accordion - Bandoneon"},
           }}}},
        {"New Ideas", {}},
    };
    return categories;
}

int voiceKey(std::string_view name) {
    for (int row = 0; row < VoiceTable::RowCount; ++row) {
        if (VoiceTable::nameOfRow(row) == name)
            return VoiceTable::keyOfRow(row);
    }
    return RegRecord::NoVoice;
}

int styleIndexOf(std::string_view name) {
    for (int i = 0; i < kPresetStyleCount; ++i) {
        if (kPresetStyles[static_cast<size_t>(i)].name == name)
            return i;
    }
    for (int p = 0; p < kFlashStyleCount; ++p) {
        if (kFactoryFlashNames[static_cast<size_t>(p)] == name)
            return kFirstFlashStyle + p;
    }
    return -1;
}

// The names of the tables above must all exist; a misspelt one stops the generator.
std::optional<RegRecord> makeRecord(const DemoRegistration& demo, std::ostream& err) {
    RegRecord record = RegRecord::empty();
    record.setTitle(demo.title);
    record.setActive(demo.active);
    const int style =
        demo.diskStyle >= 0 ? kFirstDiskStyle + demo.diskStyle : styleIndexOf(demo.style);
    if (style < 0) {
        err << "unknown style '" << demo.style << "'\n";
        return std::nullopt;
    }
    record.setStyleIndex(style);
    record.setTempo(demo.tempo);
    record.setVariation(8 + demo.mainSection);
    record.setAccVolume(100);
    const struct {
        VoicePart part;
        std::string_view name;
        int volume;
    } voices[] = {{VoicePart::R1, demo.r1, 100},
                  {VoicePart::R2, demo.r2, 80},
                  {VoicePart::Left, demo.left, 70}};
    for (const auto& voice : voices) {
        if (voice.name.empty()) {
            record.setVoiceOn(voice.part, false);
            continue;
        }
        const int key = voiceKey(voice.name);
        if (key == RegRecord::NoVoice) {
            err << "unknown voice '" << voice.name << "'\n";
            return std::nullopt;
        }
        record.setVoice(voice.part, key);
        record.setVoiceOn(voice.part, true);
        record.setVolume(voice.part, voice.volume);
    }
    record.setVoiceOn(VoicePart::R3, false);
    if (!demo.song.empty()) {
        record.setSongPath(demo.song);
        record.setSongPlayer(true);
        record.setSongVolume(90);
    }
    return record;
}

bool writeDemoBackupSet(const std::string& folder, CommandContext& context) {
    RegList lines;
    for (const DemoBank& bank : demoBanks()) {
        lines.push_back(RegEntry::bankLine(std::string(bank.title)));
        for (const DemoRegistration& demo : bank.registrations) {
            std::optional<RegRecord> record = makeRecord(demo, context.err);
            if (!record)
                return false;
            lines.push_back(RegEntry::registration(*record));
        }
    }
    const std::string setFolder = joinPath(folder, "Demo.buf");
    if (!createBackupSetFolder(setFolder)) {
        context.ui.warn(userMessage(msg::ErrorCreatingBackupStructure));
        return false;
    }

    Workspace workspace(context.ui);
    RegistrationSide& side = workspace.registrations();
    RegSideOptions options = side.options();
    options.backupStructure = true; // BACKUP.INI beside the backup, as on the keyboard's media
    side.setOptions(options);
    if (!workspace.newRegistrationBackup(KeyboardModel::Psr9000))
        return false;
    side.lines() = std::move(lines);
    side.normaliseRegList(0);
    side.setModified();
    return side.saveRegBackupTo(joinPath(setFolder, regBackupFileName(KeyboardModel::Psr9000)));
}

bool writeDemoArchive(const std::string& folder, CommandContext& context) {
    Workspace workspace(context.ui);
    ArchiveSide& side = workspace.archive();
    side.newArchive();
    for (const DemoCategory& category : demoCategories()) {
        const int end = static_cast<int>(side.list().size());
        if (!side.newCategory(end, std::string(category.name)))
            return false;
        for (const DemoBank& group : category.groups) {
            if (!group.title.empty())
                side.list().emplace_back(RegEntry::bankLine(std::string(group.title)));
            for (const DemoRegistration& demo : group.registrations) {
                std::optional<RegRecord> record = makeRecord(demo, context.err);
                if (!record)
                    return false;
                side.list().emplace_back(RegEntry::registration(*record));
            }
        }
    }
    side.recomputeLastCategoryIndex();
    side.refreshCountText();
    return side.writeArchive(joinPath(folder, "Demo.yra"));
}

} // namespace

int runMakeExamples(CommandContext& context) {
    const std::string& folder = context.args.positional[0];
    if (!writeDemoBackupSet(folder, context) || !writeDemoArchive(folder, context))
        return ExitFailed;
    return ExitOk;
}

} // namespace tombrel::cli
