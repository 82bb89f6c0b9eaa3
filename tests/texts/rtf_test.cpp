#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "texts/rtf_reader.h"
#include "texts/rtf_writer.h"

namespace brinox {
namespace {

std::span<const std::uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

RichText rtf(std::string_view text) {
    auto document = readRtf(bytesOf(text));
    EXPECT_TRUE(document) << text;
    return document.value_or(RichText{});
}

// The paragraphs' texts joined by '|'.
std::string texts(const RichText& document) {
    std::string out;
    for (const auto& paragraph : document.paragraphs) {
        if (!out.empty()) out += '|';
        out += paragraph.text;
    }
    return out;
}

Paragraph paragraph(Alignment alignment, std::initializer_list<std::pair<std::string, CharFormat>> pieces) {
    Paragraph result{alignment, {}, {}};
    for (const auto& [text, format] : pieces) EXPECT_TRUE(appendText(result, text, format)) << text;
    return result;
}

TEST(Rtf, WritingAndReadingBackKeepsEveryFormatAndCharacter) {
    const CharFormat plain{"Times New Roman"};
    CharFormat all{"Arial", 21, true, true, true, true, Rgb{255, 0, 128}};
    CharFormat odd{"Fönt č {x}; \\y", 1, false, true, false, false, Rgb{0, 0, 0}};
    CharFormat nameless{"", 3276};
    const RichText document{{
        paragraph(Alignment::Left, {{"Plain text, ", plain}, {"all of it", all}}),
        paragraph(Alignment::Center, {{"accents éèëç ß € č 😀 \\{}", odd}}),
        paragraph(Alignment::Right, {{"tab\there\u2028line\u00a0", nameless}, {"\x01\x7f\u0081\u00ad", plain}}),
        paragraph(Alignment::Justify, {}),
        paragraph(Alignment::Left, {{"1 2 ? \u8000 \uffff", all}}),
        paragraph(Alignment::Center, {}),
    }};
    EXPECT_EQ(rtf(writeRtf(document)), document);
    EXPECT_EQ(rtf(writeRtf(RichText{})), RichText{});
}

TEST(Rtf, WriterGivesTheSameBytesEveryTime) {
    const RichText document{{paragraph(Alignment::Center, {{"Café ", CharFormat{"Arial", 20, true}},
                                                           {"€č", CharFormat{"Arial", 20, false, false, false, false,
                                                                             Rgb{255, 0, 0}}}}),
                             paragraph(Alignment::Left, {})}};
    EXPECT_EQ(writeRtf(document),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\r\n"
              "{\\colortbl;\\red255\\green0\\blue0;}\r\n"
              "\\pard\\qc{\\f0\\fs20\\b Caf\\'e9 }{\\f0\\fs20\\cf1 \\'80\\u269\\'3f}\\par\r\n"
              "\\pard\\par\r\n"
              "}\r\n");
}

// What another reader makes of our files: the same text, the styles around the same words.
TEST(Rtf, AnotherReaderSeesOurTextAndStyles) {
    if (std::system("unrtf --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "unrtf is not installed";
    const CharFormat red{"Arial", 20, false, false, false, false, Rgb{255, 0, 0}};
    const RichText document{{paragraph(Alignment::Left, {{"Jan ", CharFormat{"Arial"}},
                                                         {"vet", CharFormat{"Arial", 24, true}},
                                                         {" €č", red},
                                                         {"schuin", CharFormat{"Arial", 24, false, true}}})}};
    const auto file = std::filesystem::temp_directory_path() / ("brinox-unrtf-" + std::to_string(::getpid()) + ".rtf");
    std::ofstream(file, std::ios::binary) << writeRtf(document);
    std::string html;
    if (FILE* pipe = ::popen(("unrtf --html '" + file.string() + "' 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) html.append(buffer, n);
        ::pclose(pipe);
    }
    std::filesystem::remove(file);
    for (const char* piece : {"Jan ", "<b>vet</b>", "<font color=\"#ff0000\"> &euro;&#269;</font>", "<i>schuin</i>"}) {
        EXPECT_NE(html.find(piece), std::string::npos) << piece << "\n" << html;
    }
}

TEST(Rtf, ReadsWhatOtherEditorsWrite) {
    struct Case {
        std::string_view input;
        std::string_view texts;
    };
    const Case cases[] = {
        // WordPad-like: the font and colour tables, a generator, \viewkind4\uc1\pard.
        {"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1043{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
         "{\\f1\\froman Times New Roman;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
         "{\\*\\generator Riched20 10.0;}\\viewkind4\\uc1\\pard\\sa200\\f0\\fs20 Jan \\'e9\\'e8n\\par\r\n"
         "\\qc\\b\\f1\\fs28\\cf1 twee\\b0\\cf0\\par\r\n}\r\n",
         "Jan éèn|twee"},
        // A hyperlink field shows its result only.
        {"{\\rtf1 {\\field{\\*\\fldinst{HYPERLINK \"http://x\"}}{\\fldrslt{\\ul link}}} na}", "link na"},
        // A picture as hex data, an object with a result, a style sheet and info.
        {"{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}voor{\\pict\\wmetafile8 0a1b2c{\\*\\blipuid ff}}"
         "{\\object\\objemb{\\*\\objdata 0102}{\\result na}}\\bin3 {}x\\par}",
         "voorna"},
        // Symbols, escapes, Unicode with and without fallback characters.
        {"{\\rtf1 \\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\~\\{\\}\\\\\\tab\\line}",
         "—–‘’“”•\u00a0{}\\\t\u2028"},
        {"{\\rtf1 \\u269?\\uc2\\u-10179xx\\u-8704\\'3f\\'3fz\\uc0\\u8364 ;}", "č😀z€;"},
        // Every \par ends a paragraph; the last starts no empty one.
        {"{\\rtf1 a\\par\\par b\\par}", "a||b"},
        // Table cells become tabs; rows, pages and sections end a paragraph once.
        {"{\\rtf1 \\trowd a\\cell b\\cell\\row c\\par\\page d\\sect}", "a\tb\t|c|d"},
    };
    for (const auto& c : cases) EXPECT_EQ(texts(rtf(c.input)), c.texts) << c.input;

    const RichText wordpad = rtf(cases[0].input);
    ASSERT_EQ(wordpad.paragraphs.size(), 2u);
    EXPECT_EQ(wordpad.paragraphs[0].runs, (std::vector<TextRun>{{0, 7, CharFormat{"Arial", 20}}}));
    EXPECT_EQ(wordpad.paragraphs[1].alignment, Alignment::Center);
    EXPECT_EQ(wordpad.paragraphs[1].runs,
              (std::vector<TextRun>{{0, 4, CharFormat{"Times New Roman", 28, true, false, false, false, Rgb{255, 0, 0}}}}));
    EXPECT_TRUE(rtf(cases[1].input).paragraphs[0].runs[0].format.underline);
}

TEST(Rtf, HostileInputLoadsWithoutHarm) {
    std::string deep = "{\\rtf1 ";
    deep.append(100000, '{');
    deep += 'x';
    deep.append(100000, '}');
    deep += "y}";
    const std::string_view cases[] = {
        deep, "{\\rtf1 a\\bin2147483647 bcd}", "{\\rtf1 \\u-32768?}", "{\\rtf1 \\uc999999\\u65 abc}",
        "{\\rtf1 \\fs99999999999 a\\f99999999999 b\\cf-5 c}", "{\\rtf1 {{{{ a", "}", "{\\rtf1 a}}b}",
        "{\\rtf1 \\'", "{\\rtf1 \\u", "{\\rtf1 {\\fonttbl{\\f0 Ar",
    };
    for (const auto input : cases) EXPECT_TRUE(readRtf(bytesOf(input)) || input == "}") << input.substr(0, 40);
    EXPECT_EQ(texts(rtf(deep)), "y");
    EXPECT_EQ(texts(rtf("{\\rtf1 \\u-32768?}")), "\u8000");
    EXPECT_EQ(rtf("{\\rtf1 \\fs99999999999 a}").paragraphs[0].runs[0].format.halfPoints, 3276);
    EXPECT_EQ(texts(rtf("{\\rtf1 a\\bin2147483647 bcd}")), "a");
    EXPECT_FALSE(readRtf(bytesOf("plain")));
    std::string huge = "{\\rtf1";
    huge.resize(kRichTextFileLimit + 1, ' ');
    EXPECT_FALSE(readRtf(bytesOf(huge)));

    // Millions of paragraph marks: the paragraphs stop at the cap, the text stays.
    std::string marks = "{\\rtf1 ";
    for (int i = 0; i < 3000000; ++i) marks += "\\par";
    marks += " end}";
    const RichText many = rtf(marks);
    EXPECT_EQ(many.paragraphs.size(), kMaxParagraphs);
    EXPECT_TRUE(many.paragraphs.back().text.ends_with("end"));
    EXPECT_EQ(readPlainText(bytesOf(std::string(3000000, '\n')))->paragraphs.size(), kMaxParagraphs);
}

TEST(Rtf, PlainTextEndsParagraphsAtEveryLineEnd) {
    struct Case {
        std::string_view input;
        std::string_view texts;
    };
    const Case cases[] = {
        {"a\r\nb\rc\nd\r\n", "a|b|c|d"},
        {"\xEF\xBB\xBFUTF-8 \xC3\xA9\n\n", "UTF-8 é|"},
        {"ANSI \xE9 \x80", "ANSI é €"},
        {"", ""},
    };
    for (const auto& c : cases) {
        const auto document = readPlainText(bytesOf(c.input));
        ASSERT_TRUE(document);
        EXPECT_EQ(texts(*document), c.texts) << c.input;
    }
}

}  // namespace
}  // namespace brinox
