#include "widgets/qt_prompt.h"

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QGridLayout>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QInputDialog>
#include <QMessageBox>

#include "widgets/qt_text.h"

namespace brinox {
namespace {

QMessageBox::StandardButton standardButton(Button b) {
    switch (b) {
        case Button::Ok: return QMessageBox::Ok;
        case Button::Cancel: return QMessageBox::Cancel;
        case Button::Yes: return QMessageBox::Yes;
        case Button::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

void setLook(QMessageBox& box, MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
            box.setIcon(QMessageBox::Information);
            box.setWindowTitle("Informatie");
            break;
        case MessageKind::Warning:
            box.setIcon(QMessageBox::Warning);
            box.setWindowTitle("Waarschuwing");
            break;
        case MessageKind::Error:
            box.setIcon(QMessageBox::Critical);
            box.setWindowTitle("Fout");
            break;
        case MessageKind::Confirmation:
            box.setIcon(QMessageBox::Question);
            box.setWindowTitle("Bevestigen");
            break;
    }
}

// The answer when the box is closed without a button.
Button closingAnswer(std::initializer_list<Button> buttons) {
    for (Button preferred : {Button::Cancel, Button::No}) {
        for (Button b : buttons) {
            if (b == preferred) return b;
        }
    }
    return Button::Ok;
}

// "plaatjes (*.JPG)|*.JPG|alle files (*.*)|*.*" as Qt writes it. Patterns
// mean what they mean on Windows: "*.*" is every file, with or without a dot.
QString qtFilter(const std::string& filter) {
    const QStringList parts = toQt(filter).split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        if (const qsizetype open = description.lastIndexOf(" ("); open > 0) description.truncate(open);
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        patterns.replaceInStrings(QStringLiteral("*.*"), QStringLiteral("*"));
        entries << description + " (" + patterns.join(' ') + ")";
    }
    return entries.join(";;");
}

// A "Kleur..." button below the font dialog's own controls, with a swatch
// of the colour it holds: the font of a text includes its colour.
void addColourButton(QFontDialog& dialog, Colour& colour) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid) return;
    auto* button = new QPushButton("&Kleur...", &dialog);
    const auto paintSwatch = [button, &colour] {
        QPixmap swatch(16, 16);
        swatch.fill(toQColor(colour));
        button->setIcon(QIcon(swatch));
    };
    paintSwatch();
    QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &colour, paintSwatch] {
        const QColor chosen = QColorDialog::getColor(toQColor(colour), &dialog);
        if (!chosen.isValid()) return;
        colour = fromQColor(chosen);
        paintSwatch();
    });
    grid->addWidget(button, grid->rowCount(), 0, Qt::AlignLeft);
}

}  // namespace

Button QtPrompt::message(MessageKind kind, const std::string& text, std::initializer_list<Button> buttons) {
    QMessageBox box(QApplication::activeWindow());
    setLook(box, kind);
    box.setText(toQt(text));
    for (Button b : buttons) box.addButton(standardButton(b));
    box.setEscapeButton(box.button(standardButton(closingAnswer(buttons))));
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (Button b : buttons) {
        if (standardButton(b) == pressed) return b;
    }
    return closingAnswer(buttons);
}

std::optional<std::string> QtPrompt::input(const std::string& caption, const std::string& label,
                                           const std::string& initial) {
    bool ok = false;
    const QString typed = QInputDialog::getText(QApplication::activeWindow(), toQt(caption), toQt(label),
                                                QLineEdit::Normal, toQt(initial), &ok);
    if (!ok) return std::nullopt;
    // A character the family files cannot hold can never match a password;
    // it is passed on as a visible "?" rather than dropped.
    return fromQtReplacing(typed);
}

Colour QtPrompt::chooseColour(Colour preset) {
    const QColor chosen = QColorDialog::getColor(toQColor(preset), QApplication::activeWindow());
    return chosen.isValid() ? fromQColor(chosen) : preset;
}

FontChoice QtPrompt::chooseFont(const FontChoice& preset) {
    QFont font = toQFont(preset);
    // The dialog lists the installed families and their style names only:
    // "Arial" must be shown as the family that stands in for it, in its own
    // style name, or OK would hand back another font.
    const QFontInfo installed(font);
    font.setFamily(installed.family());
    font.setStyleName(installed.styleName());
    QFontDialog dialog(font, QApplication::activeWindow());
    std::optional<Colour> colour = preset.colour;
    if (colour) addColourButton(dialog, *colour);
    if (dialog.exec() != QDialog::Accepted) return preset;
    const QFont chosen = dialog.selectedFont();
    // A family name Windows-1252 cannot spell is kept as the preset's.
    return FontChoice{fromQt(chosen.family()).value_or(preset.family), chosen.pointSize(), chosen.bold(),
                      chosen.italic(), chosen.underline(), chosen.strikeOut(), colour};
}

std::optional<std::filesystem::path> QtPrompt::chooseFile(const std::string& caption, const std::string& filter) {
    const QString chosen = QFileDialog::getOpenFileName(QApplication::activeWindow(), toQt(caption), QString(),
                                                        qtFilter(filter));
    if (chosen.isEmpty()) return std::nullopt;
    return std::filesystem::path(QFile::encodeName(chosen).toStdString());
}

std::optional<std::filesystem::path> QtPrompt::chooseSaveFile(const std::string& caption, const std::string& filter,
                                                              const std::string& suggested) {
    const QString chosen = QFileDialog::getSaveFileName(QApplication::activeWindow(), toQt(caption), toQt(suggested),
                                                        qtFilter(filter));
    if (chosen.isEmpty()) return std::nullopt;
    return std::filesystem::path(QFile::encodeName(chosen).toStdString());
}

}  // namespace brinox
