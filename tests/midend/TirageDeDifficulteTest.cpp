#include <gtest/gtest.h>

#include "JeuDeTest.h"
#include "engine/Difficulte.h"

namespace tolvan::test {
namespace {

int MarqueDe(const TTirage& tirage) {
  Solveur solveur;
  solveur.ChangeTirage(tirage);
  solveur.ChercheSol(0);
  return MarqueDifficulte(solveur);
}

// A mark 5 draw has no exact solution: asking for it and for solvable
// draws only can't go together, whichever comes first.
TEST(TirageDeDifficulte, MarkFiveAndSolvableDrawsOnlyShutEachOtherOut) {
  JeuDeTest t;
  t.jeu->ChangeSolutionsAuto(true);
  t.jeu->ChoisitGenreTirage(GenreTirage::Realisables);
  EXPECT_FALSE(t.jeu->options().DifficultePossible(5));
  t.jeu->ChoisitDifficulte(5);
  EXPECT_EQ(t.jeu->options().difficulte, 0);
  t.jeu->ChoisitDifficulte(4);
  EXPECT_EQ(t.jeu->options().difficulte, 4);

  t.jeu->ChoisitGenreTirage(GenreTirage::Quelconque);
  t.jeu->ChoisitDifficulte(5);
  EXPECT_EQ(t.jeu->options().difficulte, 5);
  EXPECT_FALSE(t.jeu->options().GenrePossible(GenreTirage::Realisables));
  t.jeu->ChoisitGenreTirage(GenreTirage::Realisables);
  EXPECT_EQ(t.jeu->options().genre, GenreTirage::Quelconque);
  t.jeu->ChoisitGenreTirage(GenreTirage::Fichier);
  EXPECT_EQ(t.jeu->options().genre, GenreTirage::Fichier);
}

// Draws of a mark are tried while the window's events get through: the
// game on the board keeps its clock, a second "Nouvelle partie" waits, and
// the draw dealt in the end has the mark.
TEST(TirageDeDifficulte, TheSearchForAMarkLetsTheGameGoOnMeanwhile) {
  JeuDeTest t;
  t.jeu->ChoisitTemps(1);
  t.plateforme.tirages = HasardDe303;
  t.jeu->NouvellePartie();
  const TTirage ancien = t.jeu->Tirage();
  t.plateforme.tirages.clear();
  t.jeu->ChoisitDifficulte(4);
  int appels = 0;
  t.vue.pendantRecherche = [&](int essais) {
    EXPECT_EQ(essais, ++appels);
    EXPECT_TRUE(t.jeu->RechercheEnCours());
    EXPECT_FALSE(t.jeu->PeutJouerNouvellePartie());
    if (appels > 1) return;
    t.Tique(3);
    t.jeu->NouvellePartie();  // refused: one search at a time
    EXPECT_EQ(t.jeu->Tirage(), ancien);
    EXPECT_EQ(t.jeu->manche().Ecoule(), 3);
  };
  t.jeu->NouvellePartie();
  EXPECT_GE(appels, 1);
  EXPECT_EQ(t.vue.recherchesFinies, 1);
  EXPECT_FALSE(t.jeu->RechercheEnCours());
  EXPECT_EQ(MarqueDe(t.jeu->Tirage()), 4);
  EXPECT_TRUE(t.jeu->manche().PartieEnJeu());
  EXPECT_EQ(t.jeu->manche().Ecoule(), 0);
  EXPECT_EQ(t.jeu->bibliotheque().Modele().NbLignes(), 2);
}

TEST(TirageDeDifficulte, AGameStartedDuringTheSearchTakesItsPlace) {
  JeuDeTest t;
  t.jeu->ChoisitDifficulte(4);
  t.vue.pendantRecherche = [&t](int essais) {
    if (essais == 1) t.jeu->JoueSaisie({"25", "50", "75", "100", "3", "6", "303"});
  };
  t.jeu->NouvellePartie();
  EXPECT_EQ(t.jeu->Tirage().Resultat, 303);
  EXPECT_TRUE(t.jeu->manche().PartieEnJeu());
  EXPECT_EQ(t.jeu->bibliotheque().Modele().NbLignes(), 1);
}

}  // namespace
}  // namespace tolvan::test
