#include <gtest/gtest.h>

#include "game/MiniCalculatrice.h"

namespace tolvan::test {
namespace {

using Touche = MiniCalculatrice::Touche;

// Types a calculation key by key: digits and "+-*/", "=" for Enter, "a"
// for a letter.
void Tape(MiniCalculatrice& calcul, const std::string& touches) {
  for (char c : touches) {
    calcul.Enfonce();
    switch (c) {
      case '=': calcul.Relache(Touche::Entree); break;
      case 'a':
        calcul.Tape('a');
        calcul.Relache(Touche::Autre);
        break;
      default:
        calcul.Tape(c);
        calcul.Relache(c == '+'   ? Touche::Plus
                       : c == '-' ? Touche::Moins
                       : c == '*' ? Touche::Fois
                       : c == '/' ? Touche::Divise
                                  : Touche::Chiffre);
    }
  }
}

TEST(MiniCalculatrice, KeypadCalculationsAndTheirResults) {
  struct Cas {
    std::string touches;
    std::string resultat;
  };
  for (const Cas& c : std::vector<Cas>{{"7-9=", "-2"},
                                      {"10/3=", "3,333"},
                                      {"10/4=", "2,5"},
                                      {"1000/3=", "333,3"},
                                      {"20000/3=", "6667"},
                                      {"100000/3=", "3,333E+0004"},
                                      {"1/300000=", "3,333E-0006"},
                                      {"1/0=", "???"},
                                      {"99999*99999=", "???"},
                                      {"2147483647+1=", "???"},
                                      {"99999999999+1=", "???"},
                                      {"46341*46340=", "2147441940"},
                                      {"12*", ""},
                                      {"12a3+4=", "7"}}) {
    MiniCalculatrice calcul(",");
    Tape(calcul, c.touches);
    EXPECT_EQ(calcul.Resultat(), c.resultat) << c.touches;
  }
  MiniCalculatrice point(".");
  Tape(point, "10/3=");
  EXPECT_EQ(point.Resultat(), "3.333");
}

TEST(MiniCalculatrice, FieldsFollowTheTypingAndANewKeyStartsAfresh) {
  MiniCalculatrice calcul;
  Tape(calcul, "12+34");
  EXPECT_EQ(calcul.Saisie(), "12+34");
  EXPECT_EQ(calcul.Nombre1(), "12");
  EXPECT_EQ(calcul.Operateur(), "+");
  EXPECT_EQ(calcul.Nombre2(), "34");
  Tape(calcul, "=");
  EXPECT_EQ(calcul.Resultat(), "46");
  Tape(calcul, "5");  // the last result stays until the next Enter
  EXPECT_EQ(calcul.Saisie(), "5");
  EXPECT_EQ(calcul.Nombre1(), "5");
  EXPECT_EQ(calcul.Operateur(), "");
  EXPECT_EQ(calcul.Resultat(), "46");
  Tape(calcul, "=");  // Enter without an operator writes nothing
  EXPECT_EQ(calcul.Resultat(), "46");
  Tape(calcul, "1");
  EXPECT_EQ(calcul.Saisie(), "1");
  Tape(calcul, "2345678901234");
  EXPECT_EQ(calcul.Saisie().size(), 12u);
}

}  // namespace
}  // namespace tolvan::test
