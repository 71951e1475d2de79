#include "ui/CommandStatesStandIn.h"

namespace tombrel::standin {

std::map<int, bool> commandStates(const PaneState& registration, const RegList& regLines,
                                  const PaneState& archive, const ArchiveList& archiveLines) {
    std::map<int, bool> on;

    const bool r = registration.open;
    const int count = static_cast<int>(regLines.size());
    const int a = registration.selection.count();
    const std::optional<int> b = registration.selection.onlyReal(count);
    const auto regLine = [&](int i) -> const RegEntry& {
        return regLines[static_cast<size_t>(i)];
    };

    const bool w = archive.open;
    const int n = static_cast<int>(archiveLines.size());
    const int c = archive.selection.count();
    const std::optional<int> d = archive.selection.onlyReal(n);
    const auto archLine = [&](int i) -> const ArchiveEntry& {
        return archiveLines[static_cast<size_t>(i)];
    };

    on[1003] = r && !registration.untitled;
    on[1009] = on[1004] = on[1010] = r;
    on[1030] = r && a == 1;
    on[1033] = r && b.has_value();
    on[1020] = r && a == 1 && count > 0;
    on[1021] = on[1024] = r && (a > 1 || b) && w && c == 1 && n > 0;
    on[1025] = on[1050] = r && (a > 1 || b);
    on[1040] = on[1043] = on[1047] = r;
    on[1026] = r && b && *b > 0 && (regLine(*b).isBankLine || *b > 1);
    bool bankFollows = false;
    if (b) {
        for (int i = *b + 1; i < count && !bankFollows; ++i)
            bankFollows = regLine(i).isBankLine;
    }
    on[1029] = r && b && *b < count - 1 && !(regLine(*b).isBankLine && !bankFollows);

    on[1007] = w && !archive.untitled;
    on[1036] = on[1008] = on[1011] = w;
    on[1032] = w && c == 1;
    on[1035] = on[1052] = w && d && archLine(*d).isCategory;
    on[1031] = on[1012] = w && c == 1 && n > 0;
    on[1034] = w && d && !archLine(*d).isCategory;
    on[1013] = on[1014] = w && (c > 1 || d) && r && a == 1;
    on[1015] = on[1051] = w && (c > 1 || d);
    on[1041] = on[1044] = on[1048] = w;
    on[1016] = w && d && *d > 0 && (archLine(*d).isCategory || !archLine(*d - 1).isCategory);
    bool laterCategory = false;
    if (d) {
        for (int i = *d + 1; i < n && !laterCategory; ++i)
            laterCategory = archLine(i).isCategory;
    }
    on[1017] = w && d && *d < n - 1 &&
               (archLine(*d).isCategory ? laterCategory : !archLine(*d + 1).isCategory);
    return on;
}

} // namespace tombrel::standin
