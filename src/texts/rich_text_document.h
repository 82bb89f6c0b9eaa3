#pragma once

// The edge between the core's formatted text and Qt's text document, which
// the life-description windows edit, show, search and print.

#include "texts/rich_text.h"

class QTextDocument;

namespace brinox {

// Replaces what `document` holds with `text`, as one step that cannot be
// undone. A format naming no font and the default size leaves both to the
// document's own font, so plain text shows in the window's font. An editor
// showing the document lays it out bit by bit afterwards, as plain text.
void fillDocument(QTextDocument& document, const RichText& text);

// What `document` holds. Characters without a font or size of their own get
// the default CharFormat's, so a text read, shown and saved stays the same.
// A document holding only an empty paragraph is the empty text.
RichText toRichText(const QTextDocument& document);

}  // namespace brinox
