#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sstream>
#include <unordered_set>

#include "engine/Atteignables.h"
#include "engine/Solveur.h"
#include "stats/Statistiques.h"

namespace tolvan::stats {
namespace {

// Every value reachable from `nombres`, the plain way: combine any two of
// them in every allowed way and go on with the shorter list.
void Explore(std::vector<std::int64_t> nombres, std::set<std::int64_t>& atteints,
             std::set<std::vector<std::int64_t>>& vus) {
  std::sort(nombres.begin(), nombres.end());
  if (!vus.insert(nombres).second) return;
  for (const std::int64_t n : nombres) atteints.insert(n);
  for (std::size_t i = 0; i < nombres.size(); ++i) {
    for (std::size_t j = i + 1; j < nombres.size(); ++j) {
      const std::int64_t a = std::max(nombres[i], nombres[j]);
      const std::int64_t b = std::min(nombres[i], nombres[j]);
      std::vector<std::int64_t> reste;
      for (std::size_t k = 0; k < nombres.size(); ++k) {
        if (k != i && k != j) reste.push_back(nombres[k]);
      }
      std::vector<std::int64_t> resultats = {a + b, a * b};
      if (a > b) resultats.push_back(a - b);
      if (a % b == 0) resultats.push_back(a / b);
      for (const std::int64_t r : resultats) {
        reste.push_back(r);
        Explore(reste, atteints, vus);
        reste.pop_back();
      }
    }
  }
}

TEST(Statistiques, ReachableValuesAgreeWithAPlainEnumeration) {
  const std::vector<std::vector<longint>> selections = {
      {1, 1, 2, 2, 3, 3}, {10, 9, 8, 7, 6, 5}, {25, 50, 75, 100, 3, 6}, {1, 3, 7, 8, 9, 10}, {2, 2, 5, 5, 25, 100}};
  Atteignables atteignables;
  for (const auto& selection : selections) {
    std::set<std::int64_t> atteints;
    std::set<std::vector<std::int64_t>> vus;
    Explore({selection.begin(), selection.end()}, atteints, vus);
    atteignables.Calcule(selection);
    for (std::int64_t v = 1; v < Atteignables::Borne; ++v) {
      ASSERT_EQ(atteignables.Atteint(v), atteints.count(v) == 1) << selection[0] << "... " << v;
    }
    for (std::int64_t cible = PremiereCible; cible <= DerniereCible; ++cible) {
      const auto dessus = atteints.lower_bound(cible);
      std::int64_t ecart = dessus == atteints.end() ? -1 : *dessus - cible;
      if (dessus != atteints.begin()) {
        const std::int64_t dessous = cible - *std::prev(dessus);
        if (ecart < 0 || dessous < ecart) ecart = dessous;
      }
      ASSERT_EQ(atteignables.Ecart(cible), ecart) << selection[0] << "... " << cible;
    }
  }
  EXPECT_EQ(Impossibles({1, 1, 2, 2, 3, 3}).size(), 899u);
  EXPECT_EQ(Impossibles({1, 1, 2, 2, 3, 3}).front(), std::make_pair(101, 20LL));  // 81 = (1+2)(1+2)3x3
  EXPECT_TRUE(Impossibles({10, 9, 8, 7, 6, 5}).empty());
}

TEST(Statistiques, TheGamesOwnSolverAgreesOnRandomProblems) {
  std::mt19937 generateur(12);
  const std::vector<Selection> toutes = SelectionsStandard();
  Atteignables atteignables;
  Solveur solveur;
  for (int essai = 0; essai < 60; ++essai) {
    const Selection& selection = toutes[generateur() % toutes.size()];
    const longint cible = PremiereCible + static_cast<longint>(generateur() % NbCibles);
    atteignables.Calcule(selection);
    for (int i = 1; i <= 6; ++i) solveur.Tirage.Nombres[i] = selection[static_cast<std::size_t>(i - 1)];
    solveur.Tirage.Resultat = cible;
    solveur.SolutionsCalculees = 0;
    solveur.ChercheSol(0);
    const TSolution& premiere = solveur.Solutions[1];
    const longint atteinte = premiere.Resultats[premiere.NbEtapes];
    EXPECT_EQ(atteignables.Ecart(cible), solveur.SolutionApprochee ? std::abs(atteinte - cible) : 0)
        << selection[0] << ' ' << selection[5] << " -> " << cible;
  }
}

TEST(Statistiques, TheWholeTableAddsUp) {
  EXPECT_EQ(SelectionsStandard().size(), 13243u);
  int appels = 0;
  const Table table = CalculeTable(2, [&appels](int, int) { ++appels; });
  EXPECT_GT(appels, 0);
  EXPECT_EQ(table.total.selections, 13243);
  EXPECT_EQ(table.total.problemes, 13243LL * NbCibles);
  Ligne somme;
  for (const Ligne& ligne : table.parGrands) {
    long long parEcart = 0;
    for (const long long n : ligne.ecarts) parEcart += n;
    EXPECT_EQ(parEcart, ligne.problemes);
    EXPECT_EQ(ligne.problemes, ligne.selections * NbCibles);
    somme.Ajoute(ligne);
  }
  EXPECT_EQ(somme.ecarts, table.total.ecarts);
  long long atteintes = 0;
  for (const long long n : table.atteintePar) atteintes += n;
  EXPECT_EQ(atteintes, table.total.Exacts());
  EXPECT_EQ(table.parGrands[4].selections, 55);  // the four large numbers and two of the small ones
  // The same table on one thread.
  EXPECT_EQ(CalculeTable(1).total.ecarts, table.total.ecarts);
}

TEST(Statistiques, TheCommandAnswersInTextOrJson) {
  std::ostringstream sortie, erreurs;
  EXPECT_EQ(ExecuteStats({"1", "2", "3"}, sortie, erreurs, false), 2);
  EXPECT_EQ(ExecuteStats({"1", "2", "3", "4", "5", "x"}, sortie, erreurs, false), 2);
  EXPECT_EQ(ExecuteStats({"--json", "1", "1", "2", "2", "3", "3"}, sortie, erreurs, false), 0);
  EXPECT_EQ(sortie.str().rfind("{\"tirage\":[1,1,2,2,3,3],\"impossibles\":[{\"resultat\":101,\"ecart\":20}", 0), 0u);
  std::ostringstream texte;
  EXPECT_EQ(ExecuteStats({"10", "9", "8", "7", "6", "5"}, texte, erreurs, false), 0);
  EXPECT_NE(texte.str().find("0 résultats de 101 à 999 ne sont pas atteints."), std::string::npos);
}

}  // namespace
}  // namespace tolvan::stats
