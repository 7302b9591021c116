// Window shapes per ButtonType: which pixels of the client rectangle the window keeps.
#include "button/paint/shape.h"
#include "button/paint/styles.h"

#include <gtest/gtest.h>
#include <vector>

namespace chameleon {
namespace {

TEST(ShapeTest, PixelsEachTypeCutsFromA75By23Button) {
    const std::vector<QPoint> rounded = {{0, 0},  {1, 0},  {0, 1},  {73, 0},  {74, 0},  {74, 1},
                                         {0, 22}, {1, 22}, {0, 21}, {73, 22}, {74, 22}, {74, 21}};
    const std::vector<QPoint> corners = {{0, 0}, {74, 0}, {0, 22}, {74, 22}};
    for (std::int32_t type = -1; type <= 15; ++type) {
        const bool round = type == RoundedBevel || type == RoundedGradient;
        const bool square = type == OutlinedBevel || type == GradientFramed;
        std::vector<QPoint> cut = round ? rounded : square ? corners : std::vector<QPoint>{};
        if (type == DoubleFrame) cut = {{74, 0}, {0, 22}};
        QRegion expected(0, 0, 75, 23);
        for (const QPoint p : cut) expected -= QRegion(p.x(), p.y(), 1, 1);
        if (type == Oval) continue;
        EXPECT_EQ(shapeRegionFor(type, 75, 23), expected) << type;
    }
}

} // namespace
} // namespace chameleon
