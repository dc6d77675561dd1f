#include <gtest/gtest.h>

#include "competition/CodeSerie.h"
#include "midend/Regime.h"
#include "midend/RegimeDuel.h"
#include "midend/RegimeCode.h"

namespace tolvan::test {
namespace {

// Every way to play answers the same questions; the table reads across
// them as a newcomer would compare them.
TEST(Regime, EachWayToPlayAnswersWhereItsDrawsComeFromItsClockItsHelpItsPointsAndItsRow) {
  Serie serie;
  serie.DefinitModeCompetition(true);
  serie.DefinitTempsNiveau(60);
  serie.DefinitCoefficient(0);  // half the time, twice the points
  serie.Commence(3);
  const int pointsA10Secondes = serie.Points(10);
  ASSERT_GT(pointsA10Secondes, 0);

  RegimeEntrainement entrainement;
  RegimeDuJour jour;
  RegimeSerie competition(serie);
  TextesMessages textes;
  RegimeDuel duel(textes);
  ReglageDuel reglage;
  reglage.choixTemps = 9;  // "30 secondes", whatever "Temps :" says
  duel.Commence(reglage);
  RegimeCode club;
  std::string erreur;
  club.Commence(*CodeSerie::Lit("12JR-00KA-AAQW", erreur));  // three draws of 300 s
  Options options;
  options.temps = 10;  // "45 secondes"

  Permissions fermees;
  fermees.tiragesDuJoueur = fermees.indices = fermees.coach = fermees.solutions = fermees.liste = fermees.marque = false;
  Permissions sansAide = fermees;
  sansAide.aides = false;
  struct Cas {
    const char* quoi;
    Regime& regime;
    SourceTirage source;
    Cadence cadence;
    Permissions permis;
    Gain gain;
    ModePartie mode;
    Suite trouve;
    Suite perdu;
  };
  const std::vector<Cas> cas = {
      {"training", entrainement, SourceTirage::Joueur, {45, GenreHorloge::Rebours}, {}, {0, {"=>", "10'"}},
       ModePartie::Entrainement, Suite::Aucune, Suite::Aucune},
      {"draw of the day", jour, SourceTirage::Joueur, {3600, GenreHorloge::Chrono}, {}, {0, {"=>", "10'"}},
       ModePartie::Jour, Suite::Aucune, Suite::Aucune},
      {"a level's series", competition, SourceTirage::Serie, {30, GenreHorloge::Rebours}, fermees,
       {pointsA10Secondes, {"1", std::to_string(pointsA10Secondes)}}, ModePartie::Competition, Suite::TirageSuivant,
       Suite::FinDeSerie},
      {"a duel", duel, SourceTirage::Duel, {30, GenreHorloge::Rebours}, sansAide, {10, {"=>", "10'"}}, ModePartie::Duel,
       Suite::TirageSuivant, Suite::TirageSuivant},
      {"club play by a code", club, SourceTirage::Code, {300, GenreHorloge::Rebours}, sansAide,
       {10, {"=>", "10'"}}, ModePartie::Code, Suite::TirageSuivant, Suite::TirageSuivant},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(c.regime.Source(), c.source) << c.quoi;
    EXPECT_TRUE(c.regime.TirageSuivantPret()) << c.quoi;
    // A code's draw is dealt before it is played, and scored once.
    if (&c.regime == &club) club.DonneTirage();
    EXPECT_EQ(c.regime.CadenceDesParties(options), c.cadence) << c.quoi;
    EXPECT_EQ(c.regime.Permis(), c.permis) << c.quoi;
    const Gain gain = c.regime.Gagne(10);
    EXPECT_EQ(gain.points, c.gain.points) << c.quoi;
    EXPECT_EQ(gain.ligne, c.gain.ligne) << c.quoi;
    PartieJouee partie;
    partie.mode = c.mode == ModePartie::Jour ? ModePartie::Competition : ModePartie::Jour;
    c.regime.RemplitLigne(partie);
    EXPECT_EQ(partie.mode, c.mode) << c.quoi;
    EXPECT_EQ(c.regime.ApresPartie(true), c.trouve) << c.quoi;
    EXPECT_EQ(c.regime.ApresPartie(false), c.perdu) << c.quoi;
  }
  EXPECT_EQ(serie.NbTrouves(), 1) << "the series counted its draw found";
  PartieJouee parCode;
  club.RemplitLigne(parCode);
  EXPECT_EQ(parCode.code, QStringLiteral("12JR-00KA-AAQW")) << "a draw by code names its code";
}

// A series' help and next draw follow the series: the hints band as the
// level allows, nothing to deal between two series, and a draw found after
// the series was stopped earns nothing.
TEST(Regime, ASeriesFollowsItsLevelAndItsRun) {
  Serie serie;
  serie.DefinitModeCompetition(true);
  serie.DefinitTempsNiveau(60);
  RegimeSerie competition(serie);
  EXPECT_FALSE(competition.TirageSuivantPret());
  serie.DefinitAideInterdite(true);
  EXPECT_FALSE(competition.Permis().aides);
  serie.DefinitAideInterdite(false);
  EXPECT_TRUE(competition.Permis().aides);
  serie.Commence(1);
  EXPECT_TRUE(competition.TirageSuivantPret());
  serie.Arrete();
  const Gain gain = competition.Gagne(5);
  EXPECT_EQ(gain.points, 0);
  EXPECT_EQ(gain.ligne, Manche::LigneEntrainement(5));
  EXPECT_EQ(serie.NbTrouves(), 0);
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

}  // namespace
}  // namespace tolvan::test
