#include <gtest/gtest.h>

#include <random>

#include "ExpressionValue.h"
#include "SolverTestSupport.h"

namespace tolvan::test {
namespace {

TEST(TexteSolution, WritesChainsOnOneLineWithGrowingBrackets) {
  struct Case {
    std::vector<TEtape> steps;
    std::string text;
  };
  const std::vector<Case> cases = {
      {{{75, 25, 1}, {100, 4, 4}}, "400=(75+25)x4"},
      {{{6, 1, 2}, {5, 4, 4}, {20, 5, 4}}, "100=(6-1)x4x5"},
      {{{2, 1, 1}, {3, 3, 3}, {6, 1, 2}, {5, 4, 4}, {20, 5, 4}}, "100=[6-(2+1)/3]x4x5"},
      {{{25, 4, 1}, {29, 2, 4}, {58, 10, 1}, {68, 3, 4}}, "204=[(25+4)x2+10]x3"},
      {{{5, 5, 1}, {6, 4, 1}, {10, 10, 4}}, "?"},
      {{{75, 25, 1}}, "100=75+25"},
      // A sum taken away, a product divided into: brackets of their own.
      {{{4, 3, 1}, {100, 7, 2}}, "93=100-(4+3)"},
      {{{5, 4, 4}, {100, 20, 3}}, "5=100/(5x4)"},
      {{{9, 3, 3}, {12, 3, 3}}, "4=12/(9/3)"},
      {{{2, 1, 1}, {5, 3, 4}, {100, 15, 2}}, "85=100-5x(2+1)"},
      {{{3, 2, 1}, {5, 4, 4}, {20, 6, 1}, {26, 2, 4}, {52, 4, 1}}, "56=[(3+2)x4+6]x2+4"},
      // The third level of brackets, and every deeper one, is { }.
      {{{2, 1, 1}, {10, 3, 2}, {7, 4, 4}, {28, 5, 1}, {33, 2, 4}}, "66={[10-(2+1)]x4+5}x2"},
      // Results are matched by value: a drawn 3 reads as the result 3.
      {{{6, 3, 2}, {10, 3, 2}}, "7=10-(6-3)"},
      {{{50, 25, 2}, {25, 4, 1}}, "29=50-25+4"},
      {{{50, 2, 3}, {100, 25, 2}}, "75=100-50/2"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TexteSolution(SolutionOf(c.steps)), c.text);
  }
  EXPECT_EQ(TexteSolution(TSolution{}), "Pas de solution");
}

TEST(TexteEtape, WritesOneStepWithItsRecomputedResult) {
  struct Case {
    TEtape step;
    std::string text;
  };
  const std::vector<Case> cases = {
      {{50, 25, 1}, "50+25=75"}, {{75, 25, 2}, "75-25=50"}, {{100, 4, 3}, "100/4=25"},
      {{25, 4, 4}, "25x4=100"},  {{6, 5, 4}, "6x5=30"},     {{7, 0, 3}, "7/0=7"},
      {{7, 2, 9}, "72=7"},
  };
  for (const Case& c : cases) EXPECT_EQ(TexteEtape(c.step), c.text);
  EXPECT_EQ(Calcule(17, 5, OperDivision), 3);  // integer quotient
  EXPECT_EQ(Calcule(17, 5, 0), 17);
}

// Every one-line text must read back as the value the solution reaches.
TEST(TexteSolution, EveryTextEvaluatesToTheValueReached) {
  std::mt19937 gen(2026);
  int checked = 0;
  for (int n = 0; n < 60; ++n) {
    std::array<longint, 6> numbers;
    for (int i = 0; i < 6; ++i) {
      numbers[i] = (n % 2 == 0) ? 1 + static_cast<longint>(gen() % 10) : 1 + static_cast<longint>(gen() % (20 * (i + 1)));
    }
    if (n % 5 == 0) numbers[5] = 25 * (1 + static_cast<longint>(gen() % 4));
    const auto s = Solved(numbers, 101 + static_cast<longint>(gen() % 899));
    for (word i = 1; i <= s->NbSolutions; ++i) {
      const TSolution& sol = s->Solutions[i];
      const std::string text = TexteSolution(sol);
      if (text == "?") continue;
      const std::string expression = text.substr(text.find('=') + 1);
      const auto value = ExpressionValue(expression);
      ASSERT_TRUE(value.has_value()) << text;
      ASSERT_EQ(*value, ValueReached(sol)) << text;
      ++checked;
    }
  }
  EXPECT_GT(checked, 1000);
}

TEST(ExpressionValue, ReadsLikeAPlayer) {
  EXPECT_EQ(ExpressionValue("100-50/2"), 75);
  EXPECT_EQ(ExpressionValue("[6-(2+1)/3]x4x5"), 100);
  EXPECT_EQ(ExpressionValue("12/9/3"), std::nullopt);  // 4/9
  EXPECT_EQ(ExpressionValue("(1+2"), std::nullopt);
}

}  // namespace
}  // namespace tolvan::test
