#include <gtest/gtest.h>

#include <set>

#include "game/Indices.h"

namespace tolvan::test {
namespace {

TEST(Indices, NumbersBreakIntoPrimes) {
  struct Cas {
    longint nombre, cible;
    std::string attendu;
  };
  for (const Cas& c : std::vector<Cas>{{84, 500, "2 x 2 x 3 x 7"},
                                      {144, 500, "2 x 2 x 2 x 2 x 3 x 3"},
                                      {12, 500, "2 x 2 x 3"},
                                      {9, 500, "3 x 3"},
                                      {121, 500, "11 x 11"},
                                      {997, 997, "997 Pas de chance ;-)"},
                                      {1, 500, "1"},
                                      {9973, 9973, "9973 Pas de chance ;-)"}}) {
    EXPECT_EQ(Decomposition(c.nombre, c.cible), c.attendu) << c.nombre;
  }
}

struct Tirage {
  Solveur solveur;
  Tirage(std::array<longint, 6> nombres, longint cible) {
    for (int i = 1; i <= 6; ++i) solveur.Tirage.Nombres[i] = nombres[static_cast<std::size_t>(i - 1)];
    solveur.Tirage.Resultat = cible;
  }
  std::optional<std::string> Voisine(longint oper, bool suivante) {
    return DerniereLigneVoisine(solveur, oper, suivante, "Y en a pas");
  }
};

TEST(Indices, LastLinesRunThroughEachDistinctLineOnceARound) {
  // Every solution of 2 2 2 2 2 2 -> 64 ends with a product, of 8, 16 or 32.
  Tirage t({2, 2, 2, 2, 2, 2}, 64);
  EXPECT_EQ(DerniereLigne(t.solveur, OperDivision, "Y en a pas"), "Y en a pas");
  EXPECT_EQ(t.Voisine(OperDivision, true), "Y en a pas !!!");
  const std::optional<std::string> premiere = DerniereLigne(t.solveur, OperMultiplication, "Y en a pas");
  ASSERT_TRUE(premiere);
  EXPECT_EQ(premiere->substr(0, 3), "64=");
  std::set<std::string> vues;
  for (int i = 0; i < t.solveur.NbSolutions; ++i) {
    const std::optional<std::string> ligne = t.Voisine(OperMultiplication, true);
    ASSERT_TRUE(ligne);
    EXPECT_EQ(ligne->find("!!!"), std::string::npos);
    vues.insert(ligne->substr(0, ligne->find('x')));
  }
  EXPECT_EQ(vues, (std::set<std::string>{"64=8", "64=16", "64=32"}));

  // Many of the 269 solutions of 1 2 3 4 5 6 -> 100 end with the same
  // sum: a round, either way, shows each distinct one once, then again.
  Tirage somme({1, 2, 3, 4, 5, 6}, 100);
  somme.solveur.ChercheSol(0);
  std::set<std::string> sommes;
  for (word i = 1; i <= somme.solveur.NbSolutions; ++i) {
    const TSolution& s = somme.solveur.Solutions[i];
    if (s.Etapes[s.NbEtapes].Oper == OperAddition) sommes.insert(TexteDerniereLigne(s));
  }
  ASSERT_GT(sommes.size(), 3u);
  for (const bool suivante : {true, false}) {
    std::vector<std::string> tour;
    for (std::size_t k = 0; k < sommes.size(); ++k) tour.push_back(somme.Voisine(OperAddition, suivante).value());
    EXPECT_EQ(std::set<std::string>(tour.begin(), tour.end()), sommes);
    EXPECT_EQ(somme.Voisine(OperAddition, suivante), tour.front());
  }

  // Only one division ends 3 3 3 3 3 3 -> 81: stepping finds no other.
  Tirage trois({3, 3, 3, 3, 3, 3}, 81);
  EXPECT_EQ(DerniereLigne(trois.solveur, OperDivision, "Y en a pas"), "81=243/3");
  trois.solveur.NumeroVisible = 1;
  trois.Voisine(OperDivision, true);
  EXPECT_EQ(trois.Voisine(OperDivision, true), "81=243/3 !!!");
  EXPECT_EQ(trois.Voisine(OperDivision, false), "81=243/3 !!!");

  // Out of reach, the last lines reach the nearest number.
  Tirage loin({1, 1, 1, 1, 1, 1}, 500);
  const std::optional<std::string> proche = DerniereLigne(loin.solveur, OperMultiplication, "Y en a pas");
  ASSERT_TRUE(proche);
  EXPECT_EQ(proche->substr(0, proche->find('=')), std::to_string(loin.solveur.Solutions[1].Resultats[loin.solveur.Solutions[1].NbEtapes]));
  // Nothing reachable at all: nothing to show, nothing changes.
  Tirage rien({7, 0, 0, 0, 0, 0}, 500);
  EXPECT_EQ(DerniereLigne(rien.solveur, OperAddition, "Y en a pas"), std::nullopt);
  EXPECT_EQ(rien.Voisine(OperAddition, true), std::nullopt);
}

}  // namespace
}  // namespace tolvan::test
