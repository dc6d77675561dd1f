#include <gtest/gtest.h>

#include "engine/SolutionText.h"
#include "engine/Solveur.h"
#include "game/Calcul.h"
#include "game/PhrasesCalcul.h"

namespace tolvan::test {
namespace {

const std::vector<longint> Tirage = {75, 25, 8, 7, 3, 100};

LectureCalcul Lit(std::string_view texte, const std::vector<longint>& enJeu = Tirage, longint cible = 999) {
  return LitCalcul(texte, enJeu, cible);
}

// The lines as the board writes them: "75+25=100".
std::vector<std::string> Lignes(const LectureCalcul& lecture) {
  std::vector<std::string> textes;
  for (const LigneCalcul& ligne : lecture.lignes) textes.push_back(TexteEtape(EtapeDe(ligne)));
  return textes;
}

TEST(Calcul, OneLineIsReadWhicheverWayItsOperatorIsWritten) {
  const std::vector<std::pair<std::string, std::string>> cas = {
      {"75x3", "75x3=225"},      {"75*3", "75x3=225"},       {"75 × 3", "75x3=225"},  {"75X3", "75x3=225"},
      {"100/25", "100/25=4"},    {"100:25", "100/25=4"},     {"100÷25", "100/25=4"},  {"75+25", "75+25=100"},
      {"75-25", "75-25=50"},     {"75−25", "75-25=50"},      {"3x75", "3x75=225"},    {" 75\t+ 25 ", "75+25=100"},
      // No-break spaces, as French typography puts them around ":".
      {"100\u202F:\u00A025", "100/25=4"},
  };
  for (const auto& [texte, ligne] : cas) {
    const LectureCalcul lecture = Lit(texte);
    ASSERT_TRUE(lecture.Acceptee()) << texte << ": " << PhraseRefus(*lecture.refus);
    EXPECT_EQ(Lignes(lecture), std::vector<std::string>{ligne}) << texte;
    EXPECT_EQ(lecture.valeur, lecture.lignes.back().resultat);
  }
}

TEST(Calcul, BracketsPrioritiesAndChainsGiveTheLinesInTheOrderTheyArePlayed) {
  struct Cas {
    std::string texte;
    std::vector<longint> enJeu;
    std::vector<std::string> lignes;
  };
  const std::vector<Cas> cas = {
      {"(75+25)x8+7", Tirage, {"75+25=100", "100x8=800", "800+7=807"}},
      {"[(5+5)x50]+4", {5, 50, 5, 4}, {"5+5=10", "10x50=500", "500+4=504"}},
      {"{[(1+2)x3]+4}x5", {1, 2, 3, 4, 5}, {"1+2=3", "3x3=9", "9+4=13", "13x5=65"}},
      {"7+3x8", Tirage, {"3x8=24", "7+24=31"}},
      {"75x3+25x8", Tirage, {"75x3=225", "25x8=200", "225+200=425"}},
      {"100-25-7", Tirage, {"100-25=75", "75-7=68"}},
      {"100/25/2", {100, 25, 2}, {"100/25=4", "4/2=2"}},
      {"100-(25-7)", Tirage, {"25-7=18", "100-18=82"}},
      {"8+100/25-3", Tirage, {"100/25=4", "8+4=12", "12-3=9"}},
      {"((75))+((3))", Tirage, {"75+3=78"}},
      // Numbers in play twice, and results of lines already on the board.
      {"(5+5)x(5-4)", {5, 5, 4, 5}, {"5+5=10", "5-4=1", "10x1=10"}},
      {"300+3", {300, 3}, {"300+3=303"}},
  };
  for (const Cas& c : cas) {
    const LectureCalcul lecture = Lit(c.texte, c.enJeu);
    ASSERT_TRUE(lecture.Acceptee()) << c.texte << ": " << PhraseRefus(*lecture.refus);
    EXPECT_EQ(Lignes(lecture), c.lignes) << c.texte;
  }
}

TEST(Calcul, AResultAnnouncedMustBeTheTrueOne) {
  for (const std::string texte : {"75x3=225", "75 x 3 = 225", "225=75x3", "(75+25)x8+7=807"}) {
    const LectureCalcul lecture = Lit(texte);
    EXPECT_TRUE(lecture.Acceptee()) << texte;
  }
  EXPECT_EQ(Lit("(75+25)x8+7=807").valeur, 807);
  const LectureCalcul faux = Lit("75x3=226");
  ASSERT_FALSE(faux.Acceptee());
  EXPECT_EQ(faux.refus->raison, RaisonRefus::ResultatFaux);
  EXPECT_EQ(faux.refus->nombre, 226);
  EXPECT_EQ(faux.refus->valeur, 225);
  EXPECT_EQ(faux.refus->position, 5u);
}

TEST(Calcul, EachRefusalSaysWhyAndYieldsNothing) {
  struct Cas {
    std::string texte;
    std::vector<longint> enJeu;
    RaisonRefus raison;
    std::size_t position;
    std::string phrase;
  };
  using R = RaisonRefus;
  const std::vector<Cas> cas = {
      {"  ", Tirage, R::Vide, 0, "aucun calcul n'est tapé"},
      {"75a3", Tirage, R::CaractereInconnu, 2, "« a » n'a pas sa place dans un calcul"},
      {"75\a+3", Tirage, R::CaractereInconnu, 2, "« U+0007 » n'a pas sa place dans un calcul"},
      {"75+\u200B3", Tirage, R::CaractereInconnu, 3, "« U+200B » n'a pas sa place dans un calcul"},
      {"75\xFF+3", Tirage, R::CaractereInconnu, 2, "« \uFFFD » n'a pas sa place dans un calcul"},
      {"75\xE2\x88", Tirage, R::CaractereInconnu, 2, "« \uFFFD » n'a pas sa place dans un calcul"},
      {"3+2147483648", Tirage, R::NombreTropLong, 2, "le nombre 2147483648 est trop long"},
      {"12345678901234567890", Tirage, R::NombreTropLong, 0, "le nombre 123456789012… est trop long"},
      {"(75+3", Tirage, R::ParentheseNonFermee, 0, "parenthèse non fermée : « ( » attend « ) »"},
      {"8x[75+(3)", Tirage, R::ParentheseNonFermee, 2, "parenthèse non fermée : « [ » attend « ] »"},
      {"75+3)", Tirage, R::FermanteSansOuvrante, 4, "« ) » ferme une parenthèse qui n'est pas ouverte"},
      {"[75+3)", Tirage, R::FermanteMalAssortie, 5, "« ) » ne peut pas fermer « [ » : il faut « ] »"},
      {"75+()", Tirage, R::ParenthesesVides, 4, "rien entre « ( » et « ) »"},
      {"x3", Tirage, R::RienAGauche, 0, "« x » n'a rien à sa gauche"},
      {"=225", Tirage, R::RienAGauche, 0, "« = » n'a rien à sa gauche"},
      {"75x3=+3", Tirage, R::RienAGauche, 5, "« + » n'a rien à sa gauche"},
      {"75×", Tirage, R::RienADroite, 2, "« × » n'a rien à sa droite"},
      {"75x+3", Tirage, R::RienADroite, 2, "« x » n'a rien à sa droite"},
      {"(75-)", Tirage, R::RienADroite, 3, "« - » n'a rien à sa droite"},
      {"75x3=", Tirage, R::RienADroite, 4, "« = » n'a rien à sa droite"},
      {"75 3", Tirage, R::OperationManquante, 3, "il manque une opération avant « 3 »"},
      {"3(75+8)", Tirage, R::OperationManquante, 1, "il manque une opération avant « ( »"},
      {"75x3=225=225", Tirage, R::EgalMalPlace, 8, "un seul « = », entre le calcul et son résultat"},
      {"75x3=200+25", Tirage, R::EgalMalPlace, 4, "un seul « = », entre le calcul et son résultat"},
      {"75", Tirage, R::SansOperation, 0, "il n'y a aucune opération à faire"},
      {"(75)=75", Tirage, R::SansOperation, 0, "il n'y a aucune opération à faire"},
      {"75x4", Tirage, R::NombreHorsJeu, 3, "4 n'est plus en jeu"},
      {"(75+25)x75", Tirage, R::NombreEnTrop, 8, "75 n'est pas en jeu autant de fois"},
      {"100/7", Tirage, R::DivisionNonExacte, 3, "100/7 ne tombe pas juste"},
      {"5/(3-3)", {5, 3, 3}, R::ResultatNul, 4, "3-3 donne 0 : chaque résultat doit être au-dessus de zéro"},
      {"5/0", {5, 0}, R::DivisionParZero, 1, "5/0 : on ne divise pas par zéro"},
      {"0/5", {5, 0}, R::ResultatNul, 1, "0/5 donne 0 : chaque résultat doit être au-dessus de zéro"},
      {"8-75", Tirage, R::ResultatNegatif, 1, "8-75 donne un nombre négatif"},
      {"65536x32768", {65536, 32768}, R::ResultatTropGrand, 5, "65536x32768 donne un nombre trop grand"},
      {"75x3=226", Tirage, R::ResultatFaux, 5, "le calcul donne 225, pas 226"},
  };
  for (const Cas& c : cas) {
    const LectureCalcul lecture = Lit(c.texte, c.enJeu);
    ASSERT_FALSE(lecture.Acceptee()) << c.texte;
    EXPECT_EQ(lecture.refus->raison, c.raison) << c.texte;
    EXPECT_EQ(lecture.refus->position, c.position) << c.texte;
    EXPECT_EQ(PhraseRefus(*lecture.refus), c.phrase) << c.texte;
    EXPECT_TRUE(lecture.lignes.empty());
    EXPECT_EQ(lecture.valeur, 0);
  }
}

TEST(Calcul, TheFirstFaultFromLeftToRightIsSaidAndTheTextBeforeTheNumbersAndTheNumbersBeforeTheLines) {
  const std::vector<std::pair<std::string, RaisonRefus>> cas = {
      {"75x+a", RaisonRefus::RienADroite},          // before the unknown character
      {"75a+(3", RaisonRefus::CaractereInconnu},     // before the bracket left open
      {"100/7+(4", RaisonRefus::ParentheseNonFermee},  // a form fault before a number not in play
      {"100/7+4", RaisonRefus::NombreHorsJeu},       // a number not in play before an inexact division
      {"8-75+100/7", RaisonRefus::ResultatNegatif},  // the lines in the order they are played
      {"8-(100/7)", RaisonRefus::DivisionNonExacte},
      {"100/7=3", RaisonRefus::DivisionNonExacte},  // the lines before the result announced
  };
  for (const auto& [texte, raison] : cas) {
    const LectureCalcul lecture = Lit(texte);
    ASSERT_FALSE(lecture.Acceptee()) << texte;
    EXPECT_EQ(lecture.refus->raison, raison) << texte << ": " << PhraseRefus(*lecture.refus);
  }
}

TEST(Calcul, TheLineReachingTheTargetIsTheOneTheGameIsWonOn) {
  EXPECT_EQ(Lit("(75+25)x8+7", Tirage, 807).ligneGagnante, 3u);
  EXPECT_EQ(Lit("(75+25)x8+7", Tirage, 100).ligneGagnante, 1u);
  EXPECT_EQ(Lit("(75+25)x8+7", Tirage, 100).valeur, 807);
  EXPECT_EQ(Lit("(75+25)x8+7", Tirage, 808).ligneGagnante, 0u);
}

TEST(Calcul, RefusalsCanBeSaidInOtherWords) {
  PhrasesCalcul anglais;
  anglais.nombreHorsJeu = "%1 is no longer in play";
  anglais.resultatFaux = "that makes %2, not %1";
  EXPECT_EQ(PhraseRefus(*Lit("75x4").refus, anglais), "4 is no longer in play");
  EXPECT_EQ(PhraseRefus(*Lit("75x3=9").refus, anglais), "that makes 225, not 9");
}

// Every solution the solver finds, as it writes it on one line ("100=(6-1)x4x5",
// with [ ] and { } as brackets nest), reads back to the value it reaches.
TEST(Calcul, ReadsBackEverySolutionTheSolverWrites) {
  for (const TTirage& tirage : {TTirage{{{1, 2, 3, 4, 5, 6}}, 100}, TTirage{{{3, 7, 8, 9, 25, 100}}, 947},
                                TTirage{{{2, 3, 4, 5, 6, 7}}, 2}}) {
    Solveur solveur;
    solveur.ChangeTirage(tirage);
    solveur.ChercheSol(0);
    const std::vector<longint> enJeu(tirage.Nombres.begin(), tirage.Nombres.end());
    int lues = 0;
    for (word i = 1; i <= solveur.NbSolutions; ++i) {
      const TSolution& solution = solveur.Solutions[i];
      const std::string texte = TexteSolution(solution);
      if (texte == "?") continue;  // steps that are not one chain have no one-line text
      const LectureCalcul lecture = LitCalcul(texte, enJeu, tirage.Resultat);
      ASSERT_TRUE(lecture.Acceptee()) << texte << ": " << PhraseRefus(*lecture.refus);
      EXPECT_EQ(lecture.valeur, solution.Resultats[solution.NbEtapes]) << texte;
      EXPECT_EQ(lecture.lignes.size(), solution.NbEtapes) << texte;
      ++lues;
    }
    EXPECT_GT(lues, 0);
  }
}

}  // namespace
}  // namespace tolvan::test
