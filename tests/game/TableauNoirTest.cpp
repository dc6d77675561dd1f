#include <gtest/gtest.h>

#include "game/TableauNoir.h"

namespace tolvan::test {
namespace {

using Son = Evenement;

// A board on a draw, with the target far away unless given.
struct Partie {
  TableauNoir tableau;
  longint cible;
  bool calculAuto = true;

  explicit Partie(std::array<longint, 6> nombres, longint cibleVoulue = 9999) : cible(cibleVoulue) {
    NombresTirage n;
    for (int i = 1; i <= 6; ++i) n[i] = nombres[static_cast<std::size_t>(i - 1)];
    tableau.Commence(n);
  }
  TableauNoir::Reaction Presse(int code) { return tableau.Effectue(code, calculAuto, cible); }
  // Presses a sequence of codes and returns the last reaction.
  TableauNoir::Reaction Presse(std::initializer_list<int> codes) {
    TableauNoir::Reaction derniere;
    for (int code : codes) derniere = Presse(code);
    return derniere;
  }
  TableauNoir::Reaction Retour() { return tableau.Retour(); }
  const Tuile& T(int i) const { return tableau.Tuiles[i]; }
  std::string Ligne(int k) const { return tableau.Textes()[static_cast<std::size_t>(k - 1)]; }
};

TEST(TableauNoir, SubtractingEqualNumbersLeavesAZeroNothingCanDivideBy) {
  Partie p({7, 7, 3, 4, 5, 6});
  EXPECT_EQ(p.Presse({1, CodeMoins, 2}).son, Son::Result);
  EXPECT_EQ(p.Ligne(1), "7-7=0");
  EXPECT_EQ(p.T(2).valeur, 0);
  EXPECT_TRUE(p.T(2).active);
  EXPECT_FALSE(p.T(1).active);
  EXPECT_EQ(p.Presse({3, CodeDivise, 2}).son, Son::Erreur);
  EXPECT_EQ(p.Ligne(2), "3/");
  EXPECT_TRUE(p.T(2).active);
  EXPECT_EQ(p.Presse({CodeFois, 2}).son, Son::Result);  // 0 x ... and 3 x 0 are fine
  EXPECT_EQ(p.Ligne(2), "3x0=0");
}

TEST(TableauNoir, RefusedOperationsGoBackToTheOperator) {
  struct Cas {
    std::array<longint, 6> nombres;
    int signe;
    std::string attendu;
  };
  const std::vector<Cas> refus = {
      {{5, 7, 1, 1, 1, 1}, CodeMoins, "5-"},
      {{3, 6, 1, 1, 1, 1}, CodeDivise, "3/"},
      // Beyond the numbers of the game.
      {{99999, 99999, 1, 1, 1, 1}, CodeFois, "99999x"},
  };
  for (const Cas& c : refus) {
    Partie p(c.nombres);
    p.Presse({1, c.signe});
    const auto reaction = p.Presse(2);
    EXPECT_EQ(reaction.son, Son::Erreur) << c.attendu;
    EXPECT_TRUE(reaction.refusee);
    EXPECT_FALSE(reaction.gagne);
    EXPECT_EQ(p.tableau.EtatSaisie, 2);
    EXPECT_EQ(p.Ligne(1), c.attendu);
    EXPECT_TRUE(p.T(2).active);
    EXPECT_FALSE(p.T(1).active);
    EXPECT_EQ(p.T(2).valeur, c.nombres[1]);
  }
  Partie p({6, 3, 1, 1, 1, 1});
  p.Presse({1, CodeDivise, 2});
  EXPECT_EQ(p.Ligne(1), "6/3=2");
  EXPECT_EQ(p.T(2).valeur, 2);
}

TEST(TableauNoir, ASecondTileReplacesTheLeftOperand) {
  Partie p({25, 50, 75, 100, 3, 6});
  EXPECT_EQ(p.Presse(1).son, Son::Click);
  EXPECT_EQ(p.Presse(2).son, Son::Click);
  EXPECT_TRUE(p.T(1).active);
  EXPECT_FALSE(p.T(2).active);
  EXPECT_EQ(p.tableau.EtatSaisie, 1);
  EXPECT_EQ(p.Ligne(1), "50");
  // A second operator replaces the first.
  p.Presse({CodePlus, CodeFois, 5});
  EXPECT_EQ(p.Ligne(1), "50x3=150");
}

TEST(TableauNoir, AnOperatorOpeningALineTakesThePreviousResult) {
  Partie p({25, 50, 75, 100, 3, 6}, 303);
  p.Presse({6, CodeFois, 2});
  EXPECT_EQ(p.T(2).valeur, 300);
  EXPECT_EQ(p.Presse(CodePlus).son, Son::Click);
  EXPECT_FALSE(p.T(2).active);
  EXPECT_EQ(p.Ligne(2), "300+");
  const auto fin = p.Presse(5);
  EXPECT_TRUE(fin.gagne);
  EXPECT_EQ(fin.son, std::nullopt);
  EXPECT_EQ(p.Ligne(2), "300+3=303");  // stays shown whole
  EXPECT_EQ(p.tableau.NbLignesFinies(), 2);
  EXPECT_EQ(p.tableau.TexteLigne(1), "6x50=300");
}

TEST(TableauNoir, PressesThatHaveNothingToBuildOnAreIgnored) {
  Partie p({1, 2, 3, 4, 5, 6});
  // An operator cannot open line 1.
  EXPECT_EQ(p.Presse(CodePlus).son, std::nullopt);
  EXPECT_EQ(p.tableau.EtatSaisie, 0);
  EXPECT_EQ(p.Ligne(1), "");
  // Five lines use up the draw; nothing more can be pressed.
  p.Presse({1, CodePlus, 2, 3, CodePlus, 4, 5, CodePlus, 6, CodePlus, 2});
  EXPECT_EQ(p.tableau.NumLigne, 5);
  EXPECT_EQ(p.Ligne(4), "11+3=14");
  p.Presse({CodePlus, 4});
  EXPECT_EQ(p.tableau.NumLigne, 6);
  EXPECT_EQ(p.Ligne(5), "14+7=21");
  EXPECT_TRUE(p.T(4).active);  // the last result
  EXPECT_EQ(p.Presse(4).son, std::nullopt);
  EXPECT_EQ(p.Presse(CodeFois).son, std::nullopt);
  EXPECT_EQ(p.Retour().son, Son::Annul);
  EXPECT_EQ(p.tableau.NumLigne, 5);
  EXPECT_EQ(p.Ligne(5), "");
  EXPECT_EQ(p.Ligne(4), "11+3=14");
  EXPECT_EQ(p.T(2).valeur, 14);
  EXPECT_EQ(p.T(4).valeur, 7);
}

TEST(TableauNoir, RetourOnAnEmptyLineTakesBackThePreviousLine) {
  Partie p({25, 50, 75, 100, 3, 6});
  p.Presse({1, CodePlus, 2});  // 25+50=75 on tile 2
  p.Presse({3, CodeMoins, 2});  // 75-75=0 on tile 2
  ASSERT_EQ(p.tableau.NumLigne, 3);
  EXPECT_EQ(p.Retour().son, Son::Annul);
  EXPECT_EQ(p.tableau.NumLigne, 2);
  EXPECT_EQ(p.Ligne(2), "");
  EXPECT_EQ(p.Ligne(1), "25+50=75");
  EXPECT_TRUE(p.T(3).active);
  EXPECT_TRUE(p.T(2).active);
  EXPECT_EQ(p.T(3).valeur, 75);
  EXPECT_EQ(p.T(2).valeur, 75);  // line 1's result is back on its tile
  p.Retour();
  EXPECT_EQ(p.tableau.NumLigne, 1);
  EXPECT_EQ(p.T(1).valeur, 25);
  EXPECT_EQ(p.T(2).valeur, 50);
  EXPECT_TRUE(p.T(1).active);
  // Down at line 1 it stays there.
  p.Retour();
  EXPECT_EQ(p.tableau.NumLigne, 1);
  EXPECT_EQ(p.T(1).valeur, 25);

  // A line in progress is dropped, its left operand given back.
  p.Presse({4, CodeDivise});
  p.Retour();
  EXPECT_EQ(p.tableau.EtatSaisie, 0);
  EXPECT_TRUE(p.T(4).active);
  EXPECT_EQ(p.Ligne(1), "");
}

TEST(TableauNoir, TypedAnswersMustBeTheExactResult) {
  Partie p({25, 50, 75, 100, 3, 6}, 125);
  p.calculAuto = false;
  const auto attente = p.Presse({1, CodePlus, 2});
  EXPECT_TRUE(attente.demandeReponse);
  EXPECT_EQ(attente.son, Son::Erreur);  // as every right operand in this mode
  EXPECT_FALSE(attente.refusee);
  EXPECT_TRUE(p.tableau.ReponseAttendue());
  EXPECT_EQ(p.tableau.EtatSaisie, 3);
  EXPECT_EQ(p.Ligne(1), "25+50=");
  EXPECT_TRUE(p.T(2).active);
  EXPECT_EQ(p.Presse(3).son, std::nullopt);  // nothing else until answered
  EXPECT_EQ(p.tableau.VerifieResultat("075", p.cible), TableauNoir::Verdict::Refusee);
  EXPECT_EQ(p.tableau.VerifieResultat("76", p.cible), TableauNoir::Verdict::Refusee);
  EXPECT_EQ(p.tableau.VerifieResultat("75", p.cible), TableauNoir::Verdict::Acceptee);
  EXPECT_EQ(p.Ligne(1), "25+50=75");
  EXPECT_EQ(p.T(2).valeur, 75);
  EXPECT_EQ(p.tableau.NumLigne, 2);
  p.Presse({CodePlus, 3});
  EXPECT_EQ(p.tableau.VerifieResultat("150", p.cible), TableauNoir::Verdict::Acceptee);
  p.Presse({4, CodeMoins, 5});
  EXPECT_EQ(p.tableau.VerifieResultat("97", p.cible), TableauNoir::Verdict::Acceptee);
  // A refused operation accepts no answer at all; "Retour" takes it back.
  p.Presse({6, CodeMoins, 5});  // 6 - 97
  EXPECT_TRUE(p.tableau.ReponseAttendue());
  EXPECT_EQ(p.tableau.VerifieResultat("-91", p.cible), TableauNoir::Verdict::Refusee);
  p.Retour();
  EXPECT_FALSE(p.tableau.ReponseAttendue());
  EXPECT_TRUE(p.T(6).active);
  p.Presse({3, CodeMoins, 6});
  EXPECT_EQ(p.tableau.VerifieResultat("144", p.cible), TableauNoir::Verdict::Acceptee);
  EXPECT_EQ(p.tableau.NbLignesFinies(), 4);
}

TEST(TableauNoir, ATypedAnswerCanWin) {
  Partie p({25, 50, 75, 100, 3, 6}, 75);
  p.calculAuto = false;
  p.Presse({1, CodePlus, 2});
  EXPECT_EQ(p.tableau.VerifieResultat("75", p.cible), TableauNoir::Verdict::Gagnee);
  EXPECT_EQ(p.tableau.NbLignesFinies(), 1);
  EXPECT_EQ(p.tableau.TexteLigne(1), "25+50=75");
}

}  // namespace
}  // namespace tolvan::test

namespace tolvan::test {
namespace {

// The numbers in play are the tiles still usable (a line's result takes its
// second tile's place) and the first number of a line being written, given back.
TEST(TableauNoir, TheNumbersInPlayGiveBackALineInProgress) {
  Partie p({25, 50, 75, 100, 3, 6});
  EXPECT_EQ(p.tableau.NombresEnJeu(), (std::vector<longint>{25, 50, 75, 100, 3, 6}));
  p.Presse({6, CodeFois, 2});  // 6x50=300
  EXPECT_EQ(p.tableau.NombresEnJeu(), (std::vector<longint>{25, 300, 75, 100, 3}));
  p.Presse({1, CodePlus});  // 25+ ... in progress
  EXPECT_EQ(p.tableau.NombresEnJeu(), (std::vector<longint>{300, 75, 100, 3, 25}));
}

}  // namespace
}  // namespace tolvan::test
