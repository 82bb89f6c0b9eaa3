#include "pedigree/aantallendlg.h"

#include <QFrame>
#include <QLabel>

#include "pedigree/family_counts.h"
#include "widgets/colours.h"
#include "widgets/placed.h"
#include "widgets/qt_text.h"

namespace brinox {
namespace {

constexpr int kRowHeight = 21;
constexpr int kTextLeft = 16;
constexpr int kValueLeft = 276;
constexpr int kPanelWidth = 360;

int rowTop(int row) { return 14 + row * kRowHeight + (row >= static_cast<int>(kCountRowsAboveRule) ? kRowHeight : 0); }

}  // namespace

Taantallendlg::Taantallendlg(const Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    setObjectName("aantallendlg");
    setWindowTitle("Aantallen in dit bestand");
    setBackground(this, kTeal);
    const int panelHeight = rowTop(kRows) + 10;
    setFixedSize(kPanelWidth + 32, panelHeight + 32);

    auto* panel = placed<QFrame>(this, "Panel1", QRect(16, 16, kPanelWidth, panelHeight));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    setBackground(panel, kAqua);
    const QFont bold("Arial", 9, QFont::Bold);
    for (int row = 0; row < kRows; ++row) {
        const QRect line(kTextLeft, rowTop(row), kValueLeft - kTextLeft, kRowHeight);
        m_labels[row] = placed<QLabel>(panel, QString("Label%1").arg(row + 1), line);
        m_values[row] = placed<QLabel>(panel, QString("Waarde%1").arg(row + 1),
                                       QRect(kValueLeft, line.top(), kPanelWidth - kValueLeft - 12, kRowHeight));
        m_values[row]->setFont(bold);
    }
    const QRect rule(kTextLeft, rowTop(kCountRowsAboveRule) - kRowHeight, kPanelWidth - 2 * kTextLeft, kRowHeight);
    placed<QLabel>(panel, "Streep", rule, QString(58, '_'));
}

void Taantallendlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void Taantallendlg::FormActivate() {
    const auto rows = familyCounts(m_session);
    for (std::size_t row = 0; row < rows.size() && row < m_labels.size(); ++row) {
        m_labels[row]->setText(toQt(rows[row].label));
        m_values[row]->setText(toQt(rows[row].value));
    }
}

}  // namespace brinox
