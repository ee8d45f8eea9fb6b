// Dialog units to pixels, with known base units.
#include "DialogUnits.h"

#include <gtest/gtest.h>

TEST(MapDialogRect, ScalesByTheBaseUnitsAndRounds)
{
    const struct {
        int x, y, cx, cy;
        BaseUnits base;
        QRect pixels;
    } cases[] = {
        {40, 80, 50, 14, {6, 13}, {60, 130, 75, 23}},   // 14*13/8 = 22.75
        {7, 7, 262, 62, {6, 13}, {11, 11, 393, 101}},   // 7*6/4 = 10.5 rounds up
        {98, 19, 121, 12, {7, 16}, {172, 38, 212, 24}}, // 121*7/4 = 211.75
        {0, 0, 276, 106, {8, 16}, {0, 0, 552, 212}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MapDialogRect(c.x, c.y, c.cx, c.cy, c.base), c.pixels)
            << c.x << "," << c.y << " " << c.cx << "x" << c.cy;
    }
}
