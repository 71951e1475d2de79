#pragma once

// A registration backup or an archive as one JSON document, and back:
//   {"format": "tombrel", "version": 1, "kind": "registration-backup" | "archive",
//    "model": "PSR-9000" | "PSR-9000pro" (backups only), "lines": [...]}
// with the lines {"bank": ...}, {"category": ..., "expanded": ...} and {"registration": {...}}
// in list order. The rules of the document (its lines, the fields of a registration, what is
// refused) are the core's; this is the JSON text around them. docs/JSON.md describes the schema.

#include "core/commands/RegFieldForm.h"
#include "core/commands/TextForm.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tombrel::textform {

// The document's text: UTF-8, the header one key a line and every line of the list on one line of
// its own (a registration with all its fields), a newline at the end.
std::string writeJsonDocument(const TextFormDocument& document, const TextFormNames& names);

struct JsonImport {
    std::optional<TextFormDocument> document; // nothing when refused
    std::optional<UserMessage> refusal;       // the first problem, naming its line and field
    std::vector<UserMessage> warnings;        // names that disagree, fields taken from the default
};

// Reads and checks a whole document; a refused document gives no lines at all.
JsonImport readJsonDocument(std::string_view text, const TextFormNames& names);

// Writes the document to `path` through a temporary file (the file there stays whole on failure).
std::optional<UserMessage> writeJsonFile(const std::string& path, const TextFormDocument& document,
                                         const TextFormNames& names);
// Reads the file at `path`; a file that cannot be read is refused with the platform's text.
JsonImport readJsonFile(const std::string& path, const TextFormNames& names);

} // namespace tombrel::textform
