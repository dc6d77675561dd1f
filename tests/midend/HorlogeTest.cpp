#include <gtest/gtest.h>

#include "JeuDeTest.h"
#include "midend/Horloge.h"

namespace tolvan::test {
namespace {

PartieJouee Derniere(const JeuDeTest& t) {
  const std::vector<PartieJouee> parties = t.jeu->historique().Dernieres(1);
  return parties.empty() ? PartieJouee{} : parties.front();
}

// The seconds come from the desktop's steady clock, however the window's
// timer happens to tick: none lost, none counted twice.
TEST(Horloge, GivesTheWholeSecondsGoneAndKeepsTheRest) {
  PlateformeDeTest plateforme;
  Horloge horloge(plateforme);
  plateforme.instant = 5000;
  horloge.Repart();
  plateforme.instant += 2500;
  EXPECT_EQ(horloge.SecondesPassees(), 2);
  plateforme.instant += 400;
  EXPECT_EQ(horloge.SecondesPassees(), 0);
  plateforme.instant += 100;
  EXPECT_EQ(horloge.SecondesPassees(), 1);
  plateforme.instant = 0;  // a clock set back counts again from there
  EXPECT_EQ(horloge.SecondesPassees(), 0);
  plateforme.instant = 1000;
  EXPECT_EQ(horloge.SecondesPassees(), 1);
}

// What each clock says during a game and once it is over, in the
// language's words, and whether the window's timer runs meanwhile.
TEST(Horloge, EachChoiceSaysItsTimeWhenItShould) {
  struct Cas {
    int choix;
    const char* enJeu;
    const char* apres;
    bool minuteur;
  };
  const std::vector<Cas> cas = {
      {0, "Chrono 0:07", "Chrono 0:07", true},
      {9, "Il reste 0:23", "Il reste 0:23", true},
      {10, "Il reste 0:38", "Il reste 0:38", true},
      {ChoixChronoCache, "", "Chrono 0:07", true},
      {ChoixSansChrono, "", "", false},
  };
  for (const Cas& c : cas) {
    JeuDeTest t;
    t.plateforme.tirages = HasardDe303;
    t.jeu->DefinitTexte(&TextesMessages::MsgChrono, QStringLiteral("Chrono"));
    t.jeu->ChoisitTemps(c.choix);
    t.jeu->NouvellePartie();
    EXPECT_EQ(t.vue.minuteur, std::vector<bool>(c.minuteur ? 1 : 0, true)) << c.choix;
    t.Tique(7);
    EXPECT_EQ(t.jeu->TexteHorloge(), c.enJeu) << c.choix;
    EXPECT_FALSE(t.Bilan().join("|").contains("Chrono ")) << c.choix;
    t.Trouve303();
    ASSERT_TRUE(t.jeu->manche().Gagnee()) << c.choix;
    EXPECT_EQ(t.jeu->TexteHorloge(), c.apres) << c.choix;
    EXPECT_EQ(t.Bilan().join("|").contains("Chrono "), c.choix == ChoixChronoCache) << c.choix;
    EXPECT_EQ(t.vue.minuteur, c.minuteur ? std::vector<bool>({true, false}) : std::vector<bool>()) << c.choix;
  }
}

// "Chrono caché" counts and keeps its time; "Sans chrono" counts nothing,
// never runs out, and the history keeps no time of its games.
TEST(Horloge, AHiddenClockKeepsItsTimeAndNoClockRecordsNone) {
  JeuDeTest t;
  t.plateforme.tirages = HasardDe303;
  t.jeu->ChoisitTemps(ChoixChronoCache);
  t.jeu->NouvellePartie();
  t.Tique(83);
  t.Trouve303();
  EXPECT_EQ(t.Bilan().back(), QStringLiteral("Chrono 1:23"));
  EXPECT_EQ(Derniere(t).secondes, 83);

  t.jeu->ChoisitTemps(ChoixSansChrono);
  t.jeu->NouvellePartie();
  t.Tique(7200);
  EXPECT_TRUE(t.jeu->manche().PartieEnJeu());
  EXPECT_EQ(t.jeu->manche().Ecoule(), 0);
  t.Trouve303();
  EXPECT_TRUE(Derniere(t).trouve);
  EXPECT_EQ(Derniere(t).secondes, SansTemps);
  EXPECT_EQ(t.jeu->manche().Scores().back(), (LigneScore{"=>", ""}));
  // Kept with the other options, by its place in the list.
  t.jeu->Termine();
  t.Recommence();
  EXPECT_EQ(t.jeu->options().temps, ChoixSansChrono);
  EXPECT_EQ(t.jeu->horloge().cadence().genre, GenreHorloge::Aucune);
}

// A box runs its own events: a tick that comes while a verb waits on the
// player's answer is not the game's. Here the series' last seconds run out
// while "Abandonner la partie en cours ?" is up: the game does not end under
// the question; the next tick ends it, and the series with it, once.
TEST(Horloge, ATickDuringAQuestionIsNotTakenIntoTheGame) {
  JeuDeTest t;
  t.PrepareNiveau();
  ASSERT_TRUE(t.Lance("BTstart"));
  bool enJeuSousLaQuestion = false;
  t.plateforme.quandMessage = [&t, &enJeuSousLaQuestion](const MessageAffiche&) {
    t.plateforme.instant += 61000;
    t.jeu->Tique();
    enJeuSousLaQuestion = t.jeu->manche().PartieEnJeu();
  };
  t.plateforme.reponses = {Reponse::Oui};
  EXPECT_FALSE(t.Lance("BTstart"));
  EXPECT_TRUE(enJeuSousLaQuestion);
  EXPECT_EQ(t.vue.nomsDemandes, 0);
  EXPECT_TRUE(t.jeu->manche().PartieEnJeu());
  t.plateforme.quandMessage = nullptr;
  t.jeu->Tique();
  EXPECT_FALSE(t.jeu->manche().PartieEnJeu());
  EXPECT_EQ(t.jeu->manche().DerniereIssue(), Manche::Issue::TempsEcoule);
  EXPECT_EQ(t.vue.nomsDemandes, 1);
}

// A level's series keeps its own clock whatever training's is, and training
// gets its own back afterwards.
TEST(Horloge, ACompetitionKeepsItsLevelsTime) {
  JeuDeTest t;
  t.jeu->ChoisitTemps(ChoixSansChrono);
  t.PrepareNiveau();
  ASSERT_TRUE(t.Lance("BTstart"));
  EXPECT_EQ(t.jeu->horloge().cadence(), (Cadence{60, GenreHorloge::Rebours}));
  t.Tique(60);
  EXPECT_EQ(t.jeu->manche().DerniereIssue(), Manche::Issue::TempsEcoule);
  t.jeu->ChangeModeCompetition(false);
  EXPECT_EQ(t.jeu->horloge().cadence().genre, GenreHorloge::Aucune);
}

}  // namespace
}  // namespace tolvan::test
