#include "store/arrange_journal.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <set>
#include <sstream>
#include <system_error>

#include "store/ansi_text.h"
#include "store/attachment_names.h"
#include "store/file_copy.h"
#include "store/number_text.h"
#include "store/regular_file.h"
#include "store/safe_save.h"

namespace brinox {
namespace {

// The suffix of a photo's second name and of the new caption file.
const std::string kStaged = ".arrange";
constexpr std::size_t kJournalLimit = 4096;

struct Journal {
    RecordNo person;
    std::vector<std::string> names;  // the photos' new names
    bool captions = false;
};

bool isPresent(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

bool isPhotoLetter(char c) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper >= 'A' && upper <= 'O';
}

// "fam" + the digits + one photo letter + ".jpg", in any letter case.
bool isPhotoName(std::string_view name, std::string_view digits) {
    const std::size_t letterAt = 3 + digits.size();
    return name.size() == letterAt + 5 && equalsIgnoringCase(name.substr(0, 3), "fam") &&
           name.substr(3, digits.size()) == digits && isPhotoLetter(name[letterAt]) &&
           equalsIgnoringCase(name.substr(letterAt + 1), ".jpg");
}

bool isPhotoNameOf(std::string_view name, RecordNo person) { return isPhotoName(name, PersonKey(person)); }

// A photo name of any person, whose second name the suffix may follow.
bool isStagedPhotoName(std::string_view name) {
    if (name.size() <= kStaged.size() || !name.ends_with(kStaged)) return false;
    name.remove_suffix(kStaged.size());
    std::size_t digits = 0;
    while (3 + digits < name.size() && std::isdigit(static_cast<unsigned char>(name[3 + digits]))) ++digits;
    return digits >= 3 && isPhotoName(name, name.substr(3, digits));
}

std::filesystem::path stagedPhoto(const FamilyFiles& files, const std::string& name) {
    return files.directory / (name + kStaged);
}

std::filesystem::path captionTarget(const FamilyFiles& files) { return linkTarget(files.captions); }

std::filesystem::path stagedCaptions(const FamilyFiles& files) {
    auto pending = captionTarget(files);
    pending += kStaged;
    return pending;
}

std::string journalText(const PhotoRenames& renames) {
    std::string text = "arrange " + toText(renames.person) + "\n";
    for (const auto& move : renames.moves) text += "photo " + move.to + "\n";
    if (renames.captions) text += "captions\n";
    return text;
}

// Empty for a journal this program would not have written.
std::optional<Journal> parseJournal(const std::vector<std::uint8_t>& bytes) {
    const std::string text(bytes.begin(), bytes.end());
    if (!text.starts_with("arrange ") || !text.ends_with('\n')) return std::nullopt;
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    const auto person = parseNumberText(std::string_view(line).substr(8));
    if (!person || *person == 0) return std::nullopt;
    Journal journal{RecordNo(*person), {}, false};
    std::set<std::string> seen;
    while (std::getline(lines, line)) {
        if (journal.captions) return std::nullopt;  // "captions" comes last
        if (line == "captions") {
            journal.captions = true;
            continue;
        }
        const std::string name = line.starts_with("photo ") ? line.substr(6) : std::string();
        if (!isPhotoNameOf(name, journal.person) || !seen.insert(name).second) return std::nullopt;
        journal.names.push_back(name);
    }
    return journal;
}

std::optional<RenameFailure> failure(int error, const std::filesystem::path& file, bool committed) {
    return RenameFailure{error, file, committed};
}

// Makes the renames durable in the family folder and, behind a link, in
// the caption file's own folder.
int syncFolders(const FamilyFiles& files, FileCalls& calls) {
    for (const auto& folder : std::set<std::filesystem::path>{files.directory, captionTarget(files).parent_path()}) {
        if (calls.syncDirectory(folder) != 0) return errno;
    }
    return 0;
}

// Never committed: the photos and captions in place are whole; only the
// second names and new files of the change are removed.
std::optional<RenameFailure> clearUncommitted(const FamilyFiles& files, FileCalls& calls) {
    std::vector<std::filesystem::path> remains;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(files.directory, ec), end; !ec && it != end; it.increment(ec)) {
        if (isStagedPhotoName(it->path().filename().string())) remains.push_back(it->path());
    }
    remains.push_back(stagedCaptions(files));
    remains.push_back(pendingName(files.arrangeJournal));
    for (const auto& remain : remains) {
        if (isPresent(remain) && calls.unlink(remain) != 0) return failure(errno, remain, false);
    }
    return std::nullopt;
}

std::optional<RenameFailure> installCommitted(const FamilyFiles& files, const Journal& journal, FileCalls& calls) {
    for (const auto& name : journal.names) {
        const auto staged = stagedPhoto(files, name);
        // Gone: it was moved into place before the interruption.
        if (!isPresent(staged)) continue;
        if (calls.rename(staged, files.directory / name) != 0) return failure(errno, files.directory / name, true);
    }
    if (journal.captions && isPresent(stagedCaptions(files)) &&
        calls.rename(stagedCaptions(files), captionTarget(files)) != 0) {
        return failure(errno, files.captions, true);
    }
    if (const int error = syncFolders(files, calls)) return failure(error, files.directory, true);
    if (calls.unlink(files.arrangeJournal) != 0) return failure(errno, files.arrangeJournal, true);
    if (calls.syncDirectory(files.directory) != 0) return failure(errno, files.directory, true);
    return std::nullopt;
}

// A second name for a photo: a hard link, or a flushed copy where the
// folder has no links.
int stage(const std::filesystem::path& photo, const std::filesystem::path& staged, FileCalls& calls) {
    if (calls.link(photo, staged) == 0) return 0;
    if (!linksImpossible(errno)) return errno;
    return copyToNewFile(photo, staged, calls);
}

}  // namespace

std::optional<RenameFailure> finishInterruptedArrange(const FamilyFiles& files, FileCalls& calls) {
    if (!isPresent(files.arrangeJournal)) return clearUncommitted(files, calls);
    const auto read = readRegularFile(files.arrangeJournal, kJournalLimit, calls);
    if (const auto* problem = std::get_if<ReadError>(&read)) {
        return failure(problem->problem == ReadProblem::NotAFile ? EBADMSG : problem->error, files.arrangeJournal,
                       true);
    }
    const auto& content = std::get<FileBytes>(read);
    const auto journal = content.beyondLimit ? std::nullopt : parseJournal(content.bytes);
    if (!journal) return failure(EBADMSG, files.arrangeJournal, true);
    return installCommitted(files, *journal, calls);
}

std::optional<RenameFailure> renamePhotos(const FamilyFiles& files, const PhotoRenames& renames, FileCalls& calls) {
    const std::string text = journalText(renames);
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    // Checked as a load would check it, before anything is touched.
    const auto journal = parseJournal(bytes);
    const bool photosOnly = std::all_of(renames.moves.begin(), renames.moves.end(), [&](const PhotoMove& move) {
        return isPhotoNameOf(move.from, renames.person);
    });
    if (!journal || !photosOnly) return failure(EINVAL, files.directory, false);
    // A caption file set read-only is meant to stay as it is.
    if (renames.captions && replaceBlocker(captionTarget(files)) != Blocker::None) {
        return failure(EACCES, files.captions, false);
    }
    if (auto earlier = finishInterruptedArrange(files, calls)) return earlier;
    const auto abandon = [&](int error, const std::filesystem::path& file) {
        (void)clearUncommitted(files, calls);
        return failure(error, file, false);
    };
    for (const auto& move : renames.moves) {
        if (const int error = stage(files.directory / move.from, stagedPhoto(files, move.to), calls)) {
            return abandon(error, files.directory / move.from);
        }
    }
    if (renames.captions) {
        if (const int error = writePendingFile(captionTarget(files), stagedCaptions(files), *renames.captions, calls)) {
            return abandon(error, files.captions);
        }
    }
    if (const int error = syncFolders(files, calls)) return abandon(error, files.directory);

    if (const int error = writeFileAtomically(files.arrangeJournal, bytes, calls)) {
        if (!isPresent(files.arrangeJournal)) return abandon(error, files.arrangeJournal);
        // In place but perhaps not yet on the disk: moving photos now, a
        // crash could lose the journal with half of them moved. The next
        // load or arrange finishes the change, or clears it away when the
        // journal did not survive, and then nothing had moved.
        return failure(error, files.arrangeJournal, true);
    }
    return installCommitted(files, *journal, calls);
}

}  // namespace brinox
