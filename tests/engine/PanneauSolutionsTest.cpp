#include <gtest/gtest.h>

#include "SolverTestSupport.h"
#include "engine/PanneauSolutions.h"

namespace tolvan::test {
namespace {

using Lignes = LignesPanneau;

struct Tirage {
  Solveur solveur;
  Tirage(std::array<longint, 6> nombres, longint cible) {
    solveur.Tirage = TTirage{Numbers(nombres), cible};
  }
};

TEST(PanneauSolutions, SimplestAndMostTwistedWithOrWithoutATableFirst) {
  for (bool calculeAvant : {false, true}) {
    Tirage t({1, 2, 3, 4, 5, 6}, 100);
    if (calculeAvant) t.solveur.ChercheSol(0);
    EXPECT_EQ(LaPlusSimple(t.solveur, " IMPOSSIBLE "),
              (Lignes{"!- 135/269 -!", "", "6-1=5", "5x4=20", "20x5=100"}));
    EXPECT_EQ(t.solveur.NumeroVisible, 135);
    EXPECT_EQ(LaPlusTordue(t.solveur, " IMPOSSIBLE "),
              (Lignes{"?- 62/269 -?", "", "4+1=5", "5x2=10", "6x5=30", "30x10=300", "300/3=100"}));
  }
  // Out of reach: the simplest way to the nearest number, headed as such.
  Tirage loin({1, 1, 1, 1, 1, 1}, 500);
  const Lignes proche = LaPlusSimple(loin.solveur, " IMPOSSIBLE ");
  ASSERT_GE(proche.size(), 3u);
  EXPECT_EQ(proche[0], " IMPOSSIBLE ");
  EXPECT_EQ(proche[1], "");
  // Nothing reachable at all: no leftover entry of another draw is shown.
  Tirage rien({7, 0, 0, 0, 0, 0}, 500);
  rien.solveur.Solutions[1] = SolutionOf({{1, 1, OperAddition}});
  EXPECT_EQ(LaPlusSimple(rien.solveur, " IMPOSSIBLE "), (Lignes{" IMPOSSIBLE ", ""}));
}

TEST(PanneauSolutions, TheWalkShowsOnlyWhatPassesTheFilters) {
  Tirage t({1, 2, 3, 4, 5, 6}, 100);
  const Lignes aucune{"", "Aucune", "solution", "répondant", "à ce", "critère"};
  // The walk browses the table as it stands: nothing before it is computed.
  EXPECT_EQ(SolutionSuivante(t.solveur, {}, true), aucune);
  t.solveur.ChercheSol(0);
  const Solveur& s = t.solveur;
  const FiltresSolutions troisFois{3, OperMultiplication};
  for (int pas = 0; pas < 300; ++pas) {
    const Lignes lignes = SolutionSuivante(t.solveur, troisFois, pas % 3 != 0);
    ASSERT_EQ(lignes.size(), 5u);
    EXPECT_EQ(lignes[0], "--- " + std::to_string(s.NumeroVisible) + "/269 ---");
    EXPECT_EQ(s.SolutionVisible.NbEtapes, 3);
    EXPECT_EQ(s.SolutionVisible.Etapes[3].Oper, OperMultiplication);
    EXPECT_EQ(std::vector<std::string>(lignes.begin() + 2, lignes.end()), Steps(s.Solutions[s.NumeroVisible]));
  }

  // The only solution that passes (the one ending with a division) is shown
  // again under its number, both ways.
  Tirage trois({3, 3, 3, 3, 3, 3}, 81);
  trois.solveur.ChercheSol(0);
  const FiltresSolutions division{0, OperDivision};
  const Lignes seule = SolutionSuivante(trois.solveur, division, true);
  EXPECT_EQ(seule.size(), 7u);
  EXPECT_EQ(SolutionSuivante(trois.solveur, division, true), seule);
  EXPECT_EQ(SolutionSuivante(trois.solveur, division, false), seule);
  // Nothing passes: the position stays where it was.
  const word numero = s.NumeroVisible;
  EXPECT_EQ(SolutionSuivante(t.solveur, {1, 0}, true), aucune);
  EXPECT_EQ(s.NumeroVisible, numero);
}

// Board lines as the player writes them: left operand, sign, right operand.
Base1Array<TLigne, NbLignes> Tableau(std::vector<std::array<longint, 3>> lignes) {
  Base1Array<TLigne, NbLignes> tableau;
  for (std::size_t k = 0; k < lignes.size(); ++k) {
    const auto [a, signe, b] = lignes[k];
    const longint resultat = Calcule(a, b, OperDeSigne[static_cast<std::size_t>(signe)]);
    tableau[k + 1] = TLigne{0, signe, 0, a, b, resultat};
  }
  return tableau;
}

TEST(PanneauSolutions, ThePlayersOwnSolutionIsFoundUnderItsStoredForm) {
  constexpr longint Plus = 1, Fois = 2;
  Tirage t({5, 5, 4, 6, 1, 2}, 100);
  const auto mienne = Tableau({{5, Plus, 5}, {6, Plus, 4}, {10, Fois, 10}});
  EXPECT_EQ(LaMienne(t.solveur, mienne, 3, false), (Lignes{"", "tu", "n'as pas", "trouvé", "la", "solution"}));
  EXPECT_EQ(t.solveur.NumeroVisible, t.solveur.IndiceSimple);
  EXPECT_EQ(LaMienne(t.solveur, mienne, 3, true),
            (Lignes{"--- 220/264 ---", "", "6+4=10", "5+5=10", "10x10=100"}));
  EXPECT_EQ(t.solveur.NumeroVisible, 220);
  // The walk goes on from there.
  EXPECT_EQ(SolutionSuivante(t.solveur, {}, true)[0], "--- 221/264 ---");
  // A line whose result is never used makes a solution the table never kept.
  const auto detour = Tableau({{1, Plus, 2}, {5, Plus, 5}, {6, Plus, 4}, {10, Fois, 10}});
  EXPECT_EQ(LaMienne(t.solveur, detour, 4, true), (Lignes{"", "Ta", "solution", "n'a pas", "était", "retenue"}));
  EXPECT_EQ(t.solveur.NumeroVisible, 264);
}

}  // namespace
}  // namespace tolvan::test
