#include "widgets/find_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QValidator>

#include "widgets/qt_text.h"

namespace brinox {
namespace {

// A character Windows-1252 cannot hold occurs in no line of the family, so
// it is not taken in the first place.
class AnsiValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override { return fromQt(input) ? Acceptable : Invalid; }
};

}  // namespace

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("FindDialog1");
    setWindowTitle("Zoeken");
    setModal(false);

    auto* label = new QLabel("&Zoeken naar:", this);
    FindText = new QLineEdit(this);
    FindText->setObjectName("FindText");
    FindText->setValidator(new AnsiValidator(FindText));
    label->setBuddy(FindText);

    WholeWord = new QCheckBox("Alleen &hele woorden", this);
    WholeWord->setObjectName("WholeWord");
    WholeWord->hide();
    MatchCase = new QCheckBox("&Identieke hoofdletters/kleine letters", this);
    MatchCase->setObjectName("MatchCase");

    auto* direction = new QGroupBox("Richting", this);
    Up = new QRadioButton("&Omhoog", direction);
    Up->setObjectName("Up");
    Down = new QRadioButton("Om&laag", direction);
    Down->setObjectName("Down");
    Down->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(Up);
    directionLayout->addWidget(Down);

    FindNext = new QPushButton("&Volgende zoeken", this);
    FindNext->setObjectName("FindNext");
    FindNext->setDefault(true);
    FindNext->setEnabled(false);
    Cancel = new QPushButton("Annuleren", this);
    Cancel->setObjectName("Cancel");

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(FindText, 0, 1);
    grid->addWidget(FindNext, 0, 2);
    grid->addWidget(MatchCase, 1, 0, 1, 2);
    grid->addWidget(Cancel, 1, 2);
    grid->addWidget(direction, 2, 1);

    connect(FindText, &QLineEdit::textChanged, this, [this](const QString& text) { FindNext->setEnabled(!text.isEmpty()); });
    connect(FindNext, &QPushButton::clicked, this, [this] { emit findNext(request()); });
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FindDialog::acceptAnyText() { FindText->setValidator(nullptr); }

void FindDialog::showWith(const FindRequest& preset) {
    FindText->setText(toQt(preset.text));
    (preset.direction == FindDirection::Up ? Up : Down)->setChecked(true);
    MatchCase->setChecked(preset.matchCase);
    show();
    raise();
    activateWindow();
    FindText->setFocus();
    FindText->selectAll();
}

FindRequest FindDialog::request() const {
    return {fromQt(FindText->text()).value_or(std::string()), Up->isChecked() ? FindDirection::Up : FindDirection::Down,
            MatchCase->isChecked()};
}

void FindDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) move(shown->availableGeometry().topLeft());
}

void addFindKeys(QWidget* window, QWidget* findScope, std::function<void()> find, std::function<void()> again) {
    auto* againKey = new QShortcut(QKeySequence(Qt::Key_F3), window, std::move(again), Qt::ApplicationShortcut);
    againKey->setObjectName("F3");
    const auto scope = findScope == window ? Qt::WindowShortcut : Qt::WidgetShortcut;
    auto* findKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), findScope, std::move(find), scope);
    findKey->setObjectName("CtrlF");
}

}  // namespace brinox
