#include "texts/richeditdlg.h"

#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include "texts/rich_text_editor.h"
#include "widgets/named_action.h"
#include "widgets/qt_text.h"

namespace brinox {

Tricheditdlg::Tricheditdlg(Session& session, Prompt& prompt, PrinterSetup& printer, QWidget* parent)
    : LifeTextWindow(session, prompt, printer, parent), m_reader(session, prompt) {
    setObjectName("richeditdlg");
    setWindowTitle("Toelichting");
    setWindowFlag(Qt::WindowStaysOnTopHint);
    resize(640, 480);
    QFont base("Courier New");
    base.setPixelSize(13);
    RichEdit1->setFont(base);
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    buildMenuBar();
}

void Tricheditdlg::buildMenuBar() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName("MainMenu1");
    QMenu* file = bar->addMenu("&Bestand");
    file->setObjectName("Bestand1");
    Afdrukken1 = addEntry(file, "Afdrukken1", "Afdrukken");
    Afsluiten1 = addEntry(file, "Afsluiten1", "Afsluiten");
    Lettertype1 = addEntry(bar, "Lettertype1", "&Lettertype");
    Zoek1 = addEntry(bar, "Zoek1", "&Zoek");
    Volgende1 = addEntry(bar, "Volgende1", "&Volgende tekst");
    Vorige1 = addEntry(bar, "Vorige1", "Vorige &tekst");
    connect(Afdrukken1, &QAction::triggered, this, &Tricheditdlg::Afdrukken1Click);
    connect(Afsluiten1, &QAction::triggered, this, &Tricheditdlg::Afsluiten1Click);
    connect(Lettertype1, &QAction::triggered, this, &Tricheditdlg::Lettertype1Click);
    connect(Zoek1, &QAction::triggered, this, &Tricheditdlg::Zoek1Click);
    connect(Volgende1, &QAction::triggered, this, &Tricheditdlg::Volgende1Click);
    connect(Vorige1, &QAction::triggered, this, &Tricheditdlg::Vorige1Click);
    layout()->setMenuBar(bar);
}

void Tricheditdlg::FormActivate() {
    if (!m_reader.activate()) return;
    setWindowTitle(toQt(m_reader.caption()));
    showCurrent();
}

void Tricheditdlg::showCurrent() {
    Volgende1->setEnabled(m_reader.nextEnabled());
    Vorige1->setEnabled(m_reader.previousEnabled());
    showText(m_reader.current());
}

void Tricheditdlg::Volgende1Click() {
    if (m_reader.next()) showCurrent();
}

void Tricheditdlg::Vorige1Click() {
    if (m_reader.previous()) showCurrent();
}

void Tricheditdlg::Afdrukken1Click() { printText(m_reader.caption()); }

void Tricheditdlg::Afsluiten1Click() { reject(); }

void Tricheditdlg::Lettertype1Click() { chooseFont(true); }

}  // namespace brinox
