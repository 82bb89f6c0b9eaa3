#pragma once

// A GEDCOM file as a new family: its persons and unions in the tables of
// the family files, its photos, sound and notes as the person's attachment
// files. Whatever does not fit is kept as well as it can be and counted in
// the summary; nothing is dropped without a word.

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "gedcom/gedcom_reader.h"
#include "store/person_table.h"
#include "store/record_no.h"
#include "store/union_table.h"
#include "texts/rich_text.h"

namespace brinox {

struct ImportedFile {
    RecordNo person;
    std::string letter;  // "A".."O" for a photo, empty for the sound
    std::string extension;  // ".jpg" or ".WAV"
    std::filesystem::path source;
    std::string caption;  // Windows-1252, photos only
};

struct ImportedText {
    RecordNo person;
    char letter = 'A';
    RichText text;
};

struct ImportedFamily {
    PersonTable persons;
    UnionTable unions;
    std::vector<ImportedFile> files;
    std::vector<ImportedText> texts;
    std::string summary;  // the message at the end, Windows-1252
};

// `folder` is where the GEDCOM file lies: the photos and sounds it names
// are looked for there. Answers the family, or the message (Windows-1252)
// why nothing was read.
std::variant<ImportedFamily, std::string> importGedcom(const GedcomFile& file, const std::filesystem::path& folder);

// The message for a file that was refused before its content was read.
std::string refusalMessage(GedcomRefusal refusal);

}  // namespace brinox
