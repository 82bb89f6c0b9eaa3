#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>

#include "texts/rich_text_document.h"

namespace brinox {
namespace {

Paragraph paragraph(Alignment alignment, std::initializer_list<std::pair<std::string, CharFormat>> pieces) {
    Paragraph result{alignment, {}, {}};
    for (const auto& [text, format] : pieces) EXPECT_TRUE(appendText(result, text, format)) << text;
    return result;
}

TEST(RichTextDocument, TextGoesThroughTheDocumentAndComesBackTheSame) {
    const CharFormat plain;
    const CharFormat all{"Liberation Serif", 21, true, true, true, true, Rgb{255, 0, 128}};
    const CharFormat sized{"", 40};
    const CharFormat named{"Arial", kDefaultHalfPoints, false, false, false, false, Rgb{0, 0, 0}};
    const RichText text{{
        paragraph(Alignment::Left, {{"Plain, ", plain}, {"everything", all}, {" big", sized}}),
        paragraph(Alignment::Center, {{"éèëç ß € č 😀 𝄞x", named}}),
        paragraph(Alignment::Right, {{"tab\there\u2028next line", plain}}),
        paragraph(Alignment::Justify, {}),
        paragraph(Alignment::Left, {{"😀", all}, {"😀", plain}}),
    }};
    QTextDocument document;
    fillDocument(document, text);
    EXPECT_EQ(document.blockCount(), 5);
    EXPECT_EQ(toRichText(document), text);

    // Text typed into an empty document has no font of its own.
    fillDocument(document, RichText{});
    EXPECT_EQ(toRichText(document), RichText{});
    QTextCursor(&document).insertText("typed");
    EXPECT_EQ(toRichText(document), (RichText{{paragraph(Alignment::Left, {{"typed", plain}})}}));
}

}  // namespace
}  // namespace brinox
