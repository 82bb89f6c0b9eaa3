#include "pedigree/family_counts.h"

#include <cstdint>
#include <system_error>

#include "store/ansi_text.h"
#include "store/case_insensitive_files.h"
#include "store/family_files.h"

namespace brinox {
namespace {

constexpr std::uintmax_t kCaptionRecordSize = 106;

struct Numbers {
    int men = 0;
    int women = 0;
    int unions = 0;
    int photos = 0;
    std::uintmax_t captions = 0;
    int voices = 0;
    int lifeTexts = 0;
    int descendantReports = 0;
};

// Whole caption records; a caption "file" that is a folder, a dangling link
// or anything but a regular file holds none.
std::uintmax_t captionRecords(const std::filesystem::path& directory, const std::string& familyCode) {
    const auto file = findIgnoringCase(directory, ansiToUtf8(familyCode) + ".tx1");
    std::error_code ec;
    if (!file || !std::filesystem::is_regular_file(*file, ec)) return 0;
    const std::uintmax_t size = std::filesystem::file_size(*file, ec);
    return ec ? 0 : size / kCaptionRecordSize;
}

Numbers countFamily(const Session& session) {
    Numbers numbers;
    const PersonTable& persons = session.persons;
    for (int r = 1; r <= persons.count(); ++r) {
        const char sex = persons.getSex(RecordNo(r));
        if (sex == 'm') ++numbers.men;
        if (sex == 'v') ++numbers.women;
    }
    numbers.unions = session.unions.unionCount();
    if (session.familyCode.empty()) return numbers;
    const auto directory = familyFiles(session.dataDirectory, session.familyCode).directory;
    numbers.photos = countMatching(directory, "fam*.jpg");
    numbers.captions = captionRecords(directory, session.familyCode);
    numbers.voices = countMatching(directory, "fam*.wav");
    numbers.lifeTexts = countMatching(directory, "fam*.txt");
    numbers.descendantReports = countMatching(directory, "fam*.afs");
    return numbers;
}

}  // namespace

std::vector<CountRow> familyCounts(const Session& session) {
    const int count = session.persons.count();
    const Numbers n = count > 0 ? countFamily(session) : Numbers{};
    using std::to_string;
    return {
        {"Familie :", session.familyCode},
        {"Het aantal personen in dit bestand is :", to_string(count > 0 ? count : 0)},
        {"Aantal mannen :", to_string(n.men)},
        {"Aantal vrouwen :", to_string(n.women)},
        {"Aantal geregistreerde huwelijken :", to_string(n.unions)},
        {"Aantal aanwezige foto's  :", to_string(n.photos)},
        {"Aantal onderschriften", to_string(n.captions)},
        {"Aantal stemfragmenten :", to_string(n.voices)},
        {"Aantal levensbeschrijvingen :", to_string(n.lifeTexts)},
        {"Aantal nageslacht-files :", to_string(n.descendantReports)},
    };
}

}  // namespace brinox
