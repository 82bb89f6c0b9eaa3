#pragma once

#include <optional>
#include <string>
#include <vector>

#include "timeline/timeline_years.h"
#include "widgets/pressable.h"

namespace brinox {

// The list of a timeline: one 16-pixel line per year on light yellow, the
// life period grey, this year green, and red marks along the top of every
// fifth line (short) and every tenth (long), so that it reads like a ruler.
class YearList : public PressableList {
    Q_OBJECT
public:
    // `longRule` is the length of the mark on every tenth line, in pixels.
    YearList(int longRule, QWidget* parent = nullptr);

    // Fills the list with `lines`, shading `period` and `current`.
    void setYears(const std::vector<std::string>& lines, std::optional<LineRange> period, std::optional<int> current);

    // Scrolls so that `line` is the top line.
    void scrollToTop(int line);

    std::optional<LineRange> period() const { return m_period; }
    std::optional<int> current() const { return m_current; }
    int longRule() const { return m_longRule; }

private:
    int m_longRule;
    std::optional<LineRange> m_period;
    std::optional<int> m_current;
};

}  // namespace brinox
