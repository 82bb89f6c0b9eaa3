#pragma once

// What the life-description reader holds between its commands: the texts of
// the SelectedPerson and which of them is shown. It steps over the existing
// files only, so a gap in the letters (files made elsewhere) leaves no empty
// step. Nothing is ever written.

#include <string>

#include "store/prompt.h"
#include "store/session.h"
#include "texts/life_texts.h"
#include "texts/rich_text.h"

namespace brinox {

class LifeTextReader {
public:
    LifeTextReader(Session& session, Prompt& prompt);

    // Every opening: false, with nothing changed, when the person has no
    // text "A"; else the list is built again and its first text is current.
    bool activate();
    // The text now current, read from disk; an empty text after the error
    // report when it cannot be read.
    RichText current();

    bool nextEnabled() const { return m_number < m_list.count(); }
    bool previousEnabled() const { return m_number >= 2; }
    // Steps to the next or previous existing text; false at either end.
    bool next();
    bool previous();

    // "Uit het leven van " + first names + "  " + family name: the caption
    // and the print job's title.
    std::string caption() const;
    // The 1-based position of the current text among the existing ones.
    int number() const { return m_number; }
    const LifeTextList& list() const { return m_list; }

private:
    Session& m_session;
    Prompt& m_prompt;
    LifeTextList m_list;
    int m_number = 0;
};

}  // namespace brinox
