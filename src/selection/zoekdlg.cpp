#include "selection/zoekdlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/placed.h"
#include "widgets/qt_text.h"

namespace brinox {

Tzoekdlg::Tzoekdlg(Session& session, Prompt& prompt, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompt(prompt) {
    setObjectName("zoekdlg");
    setWindowTitle("Zoekwoord in de inforegels");
    setFont(QFont("Arial", 8));
    setFixedSize(300, 110);
    placed<QLabel>(this, "Label1", QRect(16, 14, 200, 16), "Zoeken naar:");
    Edit1 = placed<QLineEdit>(this, "Edit1", QRect(16, 34, 268, 22));
    // The information lines hold at most 80 characters: a longer word finds nobody.
    Edit1->setMaxLength(80);
    auto* cancelbtn = placed<QPushButton>(this, "cancelbtn", QRect(112, 70, 80, 26), "&Cancel");
    auto* okbtn = placed<QPushButton>(this, "okbtn", QRect(204, 70, 80, 26), "&Ok");
    okbtn->setDefault(true);
    connect(okbtn, &QPushButton::clicked, this, &Tzoekdlg::okbtnClick);
    connect(cancelbtn, &QPushButton::clicked, this, &Tzoekdlg::cancelbtnClick);
}

void Tzoekdlg::okbtnClick() {
    const auto word = fromQt(Edit1->text());
    if (!word) {
        warn(m_prompt, "Het zoekwoord bevat een teken dat in de inforegels\nniet kan voorkomen.");
        return;
    }
    m_session.selection.searchWord = *word;
    accept();
}

void Tzoekdlg::cancelbtnClick() { reject(); }

}  // namespace brinox
