#include "PositionCentree.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace {

TEST(PositionCentree, CentreEtRetientLesFenetresTropGrandes) {
    // Area x, y, width, height; window width, height; expected corner.
    constexpr std::array<std::array<int, 8>, 4> cas{{{0, 0, 1920, 1080, 800, 600, 560, 240},
                                                     {100, 50, 1000, 800, 400, 200, 400, 350},
                                                     {10, 20, 1920, 1080, 2500, 1400, 10, 20},
                                                     {10, 20, 1920, 1080, 2500, 400, 10, 360}}};
    for (const auto& [zx, zy, zl, zh, l, h, x, y] : cas) {
        const Position p = PositionCentree(zx, zy, zl, zh, l, h);
        EXPECT_EQ(std::pair(p.x, p.y), std::pair(x, y)) << l << "x" << h;
    }
}

} // namespace
