#include <gtest/gtest.h>

#include "game/SaisieTirage.h"

namespace tolvan::test {
namespace {

const TTirage Ancien{NombresTirage{{{25, 50, 75, 100, 3, 6}}}, 303};

TTirage Tirage(std::array<longint, 6> nombres, longint cible) {
  TTirage t;
  for (int i = 1; i <= 6; ++i) t.Nombres[i] = nombres[static_cast<std::size_t>(i - 1)];
  t.Resultat = cible;
  return t;
}

TEST(SaisieTirage, TypedFieldsMakeTheDrawOrNameTheBadOne) {
  struct Cas {
    std::array<std::string, NbChamps> champs;
    std::variant<TTirage, int> attendu;
  };
  const std::vector<Cas> cas = {
      {{"0", "0", "5", "5", "10", "100", "0"}, Tirage({1, 1, 5, 5, 10, 100}, 0)},
      {{"1", "2", "", "4", "5", "6", ""}, Tirage({1, 2, 75, 4, 5, 6}, 303)},
      {{"", "", "", "", "", "", ""}, Ancien},
      {{"1", "2", "12a", "4", "5", "6", "7"}, 2},
      {{"1", "2", "3", "4", "5", "6", "99999999999"}, 6},
      {{" 1", "2", "3", "4", "5", "6", "7"}, 0},
  };
  for (const Cas& c : cas) EXPECT_EQ(LitSaisie(c.champs, Ancien), c.attendu) << c.champs[0] << c.champs[2];
  // A number that was 0 before is played as 1 too.
  TTirage avecZero = Ancien;
  avecZero.Nombres[4] = 0;
  EXPECT_EQ(std::get<TTirage>(LitSaisie({}, avecZero)).Nombres[4], 1);
}

}  // namespace
}  // namespace tolvan::test
