#pragma once

// The program's icon, painted at every size the desktop asks for: a few octaves of a keyboard
// under a coloured panel.

#include <QIcon>

namespace tombrel {

QIcon programIcon();

} // namespace tombrel
