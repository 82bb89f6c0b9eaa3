#include "kinship/afstamdlg.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "kinship/descendants_report.h"
#include "store/io_errors.h"
#include "widgets/colours.h"
#include "widgets/find_dialog.h"
#include "widgets/named_action.h"
#include "widgets/pressable.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

const FontChoice kFontPreset{"arial", 8};

}  // namespace

Tafstamdlg::Tafstamdlg(Session& session, Prompt& prompt, DocumentOpener& opener, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompt(prompt), m_opener(opener) {
    setObjectName("afstamdlg");
    setWindowTitle("Afstammelingen");
    setFont(QFont("Arial", 9));

    ListBox1 = new PressableList(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setToolTip("Klik op een persoon ");
    QPalette yellow = ListBox1->palette();
    yellow.setColor(QPalette::Base, kLightYellow);
    ListBox1->setPalette(yellow);
    connect(ListBox1, &PressableList::mouseDown, this, [this](Qt::MouseButton button, QPoint) {
        ListBox1MouseDown(button);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenuBar();
    layout->addWidget(ListBox1);

    FindDialog1 = new FindDialog(this);
    connect(FindDialog1, &FindDialog::findNext, this, &Tafstamdlg::FindDialog1Find);

    addFindKeys(this, ListBox1, [this] { ZoekClick(); }, [this] { FormKeyDown(); });
}

void Tafstamdlg::buildMenuBar() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName("MainMenu1");
    Sluiten1 = addEntry(bar, "Sluiten1", "&Sluiten");
    Font1 = addEntry(bar, "Font1", "&Font");
    Zoek1 = addEntry(bar, "Zoek1", "&Zoek");
    Opslaan1 = addEntry(bar, "Opslaan1", "&Opslaan ");
    Bekijken1 = addEntry(bar, "Bekijken1", "*.AFS-file &Bekijken");
    Help1 = addEntry(bar, "Help1", "&Help");
    connect(Sluiten1, &QAction::triggered, this, &Tafstamdlg::SluitenClick);
    connect(Font1, &QAction::triggered, this, &Tafstamdlg::FontClick);
    connect(Zoek1, &QAction::triggered, this, &Tafstamdlg::ZoekClick);
    connect(Opslaan1, &QAction::triggered, this, &Tafstamdlg::OpslaanClick);
    connect(Bekijken1, &QAction::triggered, this, &Tafstamdlg::BekijkenClick);
    connect(Help1, &QAction::triggered, this, &Tafstamdlg::HelpClick);
    layout()->setMenuBar(bar);
}

void Tafstamdlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QWidget* owner = parentWidget()) resize(owner->width(), owner->height() - 20);
    if (const QScreen* shown = screen()) move(shown->availableGeometry().topLeft());
    FormActivate();
}

void Tafstamdlg::hideEvent(QHideEvent* event) {
    FindDialog1->hide();
    QDialog::hideEvent(event);
}

void Tafstamdlg::FormActivate() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_walk = walkDescendants(m_session.persons, m_session.unions, m_session.selectedPerson);
    m_lines = shownLines(m_walk);
    // Without a family folder there is nowhere to keep a report.
    const bool reportable = !m_walk.progenitor.isNone() && !m_session.familyCode.empty();
    m_reportFile = reportable ? descendantsReportPath(m_session, m_walk.progenitor) : std::filesystem::path();
    std::error_code ec;
    Bekijken1->setEnabled(reportable && std::filesystem::exists(m_reportFile, ec));
    Opslaan1->setEnabled(reportable);
    setWindowTitle(toQt(descendantsTitle(m_session.persons, m_walk)));

    ListBox1->hide();
    ListBox1->clear();
    QStringList items;
    items.reserve(static_cast<qsizetype>(m_lines.size()));
    for (const auto& line : m_lines) items << toQt(line);
    ListBox1->addItems(items);
    ListBox1->show();
    QApplication::restoreOverrideCursor();
    if (m_walk.cutShort) warn(m_prompt, cutShortWarning());
}

void Tafstamdlg::ListBox1MouseDown(Qt::MouseButton) {
    const int row = ListBox1->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_walk.lines.size()) return;
    const ClickMessage click = clickMessage(m_session.persons, m_walk, static_cast<std::size_t>(row));
    if (click.kind == MessageKind::Information) {
        inform(m_prompt, click.text);
        return;
    }
    if (m_prompt.message(click.kind, click.text, {Button::Ok, Button::Cancel}) != Button::Ok) return;
    if (!m_session.persons.isPerson(click.selects)) return;
    m_session.selectedPerson = click.selects;
    accept();
}

void Tafstamdlg::SluitenClick() { reject(); }

void Tafstamdlg::FontClick() { ListBox1->setFont(toQFont(m_prompt.chooseFont(kFontPreset))); }

void Tafstamdlg::ZoekClick() {
    m_search.restart(static_cast<int>(m_lines.size()));
    FindDialog1->showWith({m_search.last().text, FindDirection::Down, false});
}

void Tafstamdlg::FindDialog1Find(const FindRequest& request) { search(request); }

void Tafstamdlg::FormKeyDown() { search(FindDialog1->request()); }

void Tafstamdlg::search(const FindRequest& request) {
    if (const auto found = m_search.findNext(m_lines, request)) {
        ListBox1->setCurrentRow(*found, QItemSelectionModel::ClearAndSelect);
        ListBox1->scrollToItem(ListBox1->item(*found));
        ListBox1->setFocus();
        return;
    }
    inform(m_prompt, "Zoekwoord " + request.text + " niet gevonden");
    ListBox1->setFocus();
    FindDialog1->hide();
}

void Tafstamdlg::OpslaanClick() {
    if (m_reportFile.empty()) return;
    const ReportSave saved = saveDescendantsReport(m_session.persons, m_session.unions, m_walk, m_reportFile, m_prompt,
                                                   ReportReplace::Ask, *m_session.fileCalls);
    if (saved.outcome == ReportSave::Failed) reportIoError(m_prompt, saved.error, m_reportFile);
    if (saved.outcome == ReportSave::Written) Bekijken1->setEnabled(true);
}

void Tafstamdlg::BekijkenClick() {
    std::error_code ec;
    if (m_reportFile.empty()) return;
    if (std::filesystem::exists(m_reportFile, ec) && m_opener.open(m_reportFile)) return;
    const std::string name = pathForMessage(m_reportFile);
    m_prompt.message(MessageKind::Error, "De file " + name + "\nkan niet worden geopend.", {Button::Ok});
}

void Tafstamdlg::HelpClick() { inform(m_prompt, descendantsHelpText(pathForMessage(m_reportFile))); }

}  // namespace brinox
