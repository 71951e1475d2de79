#pragma once

// Protocols: plain-text listings of every registration of one pane, one line each, either as a
// table with blanks and vertical bars for reading or separated by tabs for spreadsheets. The text
// is single-byte (as stored) with CR LF line ends.

#include "core/record/ArchiveEntry.h"
#include "core/record/RegEntry.h"
#include "core/text/Messages.h"

#include <optional>
#include <ostream>
#include <string>

namespace tombrel {

class StyleNameTable;

enum class ProtocolType { Blank = 0, Tab = 1 };

// The registration side's lines: a bank column with the bank and slot of each registration.
void writeRegistrationProtocol(std::ostream& out, ProtocolType type, const RegList& lines,
                               const StyleNameTable& styles);
// The archive side's display list: collapsed categories are listed through their hidden lines.
void writeArchiveProtocol(std::ostream& out, ProtocolType type, const ArchiveList& list,
                          const StyleNameTable& styles);

// The same, into a file (replaced safely); the message to show when it cannot be written.
std::optional<UserMessage> writeRegistrationProtocolFile(const std::string& path, ProtocolType type,
                                                         const RegList& lines,
                                                         const StyleNameTable& styles);
std::optional<UserMessage> writeArchiveProtocolFile(const std::string& path, ProtocolType type,
                                                    const ArchiveList& list,
                                                    const StyleNameTable& styles);

} // namespace tombrel
