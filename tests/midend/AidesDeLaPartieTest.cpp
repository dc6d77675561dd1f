#include <gtest/gtest.h>

#include "JeuDeTest.h"
#include "library/RangeeTirage.h"

namespace tolvan::test {
namespace {

// 1 1 2 2 3 3 can't make 999: every step speaks of the nearest number.
const std::array<std::string, NbChamps> HorsDePortee = {"1", "1", "2", "2", "3", "3", "999"};

Position PositionDuJeu(const Jeu& jeu) {
  Solveur solveur;
  return AnalysePosition(solveur, jeu.manche().Tableau().NombresEnJeu(), jeu.Tirage().Resultat);
}

// Presses "Indice" `fois` times; the sentences shown after each press.
std::vector<std::string> DemandeIndices(Jeu& jeu, int fois) {
  std::vector<std::string> phrases;
  for (int i = 0; i < fois; ++i) {
    jeu.Indice();
    phrases.push_back(jeu.aides().TexteIndice());
  }
  return phrases;
}

TEST(EchelleDIndices, StopsClimbingAndCountingAtItsLastStepWhenTheTargetIsOutOfReach) {
  JeuDeTest t;
  t.jeu->JoueSaisie(HorsDePortee);
  const Position depart = PositionDuJeu(*t.jeu);
  ASSERT_FALSE(depart.exacte);
  const int marches = NbEchelons(depart);
  const std::vector<std::string> phrases = DemandeIndices(*t.jeu, marches + 3);
  for (int echelon = 1; echelon <= marches + 3; ++echelon) {
    const std::string& phrase = phrases[static_cast<std::size_t>(echelon - 1)];
    EXPECT_EQ(phrase, PhraseIndice(std::min(echelon, marches), depart)) << echelon;
    EXPECT_EQ(phrase.rfind("Pas possible d'ici", 0), 0u) << phrase;
  }
  EXPECT_EQ(t.jeu->aides().IndicesUtilises(), marches);

  // Every number put into one: that last number is the whole ladder.
  t.Presse({1, CodePlus, 2, 2, CodePlus, 3, 3, CodePlus, 4, 4, CodePlus, 5, 5, CodePlus, 6});
  ASSERT_EQ(t.jeu->manche().Tableau().NombresEnJeu(), std::vector<longint>{12});
  EXPECT_EQ(DemandeIndices(*t.jeu, 3),
            std::vector<std::string>(3, "Pas possible d'ici : au mieux 12, déjà en jeu."));
  EXPECT_EQ(t.jeu->aides().IndicesUtilises(), marches + 1);
}

TEST(EchelleDIndices, ClimbsAgainFromTheFirstStepAfterALine) {
  JeuDeTest t;
  t.plateforme.tirages = HasardDe303;
  t.jeu->NouvellePartie();
  const int marches = NbEchelons(PositionDuJeu(*t.jeu));
  DemandeIndices(*t.jeu, marches + 1);
  EXPECT_EQ(t.jeu->aides().IndicesUtilises(), marches);
  t.Presse({6, CodeFois, 2});  // 6x50=300
  EXPECT_EQ(DemandeIndices(*t.jeu, 1), std::vector<std::string>{"Le compte est possible d'ici."});
  EXPECT_EQ(t.jeu->aides().IndicesUtilises(), marches + 1);
}

// Seeing the solutions while playing is help: the history and the day's
// line say so; a new game starts without it, and looking once the game
// is over counts for nothing.
TEST(SolutionsVues, OpeningTheSolutionsDuringAGameIsRecordedAndShared) {
  JeuDeTest t;
  t.Lance("BTjour");
  t.jeu->BasculeSolutions();
  t.jeu->BasculeSolutions();
  t.JoueLaPlusSimple();
  ASSERT_TRUE(t.jeu->manche().Gagnee());
  EXPECT_TRUE(t.jeu->historique().Dernieres(1).front().solutionsVues);
  EXPECT_TRUE(t.jeu->LigneDePartage().contains(QStringLiteral(", avec les solutions (difficulté")))
      << t.jeu->LigneDePartage().toStdString();

  t.jeu->BasculeSolutions();  // after the end: only a look at the answer
  t.plateforme.tirages = HasardDe303;
  t.jeu->NouvellePartie();
  t.Trouve303();
  EXPECT_FALSE(t.jeu->historique().Dernieres(1).front().solutionsVues);
  t.jeu->Rejoue();
  t.Trouve303();
  t.jeu->BasculeSolutions();
  EXPECT_FALSE(t.jeu->historique().Dernieres(1).front().solutionsVues);
}

// A replay's recorded time is its own with a clock that counts up; with a
// time allowed, "Rejouer" carries the clock on and the time with it.
TEST(TempsDeLaTentative, AReplayRecordsItsOwnTimeWhenTheClockCountsUp) {
  struct Cas {
    const char* nom;
    int choixTemps;
    int premiere, seconde;
    int attendu;
  };
  for (const Cas& c : {Cas{"illimité", 0, 52, 16, 16}, Cas{"chrono caché", ChoixChronoCache, 30, 4, 4},
                       Cas{"20 secondes", 1, 5, 3, 8}}) {
    JeuDeTest t;
    t.jeu->ChoisitTemps(c.choixTemps);
    t.plateforme.tirages = HasardDe303;
    t.jeu->NouvellePartie();
    t.Tique(c.premiere);
    t.Trouve303();
    EXPECT_EQ(t.jeu->historique().Dernieres(1).front().secondes, c.premiere) << c.nom;
    t.jeu->Rejoue();
    t.Tique(c.seconde);
    t.Trouve303();
    EXPECT_EQ(t.jeu->historique().Dernieres(1).front().secondes, c.attendu) << c.nom;
  }
}

TEST(TempsDeLaTentative, TheDayDrawPlayedAgainIsTimedAndSharedFromItsOwnStart) {
  JeuDeTest t;
  t.Lance("BTjour");
  t.Tique(16);
  t.JoueLaPlusSimple();
  t.jeu->Rejoue();
  EXPECT_EQ(t.jeu->TexteHorloge(), QStringLiteral("Chrono 0:00"));
  t.Tique(2);
  t.JoueLaPlusSimple();
  EXPECT_EQ(t.jeu->historique().Dernieres(1).front().secondes, 2);
  EXPECT_TRUE(t.jeu->LigneDePartage().contains(QStringLiteral("trouvé en 0:02"))) << t.jeu->LigneDePartage().toStdString();
}

// The game searches its draw at its end; the draw's row of the "Tirages"
// page then shows what was found, whether the game was won or not.
TEST(LigneDuTirageJoue, ShowsWhatTheEndOfTheGameFound) {
  for (const bool gagnee : {true, false}) {
    JeuDeTest t;
    t.jeu->ChoisitTemps(1);
    t.plateforme.tirages = HasardDe303;
    t.jeu->NouvellePartie();
    const int ligne = t.jeu->bibliotheque().Modele().LigneCourante();
    ASSERT_GE(ligne, 0);
    EXPECT_EQ(t.jeu->bibliotheque().Modele().Rangee(ligne).cellules[CelluleNbSol], "0");
    gagnee ? t.Trouve303() : t.Tique(20);
    Solveur reference;
    reference.ChangeTirage(t.jeu->manche().Tirage());
    reference.ChercheSol(reference.IndiceSimple);
    const RangeeTirage& rangee = t.jeu->bibliotheque().Modele().Rangee(ligne);
    EXPECT_EQ(rangee.cellules[CelluleNbSol], std::to_string(reference.NbSolutions)) << gagnee;
    EXPECT_EQ(rangee.cellules[CelluleEtape], "2") << gagnee;
    EXPECT_EQ(rangee.cellules[CelluleSolution], reference.TexteSimple) << gagnee;
  }
}

}  // namespace
}  // namespace tolvan::test
