#include <gtest/gtest.h>

#include <functional>

#include "JeuDeTest.h"

namespace tolvan::test {
namespace {

// A game under a minute's clock, on 303.
struct Partie : JeuDeTest {
  Partie() {
    jeu->ChoisitTemps(4);  // one minute
    plateforme.tirages = HasardDe303;
  }
  // A new game, `secondes` of its clock, then 303 found or not.
  void Joue(int secondes, bool trouve) {
    jeu->NouvellePartie();
    Tique(secondes);
    if (trouve) Trouve303();
  }
};

// Whatever the player did before, a game that can be played has a running
// clock, a game over shows the time it ended with, and another draw gets
// its whole time.
TEST(JeuHorloge, AGameThatCanBePlayedHasARunningClock) {
  struct Cas {
    const char* quoi;
    std::function<void(Partie&)> joue;
    bool enJeu;
    std::string horloge;
  };
  const std::vector<Cas> cas = {
      {"competition ticked then unticked during a game",
       [](Partie& p) {
         p.Joue(5, false);
         p.jeu->ChangeModeCompetition(true);
         p.jeu->ChangeModeCompetition(false);
       },
       false, "Il reste 1:00"},
      {"time out", [](Partie& p) { p.Joue(60, false); }, false, "Il reste 0:00"},
      {"time out, played again", [](Partie& p) { p.Joue(60, false), p.jeu->Rejoue(); }, true, "Il reste 1:00"},
      {"found, played again", [](Partie& p) { p.Joue(15, true), p.jeu->Rejoue(); }, true, "Il reste 0:45"},
      {"found, then a typed draw",
       [](Partie& p) {
         p.Joue(48, true);
         p.jeu->OuvreSaisie();
         p.jeu->JoueSaisie({"1", "2", "3", "4", "5", "6", "100"});
       },
       true, "Il reste 1:00"},
  };
  for (const Cas& c : cas) {
    Partie p;
    c.joue(p);
    EXPECT_EQ(p.jeu->manche().PartieEnJeu(), c.enJeu) << c.quoi;
    EXPECT_EQ(p.jeu->TexteHorloge().toStdString(), c.horloge) << c.quoi;
    // Nothing can be pressed on a board whose clock stands still.
    const std::size_t sons = p.plateforme.sons.size();
    p.jeu->Presse(1);
    EXPECT_EQ(p.plateforme.sons.size() > sons, c.enJeu) << c.quoi;
  }
}

// The count of solutions shows only when the solver computes it by itself,
// and a competition hides it without the player losing the option.
TEST(JeuHorloge, TheCountShowsOnlyWhenComputedAndOutsideCompetitions) {
  Partie p;
  p.jeu->ChangeVoirNbSolutions(true);
  EXPECT_FALSE(p.jeu->options().voirNbSolutions);
  p.jeu->ChangeSolutionsAuto(true);
  p.jeu->ChangeVoirNbSolutions(true);
  p.Joue(0, false);
  EXPECT_TRUE(p.jeu->NbSolutionsVisible());
  EXPECT_EQ(p.jeu->NbSolutionsAffiche(), p.jeu->solveur().NbSolutions);
  p.jeu->ChangeModeCompetition(true);
  EXPECT_FALSE(p.jeu->NbSolutionsVisible());
  p.jeu->ChangeModeCompetition(false);
  EXPECT_TRUE(p.jeu->NbSolutionsVisible());
}

}  // namespace
}  // namespace tolvan::test
