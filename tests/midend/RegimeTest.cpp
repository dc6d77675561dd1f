#include <gtest/gtest.h>

#include "JeuDeTest.h"
#include "game/Cote.h"
#include "midend/Reglages.h"
#include "game/TirageAMaMesure.h"
#include "game/TirageDuJour.h"
#include "midend/regimes/RegimeEntrainement.h"

namespace tolvan::test {
namespace {

// Three draws of 300 s: 7 50 1 5 75 25 → 321 first.
const QString CodeDOr = QStringLiteral("12JR-00KA-AAQW");
const TTirage Tirage303(NombresTirage{{{25, 50, 75, 100, 3, 6}}}, 303);

// The scripted desktop's day is 7 December 2026.
TTirage TirageDuJourDe(const JeuDeTest&) {
  Solveur solveur;
  TireDuJour(solveur, Date{std::chrono::year(2026), std::chrono::month(12), std::chrono::day(7)});
  return solveur.Tirage;
}

PartieJouee Derniere(const JeuDeTest& t) {
  const std::vector<PartieJouee> parties = t.jeu->historique().Dernieres(1);
  return parties.empty() ? PartieJouee{} : parties.front();
}

// Each way to play as the game runs it, started from its button: the draw
// it deals, its clock, its help, what a draw found at 10 s earns and
// records, its summary, what comes next, and what becomes of it when
// another way to play starts while its game is on the board.
struct Facon {
  const char* quoi;
  std::function<void(JeuDeTest&)> commence;  // its first draw dealt
  std::function<TTirage(const JeuDeTest&)> tirage;
  Cadence cadence;
  Permissions permis;
  int points;
  ModePartie mode;
  bool marque;  // the summary gives the draw's mark
  bool large;   // the summary takes the width of the games list
  bool suite;   // a series goes on after a draw found
  QString question;  // asked before another way starts; empty: nothing to lose
  QString bouton;    // the button that starts and stops it; none for training
};

// The draw a way at the player's measure deals first, from the scripted
// desktop's first two random numbers, for a player with no rated game yet.
TTirage TirageDansLaBande(Bande bande) {
  Solveur solveur;
  const Cote cote;
  return TireAMaMesure((static_cast<std::uint64_t>(HasardDe303[0]) << 30) | std::uint64_t(HasardDe303[1]), bande,
                       [&cote](const ResumeEfforts& resume) { return cote.ChancePredite(resume, 45); }, solveur)
      .tirage;
}

// A game of 303 missed, then a day goes by.
void RateLaVeille(JeuDeTest& t) {
  t.jeu->ChoisitTemps(10);  // "45 secondes"
  t.jeu->NouvellePartie();
  t.Tique(45);
  t.plateforme.maintenant = t.plateforme.maintenant.addDays(1);
}

// Every help, the draws dealt by the way itself.
Permissions LesTiragesDuJeu() {
  Permissions permis;
  permis.tiragesDuJoueur = false;
  return permis;
}

Permissions PermisDuTableau(bool aides) {
  Permissions permis = Permissions::LeTableauSeul();
  permis.aides = aides;
  return permis;
}

std::vector<Facon> Facons() {
  ReglageDuel duel;
  duel.force = 3;
  duel.nbTirages = 2;
  duel.choixTemps = 9;  // 30 s, whatever "Temps :" says
  return {
      {"training", [](JeuDeTest& t) { t.jeu->NouvellePartie(); }, [](const JeuDeTest&) { return Tirage303; },
       {45, GenreHorloge::Rebours}, {}, 0, ModePartie::Entrainement, true, false, false, {}, {}},
      {"the draw of the day", [](JeuDeTest& t) { ASSERT_TRUE(t.Lance("BTjour")); }, TirageDuJourDe,
       {3600, GenreHorloge::Chrono}, {}, 0, ModePartie::Jour, true, false, false, {}, "BTjour"},
      {"a level's series",
       [](JeuDeTest& t) {
         t.PrepareNiveau();
         ASSERT_TRUE(t.Lance("BTstart"));
       },
       [](const JeuDeTest&) { return Tirage303; }, {60, GenreHorloge::Rebours}, PermisDuTableau(true), 58,
       ModePartie::Competition, false, false, true, "Abandonner la partie en cours ?", "BTstart"},
      {"a duel",
       [duel](JeuDeTest& t) {
         ASSERT_TRUE(t.Lance("BTduel", duel));
         t.jeu->PartieSuivante();
       },
       [](const JeuDeTest&) { return Tirage303; }, {30, GenreHorloge::Rebours}, PermisDuTableau(false), 10,
       ModePartie::Duel, false, true, true, "Abandonner le duel en cours ?", "BTduel"},
      {"club play by a code", [](JeuDeTest& t) { ASSERT_TRUE(t.Lance("BTcode", CodeDOr)); },
       [](const JeuDeTest&) { return TTirage(NombresTirage{{{7, 50, 1, 5, 75, 25}}}, 321); },
       {300, GenreHorloge::Rebours}, PermisDuTableau(false), 10, ModePartie::Code, false, true, true,
       "Abandonner la partie par code en cours ?", "BTcode"},
      {"at my measure", [](JeuDeTest& t) { ASSERT_TRUE(t.Lance("BTaMaMesure")); },
       [](const JeuDeTest&) { return TirageDansLaBande(BandeDuJoueur(0)); }, {45, GenreHorloge::Rebours},
       LesTiragesDuJeu(), 0, ModePartie::Entrainement, true, false, true, {}, "BTaMaMesure"},
      {"a rising series", [](JeuDeTest& t) { ASSERT_TRUE(t.Lance("BTserieMontante")); },
       [](const JeuDeTest&) { return TirageDansLaBande(BandeDeRang(1)); }, {45, GenreHorloge::Rebours},
       PermisDuTableau(false), 0, ModePartie::Entrainement, false, false, true,
       "Abandonner la série montante en cours ?", "BTserieMontante"},
      {"my misses again",
       [](JeuDeTest& t) {
         RateLaVeille(t);
         ASSERT_TRUE(t.Lance("BTrevoirRates"));
       },
       [](const JeuDeTest&) { return Tirage303; }, {45, GenreHorloge::Rebours}, LesTiragesDuJeu(), 0,
       ModePartie::Entrainement, true, false, false, {}, "BTrevoirRates"},
  };
}

TEST(Regime, EachWayToPlayDealsTimesHelpsScoresAndRecordsItsOwnGames) {
  for (const Facon& f : Facons()) {
    JeuDeTest t;
    t.plateforme.tirages = HasardDe303;
    t.jeu->ChoisitTemps(10);  // "45 secondes" for training
    f.commence(t);
    EXPECT_EQ(t.jeu->Tirage(), f.tirage(t)) << f.quoi;
    EXPECT_TRUE(t.jeu->manche().PartieEnJeu()) << f.quoi;
    EXPECT_EQ(t.jeu->horloge().cadence(), f.cadence) << f.quoi;
    EXPECT_EQ(t.jeu->regime().Permis(), f.permis) << f.quoi;
    t.Tique(10);
    t.JoueLaPlusSimple();
    ASSERT_TRUE(t.jeu->manche().Gagnee()) << f.quoi;
    const PartieJouee partie = Derniere(t);
    EXPECT_EQ(partie.mode, f.mode) << f.quoi;
    EXPECT_EQ(partie.points, f.points) << f.quoi;
    EXPECT_EQ(partie.secondes, 10) << f.quoi;
    const Bilan bilan = t.jeu->BilanAffiche();
    EXPECT_EQ(bilan.lignes.join("|").contains("Difficulté : "), f.marque) << f.quoi;
    EXPECT_EQ(bilan.large, f.large) << f.quoi;
    EXPECT_EQ(t.jeu->SerieEnCours(), f.suite) << f.quoi;
    // A way whose series goes on keeps its own draws; one that ended gives
    // the player's back.
    EXPECT_EQ(t.jeu->PeutRejouer(), !f.suite || f.permis.tiragesDuJoueur) << f.quoi;
  }
}

TEST(Regime, AnotherWayToPlayStartsOnlyOnceTheOneUnderWayIsGivenUpCleanly) {
  for (const Facon& f : Facons()) {
    const bool code = f.mode == ModePartie::Code;
    const QString autre = code ? QStringLiteral("BTduel") : QStringLiteral("BTcode");
    const ChoixDuJoueur choix = code ? ChoixDuJoueur(ReglageDuel{}) : ChoixDuJoueur(CodeDOr);
    JeuDeTest t;
    t.plateforme.tirages = HasardDe303;
    f.commence(t);
    t.Presse({6, CodeFois, 2});  // a line written: nothing of it may count
    const std::size_t parties = t.jeu->historique().Dernieres(10).size();
    if (!f.question.isEmpty()) {
      t.plateforme.reponses = {Reponse::Non};
      EXPECT_FALSE(t.jeu->Commence(autre, choix)) << f.quoi;
      EXPECT_EQ(t.plateforme.messages.back().texte, f.question) << f.quoi;
      EXPECT_TRUE(t.jeu->manche().PartieEnJeu()) << f.quoi << ": no changes nothing";
      EXPECT_EQ(t.jeu->manche().Tableau().NbLignesFinies(), 1) << f.quoi;
      EXPECT_TRUE(t.jeu->SerieEnCours()) << f.quoi;
      t.plateforme.reponses = {Reponse::Oui};
    }
    const std::size_t messages = t.plateforme.messages.size();
    ASSERT_TRUE(t.jeu->Commence(autre, choix)) << f.quoi;
    EXPECT_EQ(t.plateforme.messages.size(), messages + (f.question.isEmpty() ? 0 : 1)) << f.quoi;
    EXPECT_EQ(t.jeu->historique().Dernieres(10).size(), parties) << f.quoi << ": a game given up is not a game played";
    EXPECT_TRUE(t.jeu->SerieEnCours()) << f.quoi << ": the other way is under way";
    EXPECT_FALSE(t.jeu->competition().serie().EnCours()) << f.quoi << ": no series is left running";
    if (t.jeu->manche().PartieEnJeu()) {
      EXPECT_EQ(t.jeu->manche().Tableau().NbLignesFinies(), 0) << f.quoi;
    }
  }
}

// The button of the way under way stops it once the player confirms: a
// duel or a code's series ends with its game, unscored; a level's series
// stops and lets the draw on the board play on, which then counts as in
// training.
TEST(Regime, ItsOwnButtonStopsTheWayUnderWay) {
  for (const Facon& f : Facons()) {
    const QString bouton = f.bouton;
    JeuDeTest t;
    t.plateforme.tirages = HasardDe303;
    f.commence(t);
    if (f.question.isEmpty()) {
      // Nothing at stake: stopped at once, without a question.
      if (!t.jeu->Facon(bouton).enCours) continue;
      const std::size_t messages = t.plateforme.messages.size();
      EXPECT_FALSE(t.jeu->PresseFacon(bouton)) << f.quoi;
      EXPECT_EQ(t.plateforme.messages.size(), messages) << f.quoi;
      EXPECT_FALSE(t.jeu->SerieEnCours()) << f.quoi;
      continue;
    }
    ASSERT_TRUE(t.jeu->Facon(bouton).enCours) << f.quoi;
    t.plateforme.reponses = {Reponse::Non, Reponse::Oui};
    EXPECT_FALSE(t.jeu->PresseFacon(bouton)) << f.quoi;
    EXPECT_TRUE(t.jeu->SerieEnCours()) << f.quoi;
    EXPECT_FALSE(t.jeu->PresseFacon(bouton)) << f.quoi << ": stopping starts nothing";
    EXPECT_FALSE(t.jeu->SerieEnCours()) << f.quoi;
    EXPECT_FALSE(t.jeu->Facon(bouton).enCours) << f.quoi;
    const bool playsOn = f.mode == ModePartie::Competition;
    EXPECT_EQ(t.jeu->manche().PartieEnJeu(), playsOn) << f.quoi;
    if (!playsOn) continue;
    t.JoueLaPlusSimple();
    EXPECT_EQ(Derniere(t).points, 0) << "found once stopped, it earns nothing";
    EXPECT_EQ(t.vue.nomsDemandes, 0) << "and no series ends";
  }
}

// A rising series deals until the first draw missed; its longest run is
// kept in the settings and said with each run's end.
TEST(Regime, ARisingSeriesGoesOnUntilAMissAndKeepsItsLongestRun) {
  JeuDeTest t;
  t.jeu->ChoisitTemps(10);
  ASSERT_TRUE(t.Lance("BTserieMontante"));
  for (int i = 0; i < 2; ++i) {
    t.JoueLaPlusSimple();
    ASSERT_TRUE(t.jeu->SerieEnCours());
    t.jeu->PartieSuivante();
  }
  t.Tique(45);
  EXPECT_FALSE(t.jeu->SerieEnCours());
  EXPECT_EQ(t.Bilan().back(), QStringLiteral("Série montante : 2 d'affilée (meilleure : 2)"));
  EXPECT_EQ((t.plateforme.reglages.valeurs[{CleOption, QStringLiteral("SerieMontante")}]), QStringLiteral("2"));
  ASSERT_TRUE(t.Lance("BTserieMontante"));
  t.Tique(45);
  EXPECT_EQ(t.Bilan().back(), QStringLiteral("Série montante : 0 d'affilée (meilleure : 2)"));
}

// The training clock is the player's choice of "Temps :", the new choices
// included; a stored choice out of the list leaves the clock as it is.
TEST(Regime, TrainingRunsUnderTheClockChosen) {
  RegimeEntrainement entrainement;
  Options options;
  const std::vector<std::pair<int, Cadence>> choix = {
      {0, {3600, GenreHorloge::Chrono}},  {2, {40, GenreHorloge::Rebours}},
      {8, {300, GenreHorloge::Rebours}},  {9, {30, GenreHorloge::Rebours}},
      {11, {3600, GenreHorloge::Cache}},  {12, {3600, GenreHorloge::Aucune}},
  };
  for (const auto& [temps, cadence] : choix) {
    options.temps = temps;
    EXPECT_EQ(entrainement.CadenceDesParties(options), cadence) << temps;
  }
  options.temps = -1;
  EXPECT_EQ(entrainement.CadenceDesParties(options), std::nullopt);
}

// A level's help follows its ban on hints, at rest and during a series.
TEST(Regime, ASeriesHelpsAsItsLevelAllows) {
  JeuDeTest t;
  t.PrepareNiveau();
  t.jeu->InterditAides(true);
  EXPECT_FALSE(t.jeu->AidesPermises());
  t.jeu->InterditAides(false);
  EXPECT_TRUE(t.jeu->AidesPermises());
  EXPECT_FALSE(t.jeu->PeutJouerNouvellePartie()) << "nothing to deal between two series";
  ASSERT_TRUE(t.Lance("BTstart"));
  EXPECT_TRUE(t.jeu->AidesPermises());
  EXPECT_FALSE(t.jeu->PeutModifier());
}

}  // namespace
}  // namespace tolvan::test
