// The whole standard game: every distinct selection of six numbers from the
// pool (1 to 10 twice, 25, 50, 75, 100) against every target from 101 to
// 999, reached exactly or how far from it the nearest reachable number is.
#pragma once

#include <array>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "engine/Records.h"

namespace tolvan::stats {

inline constexpr int PremiereCible = 101;
inline constexpr int DerniereCible = 999;
inline constexpr int NbCibles = DerniereCible - PremiereCible + 1;
inline constexpr int NbGrands = 5;  // none to four of 25, 50, 75, 100

using Selection = std::array<longint, 6>;

// Every distinct selection, numbers ascending, in a fixed order.
std::vector<Selection> SelectionsStandard();
int NombreDeGrands(const Selection& selection);

// One row of the table: selections, their problems, and how far each
// problem's nearest reachable number is (index 0: exact).
struct Ligne {
  long long selections = 0;
  long long problemes = 0;
  std::vector<long long> ecarts;
  long long Exacts() const { return ecarts.empty() ? 0 : ecarts[0]; }
  // Problems `ecart` away; with `etPlus`, that far or farther.
  long long AEcart(std::size_t ecart, bool etPlus = false) const;
  void Ajoute(const Ligne& autre);
};

struct Table {
  std::array<Ligne, NbGrands> parGrands;
  Ligne total;
  // For each target, how many selections reach it exactly.
  std::array<long long, NbCibles> atteintePar{};
  long long atteignentTout = 0;  // selections that reach every target
};

// The table, computed on `fils` threads; `progres` hears how many
// selections are done out of how many.
Table CalculeTable(int fils, const std::function<void(int, int)>& progres = {});

// The targets a selection cannot reach, each with the distance of its
// nearest reachable number.
std::vector<std::pair<int, long long>> Impossibles(const std::vector<longint>& nombres);

// The command: the table, or with six numbers the targets they miss;
// --json for one object. Returns the exit code.
int ExecuteStats(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs,
                 bool progresVisible);

}  // namespace tolvan::stats
