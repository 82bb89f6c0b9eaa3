#include "pedigree/fam51u1.h"

#include <QAction>
#include <QDialog>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "gedcom/gedcom_menu.h"
#include "pedigree/main_commands.h"
#include "pedigree/pedigree_layout.h"
#include "persons/datadlg.h"
#include "persons/huwdlg.h"
#include "persons/wijzigdlg.h"
#include "selection/person_picker.h"
#include "selection/selection_history.h"
#include "store/attachment_names.h"
#include "store/family_choice.h"
#include "store/family_files.h"
#include "store/family_load.h"
#include "store/familiedlg.h"
#include "store/save_command.h"
#include "timeline/contemporaries.h"
#include "widgets/colours.h"
#include "widgets/named_action.h"
#include "widgets/help_viewer.h"
#include "widgets/name_label.h"
#include "widgets/pressable.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

const char* const kAncestorHint = "Klik links om te selecteren \nKlik rechts voor foto";
const char* const kSelfHint = "Popupmenu onder rechter muisknop";


}  // namespace

TForm1::TForm1(Session& session, Prompt& prompt, MainWindowDialogs& dialogs,
               const std::filesystem::path& dataDirectory)
    : m_session(session), m_prompt(prompt), m_dialogs(dialogs) {
    setObjectName("Form1");
    setWindowTitle("Kwartierstaat");
    auto* central = new QWidget(this);
    central->setObjectName("ClientArea");
    setCentralWidget(central);
    central->installEventFilter(this);
    buildPedigreeArea();
    buildChildrenArea();
    buildMenus();
    buildPopupMenu();
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { FormKeyDown(Qt::Key_Escape); });
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, [this] { FormKeyDown(Qt::Key_F2); });
    FormCreate(dataDirectory);
}

void TForm1::FormCreate(const std::filesystem::path& dataDirectory) {
    resize(640, 480);
    m_session.lockWhileOpen = true;
    startSession(m_session, m_prompt, dataDirectory);
    m_session.titleShown = false;
    applyColours();
}

void TForm1::buildPedigreeArea() {
    Panel1 = new QWidget(centralWidget());
    Panel1->setObjectName("Panel1");
    QFont panelFont("Arial", 10);
    for (int i = 0; i < kPanelCount; ++i) {
        auto* panel = new NameLabel(Panel1);
        panel->setObjectName(kPanelNames[i]);
        panel->setAlignment(Qt::AlignCenter);
        panel->setFont(panelFont);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setLineWidth(2);
        panel->setHint(QString::fromUtf8(kAncestorHint));
        setBackground(panel, toQColor(0xC8D0D4));
        m_panels[i] = panel;
        const auto index = static_cast<PanelIndex>(i);
        connect(panel, &PressableLabel::mouseDown, this, [this, index](Qt::MouseButton button, QPoint position) {
            if (index == kZelf) {
                zelf1MouseDown(button, position);
            } else {
                ancestorMouseDown(index, button);
            }
        });
    }
    auto* self = m_panels[kZelf];
    self->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    self->setLineWidth(4);
    // Few fonts: every one the window uses costs the start a font lookup.
    const QFont bold("Arial", 12, QFont::Bold);
    self->setFont(bold);
    self->setHint(QString::fromUtf8(kSelfHint));

    QFont tall = bold;
    tall.setPixelSize(24);
    const char* markerTexts[] = {"X", "X", "I", "I", "X", "I"};
    for (int i = 0; i < 6; ++i) {
        auto* marker = new QLabel(markerTexts[i], Panel1);
        marker->setObjectName(QString("Label%1").arg(i + 1));
        marker->setAlignment(Qt::AlignCenter);
        marker->setFont(markerTexts[i][0] == 'X' ? bold : tall);
        setTextColour(marker, Qt::red);
    }
}

void TForm1::buildChildrenArea() {
    Panel3 = new QWidget(centralWidget());
    Panel3->setObjectName("Panel3");
    Label7 = new PressableLabel("gehuwd met", Panel3);
    Label7->setObjectName("Label7");
    Label7->setFont(QFont("Arial", 9, QFont::Bold));
    setTextColour(Label7, Qt::white);
    connect(Label7, &PressableLabel::mouseDown, this, [this](Qt::MouseButton button, QPoint) { Label7MouseDown(button); });

    List = new PressableList(Panel3);
    List->setObjectName("List");
    List->setUniformItemSizes(true);
    List->setToolTip(QString::fromUtf8(kAncestorHint));
    connect(List, &PressableList::mouseDown, this, &TForm1::ListMouseDown);
}

void TForm1::buildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* bestand = bar->addMenu("&Bestand");
    bestand->setObjectName("Bestand1");
    connect(addEntry(bestand, "Anderefamilie1", "Andere familie"), &QAction::triggered, this,
            &TForm1::AnderefamilieClick);
    connect(addEntry(bestand, "Selectiebijopstart1", "Selectie bij opstart"), &QAction::triggered, this,
            &TForm1::SelectiebijopstartClick);
    connect(addEntry(bestand, "Opbergen1", "Opbergen"), &QAction::triggered, this, &TForm1::OpbergenClick);
    bestand->addSeparator();
    connect(addEntry(bestand, "ExporteerGEDCOM1", "Exporteer GEDCOM..."), &QAction::triggered, this,
            &TForm1::ExporteerGEDCOMClick);
    connect(addEntry(bestand, "ImporteerGEDCOM1", "Importeer GEDCOM..."), &QAction::triggered, this,
            &TForm1::ImporteerGEDCOMClick);
    bestand->addSeparator();
    connect(addEntry(bestand, "Aantallen1", "Aantallen"), &QAction::triggered, this, &TForm1::AantallenClick);
    bestand->addSeparator();
    connect(addEntry(bestand, "Gedenkdag1", "Gedenkdag"), &QAction::triggered, this, &TForm1::GedenkdagClick);
    connect(addEntry(bestand, "Afsluiten1", "Afsluiten"), &QAction::triggered, this, &TForm1::AfsluitenClick);

    QMenu* invoer = bar->addMenu("&Invoer");
    invoer->setObjectName("Invoer1");
    connect(addEntry(invoer, "Nieuwepersooninvoeren1", "Nieuwe persoon invoeren"), &QAction::triggered, this,
            &TForm1::NieuwepersooninvoerenClick);
    invoer->addSeparator();
    connect(addEntry(invoer, "Verwijderpersoon1", "Verwijder persoon"), &QAction::triggered, this,
            &TForm1::VerwijderpersoonClick);

    QAction* selectie = bar->addAction("&Selectie");
    selectie->setObjectName("Selectie1");
    connect(selectie, &QAction::triggered, this, &TForm1::SelectieClick);
    QAction* verwantschap = bar->addAction("&Verwantschap");
    verwantschap->setObjectName("Verwantschap1");
    connect(verwantschap, &QAction::triggered, this, &TForm1::VerwantschapClick);
    QAction* fotoalbum = bar->addAction("&Fotoalbum");
    fotoalbum->setObjectName("Fotoalbum1");
    connect(fotoalbum, &QAction::triggered, this, &TForm1::Fotoalbum1Click);

    QMenu* opties = bar->addMenu("&Opties");
    opties->setObjectName("Opties1");
    connect(addEntry(opties, "KleurKwartierstaat1", "Kleur Kwartierstaat"), &QAction::triggered, this,
            &TForm1::KleurKwartierstaatClick);
    connect(addEntry(opties, "KleurKinderlijst1", "Kleur Kinderlijst"), &QAction::triggered, this,
            &TForm1::KleurKinderlijstClick);
    connect(addEntry(opties, "KleurFotoachtergrond1", "Kleur Fotoachtergrond"), &QAction::triggered, this,
            &TForm1::KleurFotoachtergrondClick);
    connect(addEntry(opties, "Defaultkleuren1", "Default kleuren"), &QAction::triggered, this,
            &TForm1::DefaultkleurenClick);
    opties->addSeparator();
    QAction* hints = addEntry(opties, "Hints1", "Hints");
    hints->setCheckable(true);
    hints->setChecked(true);
    connect(hints, &QAction::toggled, this, &TForm1::HintsClick);

    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("Help1");
    connect(addEntry(help, "HelpInhoud1", "Help Inhoud"), &QAction::triggered, this, &TForm1::HelpInhoudClick);
    help->addSeparator();
    connect(addEntry(help, "AboutQLM1", "About Q.L.M."), &QAction::triggered, this, &TForm1::AboutQLMClick);
    connect(addEntry(help, "Aboutauteur1", "About auteur"), &QAction::triggered, this, &TForm1::AboutauteurClick);
}

void TForm1::buildPopupMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    connect(addEntry(PopupMenu1, "Persoonsgegevens1", "Persoonsgegevens"), &QAction::triggered, this,
            &TForm1::PersoonsgegevensClick);
    Foto1 = addEntry(PopupMenu1, "Foto1", "Foto     [F2]");
    connect(Foto1, &QAction::triggered, this, &TForm1::FotoClick);
    connect(addEntry(PopupMenu1, "Afstammelingen1", "Afstammelingen"), &QAction::triggered, this,
            &TForm1::AfstammelingenClick);
    QMenu* tijdas = PopupMenu1->addMenu("Tijdas");
    tijdas->setObjectName("Tijdas1");
    connect(addEntry(tijdas, "metfamiliehistorie1", "met familiehistorie"), &QAction::triggered, this,
            &TForm1::metfamiliehistorieClick);
    connect(addEntry(tijdas, "metwereldgebeuren1", "met wereldgebeuren"), &QAction::triggered, this,
            &TForm1::metwereldgebeurenClick);
    Stemfragment1 = addEntry(PopupMenu1, "Stemfragment1", "Stemfragment");
    connect(Stemfragment1, &QAction::triggered, this, &TForm1::StemfragmentClick);
    Levensbeschrijving1 = addEntry(PopupMenu1, "Levensbeschrijving1", "Levensbeschrijving");
    connect(Levensbeschrijving1, &QAction::triggered, this, &TForm1::LevensbeschrijvingClick);
    PopupMenu1->addSeparator();
    connect(addEntry(PopupMenu1, "WijzigPersoonsgegevens1", "Wijzig Persoonsgegevens"), &QAction::triggered, this,
            &TForm1::WijzigPersoonsgegevensClick);
    connect(addEntry(PopupMenu1, "HuwelijkRelatieregistreren1", "Huwelijk/Relatie registreren"), &QAction::triggered,
            this, &TForm1::HuwelijkRelatieregistrerenClick);
    connect(addEntry(PopupMenu1, "VerwijderPersoon2", "Verwijder Persoon"), &QAction::triggered, this,
            &TForm1::VerwijderpersoonClick);
    QMenu* extras = PopupMenu1->addMenu("Extra's toevoegen/wijzigen");
    extras->setObjectName("Extrastoevoegenwijzigen1");
    connect(addEntry(extras, "FotosenBijschriften1", "Foto's en Bijschriften"), &QAction::triggered, this,
            &TForm1::FotosenBijschriftenClick);
    connect(addEntry(extras, "Levensbeschrijving2", "Levensbeschrijving"), &QAction::triggered, this,
            &TForm1::Levensbeschrijving2Click);
    connect(addEntry(extras, "Stemfragment2", "Stemfragment"), &QAction::triggered, this,
            &TForm1::Stemfragment2Click);
}

void TForm1::applyColours() {
    setBackground(Panel1, toQColor(m_session.pedigreeColour));
    setBackground(Panel3, toQColor(m_session.childrenColour));
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        FormActivate();
    }
}

void TForm1::FormActivate() {
    resize(800, 480);
    move(0, y());
    vulkwartierstaat();
}

void TForm1::showTitle() {
    if (!m_session.titleShown && m_dialogs.titeldlg) m_dialogs.titeldlg->exec();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) FormResize();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::FormResize() {
    const int width = centralWidget()->width();
    const int height = centralWidget()->height();
    Panel1->setGeometry(0, 0, width, std::max(0, height - kChildrenAreaHeight));
    Panel3->setGeometry(0, std::max(0, height - kChildrenAreaHeight), width, kChildrenAreaHeight);
    for (const auto& place : pedigreeLayout(Panel1->width(), width)) {
        auto* control = centralWidget()->findChild<QWidget*>(QString::fromStdString(place.name));
        if (control) control->setGeometry(place.left, place.top, place.width, place.height);
    }
}

void TForm1::vulkwartierstaat() {
    const PedigreeView view = buildPedigree(m_session);
    m_shown = view.persons;
    m_lineMap.clear();
    List->clear();
    if (view.caption) setWindowTitle(toQt(*view.caption));
    for (int i = 0; i < kPanelCount; ++i) m_panels[i]->setName(toQt(view.panelTexts[i]));
    if (view.partnerLabel) {
        m_partnerLabel = *view.partnerLabel;
        Label7->setText(toQt(m_partnerLabel));
    }
    for (const auto& line : view.children) {
        auto* item = new QListWidgetItem(toQt(line.text), List);
        item->setSizeHint(QSize(0, 14));
        m_lineMap.push_back(line.target);
    }
    if (List->count() > 0) List->setCurrentRow(0);
    updatePopupEnabling();
}

void TForm1::updatePopupEnabling() {
    const bool family = !m_session.familyCode.empty();
    const auto directory = family ? familyFiles(m_session.dataDirectory, m_session.familyCode).directory
                                  : std::filesystem::path();
    const RecordNo self = m_session.selectedPerson;
    Foto1->setEnabled(family && attachmentExists(directory, self, "A", ".jpg"));
    Levensbeschrijving1->setEnabled(family && attachmentExists(directory, self, "A", ".doc"));
    Stemfragment1->setEnabled(family && attachmentExists(directory, self, "", ".wav"));
}

void TForm1::selectAndRedraw(RecordNo person, bool recordInHistory) {
    // A link left pointing at a free slot (a hand-made or damaged file) leads nowhere.
    if (!m_session.persons.isPerson(person)) return;
    m_session.selectedPerson = person;
    if (recordInHistory) recordSelection(m_session.selection, person);
    vulkwartierstaat();
}

void TForm1::showPhotosOf(RecordNo person) {
    m_session.photoRestart = true;
    m_session.photoPerson = person;
    const auto directory = familyFiles(m_session.dataDirectory, m_session.familyCode).directory;
    if (m_dialogs.fotodlg && !m_session.familyCode.empty() && attachmentExists(directory, person, "A", ".jpg")) {
        m_dialogs.fotodlg->exec();
    }
}

void TForm1::ancestorMouseDown(PanelIndex panel, Qt::MouseButton button) {
    const RecordNo person = m_shown[panel];
    if (person.isNone()) return;
    if (button == Qt::LeftButton) selectAndRedraw(person, true);
    if (button == Qt::RightButton) showPhotosOf(person);
}

void TForm1::zelf1MouseDown(Qt::MouseButton button, QPoint position) {
    if (button == Qt::RightButton) PopupMenu1->popup(m_panels[kZelf]->mapToGlobal(position));
}

void TForm1::ListMouseDown(Qt::MouseButton button, QPoint position) {
    const QListWidgetItem* item = List->itemAt(position);
    if (!item) return;
    const RecordNo person = m_lineMap.at(static_cast<std::size_t>(List->row(item)));
    if (button == Qt::RightButton) {
        showPhotosOf(person);
        return;
    }
    if (button == Qt::LeftButton && !person.isNone()) selectAndRedraw(person, true);
}

void TForm1::Label7MouseDown(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    const RecordNo partner = partnerInLabel(m_partnerLabel);
    if (!partner.isNone()) selectAndRedraw(partner, false);
}

void TForm1::FormKeyDown(int key) {
    if (key == Qt::Key_Escape) close();
    if (key == Qt::Key_F2) FotoClick();
}

void TForm1::FotoClick() { showPhotosOf(m_session.selectedPerson); }

void TForm1::FotosenBijschriftenClick() {
    if (m_session.persons.count() < 1 || !m_dialogs.fotoinvoerdlg) return;
    m_dialogs.fotoinvoerdlg->exec();
    // Photos may have come or gone, and another person may be selected.
    vulkwartierstaat();
}

void TForm1::StemfragmentClick() {
    if (m_session.persons.count() < 1 || !m_dialogs.wavdlg) return;
    m_dialogs.wavdlg->exec();
}

void TForm1::Stemfragment2Click() {
    if (m_session.persons.count() < 1 || !m_dialogs.wavdlg) return;
    m_dialogs.wavdlg->exec();
    // A fragment may have come or gone, and another person may be selected.
    vulkwartierstaat();
}

void TForm1::LevensbeschrijvingClick() {
    if (m_session.persons.count() < 1 || !m_dialogs.richeditdlg) return;
    m_dialogs.richeditdlg->exec();
}

void TForm1::Levensbeschrijving2Click() {
    if (m_session.persons.count() < 1 || !m_dialogs.cvinvoerdlg) return;
    m_dialogs.cvinvoerdlg->exec();
    // The first text may have come or gone, which the pop-up menu shows.
    vulkwartierstaat();
}

void TForm1::Fotoalbum1Click() {
    if (m_dialogs.album2dlg && m_dialogs.album2dlg->exec() == QDialog::Accepted) vulkwartierstaat();
}

void TForm1::AnderefamilieClick() {
    if (m_dialogs.familiedlg->exec() != QDialog::Accepted) return;
    if (!mayLeaveFamily(m_session, m_prompt)) return;
    switchToFamily(m_dialogs.familiedlg->chosenCode());
}

void TForm1::switchToFamily(const std::string& code) {
    setWindowTitle(toQt(familyCaption(code)));
    m_partnerLabel.clear();
    Label7->clear();
    openFamily(m_session, m_prompt, code);
    vulkwartierstaat();
}

void TForm1::ExporteerGEDCOMClick() { exportGedcomFromMenu(m_session, m_prompt, currentMoment()); }

void TForm1::ImporteerGEDCOMClick() {
    const auto code = importGedcomFromMenu(m_session, m_prompt);
    if (!code) return;
    switchToFamily(*code);
}

std::optional<RecordNo> TForm1::pickPerson() {
    m_session.selection.reference = m_session.selectedPerson;
    m_dialogs.selectiedlg->pickPerson();
    return chosenPerson(m_session);
}

void TForm1::SelectieClick() {
    if (const auto person = pickPerson()) m_session.selectedPerson = *person;
    vulkwartierstaat();
}

void TForm1::NieuwepersooninvoerenClick() {
    if (!requireFamily(m_session, m_prompt)) return;
    const auto number = newPersonNumber(m_session.persons);
    if (!number) {
        warn(m_prompt, kTableFullMessage);
        return;
    }
    m_session.newPersonMode = true;
    m_session.newRecordNumber = *number;
    m_dialogs.wijzigdlg->exec();
}

void TForm1::WijzigPersoonsgegevensClick() {
    if (!requireFamily(m_session, m_prompt)) return;
    m_session.newPersonMode = false;
    if (m_session.persons.count() > 0) m_dialogs.wijzigdlg->exec();
    vulkwartierstaat();
}

void TForm1::VerwantschapClick() {
    if (m_dialogs.relatiedlg) m_dialogs.relatiedlg->exec();
}

void TForm1::AfstammelingenClick() {
    if (m_dialogs.afstamdlg) m_dialogs.afstamdlg->exec();
    vulkwartierstaat();
}

void TForm1::metfamiliehistorieClick() {
    if (m_session.persons.count() < kContemporariesMinimumPersons) {
        inform(m_prompt, kContemporariesTooFew);
        return;
    }
    if (m_dialogs.tijdas1dlg) m_dialogs.tijdas1dlg->exec();
    vulkwartierstaat();
}

void TForm1::metwereldgebeurenClick() {
    if (m_dialogs.histasdlg) m_dialogs.histasdlg->exec();
    vulkwartierstaat();
}

void TForm1::PersoonsgegevensClick() {
    if (m_session.persons.count() > 0) m_dialogs.datadlg->exec();
    vulkwartierstaat();
}

void TForm1::HuwelijkRelatieregistrerenClick() {
    if (!requireFamily(m_session, m_prompt)) return;
    m_dialogs.huwdlg->exec();
    vulkwartierstaat();
}

void TForm1::VerwijderpersoonClick() {
    if (!requireFamily(m_session, m_prompt)) return;
    const auto person = pickPerson();
    if (!person) return;
    const std::string question = deleteQuestion(m_session, *person, m_session.selection.result);
    if (m_prompt.message(MessageKind::Confirmation, question, {Button::Ok, Button::Cancel}) != Button::Ok) return;
    deletePerson(m_session, *person);
    // The pedigree must not go on showing the person or the links just removed.
    vulkwartierstaat();
}

void TForm1::GedenkdagClick() {
    for (const auto& text : anniversaryMessages(m_session.persons, currentMoment())) inform(m_prompt, text);
}

void TForm1::KleurKwartierstaatClick() {
    m_session.pedigreeColour = m_prompt.chooseColour(kDefaultPedigreeColour);
    applyColours();
}

void TForm1::KleurKinderlijstClick() {
    m_session.childrenColour = m_prompt.chooseColour(kDefaultChildrenColour);
    applyColours();
}

void TForm1::KleurFotoachtergrondClick() { m_session.photoBackground = m_prompt.chooseColour(kDefaultPhotoBackground); }

void TForm1::DefaultkleurenClick() {
    m_session.pedigreeColour = kDefaultPedigreeColour;
    m_session.childrenColour = kDefaultChildrenColour;
    m_session.photoBackground = kDefaultPhotoBackground;
    applyColours();
}

void TForm1::HintsClick(bool checked) { m_session.hintsOn = checked; }

void TForm1::HelpInhoudClick() { m_dialogs.help->showHelp(HelpTopic::Contents); }

void TForm1::AboutQLMClick() {
    if (m_dialogs.aboutdlg) m_dialogs.aboutdlg->exec();
}

void TForm1::AboutauteurClick() {
    if (m_dialogs.auteurdlg) m_dialogs.auteurdlg->exec();
}

void TForm1::SelectiebijopstartClick() { askStartPerson(m_session, m_prompt); }

void TForm1::OpbergenClick() { saveCommand(m_session, m_prompt); }

void TForm1::AantallenClick() {
    if (m_dialogs.aantallendlg) m_dialogs.aantallendlg->exec();
}

void TForm1::AfsluitenClick() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
    if (closeQuestion(m_session, m_prompt)) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace brinox
