#include "persons/datadlg.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>

#include "persons/details_report.h"
#include "widgets/placed.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

const char* const kHint = "Klik=sluiten";
const char* const kHelpText =
    "Een getal voor een persoonsnaam is het recordnummer.\n\nEen getal achter de naam is het geboortejaar";

}  // namespace

Tdatadlg::Tdatadlg(Session& session, Prompt& prompt, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompt(prompt) {
    setObjectName("datadlg");
    setWindowTitle("Meer over de geselecteerde persoon");
    setFixedSize(550, 350);
    setToolTip(kHint);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    const int top = buildMenuBar();

    Memo1 = placed<QPlainTextEdit>(this, "Memo1", QRect(0, top, width(), height() - top));
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The report lines its columns up with blanks, so every character must be equally wide.
    QFont font("Courier New", 9);
    font.setStyleHint(QFont::Monospace);
    Memo1->setFont(font);
    Memo1->setToolTip(kHint);
    Memo1->installEventFilter(this);
    Memo1->viewport()->installEventFilter(this);
}

int Tdatadlg::buildMenuBar() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName("MainMenu1");
    QAction* afsluiten = bar->addAction("&Afsluiten");
    afsluiten->setObjectName("Afsluiten1");
    QAction* help = bar->addAction("&Help");
    help->setObjectName("Help1");
    connect(afsluiten, &QAction::triggered, this, &Tdatadlg::AfsluitenClick);
    connect(help, &QAction::triggered, this, &Tdatadlg::HelpClick);
    bar->setGeometry(0, 0, width(), bar->sizeHint().height());
    return bar->height();
}

void Tdatadlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
    FormActivate();
}

void Tdatadlg::FormActivate() {
    const auto lines = detailsReport(m_session.persons, m_session.unions, m_session.selectedPerson, currentMoment());
    QStringList text;
    for (const auto& line : lines) text << toQt(line);
    Memo1->hide();
    Memo1->setPlainText(text.join('\n'));
    Memo1->show();
}

void Tdatadlg::AfsluitenClick() { reject(); }

void Tdatadlg::HelpClick() { inform(m_prompt, kHelpText); }

bool Tdatadlg::eventFilter(QObject* watched, QEvent* event) {
    const bool closes =
        (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) ||
        (watched == Memo1->viewport() && event->type() == QEvent::MouseButtonRelease &&
         static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton);
    if (!closes) return QDialog::eventFilter(watched, event);
    reject();
    return true;
}

}  // namespace brinox
