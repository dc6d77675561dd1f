// The solver takes shortcuts for speed; none of them may change a result.
#include <gtest/gtest.h>

#include <random>

#include "ReferenceSearch.h"
#include "SolverTestSupport.h"

namespace tolvan::test {
namespace {

constexpr std::array<longint, 24> Pool = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6,
                                          7, 7, 8, 8, 9, 9, 10, 10, 25, 50, 75, 100};

void ExpectSameResult(const Solveur& s, const TSolution& proche, const ReferenceResult& ref,
                      const std::string& draw) {
  SCOPED_TRACE(draw);
  ASSERT_EQ(s.NbSolutions, ref.solutions.size());
  for (word i = 1; i <= s.NbSolutions; ++i) {
    ASSERT_EQ(Steps(s.Solutions[i]), Steps(ref.solutions[i - 1u])) << "entry " << i;
  }
  EXPECT_EQ(s.NbEtapesMin, ref.nbEtapesMin);
  EXPECT_EQ(s.IndiceSimple, ref.indiceSimple);
  EXPECT_EQ(s.IndiceTordue, ref.indiceTordue);
  EXPECT_EQ(s.MaxIntermediaire, ref.maxIntermediaire);
  EXPECT_EQ(s.TexteSimple, ref.texteSimple);
  EXPECT_EQ(s.SolutionApprochee, ref.approchee ? 1 : 0);
  EXPECT_EQ(Steps(proche), Steps(ref.proche));
}

std::string Describe(const std::array<longint, 6>& n, longint target, bool serie) {
  std::string text;
  for (longint v : n) text += std::to_string(v) + " ";
  return text + "-> " + std::to_string(target) + (serie ? " (series)" : "");
}

void Compare(const std::array<longint, 6>& numbers, longint target, bool serie) {
  TSolution proche;
  std::unique_ptr<Solveur> s;
  if (serie) {
    s = SolvedInSeries(numbers, target, proche);
  } else {
    s = Solved(numbers, target);
    proche = s->SolutionVisible;
  }
  std::vector<longint> sorted(numbers.begin(), numbers.end());
  if (serie) std::sort(sorted.begin(), sorted.end());
  ExpectSameResult(*s, proche, ReferenceSearch(sorted, target, serie), Describe(numbers, target, serie));
}

TEST(SolveurAgreement, StandardDrawsGiveTheReferenceResult) {
  std::mt19937 gen(7);
  for (int n = 0; n < 40; ++n) {
    std::array<longint, 6> numbers;
    std::array<bool, 24> taken{};
    for (longint& v : numbers) {
      std::size_t slot;
      do slot = gen() % 24;
      while (taken[slot]);
      taken[slot] = true;
      v = Pool[slot];
    }
    const longint target = 101 + static_cast<longint>(gen() % 899);
    Compare(numbers, target, n % 4 == 3);
  }
}

TEST(SolveurAgreement, CrazyAndExtremeDrawsGiveTheReferenceResult) {
  std::mt19937 gen(11);
  for (int n = 0; n < 16; ++n) {
    std::array<longint, 6> numbers;
    for (int i = 0; i < 6; ++i) numbers[i] = 1 + static_cast<longint>(gen() % (20 * (i + 1)));
    Compare(numbers, 101 + static_cast<longint>(gen() % 899), false);
  }
  Compare({1, 1, 1, 1, 1, 1}, 500, false);
  Compare({1, 1, 1, 1, 1, 1}, 500, true);
  Compare({999, 998, 997, 996, 995, 994}, 999, false);
  Compare({999, 998, 997, 996, 995, 994}, 9973, false);
  Compare({100, 75, 50, 25, 10, 10}, 9999, false);
  Compare({2, 3, 4, 5, 6, 7}, 2, false);  // the table fills up
  Compare({7, 7, 7, 7, 7, 7}, 0, false);
  // Numbers above 999, as a draws file may hold, without any overflow.
  Compare({1000, 2000, 3, 7, 11, 13}, 5000, false);
  Compare({1000, 2000, 3, 7, 11, 13}, 1, false);
}

// Small numbers and a high target: mostly out of reach, so the closest
// distance shrinks slowly and the nearest number is searched again.
TEST(SolveurAgreement, OutOfReachDrawsGiveTheReferenceResult) {
  std::mt19937 gen(13);
  int outOfReach = 0;
  for (int n = 0; n < 16; ++n) {
    std::array<longint, 6> numbers;
    for (longint& v : numbers) v = 1 + static_cast<longint>(gen() % 4);
    const longint target = 300 + static_cast<longint>(gen() % 700);
    Compare(numbers, target, n % 4 == 3);
    outOfReach += Solved(numbers, target)->SolutionApprochee;
  }
  EXPECT_GE(outOfReach, 8);
}

}  // namespace
}  // namespace tolvan::test
