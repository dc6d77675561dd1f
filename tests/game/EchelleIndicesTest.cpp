#include <gtest/gtest.h>

#include <cstdlib>

#include "game/Coach.h"
#include "game/SplitMix64.h"
#include "game/Tirages.h"

namespace tolvan::test {
namespace {

// Every step of the ladder, from the first to one past the last.
std::vector<std::string> Echelle(const Position& position) {
  std::vector<std::string> phrases;
  for (int echelon = 1; echelon <= NbEchelons(position) + 1; ++echelon) phrases.push_back(PhraseIndice(echelon, position));
  return phrases;
}

// No step is empty, none repeats the one before, none speaks of nothing,
// and a step past the last says the last again.
void VerifieEchelle(const std::vector<std::string>& phrases) {
  ASSERT_GE(phrases.size(), 2u);
  for (std::size_t i = 0; i + 1 < phrases.size(); ++i) {
    EXPECT_FALSE(phrases[i].empty());
    if (i > 0) {
      EXPECT_NE(phrases[i], phrases[i - 1]);
    }
    for (const char* vide : {" 0 solution", " 0 ligne", " 0 façon"}) {
      EXPECT_EQ((' ' + phrases[i]).find(vide), std::string::npos) << phrases[i];
    }
  }
  EXPECT_EQ(phrases.back(), phrases[phrases.size() - 2]);
}

TEST(EchelleIndices, OutOfReachEveryStepNamesTheNearestNumber) {
  Solveur solveur;
  struct Cas {
    std::vector<longint> nombres;
    longint cible;
  };
  // 6 3 1 103 for 336 (330 is the best); six ones for 500; a draw dealt whole.
  for (const Cas& c : std::vector<Cas>{{{6, 3, 1, 103}, 336}, {{1, 1, 1, 1, 1, 1}, 500}, {{1, 2, 3, 4, 5, 6}, 997}}) {
    const Position position = AnalysePosition(solveur, c.nombres, c.cible);
    ASSERT_FALSE(position.exacte);
    ASSERT_GT(position.lignesMin, 0);
    EXPECT_EQ(NbEchelons(position), position.simple.size() > 1 ? 5 : 4);
    const std::vector<std::string> phrases = Echelle(position);
    VerifieEchelle(phrases);
    for (const std::string& phrase : phrases) {
      EXPECT_EQ(phrase.rfind("Pas possible d'ici", 0), 0u) << phrase;
      EXPECT_NE(phrase.find(std::to_string(position.visee)), std::string::npos) << phrase;
    }
    EXPECT_NE(phrases[1].find(position.nbSolutions == 1 ? "d'une seule façon" : std::to_string(position.nbSolutions) + " façons"),
              std::string::npos);
    EXPECT_NE(phrases[2].find(std::to_string(position.lignesMin) + " ligne"), std::string::npos);
    EXPECT_NE(phrases.back().find(Enchaine(position.simple)), std::string::npos);
  }
  const Position p330 = AnalysePosition(solveur, {6, 3, 1, 103}, 336);
  EXPECT_EQ(p330.visee, 330);
  EXPECT_EQ(PhraseIndice(2, p330), "Pas possible d'ici : au mieux 330, de " + std::to_string(p330.nbSolutions) + " façons.");
}

TEST(EchelleIndices, ANumberLeftAloneIsOneStep) {
  Solveur solveur;
  // One number left, or one already in play nearer than any line from it.
  for (const auto& [nombres, cible] : std::vector<std::pair<std::vector<longint>, longint>>{{{330}, 336}, {{330, 900}, 336}}) {
    const Position position = AnalysePosition(solveur, nombres, cible);
    EXPECT_FALSE(position.exacte);
    EXPECT_EQ(position.visee, 330);
    EXPECT_EQ(position.lignesMin, 0);
    EXPECT_EQ(NbEchelons(position), 1);
    for (int echelon = 1; echelon <= 5; ++echelon) {
      EXPECT_EQ(PhraseIndice(echelon, position), "Pas possible d'ici : au mieux 330, déjà en jeu.");
    }
  }
  // Within reach: a single line needs no "Commence par" before it.
  const Position uneLigne = AnalysePosition(solveur, {12, 6}, 72);
  ASSERT_TRUE(uneLigne.exacte);
  const std::vector<std::string> phrases = Echelle(uneLigne);
  VerifieEchelle(phrases);
  EXPECT_EQ(phrases, (std::vector<std::string>{"Le compte est possible d'ici.", "1 solution d'ici.", "Encore 1 ligne au moins.",
                                               "12x6=72", "12x6=72"}));
  // Nothing in play: one step that says so.
  EXPECT_EQ(NbEchelons(AnalysePosition(solveur, {}, 336)), 1);
  EXPECT_EQ(PhraseIndice(3, AnalysePosition(solveur, {}, 336)), "Pas possible d'ici : plus aucun nombre en jeu.");
}

TEST(EchelleIndices, TheCoachNamesTheNearestNumberTheSolverShows) {
  // Random draws whose target is out of reach: the coach's nearest number
  // is the one the solver's table falls back on, ties included (524 from
  // 520 and 528 alike: whichever the solver keeps).
  SplitMix64 generateur(20261207);
  const Hasard hasard = [&generateur](int n) { return generateur.Entre(n); };
  Solveur panneau, coach;
  int horsDePortee = 0, egalites = 0;
  for (int essai = 0; essai < 3000 && (horsDePortee < 25 || egalites < 3); ++essai) {
    TTirage tirage;
    TireSixNombres(tirage, hasard);
    TireCible(tirage, hasard);
    panneau.ChangeTirage(tirage);
    panneau.ChercheSol(panneau.IndiceSimple);
    if (!panneau.SolutionApprochee || panneau.NbSolutions == 0) continue;
    ++horsDePortee;
    const TSolution& montree = panneau.Solutions[panneau.IndiceSimple];
    const longint proche = montree.Resultats[montree.NbEtapes];
    const std::vector<longint> nombres(tirage.Nombres.begin(), tirage.Nombres.end());
    const Position position = AnalysePosition(coach, nombres, tirage.Resultat);
    EXPECT_EQ(position.visee, proche) << "cible " << tirage.Resultat;
    EXPECT_EQ(position.nbSolutions, panneau.NbSolutions);
    const longint autre = 2 * tirage.Resultat - proche;
    if (autre > 0 && AnalysePosition(coach, nombres, autre).exacte) ++egalites;
  }
  EXPECT_GE(horsDePortee, 25);
  EXPECT_GE(egalites, 3);
}

}  // namespace
}  // namespace tolvan::test
