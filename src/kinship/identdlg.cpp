#include "kinship/identdlg.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "kinship/identification.h"
#include "photos/jpeg_decoder.h"
#include "widgets/colours.h"
#include "widgets/picture_view.h"
#include "widgets/placed.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

constexpr int kClientWidth = 310;
constexpr int kClientHeight = 240;
constexpr int kOuterWidth = 382;
constexpr int kOuterHeight = 298;

QRect toQRect(const PhotoBox& box) { return {box.left, box.top, box.width, box.height}; }

}  // namespace

Tidentdlg::Tidentdlg(Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    setObjectName("identdlg");
    setWindowTitle("Identificatie");
    setFont(QFont("Arial", 9));
    setBackground(this, kLightYellow);

    Image1 = placed<PictureView>(this, "Image1", toQRect(kIdentPhotoBox));
    connect(Image1, &PictureView::mouseDown, this, [this](QMouseEvent* event) { pressed(event->button()); });
    Label1 = placed<QLabel>(this, "Label1", QRect(4, 226, 366, 16), "Dit is ");
    QFont bold = font();
    bold.setBold(true);
    Label1->setFont(bold);
    geenfoto = placed<QLabel>(this, "geenfoto", QRect(4, 104, 366, 16), QString::fromUtf8(kNoPhotoText));
    geenfoto->setAlignment(Qt::AlignCenter);
    geenfoto->hide();
    okbtn = placed<QPushButton>(this, "okbtn", QRect(280, 8, 85, 25), "&Sluiten");
    connect(okbtn, &QPushButton::clicked, this, &Tidentdlg::okbtnClick);
    Button1 = placed<QPushButton>(this, "Button1", QRect(4, 244, 366, 25), "Maak mij de nieuwe persoon B");
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &Tidentdlg::Button1Click);

    resize(kClientWidth, kClientHeight);
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        const QRect area = primary->availableGeometry();
        move(area.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }
}

void Tidentdlg::identify(DrawingSide side) {
    m_side = side;
    exec();
}

void Tidentdlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void Tidentdlg::FormActivate() {
    setOuterSize(kOuterWidth, kOuterHeight);
    geenfoto->hide();
    const auto shown = identifyPointedAt(m_session);
    if (!shown) {
        placeOnScreen(false);
        return;
    }
    setToolTip(QString::fromUtf8(kNextPhotoHint));
    Label1->setText(toQt(shown->name));
    if (shown->photoExists) toonjpg(shown->photo);
    Image1->setVisible(shown->photoExists);
    geenfoto->setVisible(!shown->photoExists);
    placeOnScreen(shown->photoExists);
}

// A photo that cannot be read leaves the box empty at its largest.
void Tidentdlg::toonjpg(const std::filesystem::path& file) {
    Picture& picture = Image1->picture();
    readJpegThumbnail(file, picture, kIdentPhotoBox.width, kIdentPhotoBox.height, *m_session.fileCalls);
    Image1->pictureChanged();
    const PhotoBox current{Image1->x(), Image1->y(), Image1->width(), Image1->height()};
    Image1->setGeometry(toQRect(identificationPhotoBox(picture.storedWidth, picture.storedHeight, current)));
}

void Tidentdlg::Button1Click() {
    m_session.relationship.personB = m_session.relationship.pointedAt;
    reject();
}

void Tidentdlg::okbtnClick() { reject(); }

// Presses on the labels and buttons are theirs; only the window's own
// surface and the photo take the mouse.
void Tidentdlg::mousePressEvent(QMouseEvent* event) {
    if (childAt(event->position().toPoint())) return;
    pressed(event->button());
}

void Tidentdlg::pressed(Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        FormActivate();
    } else if (button == Qt::LeftButton) {
        m_session.relationship.pointedAt = RecordNo();
        Image1->resize(0, Image1->height());
        reject();
    }
}

// The outer size includes the window's frame, as far as the window system
// has told it; the client area gets what is left.
void Tidentdlg::setOuterSize(int width, int height) {
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(width - frame.width(), height - frame.height());
}

// Without a photo the window keeps its height on the screen.
void Tidentdlg::placeOnScreen(bool atTop) {
    const QScreen* shown = screen();
    if (!shown) return;
    const QRect area = shown->availableGeometry();
    const int left = m_side == DrawingSide::A ? area.right() + 1 - frameGeometry().width() : area.left();
    move(left, atTop ? area.top() : y());
}

}  // namespace brinox
