// Writes the photos, captions and sounds that ship with the demo family:
//
//     make_demo_media DEMO_DIR SHIPPED_DIR
//
// reads the persons of DEMO_DIR/VDORKUM/VDORKUM.da1 (see make_demo_family)
// and writes DEMO_DIR/VDORKUM/famNNNL.jpg with their captions in
// DEMO_DIR/VDORKUM/VDORKUM.tx1, the voice fragment of Gerrit (12) as
// DEMO_DIR/VDORKUM/fam012.WAV, and SHIPPED_DIR/blanco.jpg (the photo album's
// empty cell) and SHIPPED_DIR/qlm.wav (the About window's sound).
// Every picture is painted here in code and shows nobody real; the output is
// the same bytes on every run.

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <system_error>
#include <variant>
#include <vector>

#include "demo_media/canvas.h"
#include "demo_media/media_files.h"
#include "demo_media/scenes.h"
#include "store/ansi_text.h"
#include "store/attachment_names.h"
#include "store/family_files.h"
#include "store/regular_file.h"
#include "store/safe_save.h"

namespace {

using namespace brinox;
using namespace brinox::demo;

struct DemoPhoto {
    int person;  // record number; a person's photos get the letters A, B, ... in table order
    int width, height;
    Scene scene;
    Look look;
    const char* caption;  // UTF-8; nullptr: no caption record for this photo
};

// clang-format off
const std::vector<DemoPhoto> kPhotos = {
    { 1,  480,  640, Scene::Portrait,   Look::Sepia,  "Hendrik van Dorkum, omstreeks 1880"},
    { 1,  640,  480, Scene::Farm,       Look::Sepia,  "De boerderij aan de Drostendijk bij Dalen"},
    { 2,  480,  640, Scene::Portrait,   Look::Sepia,  "Geertruida Bosch"},
    { 3,  640,  480, Scene::Village,    Look::Sepia,  "De smederij van Jan Mulder in Coevorden"},
    { 4,  480,  640, Scene::Portrait,   Look::Sepia,  nullptr},
    { 5,  800,  600, Scene::Pasture,    Look::Sepia,  "Willem met zijn koeien in het Oosterveld"},
    { 6,  480,  640, Scene::Portrait,   Look::Sepia,  "Johanna Geertje Mulder op haar trouwdag"},
    { 7,  480,  640, Scene::Portrait,   Look::Sepia,  "Klaas Mulder"},
    { 9,  640,  480, Scene::Church,     Look::Sepia,  "De kerk in Emmen waar Hendrika zondagsschool gaf"},
    {10,  480,  640, Scene::Portrait,   Look::Sepia,  "Maria Smit, 1920"},
    {11,  480,  640, Scene::Portrait,   Look::Faded,  "Reneé Jansen in Brussel"},
    {12, 1600, 1200, Scene::Farm,       Look::Faded,  "Gerrit Hendrik bij de boerderij in Drieën"},
    {12,  480,  640, Scene::Portrait,   Look::Sepia,  ""},
    {12,  640,  480, Scene::Ice,        Look::Faded,  "Met de school op het ijs bij Emmen, 1929"},
    {13,  640,  480, Scene::Village,    Look::Faded,  "De winkel van Geesje in Dalen"},
    {14,  800,  600, Scene::Windmill,   Look::Faded,  "Molen De Hoop, door Albert hersteld"},
    {16,  640,  480, Scene::Heath,      Look::Colour, "Op de heide bij Assen"},
    {17,  800,  600, Scene::Tulips,     Look::Colour, "Anna tussen de tulpen"},
    {18,  640,  480, Scene::Church,     Look::Colour, "De kerk in Zwolle waar Daniël preekte"},
    {19,  480,  640, Scene::Portrait,   Look::Colour, nullptr},
    {20, 1600,  400, Scene::Sea,        Look::Colour, "Het schip van Harm op de Eems bij Delfzijl"},
    {21,  640,  480, Scene::Farm,       Look::Colour, "De boerderij die Hendrik Mulder verbouwde"},
    {25,  480,  640, Scene::Portrait,   Look::Colour, "Willem als jonge huisarts"},
    {26,  800,  600, Scene::Beach,      Look::Colour, "Marijke aan zee"},
    {28,  640,  480, Scene::Evening,    Look::Colour, "Café De Drie Ringen bij avond"},
    {31, 1600,  400, Scene::Dunes,      Look::Colour, "Duinen bij Schiermonnikoog, foto van Sanne"},
    {34,  800,  600, Scene::Waterfront, Look::Colour, "Zoë aan de Graslei in Gent"},
    {35,  480,  640, Scene::Portrait,   Look::Colour, nullptr},
    {39,  640,  480, Scene::Beach,      Look::Colour, "Luuk bouwt een zandkasteel"},
    {40,  480,  640, Scene::Portrait,   Look::Colour, "Chloë, tien jaar oud"},
};
// clang-format on

const char* const kFamilyCode = "VDORKUM";
constexpr int kQuality = 80;
constexpr int kSampleRate = 22050;
constexpr int kVoiceRate = 11025;
constexpr int kVoicePerson = 12;

void check(bool condition, const std::string& what) {
    if (!condition) throw std::runtime_error(what);
}

std::map<int, PersonRecord> readPersons(const FamilyFiles& files) {
    const auto read = readRegularFile(files.persons, kPersonFileLimit);
    check(std::holds_alternative<FileBytes>(read),
          "cannot read " + files.persons.string() + ": run make_demo_family first");
    std::map<int, PersonRecord> persons;
    for (const PersonRecord& record : decodePersonFile(std::get<FileBytes>(read).bytes).records) {
        if (record.sex == 'm' || record.sex == 'v') persons[record.number] = record;
    }
    return persons;
}

void write(const std::filesystem::path& path, std::span<const std::uint8_t> bytes, std::uintmax_t& total) {
    const int error = writeFileAtomically(path, bytes);
    check(error == 0, "cannot write " + path.string() + ": " + std::system_category().message(error));
    total += bytes.size();
}

// Paints and writes every photo of the table; answers their captions.
std::vector<Caption> writePhotos(const FamilyFiles& files, std::uintmax_t& total) {
    const std::map<int, PersonRecord> persons = readPersons(files);
    std::set<int> finished;
    std::vector<Caption> captions;
    int previous = 0;
    char letter = 'A';
    for (const DemoPhoto& photo : kPhotos) {
        check(persons.contains(photo.person), "no person " + std::to_string(photo.person) + " in the family");
        if (photo.person != previous) {
            finished.insert(previous);
            check(!finished.contains(photo.person),
                  "the photos of person " + std::to_string(photo.person) + " are not together in the table");
            previous = photo.person;
            letter = 'A';
        }
        const PersonRecord& person = persons.at(photo.person);
        const std::string key = PersonKey(RecordNo(photo.person)) + letter;
        Canvas canvas(photo.width, photo.height, {0, 0, 0});
        drawScene(canvas, photo.scene, {person.firstNames, person.sex == 'v', photo.look == Look::Sepia},
                  hashText(key));
        applyLook(canvas, photo.look, hashText(key));
        const auto path = files.directory / ("fam" + key + ".jpg");
        write(path, encodeJpeg(canvas, kQuality), total);
        if (photo.caption) {
            const auto text = utf8ToAnsi(photo.caption);
            check(text.has_value(), std::string("not storable as Windows-1252: ") + photo.caption);
            captions.push_back({key, *text});
        }
        ++letter;
    }
    return captions;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: make_demo_media DEMO_DIRECTORY SHIPPED_DIRECTORY\n";
        return 1;
    }
    try {
        const auto files = familyFiles(argv[1], kFamilyCode);
        const std::filesystem::path shipped = argv[2];
        std::uintmax_t total = 0;
        const std::vector<Caption> captions = writePhotos(files, total);
        Canvas blanco(160, 120, {0, 0, 0});
        drawPlaceholder(blanco);
        write(files.directory / (std::string(kFamilyCode) + ".tx1"), encodeCaptions(captions), total);
        // Written as the voice window writes a new fragment: ".WAV".
        const auto fragment = files.directory / ("fam" + PersonKey(RecordNo(kVoicePerson)) + ".WAV");
        write(fragment, encodeWav(voice(kVoiceRate), kVoiceRate), total);
        write(shipped / "blanco.jpg", encodeJpeg(blanco, kQuality), total);
        write(shipped / "qlm.wav", encodeWav(chime(kSampleRate), kSampleRate), total);
        std::cout << kPhotos.size() << " photos and " << captions.size() << " captions written to "
                  << files.directory.string() << " with a voice fragment, blanco.jpg and qlm.wav to " << shipped.string() << "; " << total
                  << " bytes in all\n";
    } catch (const std::exception& e) {
        std::cerr << "make_demo_media: " << e.what() << '\n';
        return 2;
    }
    return 0;
}
