#include "texts/wavdlg.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "widgets/placed.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

constexpr int kClientWidth = 440;
constexpr int kClientHeight = 272;
constexpr int kLeft = 16;
constexpr int kWide = kClientWidth - 2 * kLeft;
constexpr int kHalf = (kWide - 8) / 2;
constexpr int kButtonHeight = 25;

QLabel* label(QWidget* parent, const char* name, QRect where, const char* text = "") {
    auto* shown = placed<QLabel>(parent, name, where, QString::fromUtf8(text));
    shown->setTextFormat(Qt::PlainText);
    return shown;
}

QPushButton* button(QWidget* parent, const char* name, QRect where, const char* caption, const char* hint = "") {
    auto* pressed = placed<QPushButton>(parent, name, where, QString::fromUtf8(caption));
    pressed->setToolTip(QString::fromUtf8(hint));
    pressed->setAutoDefault(false);
    return pressed;
}

}  // namespace

Twavdlg::Twavdlg(Session& session, Prompt& prompt, SoundPlayer& sound, PersonPicker& picker, QWidget* parent)
    : QDialog(parent), m_picker(picker), m_voice(session, prompt, sound) {
    setObjectName("wavdlg");
    setWindowTitle(kVoiceInitialCaption);
    QFont font("Arial");
    font.setPixelSize(12);
    setFont(font);
    setFixedSize(kClientWidth, kClientHeight);

    Label1 = label(this, "Label1", QRect(kLeft, 14, 64, 20), "Persoon: ");
    persoonlabel = label(this, "persoonlabel", QRect(kLeft + 64, 14, kWide - 64, 20));
    QFont bold = font;
    bold.setBold(true);
    persoonlabel->setFont(bold);
    Label2 = label(this, "Label2", QRect(kLeft, 40, 64, 20), "filenaam");
    filelabel = label(this, "filelabel", QRect(kLeft + 64, 40, kWide - 64, 20));
    filelabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    filelabel->setIndent(3);
    Zoekbtn = button(this, "Zoekbtn", QRect(kLeft, 72, kHalf, kButtonHeight), "&Een  WAV-file zoeken");
    speelbtn = button(this, "speelbtn", QRect(kLeft, 104, kHalf, kButtonHeight), "&Speel het fragment af");
    wisbtn = button(this, "wisbtn", QRect(kLeft + kHalf + 8, 104, kHalf, kButtonHeight), "&Wis file",
                    "De file wordt verwijderd");
    tekstlabel = label(this, "tekstlabel", QRect(kLeft, 136, kWide, 20));
    koppelbtn = button(this, "koppelbtn", QRect(kLeft, 164, kWide, kButtonHeight),
                       "&Koppel het fragment aan de persoon");
    selbtn = button(this, "selbtn", QRect(kLeft, 196, kWide, kButtonHeight), "Selecteer andere &persoon",
                    "geluid kan aan deze persoon worden gekoppeld");
    cancelbtn = button(this, "cancelbtn", QRect(kClientWidth - kLeft - 96, 236, 96, kButtonHeight), "&Cancel");

    connect(Zoekbtn, &QPushButton::clicked, this, &Twavdlg::ZoekbtnClick);
    connect(speelbtn, &QPushButton::clicked, this, &Twavdlg::speelbtnClick);
    connect(wisbtn, &QPushButton::clicked, this, &Twavdlg::wisbtnClick);
    connect(koppelbtn, &QPushButton::clicked, this, &Twavdlg::koppelbtnClick);
    connect(selbtn, &QPushButton::clicked, this, &Twavdlg::selbtnClick);
    connect(cancelbtn, &QPushButton::clicked, this, &Twavdlg::cancelbtnClick);
}

void Twavdlg::showEvent(QShowEvent* event) {
    if (const QScreen* shownOn = screen()) move(shownOn->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
    FormActivate();
}

void Twavdlg::FormActivate() {
    m_voice.build();
    showState();
}

void Twavdlg::showState() {
    setWindowTitle(toQt(m_voice.caption()));
    persoonlabel->setText(toQt(m_voice.personName()));
    speelbtn->setEnabled(m_voice.playEnabled());
    showTexts();
}

void Twavdlg::showTexts() {
    filelabel->setText(toQt(m_voice.fileText()));
    tekstlabel->setText(toQt(m_voice.status()));
}

void Twavdlg::ZoekbtnClick() {
    m_voice.chooseFile();
    showTexts();
}

void Twavdlg::speelbtnClick() {
    m_voice.play();
    showTexts();
}

void Twavdlg::wisbtnClick() {
    m_voice.remove();
    showState();
}

void Twavdlg::koppelbtnClick() {
    m_voice.link();
    showState();
}

void Twavdlg::selbtnClick() {
    m_voice.choosePerson(m_picker);
    showState();
}

void Twavdlg::cancelbtnClick() { reject(); }

void Twavdlg::reject() {
    m_voice.release();
    QDialog::reject();
}

}  // namespace brinox
