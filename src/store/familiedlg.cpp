#include "store/familiedlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "store/family_choice.h"
#include "widgets/qt_text.h"

namespace brinox {

Tfamiliedlg::Tfamiliedlg(Session& session, Prompt& prompt, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompt(prompt) {
    setObjectName("familiedlg");
    setWindowTitle("Naam van familiebestand");
    setFixedSize(340, 130);
    auto* label1 = new QLabel("Type een nieuwe naam,   of klik op ", this);
    label1->setObjectName("Label1");
    label1->setGeometry(16, 10, 220, 16);
    auto* label2 = new QLabel("het pijltje voor beschikbare namen", this);
    label2->setObjectName("Label2");
    label2->setGeometry(16, 28, 220, 16);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setGeometry(16, 60, 210, 26);
    auto* cancelbtn = new QPushButton("&Cancel", this);
    cancelbtn->setObjectName("cancelbtn");
    cancelbtn->setGeometry(244, 20, 80, 28);
    auto* okbtn = new QPushButton("&Ok", this);
    okbtn->setObjectName("okbtn");
    okbtn->setGeometry(244, 60, 80, 28);
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
