#include "texts/rich_text_editor.h"

#include <QMimeData>
#include <QTextDocumentFragment>

namespace brinox {

RichTextEditor::RichTextEditor(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

bool RichTextEditor::canInsertFromMimeData(const QMimeData* source) const { return source->hasText(); }

void RichTextEditor::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) return;
    // Line ends of any system become paragraph ends.
    QString text = source->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    textCursor().insertText(text);
    ensureCursorVisible();
}

QMimeData* RichTextEditor::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(textCursor().selection().toPlainText());
    return data;
}

}  // namespace brinox
