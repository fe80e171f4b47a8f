#include "document/lord_argala.h"

#include <gtest/gtest.h>

#include "tests/argala/argala_test_support.h"

namespace tarvel {
namespace {

using testing::Set;
using K = SummaryKind;
using V = SummaryVerdict;
constexpr auto kPlanet = ArgalaRecipient::Kind::Planet;
constexpr auto kHouse = ArgalaRecipient::Kind::House;

// Saturn in Capricorn in the worked chart, counted by hand: the 11th, 2nd, 5th, 8th, 5th, 4th,
// 2nd and 11th of the recipients it casts on, in the obstructing position of the others' entries.
TEST(LordArgalaTest, SaturnInTheWorkedChart) {
  const LordArgala expected{
      {{{kPlanet, Venus}, {11, K::Primary, V::Balanced, Set({Saturn}), Set({Moon})}},
       {{kPlanet, Jupiter}, {2, K::Primary, V::Unobstructed, Set({Saturn}), 0}},
       {{kPlanet, NNode}, {5, K::Secondary, V::Balanced, Set({Saturn}), Set({Moon})}},
       {{kHouse, 3}, {8, K::Secondary, V::Unobstructed, Set({Saturn}), 0}},
       {{kHouse, 6}, {5, K::Secondary, V::Balanced, Set({Saturn}), Set({Moon})}},
       {{kHouse, 7}, {4, K::Primary, V::Balanced, Set({Saturn}), Set({Mars})}},
       {{kHouse, 9}, {2, K::Primary, V::Unobstructed, Set({Saturn}), 0}},
       {{kHouse, 12}, {11, K::Primary, V::Balanced, Set({Saturn}), Set({Moon})}}},
      {{{kPlanet, Sun}, {4, K::Primary, V::Balanced, Set({Mars}), Set({Saturn})}},
       {{kPlanet, Moon}, {5, K::Secondary, V::Balanced, Set({NNode}), Set({Saturn})}},
       {{kPlanet, Mercury}, {4, K::Primary, V::Balanced, Set({Mars}), Set({Saturn})}},
       {{kPlanet, SNode}, {11, K::Primary, V::Balanced, Set({Moon}), Set({Saturn})}},
       {{kHouse, 1}, {4, K::Primary, V::Balanced, Set({Mars}), Set({Saturn})}},
       {{kHouse, 2}, {5, K::Secondary, V::Balanced, Set({NNode}), Set({Saturn})}},
       {{kHouse, 8}, {11, K::Primary, V::Balanced, Set({NNode}), Set({Saturn})}},
       {{kHouse, 11}, {2, K::Primary, V::Prevails, Set({Venus, SNode}), Set({Saturn})}}}};
  EXPECT_EQ(ArgalaOfLord(SummariseArgala(testing::WorkedChart()), Saturn), expected);
}

}  // namespace
}  // namespace tarvel
