#include "pedigree/titeldlg.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>

#include "pedigree/shell_pictures.h"
#include "widgets/colours.h"
#include "widgets/placed.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

constexpr int kPanelWidth = 420;
constexpr int kPanelHeight = 440;

QLabel* centredText(QWidget* panel, const char* name, int top, int height, const QString& text, const QFont& font,
                    const QColor& colour) {
    auto* label = placed<QLabel>(panel, name, QRect(10, top, kPanelWidth - 20, height), text);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    setTextColour(label, colour);
    return label;
}

}  // namespace

Ttiteldlg::Ttiteldlg(Session& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_session(session) {
    setObjectName("titeldlg");
    setBackground(this, kTeal);
    setWindowState(Qt::WindowMaximized);

    Panel1 = placed<QFrame>(this, "Panel1", QRect(0, 0, kPanelWidth, kPanelHeight));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(6);
    setBackground(Panel1, kSilver);
    const QColor navy(0, 0, 128);
    centredText(Panel1, "Label1", 14, 50, "TAKKENBOS", QFont("Arial", 30, QFont::Bold), navy);
    centredText(Panel1, "Label2", 64, 28, "BRINOX versie 6.0", QFont("Arial", 15, QFont::Bold), Qt::black);
    centredText(Panel1, "Label3", 92, 22, "Q.L.M.", QFont("Arial", 11, QFont::Bold), navy);
    Label4 = centredText(Panel1, "Label4", 116, 20, "Familiebestand: " + toQt(session.familyCode), QFont("Arial", 10),
                         Qt::black);

    auto* image1 = placed<QLabel>(Panel1, "Image1", QRect((kPanelWidth - 244) / 2, 144, 244, 224));
    image1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    image1->setLineWidth(2);
    image1->setPixmap(familyTreePicture(image1->contentsRect().size()));
    Image2 = placed<QLabel>(Panel1, "Image2", QRect((kPanelWidth - 40) / 2, 380, 40, 40));
    Image2->setPixmap(leafPicture(Image2->size()));
    Image2->setCursor(Qt::PointingHandCursor);
    centrePanel(640, 480);
}

void Ttiteldlg::centrePanel(int width, int height) {
    Panel1->move((width - Panel1->width()) / 2, (height - Panel1->height()) / 2);
}

void Ttiteldlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Without a window manager "maximised" is only a wish; cover the screen anyway.
    if (const QScreen* shown = screen()) setGeometry(shown->availableGeometry());
}

void Ttiteldlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    centrePanel(width(), height());
}

void Ttiteldlg::mousePressEvent(QMouseEvent*) { accept(); }

void Ttiteldlg::keyPressEvent(QKeyEvent*) { accept(); }

void Ttiteldlg::done(int result) {
    m_session.titleShown = true;
    QDialog::done(result);
}

}  // namespace brinox
