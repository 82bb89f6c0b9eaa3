#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "store/family_load.h"
#include "support/family_builder.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace brinox::testing {

// The family SMIT: Gerrit (1) has the fragment "fam001.wav", spelled in
// lower case; Anna (2) has none. "elders/ander.wav" lies outside the family.
struct VoiceFamily {
    VoiceFamily() {
        Session family;
        addPerson(family.persons, {'m', "Dorkum", "Gerrit", 1920});
        addPerson(family.persons, {'v', "Smit", "Anna", 1922});
        writeFamily(family, dir.path(), "SMIT");
        writeBytes(fragment, oldBytes);
        std::filesystem::create_directory(dir / "elders");
        writeBytes(other, newBytes);
        session.dataDirectory = dir.path();
        session.familyCode = "SMIT";
        ScriptedPrompt quiet;
        LoadFamily(session, quiet);
    }

    TempDir dir;
    Session session;
    const std::filesystem::path folder = dir / "SMIT";
    const std::filesystem::path fragment = folder / "fam001.wav";
    const std::filesystem::path other = dir / "elders/ander.wav";
    const std::vector<std::uint8_t> oldBytes = {'R', 'I', 'F', 'F', 1, 2, 3};
    const std::vector<std::uint8_t> newBytes = {'R', 'I', 'F', 'F', 9, 8, 7, 6, 5};
};

}  // namespace brinox::testing
