#include "photos/fotodlg.h"

#include <QAction>
#include <algorithm>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "photos/framed_photo.h"
#include "photos/jpeg_decoder.h"
#include "widgets/colours.h"
#include "widgets/named_action.h"
#include "widgets/photo_frame.h"
#include "widgets/picture_view.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

constexpr int kStatusHeight = 21;
constexpr int kArrowScroll = 5;
constexpr int kCtrlArrowScroll = 50;

bool onlyAlt(Qt::KeyboardModifiers modifiers) { return modifiers == Qt::AltModifier; }

}  // namespace

Tfotodlg::Tfotodlg(Session& session, Prompt& prompt, FrameWidthsDialog& frameWidths, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompt(prompt), m_frameWidths(frameWidths) {
    setObjectName("fotodlg");
    setWindowTitle("Foto");

    const FramedPhoto parts = buildFramedPhoto(this, buildMenuBar(), kStatusHeight);
    Background = parts.background;
    Panel1 = parts.frame;
    Image1 = parts.image;
    Panel2 = parts.status;
    QFont statusFont("Arial");
    statusFont.setPixelSize(11);
    Panel2->setFont(statusFont);
    Panel2->setCursor(Qt::PointingHandCursor);
    connect(Image1, &PictureView::mouseDown, this, &Tfotodlg::Image1MouseDown);
    connect(Image1, &PictureView::mouseUp, this, &Tfotodlg::Image1MouseUp);
}

QMenuBar* Tfotodlg::buildMenuBar() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName("MainMenu1");
    Exit1 = addEntry(bar, "Exit1", "Afsluiten");
    Volgende1 = addEntry(bar, "Volgende1", "Volgende  [PageDown] ");
    Vorige1 = addEntry(bar, "Vorige1", "Vorige  [PageUp] ");
    Groter1 = addEntry(bar, "Groter1", "Groter");
    QMenu* opties = bar->addMenu("Opties");
    opties->setObjectName("Opties1");
    Achtergrondkleur1 = addEntry(opties, "Achtergrondkleur1", "Achtergrondkleur");
    Lijst1 = addEntry(opties, "Lijst1", "Lijstvorm");
    connect(Exit1, &QAction::triggered, this, &Tfotodlg::Exit1Click);
    connect(Volgende1, &QAction::triggered, this, &Tfotodlg::Volgende1Click);
    connect(Vorige1, &QAction::triggered, this, &Tfotodlg::Vorige1Click);
    connect(Groter1, &QAction::triggered, this, &Tfotodlg::Groter);
    connect(Achtergrondkleur1, &QAction::triggered, this, &Tfotodlg::Achtergrondkleur1Click);
    connect(Lijst1, &QAction::triggered, this, &Tfotodlg::Lijst1Click);
    return bar;
}

const Picture& Tfotodlg::picture() const { return Image1->picture(); }

void Tfotodlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) setGeometry(shown->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    FormActivate();
}

void Tfotodlg::hideEvent(QHideEvent* event) {
    m_ranges.horizontal = 0;
    m_scroll.setX(0);
    QDialog::hideEvent(event);
}

void Tfotodlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FormResize();
}

void Tfotodlg::applyBackground() { setBackground(Background, toQColor(m_session.photoBackground)); }

void Tfotodlg::FormActivate() {
    applyBackground();
    Panel1->setBevelWidth(m_session.frameBevelWidth);
    Panel1->setBorderWidth(m_session.frameBorderWidth);
    Groter1->setText("Groter");
    m_captions = captionsOf(m_session, m_prompt);
    m_show = openSlideShow(m_session, m_captions);
    Vorige1->setEnabled(m_show.browsable());
    Volgende1->setEnabled(m_show.browsable());
    m_ranges = slideScrollRanges(false, 0, 0);
    m_scroll = QPoint();
    loadCurrentPhoto();
    showTexts();
}

void Tfotodlg::showTexts() {
    setWindowTitle(toQt(m_show.caption));
    Panel2->setText(toQt(m_show.status));
    Panel2->setToolTip(toQt(m_show.hint));
    Image1->setToolTip(toQt(m_show.hint));
}

void Tfotodlg::loadCurrentPhoto() {
    std::error_code ec;
    // A photo that is not there leaves the previous one in place.
    if (std::filesystem::exists(m_session.currentPhotoFile, ec)) {
        readJpegFile(m_session.currentPhotoFile, Image1->picture(), 1, *m_session.fileCalls);
        Image1->pictureChanged();
    }
    const int factor = m_show.zoom ? 2 : 1;
    const int width = Image1->picture().width * factor;
    const int height = Image1->picture().height * factor;
    const int inset = frameInset(m_session.frameBevelWidth, m_session.frameBorderWidth);
    Image1->setGeometry(inset, inset, width, height);
    placeFrame(placeSlideFrame(width, height, inset, slideWindow()));
}

SlideWindow Tfotodlg::slideWindow() const {
    return {Background->width(), Background->height() + Panel2->height(), frameGeometry().height(), kStatusHeight};
}

void Tfotodlg::placeFrame(FrameBox frame) {
    m_frame = frame;
    Panel1->setGeometry(frame.left - m_scroll.x(), frame.top - m_scroll.y(), frame.width, frame.height);
}

void Tfotodlg::FormResize() {
    if (Background) placeFrame(keepSlideFrameCentred(m_frame, slideWindow()));
}

void Tfotodlg::scrollBy(int dx, int dy) {
    m_scroll.setX(std::clamp(m_scroll.x() + dx, 0, m_ranges.horizontal));
    m_scroll.setY(std::clamp(m_scroll.y() + dy, 0, m_ranges.vertical));
    placeFrame(m_frame);
}

void Tfotodlg::Volgende1Click() {
    if (showNextSlide(m_show, m_session, m_captions)) loadCurrentPhoto();
    Groter1->setText("Groter");
    showTexts();
    FormResize();
}

void Tfotodlg::Vorige1Click() {
    if (showPreviousSlide(m_show, m_session, m_captions)) loadCurrentPhoto();
    Groter1->setText("Groter");
    showTexts();
    FormResize();
}

void Tfotodlg::Groter() {
    m_show.zoom = !m_show.zoom;
    Groter1->setText(m_show.zoom ? "Kleiner" : "Groter");
    m_scroll = QPoint();
    loadCurrentPhoto();
    m_ranges = slideScrollRanges(m_show.zoom, Image1->width(), Image1->height());
    FormResize();
}

void Tfotodlg::Exit1Click() { reject(); }

void Tfotodlg::Achtergrondkleur1Click() {
    m_session.photoBackground = m_prompt.chooseColour(kDefaultPhotoBackground);
    applyBackground();
}

void Tfotodlg::Lijst1Click() {
    m_frameWidths.editFrameWidths();
    Panel1->setBevelWidth(m_session.frameBevelWidth);
    Panel1->setBorderWidth(m_session.frameBorderWidth);
    loadCurrentPhoto();
}

void Tfotodlg::keyPressEvent(QKeyEvent* event) { FormKeyDown(event); }

void Tfotodlg::FormKeyDown(QKeyEvent* event) {
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    const int step = kArrowScroll + ((event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier ? kCtrlArrowScroll : 0);
    switch (event->key()) {
        case Qt::Key_Z: Groter(); break;
        case Qt::Key_PageDown: Volgende1Click(); break;
        case Qt::Key_PageUp: Vorige1Click(); break;
        case Qt::Key_Plus: if (keypad && !m_show.zoom) Groter(); break;
        case Qt::Key_Minus: if (keypad && m_show.zoom) Groter(); break;
        case Qt::Key_Escape: Exit1Click(); break;
        case Qt::Key_Left: m_frame.left -= 1; scrollBy(-step, 0); break;
        case Qt::Key_Right: m_frame.left += 1; scrollBy(step, 0); break;
        case Qt::Key_Up: m_frame.top -= 1; scrollBy(0, -step); break;
        case Qt::Key_Down: m_frame.top += 1; scrollBy(0, step); break;
        default: QDialog::keyPressEvent(event);
    }
}

void Tfotodlg::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (button != Qt::RightButton) return;
    if (onlyAlt(modifiers)) {
        Vorige1Click();
    } else {
        Volgende1Click();
    }
}

void Tfotodlg::Image1MouseDown(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        FormMouseDown(event->button(), event->modifiers());
        return;
    }
    m_dragStart = event->globalPosition().toPoint();
}

void Tfotodlg::Image1MouseUp(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) return;
    const QPoint moved = event->globalPosition().toPoint() - m_dragStart;
    m_frame.left += moved.x();
    m_frame.top += moved.y();
    placeFrame(m_frame);
}

void Tfotodlg::Panel2MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (button == Qt::LeftButton) {
        Exit1Click();
        return;
    }
    FormMouseDown(button, modifiers);
}

bool Tfotodlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return QDialog::eventFilter(watched, event);
    const auto* press = static_cast<QMouseEvent*>(event);
    if (watched == Background) FormMouseDown(press->button(), press->modifiers());
    if (watched == Panel2) Panel2MouseDown(press->button(), press->modifiers());
    // A press on the frame itself does nothing, and must not reach the background.
    return true;
}

}  // namespace brinox
