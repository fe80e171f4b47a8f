#include "positions/classic/ayanamsa.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

struct AyanamsaCase {
  double centuries;
  double correctionDeg;
};

class AyanamsaTest : public ::testing::TestWithParam<AyanamsaCase> {};

TEST_P(AyanamsaTest, ReturnsTheNegatedAyanamsa) {
  EXPECT_NEAR(SiderealCorrectionDeg(GetParam().centuries), GetParam().correctionDeg, 1e-7);
}

INSTANTIATE_TEST_SUITE_P(KnownCenturies, AyanamsaTest,
                         ::testing::Values(AyanamsaCase{0, -23.8537257},
                                           AyanamsaCase{-1, -22.4666432},
                                           AyanamsaCase{0.25, -24.2065398}));

}  // namespace
}  // namespace tarvel
