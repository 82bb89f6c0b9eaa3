#pragma once

// The open family as GEDCOM 5.5.1, for other genealogy programs: every
// person, every union, the children in the families of their parents, the
// photos with their captions, the voice fragment and the life descriptions.

#include <string>

#include "store/clock.h"
#include "store/session.h"

namespace brinox {

struct GedcomCounts {
    int persons = 0;
    int families = 0;
    int media = 0;
    int notes = 0;
};

struct GedcomExport {
    std::string text;  // UTF-8, CRLF line ends
    GedcomCounts counts;
};

GedcomExport exportGedcom(const Session& session, const Moment& today);

}  // namespace brinox
