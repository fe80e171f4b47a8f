#include "chart/skies.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

// Every choice the menu and the command line offer finds the sky that computes with it.
TEST(SkiesTest, EveryChoiceHasItsOwnSky) {
  const Skies skies;
  for (int ayanamsa = 0; ayanamsa < 6; ++ayanamsa) {
    for (const NodeKind node : {NodeKind::Mean, NodeKind::True}) {
      const SkySettings swiss{SkyKind::Swiss, static_cast<AyanamsaKind>(ayanamsa), node};
      EXPECT_EQ(skies.For(swiss).Settings(), swiss) << ayanamsa;
    }
  }
  // The classic sky has its own ayanamsa and node, whatever else the choice says.
  const SkySettings classic{SkyKind::Classic, AyanamsaKind::Raman, NodeKind::True};
  EXPECT_EQ(skies.For(classic).Settings(), SkySettings{});
  EXPECT_EQ(&skies.For(classic), &skies.For(SkySettings{}));
}

}  // namespace
}  // namespace tarvel
