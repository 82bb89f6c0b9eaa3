// Writes the demo family's two life descriptions of Gerrit Hendrik van Dorkum
// (record 12) as Rich Text Format: a title, bold and italic words, a colour,
// centred and justified paragraphs, and Dutch accents.
//
//     make_demo_texts FAMILY_DIR

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "store/safe_save.h"
#include "texts/rich_text.h"
#include "texts/rtf_writer.h"

namespace {

using brinox::Alignment;
using brinox::CharFormat;
using brinox::Paragraph;
using brinox::RichText;

const CharFormat kBody{"Times New Roman", 24, false, false, false, false, std::nullopt};
const CharFormat kTitle{"Arial", 32, true, false, false, false, brinox::Rgb{0, 0, 128}};
const CharFormat kBold{"Times New Roman", 24, true, false, false, false, std::nullopt};
const CharFormat kItalic{"Times New Roman", 24, false, true, false, false, std::nullopt};
const CharFormat kRed{"Times New Roman", 24, true, false, false, false, brinox::Rgb{178, 34, 34}};

Paragraph paragraph(Alignment alignment, std::initializer_list<std::pair<const char*, CharFormat>> pieces) {
    Paragraph result{alignment, {}, {}};
    for (const auto& [text, format] : pieces) {
        brinox::appendText(result, text, format);
    }
    return result;
}

RichText childhood() {
    return {{
        paragraph(Alignment::Center, {{"Jeugd in Dalen", kTitle}}),
        paragraph(Alignment::Justify,
                  {{"Gerrit Hendrik werd op ", kBody}, {"23 september 1896", kBold},
                   {" geboren op de boerderij van zijn ouders Willem en Johanna Geertje aan de Hoofdstraat in "
                    "Dalen. Hij was de oudste zoon; zijn zuster Geesje volgde drie jaar later.",
                    kBody}}),
        paragraph(Alignment::Justify,
                  {{"Al jong hielp hij bij het melken en het hooien, maar zijn grootvader Hendrik zag dat de "
                    "jongen liever las dan ploegde. De meester van de lagere school schreef in 1908: ",
                    kBody},
                   {"\u201cDeze leerling hoort niet achter de ploeg, maar voor de klas.\u201d", kItalic}}),
        paragraph(Alignment::Justify,
                  {{"Na de kweekschool in Meppel (1911\u20131915) kreeg hij zijn eerste aanstelling als "
                    "onderwijzer in Drieën. Daar leerde hij ",
                    kBody},
                   {"Maria Smit", kBold},
                   {" kennen, met wie hij in 1920 trouwde.", kBody}}),
    }};
}

RichText schoolHead() {
    return {{
        paragraph(Alignment::Center, {{"Hoofd der school in Emmen", kTitle}}),
        paragraph(Alignment::Left,
                  {{"In 1926 werd Gerrit Hendrik ", kBody}, {"hoofd der school", kBold},
                   {" aan de openbare lagere school in Emmen. Hij bleef dat tot zijn pensioen in 1961.", kBody}}),
        paragraph(Alignment::Left,
                  {{"Elke strenge winter nam hij de hele school mee het ijs op; de foto van 1929 laat zien hoe "
                    "de kinderen in een lange rij achter hem aan schaatsten.",
                    kBody}}),
        paragraph(Alignment::Left,
                  {{"Na de dood van Maria hertrouwde hij met ", kBody}, {"Reneé Jansen", kBold},
                   {". Hij overleed op ", kBody}, {"11 februari 1971", kRed}, {" in Emmen.", kBody}}),
        paragraph(Alignment::Right, {{"Opgetekend door zijn kleinzoon, 1985", kItalic}}),
    }};
}

bool write(const std::filesystem::path& file, const RichText& text) {
    const std::string bytes = brinox::writeRtf(text);
    const int error =
        brinox::writeFileAtomically(file, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    if (error != 0) std::fprintf(stderr, "cannot write %s (errno %d)\n", file.c_str(), error);
    return error == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo_texts FAMILY_DIR\n");
        return 1;
    }
    const std::filesystem::path folder = argv[1];
    return write(folder / "fam012A.doc", childhood()) && write(folder / "fam012B.doc", schoolHead()) ? 0 : 1;
}
