#pragma once

// Everything that lives for the whole run, owned in one place and handed by
// reference to the windows and the logic that need it.

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "store/family_lock.h"
#include "store/family_stamp.h"
#include "store/file_calls.h"
#include "store/number_text.h"
#include "store/person_table.h"
#include "store/prompt.h"
#include "store/union_table.h"

namespace brinox {

inline constexpr Colour kDefaultPedigreeColour = 0x008000;    // green
inline constexpr Colour kDefaultChildrenColour = 0x008080;    // olive
inline constexpr Colour kDefaultPhotoBackground = 0x808000;  // teal
inline constexpr std::uint16_t kDefaultFrameBorderWidth = 10;
inline constexpr std::uint16_t kDefaultFrameBevelWidth = 5;
inline constexpr std::uint16_t kMaxFrameWidth = 30;

// What the person selection window keeps between openings.
struct SelectionState {
    static constexpr int kHistorySlots = 18;

    int listKind = 1;  // 1 family name .. 6 history
    int savedTopLine = 0;
    std::string searchWord;
    std::string result;  // the chosen record number as text, empty for none
    RecordNo reference;
    std::array<RecordNo, kHistorySlots> history{};  // oldest first
    int historyCount = 0;

    // After a family was loaded: the first list, and `start` alone in the history.
    void restart(RecordNo start) {
        listKind = 1;
        history.fill(RecordNo());
        history[0] = start;
        historyCount = 1;
    }
};

// The relationship window's two persons and the person pointed at in its
// drawings. B keeps its last value between openings (record 9 at first); the
// identification of a pointed-at ancestor may make that ancestor the new B.
struct RelationshipPersons {
    RecordNo personA;
    RecordNo personB{9};
    RecordNo pointedAt;
};

struct Session {
    PersonTable persons;
    UnionTable unions;

    std::filesystem::path dataDirectory;
    std::string familyCode;
    bool changed = false;
    bool passwordGiven = false;
    // Set when saving would destroy what is on disk (a file that could not
    // be read, more than the tables hold, a save that could not be finished):
    // saving is refused with this reason until the family is loaded again.
    std::string saveRefusal;
    // What the family files held when the tables came from them or went to them.
    FamilyStamp onDisk;
    // The program keeps the open family locked; the command-line companion
    // holds the lock only while it loads and while it saves.
    bool lockWhileOpen = false;
    std::shared_ptr<FamilyLock> familyLock;
    // The calls through which family files are read and written; tests put in their own.
    FileCalls* fileCalls = &systemFileCalls();

    RecordNo selectedPerson{1};
    RecordNo startPerson;
    SelectionState selection;
    RelationshipPersons relationship;

    bool newPersonMode = false;
    RecordNo newRecordNumber;
    bool titleShown = false;
    bool hintsOn = true;
    // How long a hint stays up, in ms; 0 leaves it to the toolkit.
    int hintShowMillis = 0;

    RecordNo photoPerson;
    bool photoRestart = true;
    char currentPhotoLetter = 'A';
    // The photo the slide viewer or the large view showed last.
    std::filesystem::path currentPhotoFile;
    // The number of album photos before the album's page; kept between
    // openings, 0 again for every family loaded.
    int albumPageOffset = 0;

    Colour pedigreeColour = kDefaultPedigreeColour;
    Colour childrenColour = kDefaultChildrenColour;
    Colour photoBackground = kDefaultPhotoBackground;
    std::uint16_t frameBorderWidth = kDefaultFrameBorderWidth;
    std::uint16_t frameBevelWidth = kDefaultFrameBevelWidth;
};

// The person the selection window handed back: empty when nothing was
// chosen or the text names no person of the table (0 and free slots included).
inline std::optional<RecordNo> chosenPerson(const Session& session) {
    const auto number = parseNumberText(session.selection.result);
    if (!number || !session.persons.isPerson(RecordNo(*number))) return std::nullopt;
    return RecordNo(*number);
}

// "Tjalko" for the family VDORKUM, "7341PX" for every other family.
inline std::string familyPassword(const std::string& familyCode) {
    return familyCode == "VDORKUM" ? "Tjalko" : "7341PX";
}

}  // namespace brinox
