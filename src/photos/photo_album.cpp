#include "photos/photo_album.h"

#include <algorithm>
#include <cstddef>

#include "store/ansi_text.h"
#include "store/case_insensitive_files.h"
#include "store/io_errors.h"
#include "store/number_text.h"

namespace brinox {
namespace {

constexpr std::size_t kShownNameLength = 20;
// Above any person count, so that a long row of digits needs no more.
constexpr long kNumberCap = 1'000'000;

std::string shownName(const std::filesystem::path& file) {
    const std::string onDisk = file.filename().string();
    std::string name = utf8ToAnsi(onDisk).value_or(pathForMessage(file.filename()));
    name.resize(std::min(name.size(), kShownNameLength));
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return name;
}

bool byShownName(const AlbumEntry& a, const AlbumEntry& b) {
    // Unsigned bytes, so that accented letters sort after the plain ones; the
    // names on disk break ties, so that the order never depends on the listing.
    const auto bytes = [](const std::string& text) {
        return std::basic_string_view<unsigned char>(reinterpret_cast<const unsigned char*>(text.data()), text.size());
    };
    if (a.name != b.name) return bytes(a.name) < bytes(b.name);
    return a.file.filename() < b.file.filename();
}

// The typed text as a number no larger than kNumberCap; empty unless digits only.
std::optional<long> typedNumber(std::string_view typed) {
    if (typed.empty()) return std::nullopt;
    long value = 0;
    for (const char c : typed) {
        if (c < '0' || c > '9') return std::nullopt;
        value = std::min(kNumberCap, value * 10 + (c - '0'));
    }
    return value;
}

}  // namespace

std::vector<AlbumEntry> listAlbum(const std::filesystem::path& familyDirectory) {
    std::vector<AlbumEntry> entries;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(familyDirectory, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        if (!it->is_regular_file(kind) || !matchesPattern("fam*.jpg", it->path().filename().string())) continue;
        entries.push_back({it->path(), shownName(it->path())});
    }
    std::sort(entries.begin(), entries.end(), byShownName);
    if (entries.size() > static_cast<std::size_t>(kAlbumCapacity)) entries.resize(kAlbumCapacity);
    return entries;
}

std::optional<int> albumPersonNumber(std::string_view name) {
    if (name.size() < 6) return std::nullopt;
    const auto number = parseNumberText(name.substr(3, 3));
    if (!number) return std::nullopt;
    return *number;
}

std::filesystem::path placeholderPicture(const std::filesystem::path& dataDirectory) {
    return findIgnoringCase(dataDirectory, "blanco.jpg").value_or(std::filesystem::path());
}

AlbumPage albumPage(const std::vector<AlbumEntry>& entries, int offset, const std::filesystem::path& placeholder) {
    AlbumPage page;
    for (int i = 0; i < kAlbumCells; ++i) {
        const long index = static_cast<long>(offset) + i;
        auto& cell = page[static_cast<std::size_t>(i)];
        if (index >= 0 && index < static_cast<long>(entries.size())) {
            const auto& entry = entries[static_cast<std::size_t>(index)];
            cell = {static_cast<int>(index) + 1, entry.name, entry.file};
        } else {
            cell = {0, "", placeholder};
        }
    }
    return page;
}

int nextPageOffset(int offset, int count) { return offset < count ? offset + kAlbumCells : offset; }

int previousPageOffset(int offset) { return std::max(0, offset - kAlbumCells); }

std::optional<QuickPageChoice> quickPageChoice(std::string_view typed, const std::vector<AlbumEntry>& entries,
                                               int personCount) {
    const auto number = typedNumber(typed);
    if (!number) return std::nullopt;
    QuickPageChoice choice;
    long wanted = *number;
    if (wanted == 0) {
        wanted = 1;
        choice.edit = "1";
    }
    if (wanted > personCount) {
        wanted = personCount;
        choice.edit = std::to_string(personCount);
    }
    const auto first = std::find_if(entries.begin(), entries.end(), [wanted](const AlbumEntry& entry) {
        const auto person = albumPersonNumber(entry.name);
        return person && *person >= wanted;
    });
    choice.offset = static_cast<int>(first - entries.begin());
    return choice;
}

std::string albumCaption(int count) {
    return "Fotoalbum van de familie VAN DORKUM   aantal plaatjes " + std::to_string(count);
}

bool selectFromAlbum(Session& session, Prompt& prompt, const AlbumCell& cell) {
    if (cell.name.empty()) return false;
    const auto number = albumPersonNumber(cell.name);
    if (!number || !session.persons.isPerson(RecordNo(*number))) return false;
    const RecordNo person(*number);
    std::string question = "Wilt U nu terug naar de Kwartierstaat\nmet ";
    question += session.persons.getFirstNames(person);
    question += "  ";
    question += session.persons.getFamilyName(person);
    question += "\ngeselecteerd?";
    if (prompt.message(MessageKind::Confirmation, question, {Button::Yes, Button::No}) != Button::Yes) return false;
    session.selectedPerson = person;
    return true;
}

}  // namespace brinox
