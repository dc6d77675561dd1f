#include <gtest/gtest.h>

#include "JeuDeTest.h"
#include "engine/SolutionText.h"

namespace tolvan::test {
namespace {

// 25 50 75 100 3 6 for 303, the coach on, the draw searched on a solver of
// the test's own for what the hints must say.
struct Coach : JeuDeTest {
  Solveur reference;
  Coach() {
    jeu->ChangeCoach(true);
    plateforme.tirages = HasardDe303;
    jeu->NouvellePartie();
    reference.ChangeTirage(jeu->Tirage());
    reference.ChercheSol(reference.IndiceSimple);
  }
  std::vector<std::string> LignesSimples() const {
    std::vector<std::string> lignes;
    const TSolution& simple = reference.Solutions[reference.IndiceSimple];
    for (int k = 1; k <= simple.NbEtapes; ++k) lignes.push_back(TexteEtape(simple.Etapes[k]));
    return lignes;
  }
};

TEST(Coach, SaysAfterEachLineWhetherTheTargetIsStillWithinReach) {
  Coach t;
  EXPECT_EQ(t.jeu->aides().TexteCoach(), "");  // nothing before the first line
  t.Presse({3, CodeDivise, 1});       // 75/25=3: 6x50+3 is still there
  EXPECT_EQ(t.jeu->aides().TexteCoach(), "Le compte est encore possible.");
  t.Presse({4, CodePlus, 2, 2, CodeFois, 1});  // 100+50=150, 150x3=450
  const std::string avant = t.jeu->aides().TexteCoach();
  // 6x3=18: of 450 and 18, 450-18=432 comes nearest.
  t.Presse({6, CodeFois, 5});
  EXPECT_EQ(t.jeu->aides().TexteCoach(), "Le compte n'est pas possible d'ici : au mieux 432.");
  t.jeu->Retour();
  EXPECT_EQ(t.jeu->aides().TexteCoach(), avant);
  // A line half written changes nothing yet.
  t.Presse({1, CodeMoins});
  EXPECT_EQ(t.jeu->aides().TexteCoach(), avant);

  // Off, or in competition, it says nothing.
  t.jeu->ChangeCoach(false);
  EXPECT_FALSE(t.jeu->CoachVisible());
  t.jeu->ChangeCoach(true);
  t.jeu->ChangeModeCompetition(true);
  EXPECT_FALSE(t.jeu->CoachVisible());
}

TEST(Coach, HintsClimbFiveStepsAndStartAgainAfterALine) {
  Coach t;
  const std::vector<std::string> simple = t.LignesSimples();
  ASSERT_EQ(simple.size(), 2u);
  const std::vector<std::string> attendus = {
      "Le compte est possible d'ici.", std::to_string(t.reference.NbSolutions) + " solutions d'ici.",
      "Encore 2 lignes au moins.", "Commence par : " + simple[0], simple[0] + ", " + simple[1]};
  for (const std::string& attendu : attendus) {
    t.jeu->Indice();
    EXPECT_EQ(t.jeu->aides().TexteIndice(), attendu);
  }
  t.jeu->Indice();  // the last step stays, and is not counted again
  EXPECT_EQ(t.jeu->aides().TexteIndice(), attendus.back());
  EXPECT_EQ(t.jeu->aides().IndicesUtilises(), 5);

  t.Presse({3, CodeDivise, 1});
  EXPECT_EQ(t.jeu->aides().TexteIndice(), "");
  t.jeu->Indice();
  EXPECT_EQ(t.jeu->aides().TexteIndice(), "Le compte est possible d'ici.");
  EXPECT_EQ(t.jeu->aides().IndicesUtilises(), 6);
}

TEST(Coach, TheEndOfAGameSaysHowItWent) {
  {
    Coach t;
    t.Trouve303();
    EXPECT_EQ(t.jeu->aides().TexteCoach(), "Gagné au plus court : 2 lignes.");
    EXPECT_TRUE(t.Bilan().contains("Difficulté : 1/5"));
  }
  {
    Coach t;
    t.Presse({3, CodeMoins, 1, 1, CodeFois, 6, 6, CodePlus, 5});  // 75-25=50, 50x6=300, 300+3=303
    ASSERT_TRUE(t.jeu->manche().Gagnee());
    EXPECT_EQ(t.jeu->aides().TexteCoach(), "Gagné en 3 lignes ; le plus court en demandait 2.");
  }
  {
    Coach t;
    t.jeu->ChoisitTemps(1);
    t.Tique(20);
    EXPECT_EQ(t.jeu->aides().TexteCoach(), "La plus simple : " + t.LignesSimples()[0] + ", " + t.LignesSimples()[1] + ".");
  }
  {
    JeuDeTest t;
    t.jeu->ChangeCoach(true);
    t.jeu->ChoisitTemps(1);
    t.jeu->JoueSaisie({"1", "1", "2", "2", "3", "3", "999"});
    t.Tique(20);
    EXPECT_EQ(t.jeu->aides().TexteCoach().rfind("Le compte était impossible : au mieux ", 0), 0u) << t.jeu->aides().TexteCoach();
    EXPECT_TRUE(t.Bilan().contains("Difficulté : 5/5"));
  }
}

}  // namespace
}  // namespace tolvan::test
