#include "persons/wijzigdlg.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>

#include "store/number_text.h"
#include "widgets/placed.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

constexpr int kClientWidth = 540;
constexpr int kClientHeight = 373;
constexpr int kLabelLeft = 16;
constexpr int kBoxLeft = 130;
constexpr int kBoxHeight = 24;
constexpr int kRowPitch = 32;
constexpr int kFirstRow = 12;
constexpr int kNameWidth = 250;
constexpr int kDateWidth = 100;
constexpr int kWideWidth = 394;

const char* const kChangeHint = "Voor andere persoon: rechter muisknop, of klik de pijltjes";
const char* const kNewHint = "wijzigen niet mogelijk";

int rowTop(int row) { return kFirstRow + row * kRowPitch; }

QLabel* addLabel(QWidget* parent, const char* text, int left, int top, int width) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setGeometry(left, top, width, kBoxHeight);
    return label;
}

}  // namespace

Twijzigdlg::Twijzigdlg(Session& session, Prompt& prompt, PersonPicker& picker, std::function<void()> redrawPedigree,
                       QWidget* parent)
    : QDialog(parent),
      m_session(session),
      m_prompt(prompt),
      m_picker(picker),
      m_redrawPedigree(std::move(redrawPedigree)) {
    setObjectName("wijzigdlg");
    setFixedSize(kClientWidth, kClientHeight);
    buildControls();
    buildButtons();
    // A shortcut reaches the window before the focused box can use the key.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &Twijzigdlg::okbtnClick);
}

QLineEdit* Twijzigdlg::addBox(const char* label, const char* name, const char* hint, int top, int width) {
    addLabel(this, label, kLabelLeft, top, kBoxLeft - kLabelLeft);
    auto* box = placed<QLineEdit>(this, name, QRect(kBoxLeft, top, width, kBoxHeight));
    box->setToolTip(QString::fromUtf8(hint));
    return box;
}

void Twijzigdlg::buildControls() {
    addLabel(this, "record nummer", kLabelLeft, rowTop(0), kBoxLeft - kLabelLeft);
    nredit = placed<QSpinBox>(this, "nredit", QRect(kBoxLeft, rowTop(0), 70, kBoxHeight));
    nredit->setRange(1, 800);
    connect(nredit, &QSpinBox::valueChanged, this, &Twijzigdlg::nreditChange);

    sekseedit = addBox("Geslacht", "sekseedit", "Vul hier in 'm' of 'v'", rowTop(1), 28);
    connect(sekseedit, &QLineEdit::textChanged, this, &Twijzigdlg::sekseeditChange);
    naamedit = addBox("Familienaam", "naamedit", "Vul hier de familienaam in", rowTop(2), kNameWidth);
    vnaamedit = addBox("Voornamen", "vnaamedit", "Vul hier de voornamen in", rowTop(3), kNameWidth);
    gdatedit = addBox("Geboortedatum", "gdatedit", "Vul hier de geboortedatum in [dd-mm-jjjj]", rowTop(4), kDateWidth);
    odatedit = addBox("Overleden op", "odatedit", "Vul hier de datum van overlijden in  [dd-mm-jjjj]", rowTop(5),
                      kDateWidth);
    for (int row : {4, 5}) addLabel(this, "[ dd-mm-jjjj ]", kBoxLeft + kDateWidth + 10, rowTop(row), 120);
    vader = addBox("Vader ", "vader", "Via rechter muisknop kan hier de naam van de vader worden gekozen", rowTop(6),
                   kWideWidth);
    moeder = addBox("Moeder ", "moeder", "Via de rechter muisknop kan hier de naam van de moeder worden gekozen",
                    rowTop(7), kWideWidth);
    addLabel(this, "Hulp bij selectie van Vader en Moeder via klik met de rechter muisknop", kLabelLeft,
             rowTop(8) - 4, kClientWidth - 2 * kLabelLeft);
    info1edit = addBox("Inforegel 1", "info1edit", "Hier kunt U iets in schrijven", rowTop(9) - 6, kWideWidth);
    info2edit = addBox("Inforegel 2", "info2edit", "Hier kunt U iets inschrijven", rowTop(10) - 6, kWideWidth);

    // The boxes hold no more than the record can keep.
    naamedit->setMaxLength(static_cast<int>(kNameCapacity));
    vnaamedit->setMaxLength(static_cast<int>(kNameCapacity));
    info1edit->setMaxLength(static_cast<int>(kInfoCapacity));
    info2edit->setMaxLength(static_cast<int>(kInfoCapacity));
    vader->setReadOnly(true);
    moeder->setReadOnly(true);
    // Right clicks go to the handlers, and the standard pop-up menus stay away.
    // The spinner takes clicks on its arrows and on the box inside it.
    for (QWidget* control : std::initializer_list<QWidget*>{nredit, nredit->findChild<QLineEdit*>(), vader, moeder,
                                                            gdatedit, odatedit}) {
        control->installEventFilter(this);
    }
}

void Twijzigdlg::buildButtons() {
    wijzigbtn = placed<QPushButton>(this, "wijzigbtn", QRect(384, rowTop(0), 140, 28), "&Bestand zo wijzigen");
    wijzigbtn->setToolTip("Wijzigingen gaan naar het geheugen");
    okbtn = placed<QPushButton>(this, "okbtn", QRect(384, rowTop(1) + 4, 140, 28), "&Afsluiten");
    okbtn->setToolTip("Wijzigingen worden NIET verwerkt");
    // Enter in a box must not store by accident.
    for (QPushButton* button : {wijzigbtn, okbtn}) button->setAutoDefault(false);
    connect(wijzigbtn, &QPushButton::clicked, this, &Twijzigdlg::wijzigbtnClick);
    connect(okbtn, &QPushButton::clicked, this, &Twijzigdlg::okbtnClick);
}

bool Twijzigdlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu) return true;
    if (event->type() != QEvent::MouseButtonPress) return QDialog::eventFilter(watched, event);
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    if (watched == vader) {
        vaderMouseDown(button);
    } else if (watched == moeder) {
        moederMouseDown(button);
    } else if (watched == gdatedit || watched == odatedit) {
        dateMouseDown(button);
    } else {
        nreditMouseDown(button);  // the spinner or the box inside it
    }
    return button == Qt::RightButton;
}

void Twijzigdlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) {
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frameGeometry().size(), shown->availableGeometry())
                 .topLeft());
    }
    FormActivate();
}

EditMode Twijzigdlg::mode() const { return m_session.newPersonMode ? EditMode::NewPerson : EditMode::Change; }

void Twijzigdlg::FormActivate() {
    const bool newPerson = mode() == EditMode::NewPerson;
    const RecordNo shown = newPerson ? m_session.newRecordNumber : m_session.selectedPerson;
    nredit->setReadOnly(newPerson);
    nredit->setToolTip(QString::fromUtf8(newPerson ? kNewHint : kChangeHint));
    {
        const QSignalBlocker quiet(nredit);
        nredit->setValue(shown.value);
    }
    if (newPerson) {
        setWindowTitle(toQt(editCaption(EditMode::NewPerson, shown)));
        fill(newPersonForm());
    } else {
        showRecord(shown);
    }
}

void Twijzigdlg::showRecord(RecordNo r) {
    setWindowTitle(toQt(editCaption(EditMode::Change, r)));
    fill(formOfRecord(m_session.persons, r));
}

void Twijzigdlg::fill(const PersonForm& form) {
    naamedit->setText(toQt(form.familyName));
    vnaamedit->setText(toQt(form.firstNames));
    gdatedit->setText(toQt(form.birthDate));
    odatedit->setText(toQt(form.deathDate));
    vader->setText(toQt(form.father));
    moeder->setText(toQt(form.mother));
    info1edit->setText(toQt(form.info1));
    info2edit->setText(toQt(form.info2));
    // Last, so that the warning for a free slot stands over the filled window.
    sekseedit->setText(toQt(form.sex));
}

void Twijzigdlg::nreditChange(int value) {
    if (mode() == EditMode::NewPerson) return;
    const int shown = snapToCount(value, m_session.persons.count());
    if (shown < 1) return;
    if (shown != value) {
        const QSignalBlocker quiet(nredit);
        nredit->setValue(shown);
    }
    showRecord(RecordNo(shown));
}

void Twijzigdlg::nreditMouseDown(Qt::MouseButton button) {
    if (button != Qt::RightButton || mode() == EditMode::NewPerson) return;
    m_picker.pickPerson();
    if (const auto chosen = chosenPerson(m_session)) nredit->setValue(chosen->value);
}

void Twijzigdlg::vaderMouseDown(Qt::MouseButton button) { parentMouseDown(ParentRole::Father, vader, button); }

void Twijzigdlg::moederMouseDown(Qt::MouseButton button) { parentMouseDown(ParentRole::Mother, moeder, button); }

// A left click brings back the last choice of the selection window, so a
// parent picked for one person can be given to the next with one click.
void Twijzigdlg::parentMouseDown(ParentRole role, QLineEdit* box, Qt::MouseButton button) {
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    if (button == Qt::RightButton) m_picker.pickPerson();
    const auto chosen = chosenRecord(m_session.selection.result);
    if (!chosen) return;
    if (const auto refusal = parentRefusal(m_session.persons, role, RecordNo(nredit->value()), *chosen)) {
        warn(m_prompt, *refusal);
        return;
    }
    box->setText(toQt(parentBoxText(m_session.persons, *chosen)));
}

void Twijzigdlg::dateMouseDown(Qt::MouseButton button) {
    if (button == Qt::RightButton) QApplication::beep();
}

void Twijzigdlg::sekseeditChange(const QString& text) {
    if (m_emptyingSex || text == "m" || text == "v") return;
    warn(m_prompt, "Vul hier in:  m  of v");
    m_emptyingSex = true;
    sekseedit->clear();
    m_emptyingSex = false;
}

std::optional<PersonForm> Twijzigdlg::readForm() {
    struct Box {
        QLineEdit* edit;
        const char* label;
        std::string PersonForm::*field;
    };
    const Box boxes[] = {
        {sekseedit, "Geslacht", &PersonForm::sex},           {naamedit, "Familienaam", &PersonForm::familyName},
        {vnaamedit, "Voornamen", &PersonForm::firstNames},   {gdatedit, "Geboortedatum", &PersonForm::birthDate},
        {odatedit, "Overleden op", &PersonForm::deathDate},  {vader, "Vader", &PersonForm::father},
        {moeder, "Moeder", &PersonForm::mother},             {info1edit, "Inforegel 1", &PersonForm::info1},
        {info2edit, "Inforegel 2", &PersonForm::info2},
    };
    PersonForm form;
    for (const Box& box : boxes) {
        const auto text = fromQt(box.edit->text());
        if (!text) {
            warn(m_prompt, std::string("In het vak \"") + box.label +
                               "\" staat een teken dat niet kan worden bewaard.\nVervang dat teken door een ander.");
            return std::nullopt;
        }
        form.*box.field = *text;
    }
    return form;
}

void Twijzigdlg::wijzigbtnClick() {
    const auto form = readForm();
    if (!form) return;
    const StoreOutcome outcome = storePerson(m_session, m_prompt, mode(), RecordNo(nredit->value()), *form);
    if (outcome == StoreOutcome::Refused || outcome == StoreOutcome::NotStored) return;
    if (outcome == StoreOutcome::StoredStop) {
        close();
    } else if (mode() == EditMode::NewPerson) {
        offerNextNewPerson();
    }
    m_redrawPedigree();
}

void Twijzigdlg::offerNextNewPerson() {
    const auto next = nextNewRecord(m_session.persons);
    if (!next) {
        inform(m_prompt, kTableFullMessage);
        close();
        return;
    }
    m_session.newRecordNumber = *next;
    FormActivate();
}

void Twijzigdlg::okbtnClick() { close(); }

}  // namespace brinox
