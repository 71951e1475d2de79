#pragma once

// What the main-window tests make their files from: an active registration with a title, and
// bytes written to a path.

#include "core/record/RegRecord.h"

#include <QString>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace tombrel::test {

inline RegRecord named(const std::string& title) {
    RegRecord r = RegRecord::empty();
    r.setTitle(title);
    r.setActive(true);
    return r;
}

inline void writeFile(const QString& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

} // namespace tombrel::test
