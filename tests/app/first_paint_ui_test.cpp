#include <gtest/gtest.h>

#include <QWidget>

#include "app/first_paint.h"

namespace brinox {
namespace {

// A start measured with --quit-after-first-paint must not pass for a fast
// one when nothing was painted: the watch tells the two apart.
TEST(FirstPaintWatch, AnswersWhetherTheWatchedWindowWasPainted) {
    QWidget shown;
    FirstPaintWatch shownWatch;
    shown.installEventFilter(&shownWatch);
    shown.show();
    EXPECT_TRUE(shownWatch.waitForIt());

    QWidget hidden;
    FirstPaintWatch hiddenWatch;
    hidden.installEventFilter(&hiddenWatch);
    EXPECT_FALSE(hiddenWatch.waitForIt());
}

}  // namespace
}  // namespace brinox
