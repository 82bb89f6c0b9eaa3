#include "persons/huwdlg.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>

#include "store/name_formats.h"
#include "widgets/placed.h"
#include "widgets/colours.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

constexpr int kWidth = 520;
constexpr int kFirstRowTop = 96;
constexpr int kRowStep = 34;

const QColor kYellow(255, 255, 0);

QFrame* newPanel(QWidget* parent, const QString& name, QRect place, const QColor& colour) {
    auto* panel = placed<QFrame>(parent, name, place);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setBackground(panel, colour);
    return panel;
}

QPushButton* newButton(QWidget* parent, const QString& name, const QString& text, QRect place, const char* hint) {
    auto* button = placed<QPushButton>(parent, name, place, text);
    button->setToolTip(QString::fromUtf8(hint));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

THuwdlg::THuwdlg(Session& session, Prompt& prompt, PersonPicker& picker, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompt(prompt), m_picker(picker) {
    setObjectName("huwdlg");
    setWindowTitle("Verbintenissen       ( Huwelijk of Vaste Relatie )");
    setFixedSize(kWidth, 330);
    setFont(QFont("Arial", 9));
    setBackground(this, kLightYellow);
    buildPersonA();
    for (int row = 1; row <= kPartnerRows; ++row) buildRow(row);
    buildButtons();
}

void THuwdlg::buildPersonA() {
    placed<QLabel>(this, "Label1", QRect(16, 10, 120, 18), "Van Persoon A:");
    QFrame* panel1 = newPanel(this, "Panel1", QRect(16, 30, 300, 30), kYellow);
    persnrlabel1 = placed<QLabel>(panel1, "persnrlabel1", QRect(8, 6, 40, 18));
    perslabel1 = placed<QLabel>(panel1, "perslabel1", QRect(52, 6, 240, 18));
    placed<QLabel>(this, "Label2", QRect(16, 74, 120, 18), "met partner :");
}

void THuwdlg::buildRow(int row) {
    const int top = kFirstRowTop + (row - 1) * kRowStep;
    Row& r = m_rows[static_cast<std::size_t>(row - 1)];
    r.edit = placed<QSpinBox>(this, QString("partner%1edit").arg(row), QRect(16, top, 64, 24));
    r.edit->setToolTip("Klik rechts voor de Partnerkeuze");
    // The right button chooses a partner; the field's own menu would hide that.
    r.edit->setContextMenuPolicy(Qt::PreventContextMenu);
    r.edit->installEventFilter(this);
    if (auto* text = r.edit->findChild<QLineEdit*>()) {
        text->setContextMenuPolicy(Qt::PreventContextMenu);
        text->installEventFilter(this);
    }
    connect(r.edit, &QSpinBox::valueChanged, this, [this, row] { partnereditChange(row); });

    r.label = placed<QLabel>(this, QString("partner%1label").arg(row), QRect(90, top + 3, 220, 18));
    r.panel = newPanel(this, QString("Panel%1").arg(row + 1), QRect(320, top - 3, 184, 30), kLime);
    r.panel->setToolTip("Stel dit s.v.p. juist in");
    r.panel->hide();
    r.marriage = placed<QRadioButton>(r.panel, QString("Radio%1h").arg(row), QRect(8, 5, 76, 20), "Huwelijk");
    r.marriage->setChecked(true);
    r.relation = placed<QRadioButton>(r.panel, QString("Radio%1v").arg(row), QRect(86, 5, 94, 20), "Vaste relatie");
}

void THuwdlg::buildButtons() {
    auto* okbtn = newButton(this, "okbtn", "&Ok", QRect(320, 268, 88, 28),
                            "Met deze knop worden de\ngetoonde verbintenissen \ngeregistreerd.");
    okbtn->setDefault(true);
    auto* cancelbtn = newButton(this, "Cancelbtn", "&Cancel", QRect(416, 268, 88, 28),
                                "Pas Op!\nU verlaat de dialoog zonder wijziging van het bestand");
    auto* selbtn = newButton(this, "selbtn", "Selecteer de persoon A", QRect(332, 30, 172, 30),
                             "Kies desgewenst een andere Persoon A");
    connect(okbtn, &QPushButton::clicked, this, &THuwdlg::okbtnClick);
    connect(cancelbtn, &QPushButton::clicked, this, &THuwdlg::reject);
    connect(selbtn, &QPushButton::clicked, this, &THuwdlg::selbtnClick);

    auto* panel7 = newPanel(this, "Panel7", QRect(0, 306, kWidth, 24), kAqua);
    placed<QLabel>(panel7, "Panel7Text", QRect(8, 3, kWidth - 16, 18),
                   "Selecteer Partner met rechter muisklik op de spinedit, nadat Persoon A gedefinieerd is");
}

void THuwdlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
    FormActivate();
}

void THuwdlg::FormActivate() {
    m_personA = m_session.selectedPerson;
    showPersonA();
    fillRows();
}

void THuwdlg::showPersonA() {
    persnrlabel1->setText(toQt(toText(m_personA)));
    perslabel1->setText(toQt(displayName(m_session.persons, m_personA)));
}

void THuwdlg::fillRows() {
    const PartnerRows rows = buildPartnerRows(m_session.persons, m_session.unions, m_personA);
    for (int row = 1; row <= kPartnerRows; ++row) {
        const Row& r = m_rows[static_cast<std::size_t>(row - 1)];
        const PartnerRow& shown = rows[static_cast<std::size_t>(row - 1)];
        r.edit->setRange(0, m_session.persons.count());
        r.edit->setValue(shown.partner.value);
        (shown.married ? r.marriage : r.relation)->setChecked(true);
        // The value may not have changed, so its signal cannot be relied on.
        partnereditChange(row);
    }
}

void THuwdlg::partnereditChange(int row) {
    const Row& r = m_rows[static_cast<std::size_t>(row - 1)];
    const RecordNo partner(r.edit->value());
    r.label->setText(toQt(displayName(m_session.persons, partner)));
    // A free slot typed into the field is not registered, so it gets no kind.
    r.panel->setVisible(m_session.persons.isPerson(partner));
}

void THuwdlg::partnereditMouseDown(int row, Qt::MouseButton button) {
    if (row > 1) m_session.selection.reference = m_personA;
    if (button == Qt::RightButton) m_picker.pickPerson();
    // A choice outside the family (an empty history line gives 0) is no partner.
    if (const auto chosen = chosenPerson(m_session)) {
        m_rows[static_cast<std::size_t>(row - 1)].edit->setValue(chosen->value);
    }
}

void THuwdlg::selbtnClick() {
    m_session.selection.reference = m_personA;
    m_picker.pickPerson();
    const auto chosen = chosenPerson(m_session);
    if (!chosen) return;
    m_session.selectedPerson = *chosen;
    FormActivate();
}

PartnerRows THuwdlg::readRows() const {
    PartnerRows rows{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = PartnerRow{RecordNo(m_rows[i].edit->value()), m_rows[i].marriage->isChecked()};
    }
    return rows;
}

void THuwdlg::okbtnClick() {
    // When the rows do not fit, the user may empty some and try again.
    if (registerUnions(m_session, m_prompt, m_personA, readRows()) != RegistrationOutcome::NoRoom) accept();
}

int THuwdlg::rowOf(const QObject* watched) const {
    for (int row = 1; row <= kPartnerRows; ++row) {
        const QSpinBox* edit = m_rows[static_cast<std::size_t>(row - 1)].edit;
        if (watched == edit || watched->parent() == edit) return row;
    }
    return 0;
}

bool THuwdlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return QDialog::eventFilter(watched, event);
    const int row = rowOf(watched);
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    // A left press on the field's arrows only steps the number.
    const bool onText = row > 0 && watched != m_rows[static_cast<std::size_t>(row - 1)].edit;
    if (row == 0 || (!onText && button != Qt::RightButton)) return QDialog::eventFilter(watched, event);
    partnereditMouseDown(row, button);
    return button == Qt::RightButton;
}

}  // namespace brinox
