#include "texts/rich_text_document.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>
#include <utility>
#include <vector>

namespace brinox {
namespace {

Qt::Alignment toQtAlignment(Alignment alignment) {
    switch (alignment) {
        case Alignment::Left: return Qt::AlignLeft;
        case Alignment::Center: return Qt::AlignHCenter;
        case Alignment::Right: return Qt::AlignRight;
        case Alignment::Justify: return Qt::AlignJustify;
    }
    return Qt::AlignLeft;
}

Alignment fromQtAlignment(Qt::Alignment alignment) {
    if (alignment & Qt::AlignHCenter) return Alignment::Center;
    if (alignment & Qt::AlignJustify) return Alignment::Justify;
    if (alignment & Qt::AlignRight) return Alignment::Right;
    return Alignment::Left;
}

QTextCharFormat toQtFormat(const CharFormat& format) {
    QTextCharFormat qt;
    if (!format.fontFamily.empty()) qt.setFontFamilies({QString::fromStdString(format.fontFamily)});
    if (!format.fontFamily.empty() || format.halfPoints != kDefaultHalfPoints) {
        qt.setFontPointSize(format.halfPoints / 2.0);
    }
    if (format.bold) qt.setFontWeight(QFont::Bold);
    if (format.italic) qt.setFontItalic(true);
    if (format.underline) qt.setFontUnderline(true);
    if (format.strike) qt.setFontStrikeOut(true);
    if (format.colour) qt.setForeground(QColor(format.colour->red, format.colour->green, format.colour->blue));
    return qt;
}

CharFormat fromQtFormat(const QTextCharFormat& qt) {
    CharFormat format;
    if (qt.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = qt.property(QTextFormat::FontFamilies).toStringList();
        if (!families.isEmpty()) format.fontFamily = families.front().toStdString();
    }
    if (qt.hasProperty(QTextFormat::FontPointSize)) {
        format.halfPoints = static_cast<int>(std::lround(qt.fontPointSize() * 2));
    }
    format.bold = qt.fontWeight() > QFont::Medium;
    format.italic = qt.fontItalic();
    format.underline = qt.fontUnderline();
    format.strike = qt.fontStrikeOut();
    if (qt.hasProperty(QTextFormat::ForegroundBrush)) {
        const QColor colour = qt.foreground().color();
        format.colour = Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                            static_cast<std::uint8_t>(colour.blue())};
    }
    return format;
}

// Qt's formats for the runs of a text, made once for each distinct format:
// a long text repeats a handful of them thousands of times. A file with
// thousands of different formats gets the rest made one at a time, so that
// looking through the kept ones never grows with the text.
class FormatCache {
public:
    const QTextCharFormat& operator[](const CharFormat& format) {
        for (const auto& [known, qt] : m_formats) {
            if (known == format) return qt;
        }
        if (m_formats.size() >= kKept) return m_other = toQtFormat(format);
        return m_formats.emplace_back(format, toQtFormat(format)).second;
    }

private:
    static constexpr std::size_t kKept = 64;
    std::vector<std::pair<CharFormat, QTextCharFormat>> m_formats;
    QTextCharFormat m_other;
};

QTextBlockFormat blockFormat(const Paragraph& paragraph) {
    QTextBlockFormat block;
    block.setAlignment(toQtAlignment(paragraph.alignment));
    return block;
}

// Inserts the runs of one paragraph, each run's characters counted in code
// points and cut from the paragraph's UTF-16 text.
void insertRuns(QTextCursor& cursor, const Paragraph& paragraph, FormatCache& formats) {
    const QString text = QString::fromUtf8(paragraph.text.data(), static_cast<qsizetype>(paragraph.text.size()));
    qsizetype unit = 0;
    for (const TextRun& run : paragraph.runs) {
        const qsizetype first = unit;
        for (std::size_t n = 0; n < run.length && unit < text.size(); ++n) {
            unit += text[unit].isHighSurrogate() && unit + 1 < text.size() ? 2 : 1;
        }
        cursor.insertText(text.mid(first, unit - first), formats[run.format]);
    }
}

}  // namespace

void fillDocument(QTextDocument& document, const RichText& text) {
    // Loading is no step the user can undo, and recording it takes time.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    document.clear();
    FormatCache formats;
    for (std::size_t i = 0; i < text.paragraphs.size(); ++i) {
        const Paragraph& paragraph = text.paragraphs[i];
        if (i > 0) cursor.insertBlock(blockFormat(paragraph), QTextCharFormat());
        insertRuns(cursor, paragraph, formats);
    }
    // Emptied within the edit and given its first alignment last, the
    // document counts as wholly new text, which an editor lays out bit by
    // bit; any other first change would have every line laid out before the
    // window could paint.
    if (!text.paragraphs.empty()) QTextCursor(document.begin()).setBlockFormat(blockFormat(text.paragraphs.front()));
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
}

RichText toRichText(const QTextDocument& document) {
    RichText text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        Paragraph& paragraph = text.paragraphs.emplace_back();
        paragraph.alignment = fromQtAlignment(block.blockFormat().alignment());
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment piece = fragment.fragment();
            if (!piece.isValid()) continue;
            const CharFormat format = fromQtFormat(piece.charFormat());
            for (const uint character : piece.text().toUcs4()) appendCharacter(paragraph, char32_t(character), format);
        }
    }
    if (text.paragraphs.size() == 1 && text.paragraphs.front().text.empty()) text.paragraphs.clear();
    return text;
}

}  // namespace brinox
