#include "pedigree/aboutdlg.h"

#include <QLabel>

#include "pedigree/shell_pictures.h"
#include "store/case_insensitive_files.h"
#include "store/program_version.h"
#include "widgets/colours.h"
#include "widgets/placed.h"
#include "widgets/pressable.h"

namespace brinox {
namespace {

constexpr int kPanelWidth = 260;

void centredText(QWidget* panel, const char* name, int top, int height, const char* text, const QFont& font) {
    auto* label = placed<QLabel>(panel, name, QRect(8, top, kPanelWidth - 16, height), QString::fromUtf8(text));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
}

}  // namespace

TAboutdlg::TAboutdlg(const Session& session, SoundPlayer& sound, QWidget* parent)
    : QDialog(parent), m_session(session), m_sound(sound) {
    setObjectName("aboutdlg");
    setWindowTitle("About   Q.L.M.");
    setFixedSize(kPanelWidth + 16, 276);

    Panel1 = placed<PressableFrame>(this, "Panel1", QRect(8, 8, kPanelWidth, 260));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    setBackground(Panel1, kAqua);
    connect(Panel1, &PressableFrame::mouseDown, this, &TAboutdlg::Panel1Click);
    centredText(Panel1, "Label1", 14, 34, "TAKKENBOS", QFont("Arial", 20, QFont::Bold));
    const std::string version = std::string(" BRINOX versie ") + kProgramVersion;
    centredText(Panel1, "Label2", 50, 22, version.c_str(), QFont("Arial", 11, QFont::Bold));

    Image1 = placed<PressableLabel>(Panel1, "Image1", QRect((kPanelWidth - 120) / 2, 84, 120, 120));
    Image1->setPixmap(leafPicture(Image1->size()));
    Image1->setToolTip("Klik mij ...");
    Image1->setCursor(Qt::PointingHandCursor);
    connect(Image1, &PressableLabel::mouseDown, this, &TAboutdlg::Image1Click);
    centredText(Panel1, "Label3", 216, 24, "Q.L.M.", QFont("Arial", 12, QFont::Bold));
}

void TAboutdlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TAboutdlg::FormActivate() { playGreeting(); }

void TAboutdlg::Image1Click() { playGreeting(); }

void TAboutdlg::playGreeting() { m_sound.play(resolveIgnoringCase(m_session.dataDirectory, "qlm.wav")); }

void TAboutdlg::Panel1Click() { accept(); }

}  // namespace brinox
