#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "JeuDeTest.h"
#include "midend/Bibliotheque.h"

namespace tolvan::test {
namespace {

struct ListeDeTest {
  PlateformeDeTest plateforme;
  TextesMessages textes;
  VueEnregistree vue;
  Bibliotheque liste{plateforme, textes, vue};
  Solveur solveur;

  // A draw dealt and given to the list as a game plays it.
  void Joue(int cible) {
    solveur.ChangeTirage(TTirage{NombresTirage{{{25, 50, 75, 100, 3, 6}}}, cible});
    liste.AjouteTirageJoue(solveur);
  }
};

// Each draw played gets its row, which becomes the current one; a row to
// play comes from the rows there are.
TEST(Bibliotheque, DrawsPlayedGetARowOfTheirOwnAndRowsAreDrawnAmongThoseThere) {
  ListeDeTest t;
  EXPECT_EQ(t.liste.LigneAuHasard(), std::nullopt);
  t.Joue(303);
  t.Joue(404);
  EXPECT_EQ(t.liste.Modele().NbLignes(), 2);
  EXPECT_EQ(t.liste.Modele().LigneCourante(), 1);
  EXPECT_TRUE(t.liste.Modele().ChangeeDepuisSauvegarde());
  t.plateforme.tirages = {5};
  EXPECT_EQ(t.liste.LigneAuHasard(), 1);  // 5 modulo 2
}

// A list changed since it was saved is offered a save before it goes; it
// stays when the player cancels, or when the save is given up.
TEST(Bibliotheque, AChangedListIsOfferedASaveBeforeItGoes) {
  struct Cas {
    const char* quoi;
    Reponse reponse;
    std::optional<QString> fichier;
    bool laissee;
  };
  QTemporaryDir dossier;
  const std::vector<Cas> cas = {
      {"not saved", Reponse::Non, std::nullopt, true},
      {"cancelled", Reponse::Annuler, std::nullopt, false},
      {"save given up", Reponse::Oui, std::nullopt, false},
      {"saved", Reponse::Oui, dossier.filePath("liste.tir"), true},
  };
  for (const Cas& c : cas) {
    ListeDeTest t;
    EXPECT_TRUE(t.liste.LaisseLaListe()) << "an unchanged list goes without a word";
    t.Joue(303);
    t.plateforme.reponses = {c.reponse};
    t.plateforme.fichiers = {c.fichier};
    EXPECT_EQ(t.liste.LaisseLaListe(), c.laissee) << c.quoi;
    EXPECT_EQ(t.plateforme.messages.size(), 1u) << c.quoi;
    EXPECT_EQ(t.liste.Modele().ChangeeDepuisSauvegarde(), !c.fichier) << c.quoi;
  }
}

// A series adds the draws asked for, a "STOP" left from before included;
// none asked adds none.
TEST(Bibliotheque, AGeneratedSeriesAddsTheDrawsAskedFor) {
  ListeDeTest t;
  t.liste.ArreteGeneration();
  t.liste.GenereSerie(3, t.solveur);
  EXPECT_EQ(t.liste.Modele().NbLignes(), 3);
  EXPECT_FALSE(t.liste.GenerationEnCours());
  t.liste.GenereSerie(0, t.solveur);
  EXPECT_EQ(t.liste.Modele().NbLignes(), 3);
}

}  // namespace
}  // namespace tolvan::test
