#include "store/familiedlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "store/family_choice.h"
#include "widgets/placed.h"
#include "widgets/qt_text.h"

namespace brinox {

Tfamiliedlg::Tfamiliedlg(Session& session, Prompt& prompt, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompt(prompt) {
    setObjectName("familiedlg");
    setWindowTitle("Naam van familiebestand");
    setFixedSize(340, 130);
    placed<QLabel>(this, "Label1", QRect(16, 10, 220, 16), "Type een nieuwe naam,   of klik op ");
    placed<QLabel>(this, "Label2", QRect(16, 28, 220, 16), "het pijltje voor beschikbare namen");
    ComboBox1 = placed<QComboBox>(this, "ComboBox1", QRect(16, 60, 210, 26));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    auto* cancelbtn = placed<QPushButton>(this, "cancelbtn", QRect(244, 20, 80, 28), "&Cancel");
    auto* okbtn = placed<QPushButton>(this, "okbtn", QRect(244, 60, 80, 28), "&Ok");
    okbtn->setDefault(true);
    connect(okbtn, &QPushButton::clicked, this, &Tfamiliedlg::okbtnClick);
    connect(cancelbtn, &QPushButton::clicked, this, &Tfamiliedlg::cancelbtnClick);
}

void Tfamiliedlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void Tfamiliedlg::FormActivate() {
    ComboBox1->clear();
    for (const auto& code : listFamilyCodes(m_session.dataDirectory)) ComboBox1->addItem(toQt(code));
    ComboBox1->setEditText(ComboBox1->count() > 0 ? ComboBox1->itemText(0) : QString());
}

void Tfamiliedlg::okbtnClick() {
    const QString typed = ComboBox1->currentText();
    const auto ansi = fromQt(typed);
    if (!ansi) {
        warn(m_prompt, "De naam bevat een teken dat in de naam van een familiebestand\nniet kan worden bewaard.");
        return;
    }
    if (const auto code = chooseFamilyCode(m_session.dataDirectory, m_prompt, *ansi)) {
        m_chosen = *code;
        accept();
    }
}

void Tfamiliedlg::cancelbtnClick() { reject(); }

}  // namespace brinox
