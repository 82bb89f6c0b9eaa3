#include "pedigree/auteurdlg.h"

#include <QLabel>

#include "pedigree/shell_pictures.h"
#include "widgets/colours.h"
#include "widgets/placed.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

constexpr int kWidth = 280;
constexpr int kOpenHintMillis = 20000;
constexpr int kHintMillis = 3000;

void centredText(QWidget* window, const char* name, int top, const char* text) {
    auto* label = placed<QLabel>(window, name, QRect(8, top, kWidth - 16, 24), QString::fromUtf8(text));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(QFont("Arial", 12, QFont::Bold));
}

}  // namespace

Tauteurdlg::Tauteurdlg(Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    setObjectName("auteurdlg");
    setWindowTitle("  De auteur");
    setFixedSize(kWidth, 250);
    setBackground(this, toQColor(0x80FFFF));
    setToolTip("Via dit moderne medium \ngroet ik van harte \nal mijn familieleden !");

    centredText(this, "Label1", 12, "Q.L.M. is er voor plezier");
    auto* image1 = placed<QLabel>(this, "Image1", QRect((kWidth - 160) / 2, 42, 160, 160));
    image1->setPixmap(smilingFigurePicture(image1->size()));
    centredText(this, "Label2", 212, "met Uw computer.");
}

void Tauteurdlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_session.hintShowMillis = kOpenHintMillis;
}

void Tauteurdlg::hideEvent(QHideEvent* event) {
    m_session.hintShowMillis = kHintMillis;
    QDialog::hideEvent(event);
}

// The picture and the texts leave their clicks to the window.
void Tauteurdlg::mousePressEvent(QMouseEvent*) { accept(); }

}  // namespace brinox
