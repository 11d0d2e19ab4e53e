// The meter's percentage text reads exactly as a formatted print of it reads.
#include "controls/percent_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/core/text.h"

namespace {

std::string Printed(float percent) { return StrFormat("%.0f %%", static_cast<double>(percent)); }

// Every position of every range up to 400, computed as the meter computes it: the halves
// (12.5, 37.5, 0.5, ...) and the values just off them come up.
TEST(PercentTextTest, EveryPositionOfSmallRangesReadsAsPrinted) {
    int mismatches = 0;
    for (int upper = 1; upper <= 400; ++upper) {
        for (int position = 0; position <= upper; ++position) {
            float percent = static_cast<float>(position) * 100.0f / static_cast<float>(upper);
            if (PercentText(percent) != Printed(percent)) {
                ADD_FAILURE() << position << " of " << upper << ": " << PercentText(percent)
                              << " vs " << Printed(percent);
                if (++mismatches == 5) return;
            }
        }
    }
}

TEST(PercentTextTest, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(PercentText(0.5f), "0 %");
    EXPECT_EQ(PercentText(1.5f), "2 %");
    EXPECT_EQ(PercentText(12.5f), "12 %");
    EXPECT_EQ(PercentText(-2.5f), "-2 %");
}

TEST(PercentTextTest, ExtremesReadAsPrinted) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    for (float percent : {0.0f, -0.0f, -0.4f, 99.5f, 100.0f, -214748364800.0f, 1e-30f,
                          std::numeric_limits<float>::max(), -std::numeric_limits<float>::max(),
                          kInf, -kInf, kNaN, -kNaN}) {
        EXPECT_EQ(PercentText(percent), Printed(percent)) << percent;
    }
}

}  // namespace
