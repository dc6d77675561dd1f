#include <gtest/gtest.h>

#include "engine/Records.h"

namespace tolvan::test {
namespace {

TEST(Records, OperatorTablesTranslateBothWays) {
  for (longint oper = 1; oper <= 4; ++oper) EXPECT_EQ(OperDeSigne[SigneDeOper[oper]], oper);
  EXPECT_EQ(TexteOper(OperAddition), "+");
  EXPECT_EQ(TexteOper(OperSoustraction), "-");
  EXPECT_EQ(TexteOper(OperDivision), "/");
  EXPECT_EQ(TexteOper(OperMultiplication), "x");
  EXPECT_EQ(TexteOper(0), "");
}

TEST(Records, BlackboardLinesBecomeSolutionSteps) {
  Base1Array<TLigne, NbLignes> lignes;
  lignes[1] = TLigne{1, 3, 2, 75, 25, 50};   // 75 - 25
  lignes[2] = TLigne{2, 2, 3, 50, 4, 200};   // 50 x 4
  lignes[3] = TLigne{2, 4, 4, 200, 2, 100};  // 200 / 2
  lignes[4] = TLigne{3, 1, 5, 100, 9, 109};  // not yet counted
  const TSolution s = SolutionDeLignes(lignes, 3);
  EXPECT_EQ(s.NbEtapes, 3);
  EXPECT_EQ(s.Etapes[1], (TEtape{75, 25, OperSoustraction}));
  EXPECT_EQ(s.Etapes[2], (TEtape{50, 4, OperMultiplication}));
  EXPECT_EQ(s.Etapes[3], (TEtape{200, 2, OperDivision}));
  EXPECT_EQ(s.Etapes[4], (TEtape{0, 0, 0}));
  EXPECT_EQ(s.Etapes[5], (TEtape{0, 0, 0}));
}

}  // namespace
}  // namespace tolvan::test
