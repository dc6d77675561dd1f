#include <gtest/gtest.h>

#include <map>
#include <random>

#include "game/Tirages.h"

namespace tolvan::test {
namespace {

Hasard Generateur(std::mt19937& gen) {
  return [&gen](int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen); };
}

// Answers a fixed sequence, then keeps answering its last value.
Hasard Suite(std::vector<int> valeurs) {
  auto restantes = std::make_shared<std::vector<int>>(std::move(valeurs));
  auto position = std::make_shared<std::size_t>(0);
  return [restantes, position](int n) {
    const int v = (*restantes)[std::min(*position, restantes->size() - 1)];
    ++*position;
    return v % n;
  };
}

TEST(Tirages, StandardDrawsTakeSixDifferentSlotsOfThePool) {
  std::mt19937 gen(1);
  const Hasard hasard = Generateur(gen);
  std::map<longint, int> vus;
  for (int n = 0; n < 10000; ++n) {
    TTirage t;
    TireSixNombres(t, hasard);
    TireCible(t, hasard);
    std::map<longint, int> compte;
    for (longint v : t.Nombres) ++compte[v];
    for (const auto& [valeur, fois] : compte) {
      ASSERT_TRUE(valeur >= 1 && (valeur <= 10 || valeur == 25 || valeur == 50 || valeur == 75 || valeur == 100));
      ASSERT_LE(fois, valeur <= 10 ? 2 : 1) << valeur;
      vus[valeur] += fois;
    }
    ASSERT_GE(t.Resultat, 101);
    ASSERT_LE(t.Resultat, 999);
  }
  EXPECT_EQ(vus.size(), 14u);
}

TEST(Tirages, CrazyNumbersGrowWithTheirPlace) {
  std::mt19937 gen(2);
  const Hasard hasard = Generateur(gen);
  std::array<longint, 6> plusGrand{};
  for (int n = 0; n < 10000; ++n) {
    TTirage t;
    TireNombresFous(t, hasard);
    for (int i = 1; i <= 6; ++i) {
      ASSERT_GE(t.Nombres[i], 1);
      ASSERT_LE(t.Nombres[i], 20 * i);
      plusGrand[static_cast<std::size_t>(i - 1)] = std::max(plusGrand[static_cast<std::size_t>(i - 1)], t.Nombres[i]);
    }
  }
  EXPECT_EQ(plusGrand, (std::array<longint, 6>{20, 40, 60, 80, 100, 120}));
}

TEST(Tirages, PrimesAreFoundByTrialDivision) {
  for (longint p : {2, 3, 101, 103, 997, 991}) EXPECT_TRUE(EstPremier(p)) << p;
  for (longint c : {1, 0, 4, 121, 143, 961, 999, 998}) EXPECT_FALSE(EstPremier(c)) << c;
  std::vector<longint> premiers;
  for (longint n = 101; n <= 999; ++n) {
    if (EstPremier(n)) premiers.push_back(n);
  }
  EXPECT_EQ(premiers.size(), 143u);  // the primes between 100 and 1000
}

TEST(Tirages, PrimeTargetsMoveUpOrStartAgain) {
  struct Cas {
    int premiereCible;  // as drawn: 101 + this
    std::vector<int> ensuite;
    longint attendue;
  };
  const std::vector<Cas> cas = {
      {997 - 101, {}, 997},
      {996 - 101, {}, 997},
      {998 - 101, {103 - 101}, 103},
      {999 - 101, {500 - 101}, 503},
      {102 - 101, {}, 103},
  };
  for (const Cas& c : cas) {
    Solveur solveur;
    std::vector<int> suite = {0, 1, 2, 3, 4, 5};  // six different slots
    suite.push_back(c.premiereCible);
    suite.insert(suite.end(), c.ensuite.begin(), c.ensuite.end());
    OptionsTirage options;
    options.premiers = true;
    TireAuHasard(solveur, options, Suite(suite));
    EXPECT_EQ(solveur.Tirage.Resultat, c.attendue) << c.premiereCible + 101;
  }
}

TEST(Tirages, SolvableOnlyReplacesADrawWithoutSolutionByAPlainOne) {
  Solveur solveur;
  OptionsTirage options;
  options.fous = options.premiers = options.calculAuto = options.realisables = true;
  // Crazy 1 1 1 1 1 1 with the prime target 101: out of reach. Then the
  // standard slots 20..25 (25 50 75 100 1 1) with target 101 + 24 = 125.
  std::vector<int> suite(6, 0);
  suite.push_back(0);
  for (int slot : {20, 21, 22, 23, 0, 1}) suite.push_back(slot);
  suite.push_back(24);
  TireAuHasard(solveur, options, Suite(suite));
  EXPECT_EQ(solveur.Tirage.Nombres, (NombresTirage{{{25, 50, 75, 100, 1, 1}}}));
  EXPECT_EQ(solveur.Tirage.Resultat, 125);  // not prime: the options shaped only the first draw
  EXPECT_EQ(solveur.SolutionApprochee, 0);
  EXPECT_EQ(solveur.SolutionsCalculees, 1);
  EXPECT_GT(solveur.NbSolutions, 0);
}

TEST(Tirages, WithoutAutomaticSolvingTheCountsStayAtZero) {
  Solveur solveur;
  solveur.TexteSimple = "ancien";
  solveur.NbSolutions = 12;
  std::mt19937 gen(3);
  TireAuHasard(solveur, OptionsTirage{}, Generateur(gen));
  EXPECT_EQ(solveur.NbSolutions, 0);
  EXPECT_EQ(solveur.NbEtapesMin, 0);
  EXPECT_EQ(solveur.TexteSimple, "");
  EXPECT_EQ(solveur.SolutionsCalculees, 0);
}

}  // namespace
}  // namespace tolvan::test
