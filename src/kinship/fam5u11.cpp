#include "kinship/fam5u11.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "widgets/colours.h"
#include "widgets/named_action.h"
#include "widgets/fitted_text.h"
#include "widgets/placed.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

constexpr int kClientWidth = 627;
constexpr int kClientHeight = 433;
constexpr int kLabelStep = 24;
constexpr int kResultWidth = 465;

const QColor kNavy(0, 0, 128);
const QColor kLightCyan(224, 255, 255);
const QColor kRed(255, 0, 0);

const char* const kDrawingHint = "Voor identificatie klik op de persoon";

QPoint toQPoint(DrawingPoint point) { return {point.x, point.y}; }

// The pattern's rectangles run from their first corner up to, not onto, the
// second: the outline covers x1..x2 - 1 and y1..y2 - 1.
QRect outlineOf(const DrawingSpan& span) {
    return {span.from.x, span.from.y, span.to.x - span.from.x - 1, span.to.y - span.from.y - 1};
}

// A fork's line likewise stops one pixel short of its end point.
void drawLineUpTo(QPainter& painter, const DrawingSpan& line) {
    const int dx = line.to.x > line.from.x ? 1 : (line.to.x < line.from.x ? -1 : 0);
    const int dy = line.to.y > line.from.y ? 1 : (line.to.y < line.from.y ? -1 : 0);
    painter.drawLine(toQPoint(line.from), QPoint(line.to.x - dx, line.to.y - dy));
}

QFrame* newPanel(QWidget* parent, const QString& name, QRect place, const QColor& colour) {
    auto* panel = placed<QFrame>(parent, name, place);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setBackground(panel, colour);
    return panel;
}


}  // namespace

AncestorDrawing::AncestorDrawing(QWidget* parent) : QWidget(parent) {
    QFont letters("Arial");
    letters.setPixelSize(12);
    setFont(letters);
    setToolTip(QString::fromUtf8(kDrawingHint));
    // Every button identifies here; the window's pop-up menu stays outside.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void AncestorDrawing::setContent(const DrawingContent& content) {
    m_content = content;
    update();
}

void AncestorDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kLightYellow);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(outlineOf(kOutline), kOutlineCorner / 2, kOutlineCorner / 2);
    for (int position = 1; position < kTreePositions; ++position) {
        const QPoint corner = toQPoint(letterPlace(position));
        painter.drawText(QRect(corner, QSize(kDrawingWidth, kDrawingHeight)), Qt::AlignLeft | Qt::AlignTop,
                         QString(QChar(letterOf(position))));
    }
    for (const DrawingSpan& line : forkLines()) drawLineUpTo(painter, line);

    // The first names stay inside the red box, however long they are.
    const QRect nameBox = outlineOf(kNameBox);
    const QString name = fittedText(*this, toQt(m_content.ownerFirstNames), nameBox.right() - kNamePlace.x - 2);
    painter.drawText(QRect(toQPoint(kNamePlace), QPoint(nameBox.right() - 1, nameBox.bottom() - 1)),
                     Qt::AlignLeft | Qt::AlignTop, name);
    painter.setPen(QPen(kRed, 1, Qt::SolidLine));
    painter.drawRect(nameBox);
    if (m_content.framed > 0) painter.drawRect(outlineOf(frameAround(m_content.framed)));
}

void AncestorDrawing::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->button(), event->position().toPoint());
}

Trelatiedlg::Trelatiedlg(Session& session, Prompt& prompt, PersonPicker& picker, HelpViewer& help,
                         AncestorIdentifier& identifier, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompt(prompt), m_picker(picker), m_help(help), m_identifier(identifier) {
    setObjectName("relatiedlg");
    setFont(QFont("Arial", 9));
    setWindowTitle(QString::fromUtf8(kRelationshipTitle));
    setBackground(this, kNavy);
    buildMenus();
    const int menuHeight = MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, kClientWidth, menuHeight);
    auto* client = placed<QWidget>(this, "ClientArea", QRect(0, menuHeight, kClientWidth, kClientHeight));
    setFixedSize(kClientWidth, menuHeight + kClientHeight);

    Panel3 = placed<QFrame>(client, "Panel3", QRect(10, 10, kDrawingWidth, kDrawingHeight));
    PaintBox1 = placed<AncestorDrawing>(Panel3, "PaintBox1", QRect(0, 0, kDrawingWidth, kDrawingHeight));
    Panel4 = placed<QFrame>(client, "Panel4", QRect(320, 10, kDrawingWidth, kDrawingHeight));
    PaintBox2 = placed<AncestorDrawing>(Panel4, "PaintBox2", QRect(0, 0, kDrawingWidth, kDrawingHeight));
    connect(PaintBox1, &AncestorDrawing::mouseDown, this,
            [this](Qt::MouseButton button, QPoint at) { PaintBox1MouseDown(button, at.x(), at.y()); });
    connect(PaintBox2, &AncestorDrawing::mouseDown, this,
            [this](Qt::MouseButton button, QPoint at) { PaintBox2MouseDown(button, at.x(), at.y()); });

    buildResultPanels(client);

    Panel5 = placed<QLabel>(client, "Panel5", QRect(0, kClientHeight - 23, kClientWidth, 23));
    Panel5->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel5->setIndent(8);
    setBackground(Panel5, kButtonFace);
    Panel5->hide();

    showRelationship();
}

void Trelatiedlg::buildMenus() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName("MainMenu1");
    setBackground(MainMenu1, kButtonFace);
    const auto addBarEntry = [this](const char* name, const char* caption) {
        QAction* action = MainMenu1->addAction(QString::fromUtf8(caption));
        action->setObjectName(name);
        return action;
    };
    connect(addBarEntry("Sluiten1", "&Sluiten"), &QAction::triggered, this, &Trelatiedlg::SluitenClick);
    connect(addBarEntry("KiesPersoon1", "&Kies Persoon A"), &QAction::triggered, this,
            &Trelatiedlg::KiesPersoon1Click);
    connect(addBarEntry("Persoon2", "Kies &Persoon B"), &QAction::triggered, this, &Trelatiedlg::Persoon2Click);
    connect(addBarEntry("Help1", "Help"), &QAction::triggered, this, &Trelatiedlg::HelpClick);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    connect(addEntry(PopupMenu1, "KiespersoonA1", "Kies persoon A"), &QAction::triggered, this,
            &Trelatiedlg::KiesPersoon1Click);
    connect(addEntry(PopupMenu1, "KiespersoonB1", "Kies persoon B"), &QAction::triggered, this,
            &Trelatiedlg::Persoon2Click);
    connect(addEntry(PopupMenu1, "Sluiten2", "Sluiten"), &QAction::triggered, this, &Trelatiedlg::SluitenClick);
}

void Trelatiedlg::buildResultPanels(QWidget* client) {
    Panel1 = newPanel(client, "Panel1", QRect(72, 232, kResultWidth, 129), kLightCyan);
    for (int i = 0; i < 5; ++i) {
        QLabel* label =
            placed<QLabel>(Panel1, QString("Label%1").arg(i + 1), QRect(8, 6 + i * kLabelStep, kResultWidth - 16, 20));
        if (i % 2 == 0) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
        }
        m_labels[static_cast<std::size_t>(i)] = label;
    }
    rel2_btn = placed<QPushButton>(Panel1, "rel2_btn", QRect(16, 6 + 3 * kLabelStep - 2, 433, 24));
    rel2_btn->setAutoDefault(false);
    connect(rel2_btn, &QPushButton::clicked, this, &Trelatiedlg::rel2_btnClick);

    Panel2 = newPanel(client, "Panel2", QRect(72, 368, kResultWidth, 57), kLime);
    for (int i = 5; i < 7; ++i) {
        m_labels[static_cast<std::size_t>(i)] = placed<QLabel>(
            Panel2, QString("Label%1").arg(i + 1), QRect(8, 6 + (i - 5) * kLabelStep, kResultWidth - 16, 20));
    }
}

void Trelatiedlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
    // Nothing of an earlier opening may show, not even for a moment; person B
    // is asked for once the window stands on the screen.
    m_shown = Relationship{};
    showRelationship();
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) FormActivate();
    });
}

void Trelatiedlg::contextMenuEvent(QContextMenuEvent* event) { PopupMenu1->popup(event->globalPos()); }

void Trelatiedlg::FormActivate() {
    // A cancelled choice of B must not leave the previous result, or
    // drawings that can still be pressed, on the screen.
    m_shown = Relationship{};
    showRelationship();
    m_session.relationship.personA = m_session.selectedPerson;
    Persoon2Click();
}

void Trelatiedlg::showStatus(const std::string& text) {
    Panel5->setText(toQt(text));
    Panel5->show();
}

void Trelatiedlg::Persoon2Click() {
    showStatus(chooseBStatus(m_session.persons, m_session.relationship.personA));
    m_picker.pickPerson();
    const auto chosen = chosenPerson(m_session);
    if (!chosen) return;
    m_session.relationship.personB = *chosen;
    maaknieuwscherm();
    Panel5->hide();
}

void Trelatiedlg::KiesPersoon1Click() {
    showStatus(chooseAStatus(m_session.persons, m_session.relationship.personB));
    m_session.selection.reference = m_session.relationship.personB;
    m_picker.pickPerson();
    if (const auto chosen = chosenPerson(m_session)) m_session.relationship.personA = *chosen;
    maaknieuwscherm();
    Panel5->hide();
}

void Trelatiedlg::rel2_btnClick() {
    m_session.relationship.personB = m_shown.suggestedPartner;
    maaknieuwscherm();
}

void Trelatiedlg::PaintBox1MouseDown(Qt::MouseButton, int x, int y) { pressDrawing(DrawingSide::A, x, y); }

void Trelatiedlg::PaintBox2MouseDown(Qt::MouseButton, int x, int y) { pressDrawing(DrawingSide::B, x, y); }

void Trelatiedlg::pressDrawing(DrawingSide side, int x, int y) {
    identifyPressed(m_session, m_prompt, m_identifier, pressTarget(m_shown, side, x, y), side);
    // The identification may have made the pointed-at person the new B.
    maaknieuwscherm();
}

void Trelatiedlg::SluitenClick() { reject(); }

void Trelatiedlg::HelpClick() { m_help.showHelp(HelpTopic::Relationship); }

void Trelatiedlg::maaknieuwscherm() {
    m_shown = brinox::maaknieuwscherm(m_session.persons, m_session.unions, m_session.relationship.personA,
                                      m_session.relationship.personB);
    showRelationship();
}

void Trelatiedlg::showRelationship() {
    setWindowTitle(toQt(m_shown.caption));
    for (std::size_t i = 0; i < m_labels.size(); ++i) m_labels[i]->setText(toQt(m_shown.labels[i]));
    Panel1->setVisible(m_shown.mainPanelShown);
    Panel2->setVisible(m_shown.secondPanelShown);
    // An "&" in a name is text, not a shortcut.
    rel2_btn->setText(toQt(m_shown.partnerCaption).replace("&", "&&"));
    rel2_btn->setVisible(!m_shown.partnerCaption.empty());

    Panel3->setGeometry(10, 10, kDrawingWidth, kDrawingHeight);
    Panel4->setGeometry(320, 10, kDrawingWidth, kDrawingHeight);
    const DrawingContent a = drawingContent(m_shown, m_session.persons, DrawingSide::A);
    const DrawingContent b = drawingContent(m_shown, m_session.persons, DrawingSide::B);
    PaintBox1->setContent(a);
    PaintBox2->setContent(b);
    Panel3->setVisible(a.shown);
    Panel4->setVisible(b.shown);
}

}  // namespace brinox
