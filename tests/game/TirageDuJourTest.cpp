#include <gtest/gtest.h>

#include <algorithm>

#include "engine/Difficulte.h"
#include "game/LigneDePartage.h"
#include "game/SplitMix64.h"
#include "game/TirageDuJour.h"
#include "game/Tirages.h"

namespace tolvan::test {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

// A week from Monday 7 December 2026, then days that test the calendar.
struct DateConnue {
  Date date;
  int marque;  // Monday 1, Tuesday and Wednesday 2, Thursday and Friday 3, the weekend 4
};
const std::vector<DateConnue> Dates = {
    {Date{year(2026), month(12), day(7)}, 1},  {Date{year(2026), month(12), day(8)}, 2},
    {Date{year(2026), month(12), day(9)}, 2},  {Date{year(2026), month(12), day(10)}, 3},
    {Date{year(2026), month(12), day(11)}, 3}, {Date{year(2026), month(12), day(12)}, 4},
    {Date{year(2026), month(12), day(13)}, 4}, {Date{year(2024), month(2), day(29)}, 3},
    {Date{year(2000), month(1), day(1)}, 4},   {Date{year(2027), month(1), day(1)}, 3},
};

TEST(TirageDuJour, EachDayHasOneExactlyReachableDrawWithItsWeekdaysMark) {
  for (const auto& [date, marque] : Dates) {
    SCOPED_TRACE(TexteDate(date));
    Solveur premier, second;
    TireDuJour(premier, date);
    TireDuJour(second, date);
    const TTirage& tirage = premier.Tirage;
    EXPECT_EQ(tirage, second.Tirage);
    EXPECT_EQ(DifficulteDuJour(date), marque);
    EXPECT_FALSE(premier.SolutionApprochee);
    EXPECT_EQ(MarqueDifficulte(premier), marque);
    // Numbers of the pool, none more often than the pool holds it.
    for (int i = 1; i <= NbNombres; ++i) {
      const longint n = tirage.Nombres[i];
      int fois = 0;
      for (int j = 1; j <= NbNombres; ++j) fois += tirage.Nombres[j] == n;
      EXPECT_LE(fois, std::count(ReserveNombres.begin(), ReserveNombres.end(), n)) << n;
    }
    EXPECT_GE(tirage.Resultat, 101);
    EXPECT_LE(tirage.Resultat, 999);
  }
  // Two days running never share their draw.
  Solveur lundi, mardi;
  TireDuJour(lundi, Dates[0].date);
  TireDuJour(mardi, Dates[1].date);
  EXPECT_NE(lundi.Tirage, mardi.Tirage);
}

// The README's recipe, step by step, without the game's own dealing code.
TTirage CandidatSelonLeReadme(SplitMix64& g) {
  TTirage tirage;
  std::vector<std::uint64_t> places;
  while (places.size() < 6) {
    const std::uint64_t place = g.Suivant() % 24;
    if (std::find(places.begin(), places.end(), place) == places.end()) places.push_back(place);
  }
  for (int i = 0; i < 6; ++i) tirage.Nombres[i + 1] = ReserveNombres[places[static_cast<std::size_t>(i)]];
  tirage.Resultat = 101 + static_cast<longint>(g.Suivant() % 899);
  return tirage;
}

TEST(TirageDuJour, FollowsTheSequenceTheReadmeDocuments) {
  // SplitMix64's published test values, for the seed 1234567.
  SplitMix64 reference(1234567);
  EXPECT_EQ(reference.Suivant(), 6457827717110365317ULL);
  EXPECT_EQ(reference.Suivant(), 3203168211198807973ULL);

  for (const auto& [date, marque] : Dates) {
    SCOPED_TRACE(TexteDate(date));
    const unsigned aaaammjj = static_cast<unsigned>(static_cast<int>(date.year())) * 10000 +
                              static_cast<unsigned>(date.month()) * 100 + static_cast<unsigned>(date.day());
    EXPECT_EQ(GraineDuJour(date), aaaammjj);
    Solveur jeu;
    const int tires = TireDuJour(jeu, date);
    SplitMix64 g(aaaammjj);
    Solveur candidat;
    for (int k = 1; k <= tires; ++k) {
      candidat.ChangeTirage(CandidatSelonLeReadme(g));
      candidat.ChercheSol(0);
      const bool retenu = !candidat.SolutionApprochee && MarqueDifficulte(candidat) == marque;
      // Every draw before the day's is passed over, and the day's is the first that fits.
      EXPECT_EQ(retenu, k == tires) << "candidate " << k;
    }
    EXPECT_EQ(candidat.Tirage, jeu.Tirage);
  }
}

TEST(TirageDuJour, DatesAreReadOnlyWhenWellFormedAndReal) {
  EXPECT_EQ(LitDate("2026-12-07"), (Date{year(2026), month(12), day(7)}));
  EXPECT_EQ(LitDate("2024-02-29"), (Date{year(2024), month(2), day(29)}));
  for (const char* mauvaise : {"2026-02-29", "2026-13-01", "2026-00-10", "2026-12-32", "2026-1-07", "26-12-07",
                               "2026/12/07", "2026-12-07 ", "", "aaaa-mm-jj", "+026-12-07", "0000-01-01", "0000-02-29"}) {
    EXPECT_EQ(LitDate(mauvaise), std::nullopt) << mauvaise;
  }
  EXPECT_EQ(TexteDate(Date{year(2027), month(3), day(5)}), "2027-03-05");
}

TEST(LigneDePartage, SaysHowItWentButNotTheDraw) {
  const Date decembre{year(2026), month(12), day(7)};
  const Date mai{year(2027), month(5), day(1)};
  struct Cas {
    ResultatDuJour resultat;
    const char* ligne;
  };
  const std::vector<Cas> cas = {
      {{decembre, true, 102, 3, 0, 3, false},
       "Tolvan, tirage du 7 décembre 2026 : trouvé en 1:42, 3 lignes, sans indice (difficulté 3/5)"},
      {{mai, true, 9, 1, 1, 1, false}, "Tolvan, tirage du 1er mai 2027 : trouvé en 0:09, 1 ligne, 1 indice (difficulté 1/5)"},
      {{decembre, true, 3600, 5, 2, 4, true},
       "Tolvan, tirage du 7 décembre 2026 (rejoué) : trouvé en 1:00:00, 5 lignes, 2 indices (difficulté 4/5)"},
      {{decembre, false, 3600, 4, 0, 2, false}, "Tolvan, tirage du 7 décembre 2026 : pas trouvé, sans indice (difficulté 2/5)"},
      // Seeing the solutions is help, said in place of "sans indice" or after the hints.
      {{decembre, true, 28, 2, 0, 3, false, true},
       "Tolvan, tirage du 7 décembre 2026 : trouvé en 0:28, 2 lignes, avec les solutions (difficulté 3/5)"},
      {{decembre, false, 60, 2, 3, 3, true, true},
       "Tolvan, tirage du 7 décembre 2026 (rejoué) : pas trouvé, 3 indices, avec les solutions (difficulté 3/5)"},
  };
  for (const auto& [resultat, ligne] : cas) EXPECT_EQ(LigneDePartage(resultat), ligne);
}

}  // namespace
}  // namespace tolvan::test
