#pragma once

// What an import could not keep as the file said it, counted by kind with
// the first few persons (or tags) it concerns, for the summary at the end.

#include <array>
#include <string>
#include <vector>

namespace brinox {

enum class Loss {
    LongName,        // a name cut to 50 characters
    Characters,      // characters Windows-1252 cannot hold, stored as "?"
    LongNote,        // notes beyond two lines of 80, kept as a life description
    LongCaption,     // a photo title cut to 100 characters
    ManyUnions,      // more than five unions of one person (all kept)
    Dates,           // approximate or unreadable dates: what could be held
    Sex,             // neither M nor F: stored as a man
    MissingFile,     // a photo or sound named in the file but not found
    TooManyFiles,    // beyond 15 photos, one sound or 20 texts of one person
    Cycle,           // a person among his own ancestors: the link is dropped
    UnknownTag,      // data the program has no place for
    UnreadableLine,  // lines that are no GEDCOM
};

inline constexpr std::size_t kLossKinds = 12;

class ImportLosses {
public:
    // Counts one loss of `kind` concerning `who` (a name, a tag).
    void add(Loss kind, const std::string& who);
    void addLines(int count);
    bool empty() const;
    // The summary's lines, Windows-1252, one per kind that occurred.
    std::string describe() const;

private:
    struct Tally {
        int count = 0;
        std::vector<std::string> first;
    };
    std::array<Tally, kLossKinds> m_tallies;
};

}  // namespace brinox
