#include <gtest/gtest.h>

#include "game/Manche.h"

namespace tolvan::test {
namespace {

const TTirage De303{NombresTirage{{{25, 50, 75, 100, 3, 6}}}, 303};
const std::vector<std::string> LignesDe303 = {"303", "25 50 75 100 3 6 "};

struct Partie {
  Manche manche;

  Partie() { manche.Demarre(De303); }
  void Tique(int fois) {
    for (int i = 0; i < fois; ++i) manche.Tique();
  }
  // Presses codes in turn; true when the last one reached the target.
  bool Presse(std::initializer_list<int> codes) {
    bool gagne = false;
    for (int code : codes) gagne = manche.Effectue(code, true).gagne;
    return gagne;
  }
  // 6x50=300, then 300+3=303; the second it was found at.
  int Gagne() {
    Presse({6, CodeFois, 2});
    EXPECT_TRUE(Presse({CodePlus, 5}));
    return manche.Gagne();
  }
};

TEST(Manche, NothingCanBePlayedBeforeADrawIsDealt) {
  Manche manche;
  EXPECT_FALSE(manche.TirageDonne());
  EXPECT_EQ(manche.PanneauVisible(), Manche::Panneau::Resume);
  EXPECT_FALSE(manche.HorlogeEnMarche());
  EXPECT_EQ(manche.Effectue(1, true).son, std::nullopt);
  EXPECT_EQ(manche.Retour().son, std::nullopt);
  EXPECT_FALSE(manche.Tique());
  EXPECT_EQ(manche.Ecoule(), 0);
  EXPECT_EQ(manche.Recap().front(), "999");  // what the summary shows at first

  manche.Demarre(De303);
  EXPECT_TRUE(manche.TirageDonne());
  EXPECT_EQ(manche.PanneauVisible(), Manche::Panneau::Jeu);
  EXPECT_EQ(manche.Tableau().Tuiles[4].valeur, 100);
}

TEST(Manche, TheClockRunsOutOnTheLastSecondOfTheLimitAndScoresNothing) {
  Partie p;
  p.manche.ChangeLimite(20);
  EXPECT_TRUE(p.manche.HorlogeEnMarche());  // a new limit does not stop a game
  p.Presse({1, CodePlus, 2});
  p.Tique(19);
  EXPECT_EQ(p.manche.Ecoule(), 19);
  EXPECT_EQ(p.manche.PanneauVisible(), Manche::Panneau::Jeu);
  EXPECT_TRUE(p.manche.Tique());
  EXPECT_EQ(p.manche.Ecoule(), 20);  // the time it ended with
  EXPECT_FALSE(p.manche.HorlogeEnMarche());
  EXPECT_EQ(p.manche.PanneauVisible(), Manche::Panneau::Resume);
  EXPECT_EQ(p.manche.DerniereIssue(), Manche::Issue::TempsEcoule);
  EXPECT_EQ(p.manche.Recap(), LignesDe303);  // the draw that was missed
  EXPECT_TRUE(p.manche.Scores().empty());
  EXPECT_FALSE(p.manche.Gagnee());
  // The board is over: no press, no "Retour", no more seconds.
  EXPECT_EQ(p.manche.Effectue(3, true).son, std::nullopt);
  EXPECT_EQ(p.manche.Retour().son, std::nullopt);
  EXPECT_EQ(p.manche.Tableau().TexteLigne(1), "25+50=75");
  EXPECT_FALSE(p.manche.Tique());

  // Played again, the clock starts from 0.
  p.manche.Demarre(p.manche.Tirage());
  EXPECT_EQ(p.manche.Ecoule(), 0);
  p.manche.ChangeLimite(3600);
  p.Tique(754);
  EXPECT_EQ(p.manche.Ecoule(), 754);
}

TEST(Manche, AWinStopsTheClockAndKeepsItsBoardForTheSummary) {
  Partie p;
  p.Tique(42);
  EXPECT_EQ(p.Gagne(), 42);
  EXPECT_TRUE(p.manche.Gagnee());
  EXPECT_FALSE(p.manche.HorlogeEnMarche());
  EXPECT_EQ(p.manche.PanneauVisible(), Manche::Panneau::Resume);
  EXPECT_EQ(p.manche.DerniereIssue(), Manche::Issue::Gagnee);
  EXPECT_EQ(p.manche.Recap(),
            (std::vector<std::string>{"303", "25 50 75 100 3 6 ", " ", "6x50=300", "300+3=303"}));
  EXPECT_EQ(Manche::LigneEntrainement(42), (LigneScore{"=>", "42'"}));
  // "Retour" cannot take the winning line off the finished board.
  EXPECT_EQ(p.manche.Retour().son, std::nullopt);
  EXPECT_EQ(p.manche.Tableau().NbLignesFinies(), 2);

  // Played again, the clock goes on from the second of the win.
  p.manche.Demarre(p.manche.Tirage());
  EXPECT_FALSE(p.manche.Gagnee());
  EXPECT_EQ(p.manche.Ecoule(), 42);
  p.manche.RemetHorlogeAZero();
  EXPECT_EQ(p.manche.Ecoule(), 0);
}

}  // namespace
}  // namespace tolvan::test
