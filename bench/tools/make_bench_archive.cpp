// Writes the archive the whole-process benchmarks work on (bench/cli_ratios.sh): 100 categories
// of 1000 registrations, a bank title line before every 8, each registration with its own title,
// style, tempo, voices and volumes taken from the keyboard's tables, so that listings, protocols
// and searches see the variety of a real collection.
//
// Usage: tombrel_make_bench_archive OUT [REGISTRATIONS]

#include "core/files/ArchiveFile.h"
#include "core/names/VoiceTable.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace tombrel;

constexpr int kPerCategory = 1000;
constexpr int kPerBank = 8;

RegRecord registration(int n) {
    RegRecord r = RegRecord::empty();
    char title[RegRecord::TitleSize + 1];
    std::snprintf(title, sizeof title, "Song %05d", n);
    r.setTitle(title);
    r.setActive(n % 7 != 0);
    r.setStyleIndex(n % RegRecord::FirstDiskStyle);
    r.setTempo(60 + n % 120);
    const int rows = VoiceTable::RowCount;
    r.setVoice(VoicePart::R1, VoiceTable::keyOfRow(n % rows));
    r.setVoice(VoicePart::R2, VoiceTable::keyOfRow((n * 7 + 3) % rows));
    r.setVoice(VoicePart::R3, VoiceTable::keyOfRow((n * 13 + 5) % rows));
    r.setVoice(VoicePart::Left, VoiceTable::keyOfRow((n * 17 + 11) % rows));
    r.setVoiceOn(VoicePart::R2, n % 2 == 0);
    r.setVolume(VoicePart::R1, 60 + n % 68);
    r.setAccVolume(40 + n % 88);
    return r;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUT [REGISTRATIONS]\n", argv[0]);
        return 2;
    }
    const int count = argc == 3 ? std::atoi(argv[2]) : 100000;
    if (count <= 0) {
        std::fprintf(stderr, "the number of registrations must be positive\n");
        return 2;
    }
    ArchiveList list;
    for (int n = 0; n < count; ++n) {
        if (n % kPerCategory == 0)
            list.push_back(ArchiveEntry::category("Category " + std::to_string(n / kPerCategory)));
        auto& children = list.back().hiddenChildren;
        if (n % kPerBank == 0)
            children.push_back(RegEntry::bankLine("Bank " + std::to_string(n / kPerBank)));
        children.push_back(RegEntry::registration(registration(n)));
    }
    if (const auto errors = writeArchiveFile(argv[1], list)) {
        for (const UserMessage& message : *errors)
            std::fprintf(stderr, "%s %s\n",
                         message.message ? std::string(message.message->en).c_str() : "",
                         message.platformError.c_str());
        return 1;
    }
    return 0;
}
