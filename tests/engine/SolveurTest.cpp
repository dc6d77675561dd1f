#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "SolverTestSupport.h"
#include "engine/NormalForm.h"

namespace tolvan::test {
namespace {

using Lines = std::vector<std::string>;

TEST(Solveur, FindsEverySolutionOfTheClassicDrawAndRanksThem) {
  const auto s = Solved({1, 2, 3, 4, 5, 6}, 100);
  EXPECT_EQ(s->NbSolutions, 269);
  EXPECT_EQ(s->SolutionApprochee, 0);
  EXPECT_EQ(s->SolutionsCalculees, 1);
  EXPECT_EQ(s->SolveurLibre, 1);
  EXPECT_EQ(Steps(s->Solutions[1]), (Lines{"2+1=3", "3/3=1", "6-1=5", "5x4=20", "20x5=100"}));
  EXPECT_EQ(s->NbEtapesMin, 3);
  EXPECT_EQ(s->IndiceSimple, 135);
  EXPECT_EQ(Steps(s->Solutions[135]), (Lines{"6-1=5", "5x4=20", "20x5=100"}));
  EXPECT_EQ(s->IndiceTordue, 62);
  EXPECT_EQ(s->MaxIntermediaire, 300);
  EXPECT_EQ(Steps(s->Solutions[62]), (Lines{"4+1=5", "5x2=10", "6x5=30", "30x10=300", "300/3=100"}));
  EXPECT_EQ(s->TexteSimple, "100=(6-1)x4x5");
  // The search leaves the closest record visible and points at the simplest.
  EXPECT_EQ(s->NumeroVisible, 135);
  EXPECT_EQ(ValueReached(s->SolutionVisible), 100);
  for (word i = 1; i <= s->NbSolutions; ++i) {
    EXPECT_EQ(s->Solutions[i].Numero, i);
    EXPECT_EQ(ValueReached(s->Solutions[i]), 100);
  }
}

TEST(Solveur, UnreachableTargetFillsTheTableForTheNearestNumber) {
  RecordingEvents events;
  const auto s = Solved({1, 1, 1, 1, 1, 1}, 500, &events);
  EXPECT_EQ(s->SolutionApprochee, 1);
  ASSERT_EQ(s->NbSolutions, 1);
  EXPECT_EQ(Steps(s->Solutions[1]), (Lines{"1+1=2", "1+1=2", "2+1=3", "2+1=3", "3x3=9"}));
  EXPECT_EQ(s->NbEtapesMin, 5);
  EXPECT_EQ(s->TexteSimple, "?");  // not a chain
  EXPECT_EQ(ValueReached(s->SolutionVisible), 9);
  EXPECT_EQ(events.busy, 2);  // the second search for the nearest number
  EXPECT_EQ(events.normal, events.busy);

  RecordingEvents seriesEvents;
  TSolution proche;
  const auto series = SolvedInSeries({1, 1, 1, 1, 1, 1}, 500, proche, &seriesEvents);
  EXPECT_EQ(series->NbSolutions, 0);
  EXPECT_EQ(series->NbEtapesMin, 6);
  EXPECT_EQ(series->TexteSimple, "Pas de solution");
  EXPECT_EQ(series->SolutionApprochee, 0);
  EXPECT_EQ(seriesEvents.busy, 1);
  EXPECT_EQ(ValueReached(proche), 9);
}

TEST(Solveur, SolutionsThatDifferOnlyByOrderAreStoredOnce) {
  struct Case {
    std::array<longint, 6> numbers;
    longint target;
    std::vector<Lines> expectedStored;  // in the order they must appear
    std::vector<Lines> neverStored;
  };
  const std::vector<Case> cases = {
      {{5, 5, 4, 6, 1, 2}, 100, {{"6+4=10", "5+5=10", "10x10=100"}}, {{"5+5=10", "6+4=10", "10x10=100"}}},
      // Steps with equal operands are not ordered by operation: both stay.
      {{1, 2, 3, 3, 5, 5}, 120, {{"5+3=8", "5x3=15", "15x8=120"}, {"5x3=15", "5+3=8", "15x8=120"}}, {}},
  };
  for (const Case& c : cases) {
    const auto s = Solved(c.numbers, c.target);
    std::vector<word> positions;
    for (const Lines& wanted : c.expectedStored) {
      for (word i = 1; i <= s->NbSolutions; ++i) {
        if (Steps(s->Solutions[i]) == wanted) positions.push_back(i);
      }
    }
    EXPECT_EQ(positions.size(), c.expectedStored.size()) << c.target;
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    for (const Lines& unwanted : c.neverStored) {
      for (word i = 1; i <= s->NbSolutions; ++i) EXPECT_NE(Steps(s->Solutions[i]), unwanted);
    }
    // No two normal forms alike, whatever the draw.
    std::set<std::vector<std::tuple<longint, longint, longint>>> forms;
    for (word i = 1; i <= s->NbSolutions; ++i) {
      std::vector<std::tuple<longint, longint, longint>> form;
      const TSolution& n = s->SolutionsNormees[i];
      for (int k = 1; k <= n.NbEtapes; ++k) form.emplace_back(n.Etapes[k].Op1, n.Etapes[k].Op2, n.Etapes[k].Oper);
      EXPECT_TRUE(forms.insert(form).second) << "entry " << i;
    }
  }
}

TEST(Solveur, EveryStepOfAStoredSolutionServesAndAvoidsTheTarget) {
  const auto s = Solved({75, 25, 3, 7, 1, 2}, 100);
  EXPECT_EQ(Steps(s->Solutions[s->IndiceSimple]), (Lines{"75+25=100"}));
  EXPECT_EQ(s->NbEtapesMin, 1);
  for (word i = 1; i <= s->NbSolutions; ++i) {
    const TSolution& sol = s->Solutions[i];
    for (int k = 1; k < sol.NbEtapes; ++k) {
      EXPECT_NE(sol.Resultats[k], 100) << "entry " << i;
      bool used = false;
      for (int m = k + 1; m <= sol.NbEtapes; ++m) {
        used |= sol.Etapes[m].Op1 == sol.Resultats[k] || sol.Etapes[m].Op2 == sol.Resultats[k];
      }
      EXPECT_TRUE(used) << "entry " << i << " step " << k;
    }
  }
  // A target among the numbers still needs at least one step.
  const auto same = Solved({1, 2, 3, 4, 5, 100}, 100);
  for (word i = 1; i <= same->NbSolutions; ++i) EXPECT_GE(same->Solutions[i].NbEtapes, 1);
}

TEST(Solveur, NoStepIsEverForbidden) {
  for (const auto& [numbers, target] : std::vector<std::pair<std::array<longint, 6>, longint>>{
           {{5, 5, 1, 1, 2, 3}, 7}, {{999, 998, 997, 996, 995, 994}, 999}, {{10, 10, 9, 9, 1, 1}, 811}}) {
    const auto s = Solved(numbers, target);
    ASSERT_GT(s->NbSolutions, 0);
    for (word i = 1; i <= s->NbSolutions; ++i) {
      const TSolution& sol = s->Solutions[i];
      for (int k = 1; k <= sol.NbEtapes; ++k) {
        const TEtape& e = sol.Etapes[k];
        EXPECT_GE(e.Op1, e.Op2);
        EXPECT_GT(e.Op2, 0);
        if (e.Oper == OperSoustraction) {
          EXPECT_NE(e.Op1, e.Op2);
        } else if (e.Oper == OperDivision) {
          EXPECT_TRUE(e.Op2 != 1 && e.Op1 % e.Op2 == 0);
        } else if (e.Oper == OperMultiplication) {
          EXPECT_NE(e.Op2, 1);
        }
        EXPECT_EQ(Calcule(e), sol.Resultats[k]);
        EXPECT_GT(sol.Resultats[k], 0);
        EXPECT_LT(sol.Resultats[k], 2100000000 + 1000000) << "entry " << i;
      }
    }
  }
}

TEST(Solveur, TableHoldsTheFirstFourThousandSolutions) {
  const auto s = Solved({2, 3, 4, 5, 6, 7}, 2);
  EXPECT_EQ(s->NbSolutions, Solveur::Capacite);
  EXPECT_GE(s->IndiceSimple, 1);
  EXPECT_LE(s->IndiceSimple, s->NbSolutions);
  EXPECT_GE(s->IndiceTordue, 1);
  EXPECT_LE(s->IndiceTordue, s->NbSolutions);
  for (word i = 1; i <= s->NbSolutions; ++i) {
    EXPECT_GE(s->Solutions[i].NbEtapes, s->NbEtapesMin);
    EXPECT_EQ(ValueReached(s->Solutions[i]), 2);
  }
}

TEST(Solveur, NewSearchResetsTheWholeState) {
  auto s = Solved({2, 3, 4, 5, 6, 7}, 2);
  s->Tirage.Nombres = Numbers({1, 1, 1, 1, 1, 1});
  s->Tirage.Resultat = 2;
  s->SolutionsCalculees = 0;
  s->ChercheSol(0);
  EXPECT_EQ(s->NbSolutions, 1);
  EXPECT_EQ(s->SolutionApprochee, 0);
  EXPECT_EQ(s->IndiceSimple, 1);
  EXPECT_EQ(s->IndiceTordue, 1);
  EXPECT_EQ(s->MaxIntermediaire, 2);
  EXPECT_EQ(s->TexteSimple, "2=1+1");
}

TEST(ChercheSol, SearchesOncePerDrawAndThenOnlyCopies) {
  RecordingEvents events;
  const auto s = Solved({1, 2, 3, 4, 5, 6}, 100, &events);
  ASSERT_EQ(events.busy, 1);
  s->ChercheSol(62);
  EXPECT_EQ(events.busy, 1);
  EXPECT_EQ(Steps(s->SolutionVisible), Steps(s->Solutions[62]));
  EXPECT_EQ(s->NumeroVisible, 135);  // left to the caller
  s->ChercheSol(0);
  EXPECT_EQ(s->SolutionVisible.NbEtapes, 0);
  s->ChercheSol(s->NbSolutions + 1);
  EXPECT_EQ(s->SolutionVisible.NbEtapes, 0);

  s->Tirage.Resultat = 101;
  s->SolutionsCalculees = 0;
  s->ChercheSol(0);
  EXPECT_EQ(events.busy, 2);
  EXPECT_EQ(ValueReached(s->Solutions[1]), 101);
}

TEST(ChercheSol, ReportsAFailedSearchAndLetsTheNextOneRun) {
  RecordingEvents events;
  events.failOnBusy = true;
  Solveur s(&events);
  s.Tirage.Nombres = Numbers({1, 2, 3, 4, 5, 6});
  s.Tirage.Resultat = 100;
  s.ChercheSol(0);
  ASSERT_EQ(events.bugs.size(), 1u);
  EXPECT_EQ(events.bugs[0], "BUG ! \rPROCEDURE ChercheSol(Indice_Visible:word);");
  EXPECT_EQ(s.SolutionsCalculees, 0);
  EXPECT_EQ(s.SolveurLibre, 1);
  EXPECT_EQ(events.normal, events.busy);

  events.failOnBusy = false;
  s.ChercheSol(0);
  EXPECT_EQ(s.SolutionsCalculees, 1);
  EXPECT_EQ(s.NbSolutions, 269);
}

TEST(Solveur, DoesNothingWhileAnotherSearchRuns) {
  Solveur s;
  s.SolveurLibre = 0;
  TSolution proche = SolutionOf({{7, 3, OperAddition}});
  s.Cherche(Numbers({1, 2, 3, 4, 5, 6}), 100, proche);
  EXPECT_EQ(s.NbSolutions, 0);
  EXPECT_EQ(Steps(proche), (Lines{"7+3=10"}));
}

TEST(Solveur, TargetZeroIsNeverReached) {
  const auto s = Solved({1, 2, 3, 4, 5, 6}, 0);
  EXPECT_EQ(s->SolutionApprochee, 1);
  ASSERT_GT(s->NbSolutions, 0);
  EXPECT_EQ(ValueReached(s->Solutions[1]), 1);
  EXPECT_EQ(ValueReached(s->SolutionVisible), 1);
}

// A draws file may hold a 0 or a number far above 999.
TEST(Solveur, NumbersFromAFileNeverBreakTheSearch) {
  struct Case {
    std::array<longint, 6> numbers;
    longint target;
    bool reachable;
  };
  const std::vector<Case> cases = {
      {{0, 0, 0, 0, 0, 0}, 100, false},
      {{0, 0, 0, 0, 0, 7}, 7, false},
      {{0, 25, 75, 1, 2, 3}, 100, true},
      {{0, 0, 3, 0, 4, 0}, 12, true},
      {{2000000000, 2000000000, 1500000000, 7, 3, 1}, 2000000010, true},
      {{2147483647, 2147483647, 2147483647, 2147483647, 2147483647, 2147483647}, 1, true},
      {{1, 1, 1, 1, 1, 1}, 2000000000, false},  // nothing ever comes near enough
  };
  for (const Case& c : cases) {
    const auto s = Solved(c.numbers, c.target);
    EXPECT_EQ(s->SolveurLibre, 1);
    EXPECT_EQ(s->SolutionsCalculees, 1);
    EXPECT_EQ(s->SolutionApprochee, c.reachable ? 0 : 1) << c.target;
    for (word i = 1; i <= s->NbSolutions; ++i) {
      const TSolution& sol = s->Solutions[i];
      for (int k = 1; k <= sol.NbEtapes; ++k) {
        EXPECT_GT(sol.Etapes[k].Op2, 0);
        EXPECT_GT(sol.Resultats[k], 0);
        EXPECT_EQ(Calcule(sol.Etapes[k]), sol.Resultats[k]);
      }
    }
  }
  // Nothing can be computed from a single usable number.
  const auto lone = Solved({0, 0, 0, 0, 0, 7}, 7);
  EXPECT_EQ(lone->NbSolutions, 0);
  EXPECT_EQ(lone->TexteSimple, "Pas de solution");
  EXPECT_EQ(lone->SolutionVisible.NbEtapes, 0);
}

TEST(Ranking, EarlierSolutionWinsTies) {
  Solveur s;
  s.TexteSimple = "?";
  const TSolution longChain = SolutionOf({{6, 1, 2}, {5, 4, 4}, {20, 5, 4}});           // 100=(6-1)x4x5
  const TSolution notAChain = SolutionOf({{5, 5, 1}, {6, 4, 1}, {10, 10, 4}});          // "?"
  const TSolution shortNotChain = SolutionOf({{5, 5, 1}, {6, 4, 1}});                   // "?"
  const TSolution sameMax = SolutionOf({{3, 1, 1}, {100, 4, 3}, {25, 4, 4}, {100, 1, 1}});  // max 101 as below
  s.NbSolutions = 1;
  s.MajSimple(longChain);
  s.MajTordue(longChain);
  EXPECT_EQ(s.TexteSimple, "100=(6-1)x4x5");
  s.NbSolutions = 2;
  s.MajSimple(notAChain);  // same length: the text stays
  EXPECT_EQ(s.IndiceSimple, 1);
  EXPECT_EQ(s.TexteSimple, "100=(6-1)x4x5");
  s.NbSolutions = 3;
  s.MajSimple(shortNotChain);  // shorter but no text: the earlier text stays
  EXPECT_EQ(s.IndiceSimple, 3);
  EXPECT_EQ(s.NbEtapesMin, 2);
  EXPECT_EQ(s.TexteSimple, "100=(6-1)x4x5");

  EXPECT_EQ(s.MaxIntermediaire, 100);
  EXPECT_EQ(s.IndiceTordue, 1);
  s.NbSolutions = 4;
  s.MajTordue(SolutionOf({{75, 25, 1}}));  // equal greatest result: the earlier stays
  EXPECT_EQ(s.IndiceTordue, 1);
  s.NbSolutions = 5;
  s.MajTordue(sameMax);
  EXPECT_EQ(s.IndiceTordue, 5);
  EXPECT_EQ(s.MaxIntermediaire, 101);

  // A "?" left by a shortest solution is filled by the next chain of that length.
  Solveur t;
  t.TexteSimple = "?";
  t.NbSolutions = 1;
  t.MajSimple(notAChain);
  EXPECT_EQ(t.TexteSimple, "?");
  t.NbSolutions = 2;
  t.MajSimple(longChain);
  EXPECT_EQ(t.TexteSimple, "100=(6-1)x4x5");
  EXPECT_EQ(t.IndiceSimple, 1);
}

TEST(TriParEchange, SortsAscendingInPlace) {
  NombresTirage n = Numbers({75, 3, 100, 3, 1, 9});
  TriParEchange(n);
  EXPECT_EQ(n, Numbers({1, 3, 3, 9, 75, 100}));
}

}  // namespace
}  // namespace tolvan::test
