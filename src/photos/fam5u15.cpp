#include "photos/fam5u15.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "photos/jpeg_decoder.h"
#include "widgets/colours.h"
#include "widgets/named_action.h"
#include "widgets/picture_view.h"
#include "widgets/placed.h"
#include "widgets/pressable.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

constexpr int kClientWidth = 632;
constexpr int kClientHeight = 443;
constexpr int kSlotsPerRow = 5;
constexpr int kSlotLeft = 10;
constexpr int kSlotTop = 10;
constexpr int kSlotStepX = 75;
constexpr int kSlotStepY = 102;
constexpr int kLetterHeight = 19;
constexpr int kPreviewWidth = 193;
constexpr int kPreviewHeight = 219;
constexpr int kPreviewInset = 4;
constexpr int kStatusHeight = 21;

const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);

const char* const kLetterHint = "Volgorde-letter wijzigen.\nKlik links=verder, rechts=terug";
const char* const kEnlargeHint = "Klik rechts voor max.vergroting";
const char* const kPickHint = "Klik om deze \nfoto te selecteren";
const char* const kFirstHelpLine = "U kunt de volgorde-letter wijzigen door erop te klikken";

QPoint slotCorner(int slot) {
    const int index = slot - 1;
    return {kSlotLeft + (index % kSlotsPerRow) * kSlotStepX, kSlotTop + (index / kSlotsPerRow) * kSlotStepY};
}

QLabel* plainLabel(QWidget* parent, const QString& name, QRect where) {
    auto* label = placed<QLabel>(parent, name, where);
    // "<Rangschikken>" is a word in angle brackets, not a tag.
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* button(QWidget* parent, const QString& name, QRect where, const char* caption, const char* hint) {
    auto* pressed = placed<QPushButton>(parent, name, where, QString::fromUtf8(caption));
    pressed->setToolTip(QString::fromUtf8(hint));
    // Enter in the caption field must not press a button.
    pressed->setAutoDefault(false);
    return pressed;
}

}  // namespace

Tfotoinvoerdlg::Tfotoinvoerdlg(Session& session, Prompt& prompt, PersonPicker& picker, HelpViewer& help,
                               LargeViewer& largeView, std::function<void(const std::string&)> setMainCaption,
                               QWidget* parent)
    : QDialog(parent),
      m_session(session),
      m_prompt(prompt),
      m_picker(picker),
      m_help(help),
      m_largeView(largeView),
      m_setMainCaption(std::move(setMainCaption)),
      m_manager(session, prompt) {
    setObjectName("fotoinvoerdlg");
    QFont font("Arial");
    font.setPixelSize(11);
    setFont(font);
    setBackground(this, kSilver);
    buildMenuBar();
    const int menuHeight = MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, kClientWidth, menuHeight);
    auto* client = placed<QWidget>(this, "ClientArea", QRect(0, menuHeight, kClientWidth, kClientHeight));
    setFixedSize(kClientWidth, menuHeight + kClientHeight);
    buildSlots(client);
    buildAddArea(client);
    buildCaptionArea(client);
    StatusLine = plainLabel(client, "StatusLine", QRect(0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight));
    StatusLine->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusLine->setIndent(4);
    schaalbtn->setEnabled(false);
    addbtn->setEnabled(false);
    showState();
}

void Tfotoinvoerdlg::buildMenuBar() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName("MainMenu1");
    setBackground(MainMenu1, kButtonFace);
    Afsluiten1 = addEntry(MainMenu1, "Afsluiten1", "&Afsluiten");
    KiesanderePersoon1 = addEntry(MainMenu1, "KiesanderePersoon1", "Kies andere &Persoon");
    Volgorde1 = addEntry(MainMenu1, "Volgorde1", "&Rangschikken");
    Verwijder1 = addEntry(MainMenu1, "Verwijder1", "Ver&wijder");
    mode1 = addEntry(MainMenu1, "mode1", "naar Tekst-&mode");
    Help1 = addEntry(MainMenu1, "Help1", "Help");
    connect(Afsluiten1, &QAction::triggered, this, &Tfotoinvoerdlg::Afsluiten1Click);
    connect(KiesanderePersoon1, &QAction::triggered, this, &Tfotoinvoerdlg::KiesanderePersoon1Click);
    connect(Volgorde1, &QAction::triggered, this, &Tfotoinvoerdlg::Volgorde1Click);
    connect(Verwijder1, &QAction::triggered, this, &Tfotoinvoerdlg::Verwijder1Click);
    connect(mode1, &QAction::triggered, this, &Tfotoinvoerdlg::mode1Click);
    connect(Help1, &QAction::triggered, this, &Tfotoinvoerdlg::Help1Click);
}

void Tfotoinvoerdlg::buildSlots(QWidget* client) {
    for (int slot = 1; slot <= kPhotoSlots; ++slot) {
        const QPoint corner = slotCorner(slot);
        auto* image = placed<PictureView>(client, QString("Image%1").arg(slot),
                                          QRect(corner, QSize(kThumbnailWidth, kThumbnailHeight)));
        auto* letter = placed<PressableLabel>(client, QString("Panel%1").arg(slot),
                                              QRect(corner.x(), corner.y() + kThumbnailHeight + 2, kThumbnailWidth,
                                                    kLetterHeight));
        letter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        letter->setAlignment(Qt::AlignCenter);
        setBackground(letter, kWhite);
        image->hide();
        letter->hide();
        connect(image, &PictureView::mouseDown, this,
                [this, slot](QMouseEvent* event) { ImageMouseDown(slot, event->button()); });
        connect(letter, &PressableLabel::mouseDown, this,
                [this, slot](Qt::MouseButton pressed, QPoint) { PanelMouseDown(slot, pressed); });
        Images[static_cast<std::size_t>(slot - 1)] = image;
        Panels[static_cast<std::size_t>(slot - 1)] = letter;
    }
    const int linesTop = kSlotTop + 3 * kSlotStepY;
    Label1 = plainLabel(client, "Label1", QRect(kSlotLeft, linesTop, 370, 16));
    Label2 = plainLabel(client, "Label2", QRect(kSlotLeft, linesTop + 16, 370, 16));
    Label2->setText("Alfabetische rangschikking geschiedt dan met <Rangschikken>.");
}

void Tfotoinvoerdlg::buildAddArea(QWidget* client) {
    AddArea = placed<QWidget>(client, "AddArea", QRect(400, 0, 222, 380));
    Panel16 = placed<QFrame>(AddArea, "Panel16",
                             QRect(10, 10, kPreviewWidth + 2 * kPreviewInset, kPreviewHeight + 2 * kPreviewInset));
    Panel16->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The preview is cut off at its box when shown at its own size.
    auto* box = placed<QWidget>(Panel16, "PreviewBox",
                                QRect(kPreviewInset, kPreviewInset, kPreviewWidth, kPreviewHeight));
    Image16 = placed<PictureView>(box, "Image16", QRect(0, 0, kPreviewWidth, kPreviewHeight));
    Label3 = plainLabel(AddArea, "Label3", QRect(10, 244, 201, 16));
    Label4 = plainLabel(AddArea, "Label4", QRect(10, 260, 201, 16));
    jpgbtn = button(AddArea, "jpgbtn", QRect(10, 284, 201, 25), "&Haal nieuw plaatje", "Zoek de gewenste JPG-file op");
    schaalbtn = button(AddArea, "schaalbtn", QRect(10, 314, 201, 25), "&Schaal",
                       "Dit op werkelijke grootte of aangepast aan venster");
    addbtn = button(AddArea, "addbtn", QRect(10, 344, 201, 25), "Dit plaatje toevoegen",
                    "Het bovenstaande plaatje wordt aan de set toegevoegd");
    connect(jpgbtn, &QPushButton::clicked, this, &Tfotoinvoerdlg::jpgbtnClick);
    connect(schaalbtn, &QPushButton::clicked, this, &Tfotoinvoerdlg::schaalbtnClick);
    connect(addbtn, &QPushButton::clicked, this, &Tfotoinvoerdlg::addbtnClick);
}

void Tfotoinvoerdlg::buildCaptionArea(QWidget* client) {
    GroupBox1 = placed<QGroupBox>(client, "GroupBox1", QRect(10, 352, 612, 62));
    Edit1 = placed<QLineEdit>(GroupBox1, "Edit1", QRect(10, 24, 440, 24));
    Edit1->installEventFilter(this);
    koppelbtn = button(GroupBox1, "koppelbtn", QRect(460, 22, 142, 28), "&Koppel de tekst en de foto", "");
    connect(Edit1, &QLineEdit::textChanged, this, &Tfotoinvoerdlg::Edit1Change);
    connect(koppelbtn, &QPushButton::clicked, this, &Tfotoinvoerdlg::koppelbtnClick);
    GroupBox1->hide();
}

void Tfotoinvoerdlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void Tfotoinvoerdlg::FormActivate() {
    m_manager.open();
    showOpened();
}

void Tfotoinvoerdlg::showOpened() {
    Edit1->clear();
    Label3->clear();
    Label4->clear();
    loadThumbnails();
    showState();
}

void Tfotoinvoerdlg::loadThumbnails() {
    for (int slot = 1; slot <= kPhotoSlots; ++slot) {
        PictureView* image = Images[static_cast<std::size_t>(slot - 1)];
        Picture& picture = image->picture();
        picture = Picture{};
        if (slot <= m_manager.lastSlot()) {
            const auto& file = m_manager.photos()[static_cast<std::size_t>(slot - 1)];
            readJpegThumbnail(file, picture, kThumbnailWidth, kThumbnailHeight, *m_session.fileCalls);
        }
        const ShownSize size = thumbnailSize(picture.storedWidth, picture.storedHeight);
        // An unreadable photo keeps an empty box of the full size.
        image->setGeometry(QRect(slotCorner(slot), size.width > 0 ? QSize(size.width, size.height)
                                                                   : QSize(kThumbnailWidth, kThumbnailHeight)));
        image->setVisible(slot <= m_manager.lastSlot());
        image->pictureChanged();
    }
}

void Tfotoinvoerdlg::showState() {
    const PhotoManager& m = m_manager;
    setWindowTitle(toQt(m.windowCaption()));
    Verwijder1->setText(toQt(m.deleteCaption()));
    Verwijder1->setEnabled(m.deleteEnabled());
    Volgorde1->setEnabled(m.manipulating());
    KiesanderePersoon1->setEnabled(m.manipulating());
    mode1->setText(toQt(m.modeCaption()));
    StatusLine->setText(toQt(m.statusText()));
    setBackground(StatusLine, m.manipulating() ? kAqua : kYellow);
    for (int slot = 1; slot <= kPhotoSlots; ++slot) {
        PressableLabel* letter = Panels[static_cast<std::size_t>(slot - 1)];
        letter->setText(QString(QChar(m.orderLetter(slot))));
        const bool picked = !m.manipulating() && m.picked() && m.pickedLetter() == slotLetter(slot);
        setBackground(letter, picked ? kAqua : kWhite);
        letter->setVisible(slot <= m.lastSlot());
    }
    Label1->setVisible(m.helpLinesShown());
    Label2->setVisible(m.helpLinesShown());
    AddArea->setVisible(m.manipulating());
    GroupBox1->setVisible(!m.manipulating());
    GroupBox1->setTitle(toQt(m.groupTitle()));
    schaalbtn->setEnabled(m.scaleEnabled());
    addbtn->setEnabled(m.addEnabled());
    showHints();
}

void Tfotoinvoerdlg::showHints() {
    const bool manipulating = m_manager.manipulating();
    const QString imageHint = QString::fromUtf8(manipulating ? kEnlargeHint : kPickHint);
    const QString letterHint = manipulating ? QString::fromUtf8(kLetterHint) : QString();
    for (PictureView* image : Images) image->setToolTip(imageHint);
    for (PressableLabel* letter : Panels) letter->setToolTip(letterHint);
    Label1->setText(manipulating ? QString::fromUtf8(kFirstHelpLine) : QString());
}

void Tfotoinvoerdlg::toonjpg() {
    Picture& picture = Image16->picture();
    if (m_manager.fit()) {
        readJpegThumbnail(m_manager.candidate(), picture, kPreviewWidth, kPreviewHeight, *m_session.fileCalls);
    } else {
        readJpegFile(m_manager.candidate(), picture, 1, *m_session.fileCalls);
    }
    const int width = picture.storedWidth;
    const ShownSize shown = m_manager.fit() ? fitToBox(width, picture.storedHeight, kPreviewWidth, kPreviewHeight)
                                            : ShownSize{picture.width, picture.height};
    Image16->setGeometry(0, 0, shown.width, shown.height);
    Image16->pictureChanged();
    Label3->setText(m_manager.fit() ? "passend in venster" : "1:1 afbeelding");
    Label4->setText(QString("breedte= %1 pixels").arg(width));
}

void Tfotoinvoerdlg::Afsluiten1Click() { reject(); }

void Tfotoinvoerdlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Afsluiten1Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Tfotoinvoerdlg::KiesanderePersoon1Click() {
    const auto caption = m_manager.choosePerson(m_picker);
    if (!caption) return;
    m_setMainCaption(*caption);
    showOpened();
}

void Tfotoinvoerdlg::Volgorde1Click() {
    const ArrangeOutcome outcome = m_manager.arrange();
    if (outcome == ArrangeOutcome::Arranged || outcome == ArrangeOutcome::Failed) {
        showOpened();
    } else {
        showState();
    }
}

void Tfotoinvoerdlg::Verwijder1Click() {
    if (m_manager.deleteLastPhoto()) {
        showOpened();
    } else {
        showState();
    }
}

void Tfotoinvoerdlg::mode1Click() {
    m_manager.switchMode();
    showState();
}

void Tfotoinvoerdlg::Help1Click() { m_help.showHelp(HelpTopic::PhotoManagement); }

void Tfotoinvoerdlg::ImageMouseDown(int slot, Qt::MouseButton pressed) {
    const auto caption = m_manager.pointAt(slot);
    if (m_manager.manipulating()) {
        if (pressed == Qt::RightButton) m_largeView.showLargePhoto(m_manager.pickedLetter());
        return;
    }
    if (caption) Edit1->setText(toQt(*caption));
    showState();
}

void Tfotoinvoerdlg::PanelMouseDown(int slot, Qt::MouseButton pressed) {
    m_manager.stepOrderLetter(slot, pressed == Qt::LeftButton);
    showState();
}

void Tfotoinvoerdlg::jpgbtnClick() {
    if (m_manager.chooseCandidate()) toonjpg();
    showState();
}

void Tfotoinvoerdlg::schaalbtnClick() {
    if (!m_manager.scaleEnabled()) return;
    m_manager.toggleFit();
    toonjpg();
}

void Tfotoinvoerdlg::addbtnClick() {
    if (!m_manager.addEnabled()) return;
    m_manager.addCandidate();
    showOpened();
}

void Tfotoinvoerdlg::Edit1Change() {
    const QString text = Edit1->text();
    const CaptionTyping typing = captionTyping(static_cast<std::size_t>(text.size()));
    if (typing.beep) QApplication::beep();
    if (!typing.cut) return;
    inform(m_prompt, kCaptionTooLong);
    Edit1->setText(text.left(static_cast<qsizetype>(kCaptionTextWidth)));
}

void Tfotoinvoerdlg::Edit1Click() {
    if (!m_manager.picked()) warn(m_prompt, kNothingPicked);
}

void Tfotoinvoerdlg::koppelbtnClick() {
    m_manager.link(fromQtReplacing(Edit1->text()));
    showState();
}

bool Tfotoinvoerdlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::MouseButtonPress) Edit1Click();
    return QDialog::eventFilter(watched, event);
}

}  // namespace brinox
