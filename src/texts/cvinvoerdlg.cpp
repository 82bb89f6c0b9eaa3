#include "texts/cvinvoerdlg.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "texts/rich_text_document.h"
#include "texts/rich_text_editor.h"
#include "widgets/named_action.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

// A file name in a menu entry: an ampersand is shown, not taken as a shortcut.
QString menuText(const std::string& ansi) { return toQt(ansi).replace('&', QLatin1String("&&")); }

}  // namespace

Tcvinvoerdlg::Tcvinvoerdlg(Session& session, Prompt& prompt, HelpViewer& help, PrinterSetup& printer,
                           QWidget* parent)
    : LifeTextWindow(session, prompt, printer, parent), m_entry(session, prompt), m_help(help) {
    setObjectName("cvinvoerdlg");
    QFont font("Arial");
    font.setPixelSize(12);
    setFont(font);
    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    black.setColor(QPalette::Text, Qt::black);
    setPalette(black);
    resize(640, 480);

    buildMenuBar();
    buildPanel();
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    Lettertype2 = addEntry(PopupMenu1, "Lettertype2", "Lettertype");
    connect(Lettertype2, &QAction::triggered, this, &Tcvinvoerdlg::Lettertype2click);
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { PopupMenu1->popup(RichEdit1->viewport()->mapToGlobal(at)); });
}

void Tcvinvoerdlg::buildMenuBar() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName("MainMenu1");
    QMenu* file = bar->addMenu("Bestand");
    file->setObjectName("Bestand1");
    Nieuw1 = addEntry(file, "Nieuw1", "Nieuw");
    import1 = addEntry(file, "import1", "Importeer een TXT-file ");
    ImporteereenDOCfile1 = addEntry(file, "ImporteereenDOCfile1", "Importeer een RTF-file");
    Opslaan1 = addEntry(file, "Opslaan1", "Opslaan");
    Afdrukken1 = addEntry(file, "Afdrukken1", "Afdrukken");
    fileverwijderenuitbestand1 = addEntry(file, "fileverwijderenuitbestand1", "Verwijderen");
    Afsluiten1 = addEntry(file, "Afsluiten1", "Afsluiten");
    Lettertype1 = addEntry(bar, "Lettertype1", "Lettertype");
    Zoek1 = addEntry(bar, "Zoek1", "Zoek");
    Help1 = addEntry(bar, "Help1", "Help");
    connect(Nieuw1, &QAction::triggered, this, &Tcvinvoerdlg::Nieuw1Click);
    connect(import1, &QAction::triggered, this, &Tcvinvoerdlg::import1Click);
    connect(ImporteereenDOCfile1, &QAction::triggered, this, &Tcvinvoerdlg::ImporteereenDOCfile1Click);
    connect(Opslaan1, &QAction::triggered, this, &Tcvinvoerdlg::Opslaan1Click);
    connect(Afdrukken1, &QAction::triggered, this, &Tcvinvoerdlg::Afdrukken1Click);
    connect(fileverwijderenuitbestand1, &QAction::triggered, this, &Tcvinvoerdlg::fileverwijderenuitbestand1Click);
    connect(Afsluiten1, &QAction::triggered, this, &Tcvinvoerdlg::Afsluiten1Click);
    connect(Lettertype1, &QAction::triggered, this, &Tcvinvoerdlg::Lettertype1Click);
    connect(Zoek1, &QAction::triggered, this, &Tcvinvoerdlg::Zoek1Click);
    connect(Help1, &QAction::triggered, this, &Tcvinvoerdlg::Help1Click);
    layout()->setMenuBar(bar);
}

void Tcvinvoerdlg::buildPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName("Panel1");
    ComboBox1 = new QComboBox(panel);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setMinimumWidth(200);
    Label1 = new QLabel("Kies om te wijzigen hier een bestaand tekstbestand ", panel);
    Label1->setObjectName("Label1");
    auto* row = new QHBoxLayout(panel);
    row->addWidget(ComboBox1);
    row->addWidget(Label1, 1);
    layout()->addWidget(panel);
    connect(ComboBox1, &QComboBox::activated, this, &Tcvinvoerdlg::ComboBox1Change);
}

void Tcvinvoerdlg::showEvent(QShowEvent* event) {
    if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
    LifeTextWindow::showEvent(event);
}

void Tcvinvoerdlg::FormActivate() {
    showText(m_entry.activate());
    teksten_naar_array();
    setWindowTitle(toQt(m_entry.activationCaption()));
    // Save writes the current file again, whatever the last opening prepared.
    Opslaan1->setText("Opslaan");
}

void Tcvinvoerdlg::teksten_naar_array() {
    ComboBox1->clear();
    for (const auto& name : m_entry.choices()) ComboBox1->addItem(toQt(name));
    if (ComboBox1->count() > 0) ComboBox1->setCurrentIndex(0);
    // A twenty-first text would take a letter the list never shows.
    const bool room = m_entry.newEnabled();
    Nieuw1->setEnabled(room);
    import1->setEnabled(room);
    ImporteereenDOCfile1->setEnabled(room);
}

void Tcvinvoerdlg::ComboBox1Change(int index) { showText(m_entry.choose(index)); }

void Tcvinvoerdlg::showPrepared() {
    setWindowTitle(toQt(m_entry.preparedCaption()));
    Opslaan1->setEnabled(true);
    Opslaan1->setText(menuText(m_entry.saveCaption()));
}

void Tcvinvoerdlg::Nieuw1Click() {
    if (!m_entry.prepareNew()) return;
    showPrepared();
    showText({});
}

void Tcvinvoerdlg::importText(ImportKind kind) {
    const auto text = m_entry.import(kind);
    if (!text) return;
    showText(*text);
    showPrepared();
    if (kind == ImportKind::RichText) teksten_naar_array();
}

void Tcvinvoerdlg::import1Click() { importText(ImportKind::PlainText); }

void Tcvinvoerdlg::ImporteereenDOCfile1Click() { importText(ImportKind::RichText); }

void Tcvinvoerdlg::Opslaan1Click() {
    if (m_entry.save(toRichText(*RichEdit1->document()))) teksten_naar_array();
}

void Tcvinvoerdlg::Afdrukken1Click() { printText(m_entry.printTitle()); }

void Tcvinvoerdlg::fileverwijderenuitbestand1Click() {
    switch (m_entry.remove()) {
        case LifeTextEntry::Removal::Removed:
        case LifeTextEntry::Removal::Failed:
        case LifeTextEntry::Removal::Emptied:
            // After a removal the list is empty until the next opening.
            showText({});
            teksten_naar_array();
            break;
        case LifeTextEntry::Removal::Nothing:
        case LifeTextEntry::Removal::Cancelled:
        case LifeTextEntry::Removal::NotEmptied: break;
    }
}

void Tcvinvoerdlg::Afsluiten1Click() { reject(); }

void Tcvinvoerdlg::Lettertype1Click() { chooseFont(true); }

void Tcvinvoerdlg::Lettertype2click() { chooseFont(false); }

void Tcvinvoerdlg::Help1Click() { m_help.showHelp(HelpTopic::LifeStory); }

}  // namespace brinox
