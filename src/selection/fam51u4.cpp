#include "selection/fam51u4.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionMenuItem>
#include <QStyledItemDelegate>

#include "widgets/fitted_text.h"
#include "widgets/placed.h"
#include "widgets/pressable.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

constexpr int kClientWidth = 483;
constexpr int kClientHeight = 414;
constexpr int kListHeight = 256;
constexpr int kLineHeight = 14;

// Every line of the list is 14 pixels high, whatever the font asks for.
class FixedLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kLineHeight};
    }
};

// Qt's styles draw no check mark on a menu bar entry. This style gives the
// checkable entries of one menu bar room on their left and draws the mark
// there when the entry is checked.
class MenuBarCheckStyle : public QProxyStyle {
public:
    explicit MenuBarCheckStyle(QMenuBar* bar) : m_bar(bar) {}

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type != CT_MenuBarItem) return result;
        // Narrower margins than the style's, so that all seven entries fit
        // on the bar of this 483-pixel window.
        result.rwidth() = size.width() + kMargin;
        if (actionOf(option)) result.rwidth() += kCheckRoom;
        return result;
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_MenuBarItemSpacing) return kSpacing;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const QAction* action = element == CE_MenuBarItem ? actionOf(option) : nullptr;
        if (!action) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        // The entry's background over its whole width, the caption to the
        // right of the room for the mark, and the mark when checked.
        const QStyleOptionMenuItem item = *qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        QStyleOptionMenuItem background = item;
        background.text.clear();
        QProxyStyle::drawControl(element, &background, painter, widget);
        const bool active = (item.state & State_Selected) && (item.state & State_Sunken);
        const QPalette::ColorRole role = active ? QPalette::HighlightedText : QPalette::ButtonText;
        int alignment = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
        if (!proxy()->styleHint(SH_UnderlineShortcut, &item, widget)) alignment |= Qt::TextHideMnemonic;
        proxy()->drawItemText(painter, item.rect.adjusted(kCheckRoom, 1, 0, -3), alignment, item.palette,
                              item.state & State_Enabled, item.text, role);
        if (!action->isChecked()) return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(item.palette.color(role), 1.5));
        const qreal x = item.rect.left() + 5;
        const qreal y = item.rect.center().y();
        painter->drawPolyline(QPolygonF({QPointF(x, y - 1), QPointF(x + 2.5, y + 2), QPointF(x + 7, y - 4)}));
        painter->restore();
    }

private:
    static constexpr int kCheckRoom = 11;
    static constexpr int kMargin = 8;
    static constexpr int kSpacing = 2;

    // The checkable action an entry's option stands for; none for the others.
    const QAction* actionOf(const QStyleOption* option) const {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (!item) return nullptr;
        for (const QAction* action : m_bar->actions()) {
            if (action->isCheckable() && action->text() == item->text) return action;
        }
        return nullptr;
    }

    QMenuBar* m_bar;
};

// A caption wider than the button loses its end, not its record number at
// the front; the whole caption is then in the tool tip.
void showCaption(QPushButton* button, const std::string& caption) {
    const QString whole = toQt(caption);
    const QString shown = fittedText(*button, whole, captionRoom(*button));
    // An "&" in a name is text, not a mnemonic.
    button->setText(QString(shown).replace("&", "&&"));
    button->setToolTip(shown == whole ? QString() : whole);
}

}  // namespace

Tselectiedlg::Tselectiedlg(Session& session, HelpViewer& help, std::function<void()> askSearchWord, QWidget* parent)
    : QDialog(parent), m_session(session), m_help(help), m_askSearchWord(std::move(askSearchWord)), m_model(session) {
    setObjectName("selectiedlg");
    setFont(QFont("Arial", 8));
    setWindowTitle(toQt(listTitle(m_model.kind(), m_session.selection.searchWord)));

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName("MainMenu1");
    // Owned by the window and made after the bar, so it outlives the bar.
    auto* menuStyle = new MenuBarCheckStyle(MainMenu1);
    menuStyle->setParent(this);
    MainMenu1->setStyle(menuStyle);
    const auto addEntry = [this](const char* name, const char* caption, bool checkable) {
        QAction* action = MainMenu1->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(checkable);
        return action;
    };
    Familienaam1 = addEntry("Familienaam1", "&Familienaam", true);
    Familienaam1->setChecked(true);
    Voornaam1 = addEntry("Voornaam1", "&Voornaam", true);
    QAction* geboortejaar1 = addEntry("Geboortejaar1", "&Geboortejaar", false);
    Recordnummer1 = addEntry("Recordnummer1", "&Recordnummer", true);
    QAction* zoekwoord1 = addEntry("Zoekwoord1", "&Zoekwoord", false);
    QAction* historie1 = addEntry("Historie1", "&Historie", false);
    QAction* help1 = addEntry("Help1", "Help", false);
    connect(Familienaam1, &QAction::triggered, this, &Tselectiedlg::FamilienaamClick);
    connect(Voornaam1, &QAction::triggered, this, &Tselectiedlg::VoornaamClick);
    connect(geboortejaar1, &QAction::triggered, this, &Tselectiedlg::GeboortejaarClick);
    connect(Recordnummer1, &QAction::triggered, this, &Tselectiedlg::RecordnummerClick);
    connect(zoekwoord1, &QAction::triggered, this, &Tselectiedlg::ZoekwoordClick);
    connect(historie1, &QAction::triggered, this, &Tselectiedlg::HistorieClick);
    connect(help1, &QAction::triggered, this, &Tselectiedlg::HelpClick);
    const int menuHeight = MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, kClientWidth, menuHeight);

    // The client area below the menu bar, 483 by 414 as the window is drawn.
    auto* client = placed<QWidget>(this, "ClientArea", QRect(0, menuHeight, kClientWidth, kClientHeight));
    setFixedSize(kClientWidth, menuHeight + kClientHeight);

    ListBox1 = placed<PressableList>(client, "ListBox1", QRect(0, 0, kClientWidth, kListHeight));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setTextElideMode(Qt::ElideNone);
    ListBox1->setItemDelegate(new FixedLineDelegate(ListBox1));
    connect(ListBox1, &PressableList::mouseDown, this, &Tselectiedlg::ListBox1MouseDown);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &Tselectiedlg::ListBox1DblClick);

    auto* groupBox1 =
        placed<QGroupBox>(client, "GroupBox1", QRect(8, 262, 376, 84), "  Kies hier Persoon of Partner  ");
    placed<QLabel>(groupBox1, "Label1", QRect(10, 24, 50, 16), "Persoon");
    keuzebtn = placed<QPushButton>(groupBox1, "keuzebtn", QRect(62, 20, 304, 24));
    keuzebtn->setAutoDefault(false);
    placed<QLabel>(groupBox1, "Label2", QRect(10, 54, 50, 16), "Partner");
    relatbtn = placed<QPushButton>(groupBox1, "relatbtn", QRect(62, 50, 304, 24));
    relatbtn->setAutoDefault(false);
    connect(keuzebtn, &QPushButton::clicked, this, &Tselectiedlg::keuzebtnClick);
    connect(relatbtn, &QPushButton::clicked, this, &Tselectiedlg::relatbtnClick);

    cancelbtn = placed<QPushButton>(client, "cancelbtn", QRect(396, 292, 78, 26), "&Cancel");
    cancelbtn->setAutoDefault(false);
    connect(cancelbtn, &QPushButton::clicked, this, &Tselectiedlg::cancelbtnClick);

    auto* panel1 = placed<QFrame>(client, "Panel1", QRect(0, 352, kClientWidth, kClientHeight - 352));
    panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    const char* const instructions[] = {
        "In de lijst staan alle personen, gerangschikt volgens het criterium in de titelbalk.",
        "De Persoon-knop toont de aangeklikte persoon uit de lijst en de Partner op de knop daaronder",
        "U selecteert een naam door op een van deze knoppen te drukken.",
    };
    for (int i = 0; i < 3; ++i) {
        placed<QLabel>(panel1, QString("Label%1").arg(i + 3), QRect(8, 5 + i * 17, kClientWidth - 16, 16),
                       instructions[i]);
    }

    // The window sees keys before its controls.
    for (QWidget* control : std::initializer_list<QWidget*>{ListBox1, keuzebtn, relatbtn, cancelbtn}) {
        control->installEventFilter(this);
    }
    installEventFilter(this);
}

void Tselectiedlg::pickPerson() { exec(); }

void Tselectiedlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
    FormActivate();
}

void Tselectiedlg::FormActivate() {
    // Loading a family sets the first list again; the check mark follows it.
    checkListItem(m_model.kind());
    maaklijst(Build::Opening, m_model.kind());
    ListBox1->setFocus();
}

void Tselectiedlg::maaklijst(Build build, ListKind kind) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ListBox1->hide();
    ListBox1->clear();
    if (build == Build::Opening) {
        m_model.open();
    } else {
        m_model.choose(kind);
    }
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(m_model.lines().size()));
    for (const auto& line : m_model.lines()) lines.append(toQt(line));
    ListBox1->addItems(lines);
    ListBox1->show();
    QApplication::restoreOverrideCursor();

    setWindowTitle(toQt(m_model.title()));
    showButtons();
    const int top = m_session.selection.savedTopLine;
    if (top > 0 && top < ListBox1->count()) {
        ListBox1->scrollToItem(ListBox1->item(top), QAbstractItemView::PositionAtTop);
    } else {
        ListBox1->scrollToTop();
    }
}

void Tselectiedlg::showButtons() {
    showCaption(keuzebtn, m_model.personCaption());
    showCaption(relatbtn, m_model.partnerCaption());
    relatbtn->setVisible(m_model.partnerShown());
}

int Tselectiedlg::topLine() const {
    if (ListBox1->count() == 0) return 0;
    return ListBox1->verticalScrollBar()->value();
}

void Tselectiedlg::ListBox1MouseDown(Qt::MouseButton button, QPoint position) {
    if (button != Qt::LeftButton) return;
    QListWidgetItem* item = ListBox1->itemAt(position);
    if (!item) return;
    m_model.click(ListBox1->row(item));
    showButtons();
}

void Tselectiedlg::ListBox1DblClick() { keuzebtnClick(); }

void Tselectiedlg::keuzebtnClick() {
    if (m_model.choosePerson(topLine())) accept();
}

void Tselectiedlg::relatbtnClick() {
    if (m_model.choosePartner()) accept();
}

void Tselectiedlg::cancelbtnClick() {
    m_model.cancel(topLine());
    QDialog::reject();
}

void Tselectiedlg::reject() { cancelbtnClick(); }

bool Tselectiedlg::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Escape) {
        cancelbtnClick();
        return true;
    }
    // Alt and Control with a letter belong to the menu and the buttons.
    if (modifiers & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) return false;
    if (key < Qt::Key_A || key > Qt::Key_Z) return false;
    if (const auto row = m_model.lineForKey(static_cast<char>('A' + (key - Qt::Key_A)))) {
        ListBox1->setCurrentRow(*row);
    }
    return true;
}

bool Tselectiedlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (FormKeyDown(key->key(), key->modifiers())) return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Tselectiedlg::chooseList(ListKind kind) { maaklijst(Build::MenuChoice, kind); }

void Tselectiedlg::checkListItem(ListKind kind) {
    if (kind != ListKind::FamilyName && kind != ListKind::FirstName && kind != ListKind::RecordNumber) return;
    Familienaam1->setChecked(kind == ListKind::FamilyName);
    Voornaam1->setChecked(kind == ListKind::FirstName);
    Recordnummer1->setChecked(kind == ListKind::RecordNumber);
    MainMenu1->update();
}

void Tselectiedlg::FamilienaamClick() {
    checkListItem(ListKind::FamilyName);
    chooseList(ListKind::FamilyName);
}

void Tselectiedlg::VoornaamClick() {
    checkListItem(ListKind::FirstName);
    chooseList(ListKind::FirstName);
}

void Tselectiedlg::GeboortejaarClick() { chooseList(ListKind::BirthYear); }

void Tselectiedlg::RecordnummerClick() {
    checkListItem(ListKind::RecordNumber);
    chooseList(ListKind::RecordNumber);
}

void Tselectiedlg::ZoekwoordClick() {
    // Whichever button closes the search window, the keyword list follows.
    m_askSearchWord();
    chooseList(ListKind::Keyword);
}

void Tselectiedlg::HistorieClick() { chooseList(ListKind::History); }

void Tselectiedlg::HelpClick() { m_help.showHelp(HelpTopic::Selection); }

}  // namespace brinox
