#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "photos/caption_file.h"
#include "photos/photo_slots.h"
#include "store/family_load.h"
#include "support/family_builder.h"
#include "support/jpeg_maker.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace brinox::testing {

// The family SMIT: Gerrit (1) has photos A (640 × 480, "Boerderij"), B
// (480 × 640, no caption) and C (500 × 500, "IJs"); Anna (2) has none. The
// folder also holds the user's own "foto1.jpg".
struct PhotoFamily {
    PhotoFamily() {
        Session family;
        addPerson(family.persons, {'m', "Dorkum", "Gerrit", 1920});
        addPerson(family.persons, {'v', "Smit", "Anna", 1922});
        writeFamily(family, dir.path(), "SMIT");
        folder = dir / "SMIT";
        const int sizes[3][2] = {{640, 480}, {480, 640}, {500, 500}};
        for (int i = 0; i < 3; ++i) jpegs[i] = makeJpeg(sizes[i][0], sizes[i][1], solid({std::uint8_t(80 * i), 90, 40}));
        writePhotos();
        session.dataDirectory = dir.path();
        session.familyCode = "SMIT";
        ScriptedPrompt quiet;
        LoadFamily(session, quiet);
    }

    // The photos and captions as at the start, nothing else beside the family files.
    void writePhotos() {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() != ".da1" && entry.path().extension() != ".hu1") {
                std::filesystem::remove(entry.path());
            }
        }
        for (int i = 0; i < 3; ++i) writeBytes(photo(char('A' + i)), jpegs[i]);
        writeBytes(folder / "foto1.jpg", {1, 2, 3});
        CaptionFile captions;
        captions.store("001A", "Boerderij", false);
        captions.store("001C", "IJs", false);
        writeBytes(folder / "SMIT.tx1", captions.encode());
    }

    std::filesystem::path photo(char letter) const { return folder / ("fam001" + std::string(1, letter) + ".jpg"); }
    std::vector<std::filesystem::path> photos() const { return walkPhotos(folder, RecordNo(1)); }

    // Which of the three photos each letter holds now ("ABC" at the start), '?' for none or another file.
    std::string order() const {
        std::string letters;
        for (char letter : std::string("ABC")) {
            const auto bytes = fileBytes(photo(letter));
            char found = '?';
            for (int i = 0; i < 3; ++i) found = bytes == jpegs[i] ? char('A' + i) : found;
            letters += found;
        }
        return letters;
    }

    // The caption of photo `letter`; "-" when no record has its key.
    std::string caption(char letter) const {
        const auto read = readCaptionFile(folder / "SMIT.tx1");
        return std::get<CaptionFile>(read).find("001" + std::string(1, letter)).value_or("-");
    }

    // What the folder holds, but for the lock file, which comes and goes with other copies of the program.
    std::set<std::string> names() const {
        std::set<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) found.insert(entry.path().filename());
        found.erase("SMIT.lck");
        return found;
    }

    const std::set<std::string> kStartNames{"SMIT.da1",    "SMIT.hu1",    "SMIT.tx1", "fam001A.jpg",
                                            "fam001B.jpg", "fam001C.jpg", "foto1.jpg"};

    TempDir dir;
    std::filesystem::path folder;
    std::array<std::vector<std::uint8_t>, 3> jpegs;
    Session session;
};

}  // namespace brinox::testing
