#include <gtest/gtest.h>

#include "competition/FeuilleDeMarque.h"
#include "engine/Solveur.h"

namespace tolvan::test {
namespace {

Corrige Tire(std::array<longint, 6> nombres, longint cible, longint meilleur, std::string solution) {
  TTirage tirage;
  tirage.Nombres.items = nombres;
  tirage.Resultat = cible;
  return {tirage, meilleur, std::move(solution)};
}

CodeSerie Code(int tirages) {
  std::string erreur;
  return CodeSerie::Fait({tirages, 40, false, 0}, erreur).value();
}

TEST(FeuilleDeMarque, ScoresEachDrawAndPrintsTheSheetAndTheClubsLine) {
  const CodeSerie code = Code(3);
  FeuilleDeMarque feuille(code, "Anne; Marie");
  EXPECT_FALSE(feuille.Complete());
  feuille.Note(Tire({1, 2, 3, 4, 5, 6}, 100, 100, "100=(6-1)x4x5"), 97);
  feuille.Note(Tire({1, 1, 2, 3, 9, 6}, 816, 648, "648=(1+1+2)x3x6x9"), 648);
  feuille.Note(Tire({1, 2, 3, 4, 5, 6}, 100, 100, "100=(6-1)x4x5"), std::nullopt);
  EXPECT_TRUE(feuille.Complete());

  EXPECT_EQ(feuille.Total(), 15);
  EXPECT_EQ(feuille.TotalPossible(), 30);
  ASSERT_EQ(feuille.Lignes().size(), 3u);
  EXPECT_EQ(feuille.Lignes()[1].points, 8);
  const std::vector<std::string> attendu = {
      "Partie par code " + code.Texte() + " : 3 tirages de 40 s",
      "Joueur : Anne; Marie",
      "1. 1 2 3 4 5 6 → 100 : 97, 7 points. Meilleur : 100=(6-1)x4x5",
      "2. 1 1 2 3 9 6 → 816 : 648, 8 points. Meilleur : 648=(1+1+2)x3x6x9",
      "3. 1 2 3 4 5 6 → 100 : rien, 0 point. Meilleur : 100=(6-1)x4x5",
      "Total : 15 points sur 30",
  };
  EXPECT_EQ(feuille.Texte(), attendu);
  // The name cannot add a field to the line the club's spreadsheet reads;
  // the results follow the points, nothing where nothing was found.
  EXPECT_EQ(feuille.LigneClub(), code.Texte() + ";Anne, Marie;15;7;8;0;97;648;");
}

}  // namespace
}  // namespace tolvan::test

namespace tolvan::test {
namespace {

// The key of a draw whose simplest solution is no single chain (two
// products put together) lists its steps rather than a bare "?".
TEST(FeuilleDeMarque, AKeyThatIsNoSingleChainIsGivenStepByStep) {
  Solveur solveur;
  const Corrige corrige = CorrigeTirage(solveur, Tire({5, 7, 3, 9, 4, 4}, 853, 0, {}).tirage);
  EXPECT_EQ(corrige.meilleur, 852);
  EXPECT_EQ(corrige.solution, "4x3=12, 9x4=36, 7x5=35, 36+35=71, 71x12=852");
}

}  // namespace
}  // namespace tolvan::test
