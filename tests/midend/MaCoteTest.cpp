#include <gtest/gtest.h>

#include "JeuDeTest.h"
#include "game/ResumeEfforts.h"
#include "midend/Journal.h"
#include "midend/MaCote.h"
#include "midend/regimes/RegimeRevoirRates.h"

namespace tolvan::test {
namespace {

QDateTime A(QDate jour, int heure = 20) { return QDateTime(jour, QTime(heure, 0), Qt::OffsetFromUTC, 3600); }

QString EffortsDe303() {
  Solveur solveur;
  solveur.ChangeTirage(Tirage303);
  solveur.ChercheSol(0);
  return QString::fromStdString(ResumeEfforts::De(solveur).Texte());
}

// A game as the game records it now: 303 found at `secondes` of 40.
PartieJouee Partie(bool trouve, int secondes = 12) {
  PartieJouee p;
  p.fin = A(QDate(2026, 12, 7));
  p.nombres = {25, 50, 75, 100, 3, 6};
  p.resultat = 303;
  p.trouve = trouve;
  p.secondes = trouve ? secondes : 40;
  p.difficulte = 1;
  p.tempsDonne = 40;
  p.efforts = EffortsDe303();
  return p;
}

// The same, as a version of the history before the rating kept it.
PartieJouee Ancienne(bool trouve, int secondes) {
  PartieJouee p = Partie(trouve, secondes);
  p.secondes = secondes;
  p.tempsDonne.reset();
  p.efforts.clear();
  return p;
}

// Only the player's own games, under a clock that runs out, without help,
// count; each one that counts carries the rating before it and its chance.
TEST(MaCote, AGameCountsWhenItIsThePlayersOwnUnderAClockThatRunsOutWithoutHelp) {
  struct Cas {
    const char* quoi;
    std::function<void(PartieJouee&)> change;
    bool compte;
  };
  const std::vector<Cas> cas = {
      {"alone, no help, 40 s", [](PartieJouee&) {}, true},
      {"a hint", [](PartieJouee& p) { p.indices = 1; }, false},
      {"the solutions seen", [](PartieJouee& p) { p.solutionsVues = true; }, false},
      {"played again", [](PartieJouee& p) { p.rejouee = true; }, false},
      {"a clock that counts up", [](PartieJouee& p) { p.tempsDonne.reset(); }, false},
      {"no clock", [](PartieJouee& p) { p.tempsDonne.reset(), p.secondes = SansTemps; }, false},
      {"a friend's go in a duel", [](PartieJouee& p) { p.mode = ModePartie::Duel, p.pourLaCote = false; }, false},
  };
  MaCote cote;
  for (const Cas& c : cas) {
    PartieJouee partie = Partie(true);
    c.change(partie);
    const int avant = cote.Parties();
    const double moyenne = cote.cote().Moyenne();
    cote.Note(partie);
    ASSERT_TRUE(partie.notee) << c.quoi;
    EXPECT_EQ(*partie.notee, c.compte) << c.quoi;
    EXPECT_EQ(partie.note.has_value(), c.compte) << c.quoi;
    EXPECT_EQ(cote.Parties(), avant + (c.compte ? 1 : 0)) << c.quoi;
    if (!c.compte) continue;
    EXPECT_DOUBLE_EQ(partie.note->cote, moyenne) << c.quoi << ": the rating before the game";
    EXPECT_GT(partie.note->chance, 0) << c.quoi;
    EXPECT_LT(partie.note->chance, 1) << c.quoi;
  }
  ASSERT_EQ(cote.Evolution().size(), 1u);
  int calibrees = 0;
  for (const CaseDeCalibration& case_ : cote.Calibration()) calibrees += case_.parties;
  EXPECT_EQ(calibrees, 1);
}

// Games recorded before the clock was kept: a miss counts under the clock
// it ran out of, a find under the shortest clock of "Temps :" that holds
// its time, 40 s at least; an hour's count-up and a long find tell nothing.
TEST(MaCote, AnOlderGameIsRatedUnderTheClockItCanBeToldToHaveHad) {
  const std::vector<std::tuple<bool, int, std::optional<double>>> cas = {
      {false, 40, 40}, {false, 30, 30}, {false, 3600, std::nullopt}, {true, 12, 40},
      {true, 47, 50},  {true, 300, 300}, {true, 301, std::nullopt},
  };
  for (const auto& [trouve, secondes, horloge] : cas) {
    EXPECT_EQ(HorlogeDeLaPartie(Ancienne(trouve, secondes)), horloge) << trouve << " " << secondes;
  }
  PartieJouee contreAmi = Ancienne(false, 40);
  contreAmi.mode = ModePartie::Duel;
  contreAmi.adversaire = QStringLiteral("Bob");
  EXPECT_FALSE(CompteePourLaCote(contreAmi));
  contreAmi.adversaire = QStringLiteral("Champion");
  EXPECT_TRUE(CompteePourLaCote(contreAmi));
}

// A player with games from before the rating has one on the first start,
// the draws' efforts worked out once and kept, so that the next start
// gives the same rating from the file alone.
TEST(MaCote, AHistoryFromBeforeTheRatingGivesOneAtTheFirstStartAndKeepsWhatItWorkedOut) {
  DossierDeTest dossier;
  PlateformeDeTest plateforme;
  plateforme.historique = dossier.Chemin(QStringLiteral("historique.sqlite"));
  {
    Historique historique;
    ASSERT_EQ(historique.Ouvre(plateforme.historique).etat, Historique::Ouverture::Ouvert);
    for (int i = 0; i < 12; ++i) {
      PartieJouee partie = Ancienne(i % 3 != 0, i % 3 != 0 ? 9 : 40);
      partie.fin = partie.fin.addSecs(60 * i);
      ASSERT_TRUE(historique.Enregistre(partie));
    }
    PartieJouee aide = Ancienne(true, 9);
    aide.fin = aide.fin.addSecs(3600);
    aide.indices = 2;
    ASSERT_TRUE(historique.Enregistre(aide));
  }
  Solveur recherche;
  Journal premier(plateforme);
  premier.Ouvre(recherche);
  EXPECT_EQ(premier.cote().Parties(), 12) << "the game with hints does not count";
  for (const PartieJouee& partie : premier.Dernieres(20)) {
    EXPECT_EQ(partie.efforts.isEmpty(), partie.indices > 0) << "efforts kept for the games that count";
  }
  Journal second(plateforme);
  second.Ouvre(recherche);
  EXPECT_DOUBLE_EQ(second.cote().cote().Moyenne(), premier.cote().cote().Moyenne());
  EXPECT_DOUBLE_EQ(second.cote().cote().Ecart(), premier.cote().cote().Ecart());
}

// A game that counts moves the rating, which its summary says, unless the
// player hides it; one played with a hint says nothing of it.
TEST(MaCote, TheSummaryOfAGameThatCountsSaysTheRating) {
  JeuDeTest t;
  t.jeu->ChoisitTemps(2);  // 40 s
  t.plateforme.tirages = HasardDe303;
  t.jeu->NouvellePartie();
  t.Tique(10);
  t.Trouve303();
  EXPECT_TRUE(t.Bilan().back().startsWith(QStringLiteral("Ma cote : "))) << t.Bilan().back().toStdString();
  EXPECT_EQ(t.jeu->cote().Parties(), 1);
  const PartieJouee partie = t.jeu->historique().Dernieres(1).front();
  EXPECT_EQ(partie.notee, true);
  EXPECT_EQ(partie.tempsDonne, 40);
  ASSERT_TRUE(partie.note);

  t.jeu->ChangeCase(&Options::voirCote, false);
  EXPECT_FALSE(t.Bilan().join("|").contains(QStringLiteral("Ma cote")));
  t.jeu->ChangeCase(&Options::voirCote, true);
  t.jeu->NouvellePartie();
  t.jeu->Indice();
  t.Trouve303();
  EXPECT_FALSE(t.Bilan().join("|").contains(QStringLiteral("Ma cote"))) << "a hint: the game does not count";
  EXPECT_EQ(t.jeu->cote().Parties(), 1);
}

// A missed draw comes back one day after the first miss, then three, then
// seven, each review being a day it was played since; the longest due first.
TEST(RevoirRates, AMissedDrawComesBackOneThreeAndSevenDaysAfter) {
  const QDate rate(2026, 12, 1);
  const auto Rate = [](QDate jour, std::array<int, 6> nombres = {25, 50, 75, 100, 3, 6}) {
    PartieJouee p = Partie(false);
    p.fin = A(jour);
    p.nombres = nombres;
    return p;
  };
  const auto Revu = [](QDate jour) {
    PartieJouee p = Partie(true);
    p.fin = A(jour);
    p.nombres = {6, 3, 100, 75, 50, 25};  // the same draw, dealt otherwise
    return p;
  };
  struct Cas {
    const char* quoi;
    std::vector<PartieJouee> parties;
    QDate aujourdhui;
    std::size_t dus;
  };
  const std::vector<Cas> cas = {
      {"the day of the miss", {Rate(rate)}, rate, 0},
      {"the day after", {Rate(rate)}, rate.addDays(1), 1},
      {"reviewed the day after: three days", {Rate(rate), Revu(rate.addDays(1))}, rate.addDays(2), 0},
      {"three days after", {Rate(rate), Revu(rate.addDays(1))}, rate.addDays(3), 1},
      {"reviewed twice: seven days", {Rate(rate), Revu(rate.addDays(1)), Revu(rate.addDays(3))}, rate.addDays(6), 0},
      {"reviewed three times: done",
       {Rate(rate), Revu(rate.addDays(1)), Revu(rate.addDays(3)), Revu(rate.addDays(7))}, rate.addDays(30), 0},
      {"two draws missed", {Rate(rate), Rate(rate.addDays(-3), {1, 2, 3, 4, 5, 6})}, rate.addDays(1), 2},
  };
  for (const Cas& c : cas) EXPECT_EQ(RatesARevoir(c.parties, c.aujourdhui).size(), c.dus) << c.quoi;
  // The longest due first: the older miss, due two days earlier.
  const std::vector<TTirage> dus = RatesARevoir(cas.back().parties, rate.addDays(1));
  EXPECT_EQ(dus.front().Nombres[1], 1);
  // A target out of reach, or a duel's go, is no miss to review.
  PartieJouee hors = Rate(rate);
  hors.difficulte = 5;
  PartieJouee duel = Rate(rate);
  duel.mode = ModePartie::Duel;
  EXPECT_TRUE(RatesARevoir({hors, duel}, rate.addDays(1)).empty());
}

}  // namespace
}  // namespace tolvan::test
