#include "timeline/year_list.h"

#include <QPainter>
#include <QStyledItemDelegate>

#include "widgets/colours.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

constexpr int kLineHeight = 16;
constexpr int kShortRule = 20;
const QColor kLifeGrey(192, 192, 192);
const QColor kRuleRed(255, 0, 0);

class YearLineDelegate : public QStyledItemDelegate {
public:
    explicit YearLineDelegate(YearList* list) : QStyledItemDelegate(list), m_list(*list) {}

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {0, kLineHeight}; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const int line = index.row();
        QColor shade = kLightYellow;
        if (m_list.period() && m_list.period()->contains(line)) shade = kLifeGrey;
        if (m_list.current() == line) shade = kLime;

        const QRect rect = option.rect;
        const QString text = index.data(Qt::DisplayRole).toString();
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
        painter->save();
        painter->fillRect(rect, shade);
        painter->setFont(option.font);
        painter->setPen(Qt::black);
        // A found line shows its text highlighted and keeps its shade beside it.
        if (option.state & QStyle::State_Selected) {
            painter->fillRect(painter->boundingRect(rect, flags, text), option.palette.color(QPalette::Highlight));
            painter->setPen(option.palette.color(QPalette::HighlightedText));
        }
        painter->drawText(rect, flags, text);
        painter->setPen(kRuleRed);
        if (line % 10 == 0) {
            painter->drawLine(rect.left(), rect.top(), rect.left() + m_list.longRule(), rect.top());
        } else if (line % 5 == 0) {
            painter->drawLine(rect.left(), rect.top(), rect.left() + kShortRule, rect.top());
        }
        painter->restore();
    }

private:
    const YearList& m_list;
};

}  // namespace

YearList::YearList(int longRule, QWidget* parent) : PressableList(parent), m_longRule(longRule) {
    setUniformItemSizes(true);
    setItemDelegate(new YearLineDelegate(this));
    QPalette yellow = palette();
    yellow.setColor(QPalette::Base, kLightYellow);
    setPalette(yellow);
}

void YearList::setYears(const std::vector<std::string>& lines, std::optional<LineRange> period,
                        std::optional<int> current) {
    m_period = period;
    m_current = current;
    clear();
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines) items << toQt(line);
    addItems(items);
}

void YearList::scrollToTop(int line) {
    if (QListWidgetItem* top = item(line)) scrollToItem(top, QAbstractItemView::PositionAtTop);
}

}  // namespace brinox
