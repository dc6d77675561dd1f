#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/PartieEnLigne.h"

namespace tolvan {
namespace {

TEST(PartieEnLigne, AGameIsReadWholeWithEveryField) {
  struct Cas {
    const char* ligne;
    longint cible;
    double temps;
    bool trouvee;
    double secondes;
  };
  const std::vector<Cas> cas = {
      {"75 25 3 7 8 2 812 40 1 22.6", 812, 40, true, 22.6},
      {"75 25 3 7 8 2 812 40 1 22,6", 812, 40, true, 22.6},  // a French decimal comma
      {"1 2 3 4 5 6 100 40 0", 100, 40, false, 0},            // not found: no time needed
      {"1 2 3 4 5 6 100 40 0 40", 100, 40, false, 40},
      {"\t1  2 3 4 5 6 100\t60 1 0 ", 100, 60, true, 0},
      {"999 999 999 999 999 0 9999 3600 1 3600", 9999, 3600, true, 3600},
      {"1 2 3 4 5 6 100 1 0", 100, 1, false, 0},
  };
  for (const Cas& c : cas) {
    const std::optional<PartieEnLigne> partie = LitPartieEnLigne(c.ligne);
    ASSERT_TRUE(partie) << c.ligne;
    EXPECT_EQ(partie->tirage.Resultat, c.cible) << c.ligne;
    EXPECT_EQ(partie->secondesDonnees, c.temps) << c.ligne;
    EXPECT_EQ(partie->trouvee, c.trouvee) << c.ligne;
    EXPECT_EQ(partie->secondes, c.secondes) << c.ligne;
    // Written back, the line reads as the same game.
    const std::optional<PartieEnLigne> relue = LitPartieEnLigne(TextePartieEnLigne(*partie));
    ASSERT_TRUE(relue) << TextePartieEnLigne(*partie);
    EXPECT_EQ(relue->tirage, partie->tirage);
    EXPECT_EQ(relue->secondes, partie->secondes);
  }
}

TEST(PartieEnLigne, ALineThatIsNotAGameIsRefused) {
  const std::vector<std::string> mauvaises = {
      "",
      "75 25 3 7 8 2 812 40 1",             // found, but when?
      "75 25 3 7 8 2 812 40 2 10",          // TROUVE is 1 or 0
      "75 25 3 7 8 2 812 40 oui 10",
      "75 25 3 7 8 2 812 40 1 41",          // after the clock
      "75 25 3 7 8 2 812 40 1 -1",
      "75 25 3 7 8 2 812 0 0",              // no clock
      "75 25 3 7 8 2 812 3601 0",
      "75 25 3 7 8 2 812 nan 0",
      "75 25 3 7 8 2 812 inf 0",
      "75 25 3 7 8 2 812 40 1 10 12",       // one field too many
      "75 25 3 7 8 2 40 1 10",              // the target is missing
      "1000 25 3 7 8 2 812 40 0",
      "75 25 3 7 8 -2 812 40 0",
      "75 25 3 7 8 2 10000 40 0",
      "75 25 3 7 8 2.5 812 40 0",
      "75 25 3 7 8 2 812 40 0 1e400",
      "75 25 3 7 8 2 812 40s 0",
      std::string(2000, '7'),
      "75 25 3 7 8 2 812 40 1 10" + std::string(1000, ' '),  // too long to be a game
  };
  for (const std::string& ligne : mauvaises) EXPECT_FALSE(LitPartieEnLigne(ligne)) << ligne.substr(0, 60);
}

}  // namespace
}  // namespace tolvan
