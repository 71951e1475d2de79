#pragma once

// The program's icon, painted at every size the desktop asks for: a few octaves of a keyboard
// under a coloured panel. The installed PNG sizes are painted by the same code at build time;
// packaging/tombrel.svg is the same drawing as a scalable file.

#include <QIcon>
#include <QImage>

namespace tombrel {

// The sizes the program offers and installs (hicolor's apps folders).
inline constexpr int kProgramIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QImage programIconImage(int size);
QIcon programIcon();

} // namespace tombrel
