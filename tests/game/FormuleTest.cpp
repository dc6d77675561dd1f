#include <gtest/gtest.h>

#include "game/Coach.h"
#include "game/Formule.h"
#include "game/LigneDePartage.h"

namespace tolvan {
namespace {

TEST(Formule, PutsEachNumberWhereItsPlaceholderStands) {
  struct Cas {
    const char* motif;
    std::vector<std::string> valeurs;
    const char* texte;
  };
  const std::vector<Cas> cas = {
      {"au mieux %1.", {"330"}, "au mieux 330."},
      {"%2 away, best %1", {"330", "6"}, "6 away, best 330"},  // a translator may turn them round
      {"%1 and %1", {"7"}, "7 and 7"},
      {"Trouvées : %1 %", {"40"}, "Trouvées : 40 %"},  // a % before no number stays
      {"%3 is missing", {"1"}, "%3 is missing"},
      {"%0 and %", {"1"}, "%0 and %"},
      {"%1%2", {"1:42", ""}, "1:42"},
  };
  for (const Cas& c : cas) EXPECT_EQ(Formule(c.motif, c.valeurs), c.texte) << c.motif;
  EXPECT_EQ(Compte(0, "%1 ligne", "%1 lignes"), "0 ligne");  // French counts none as one
  EXPECT_EQ(Compte(2, "%1 line", "%1 lines"), "2 lines");
}

// The coach, the hints and the share line speak the words they are given.
TEST(Formule, TheCoachTheHintsAndTheShareLineTakeTheirWordsFromTheLanguage) {
  PhrasesCoach anglais;
  anglais.auMieuxFacons = "Not possible from here: %1 at best, %2 ways.";
  anglais.gagneEn = "Solved in %1; the shortest needed %2.";
  anglais.uneLigne = "%1 line";
  anglais.desLignes = "%1 lines";
  Position p330;
  p330.atteignable = true;
  p330.visee = 330;
  p330.nbSolutions = 3;
  p330.lignesMin = 2;
  p330.simple = {"6x50=300", "300+30=330"};
  EXPECT_EQ(PhraseIndice(2, p330, anglais), "Not possible from here: 330 at best, 3 ways.");
  EXPECT_EQ(PhraseIndice(2, p330), "Pas possible d'ici : au mieux 330, de 3 façons.");
  EXPECT_EQ(PhraseVictoire(3, 2, anglais), "Solved in 3 lines; the shortest needed 2.");

  PhrasesPartage partage{.ligne = "Tolvan daily numbers, %1: %2 (difficulty %3/5)",
                         .rejouee = "(replay)",
                         .trouveEn = "solved in %1, %2, %3",
                         .uneLigne = "%1 line",
                         .desLignes = "%1 lines",
                         .sansIndice = "no hints",
                         .premierDuMois = "1",
                         .mois = "January February March April May June July August September October "
                                 "November December"};
  const Date mai{std::chrono::year(2027), std::chrono::month(5), std::chrono::day(1)};
  EXPECT_EQ(LigneDePartage({mai, true, 102, 3, 0, 3, true}, partage),
            "Tolvan daily numbers, 1 May 2027 (replay): solved in 1:42, 3 lines, no hints (difficulty 3/5)");
  partage.date = "%2 %1, %3";  // the American order
  EXPECT_EQ(DateEnToutesLettres(mai, partage), "May 1, 2027");
}

}  // namespace
}  // namespace tolvan
