#pragma once

// The edge between the core's Windows-1252 texts and Qt's Unicode.

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>
#include <string>

#include "store/ansi_text.h"
#include "store/prompt.h"

namespace brinox {

inline QString toQt(const std::string& ansi) { return QString::fromStdString(ansiToUtf8(ansi)); }

// Empty when the text holds a character Windows-1252 cannot store.
inline std::optional<std::string> fromQt(const QString& text) { return utf8ToAnsi(text.toStdString()); }

// The text in Windows-1252, with a visible "?" for each character it cannot hold.
inline std::string fromQtReplacing(const QString& text) {
    if (auto ansi = fromQt(text)) return *ansi;
    std::string replaced;
    for (const QChar c : text) replaced += fromQt(QString(c)).value_or("?");
    return replaced;
}

inline QColor toQColor(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

inline Colour fromQColor(const QColor& c) {
    return static_cast<Colour>(c.red()) | (static_cast<Colour>(c.green()) << 8) |
           (static_cast<Colour>(c.blue()) << 16);
}

// The font the font dialog answered, as Qt draws it.
inline QFont toQFont(const FontChoice& choice) {
    QFont font(toQt(choice.family), choice.pointSize);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeOut);
    return font;
}

// A font as the font dialog is preset with it; a family name Windows-1252
// cannot spell becomes Arial.
inline FontChoice toFontChoice(const QFont& font) {
    return FontChoice{fromQt(font.family()).value_or("Arial"), font.pointSize(), font.bold(),
                      font.italic(),  font.underline(), font.strikeOut(), std::nullopt};
}

}  // namespace brinox
