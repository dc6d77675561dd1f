#include <gtest/gtest.h>

#include "JeuDeTest.h"
#include "midend/Aides.h"

namespace tolvan::test {
namespace {

// The help follows the board on its own: hints climb from the position,
// a new game starts them over, a new draw forgets what they found, and the
// end of a game gives its mark and the coach's last word.
TEST(Aides, TheHelpStartsOverWithEachGameAndEachDraw) {
  Solveur solveur;
  Manche manche;
  TextesMessages textes;
  VueEnregistree vue;
  Aides aides(solveur, manche, textes, vue, nullptr);
  solveur.ChangeTirage(TTirage{NombresTirage{{{25, 50, 75, 100, 3, 6}}}, 303});
  aides.NouveauTirage();
  manche.Demarre(solveur.Tirage);
  aides.NouvellePartie();
  EXPECT_EQ(aides.NombreADecomposer(), "303");
  aides.Decompose("");
  EXPECT_FALSE(aides.Decomposition().empty());
  aides.Indice();
  aides.Indice();
  EXPECT_EQ(aides.IndicesUtilises(), 2);
  EXPECT_FALSE(aides.TexteIndice().empty());
  aides.BasculeSolutions();
  EXPECT_TRUE(aides.SolutionsVisibles());

  aides.NouvellePartie();
  EXPECT_EQ(aides.IndicesUtilises(), 0);
  EXPECT_TRUE(aides.TexteIndice().empty());
  EXPECT_FALSE(aides.SolutionsVisibles());
  EXPECT_EQ(aides.Difficulte(), std::nullopt);

  aides.BilanDeFin(false, true);
  ASSERT_TRUE(aides.Difficulte().has_value());
  EXPECT_GE(*aides.Difficulte(), 1);
  EXPECT_FALSE(aides.TexteCoach().empty());

  solveur.ChangeTirage(TTirage{NombresTirage{{{1, 2, 3, 4, 5, 6}}}, 100});
  aides.NouveauTirage();
  EXPECT_EQ(aides.NombreADecomposer(), "100");
  EXPECT_TRUE(aides.Decomposition().empty());
}

}  // namespace
}  // namespace tolvan::test
