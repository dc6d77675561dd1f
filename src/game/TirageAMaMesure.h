// Draws at the player's measure: standard draws dealt one after the other
// from a seed until one's predicted chance of being found lies in a band
// (0.70 to 0.80 for "À ma mesure", near 0.5 while the rating settles, a
// falling band for a rising series). Puzzle trainers serve items at about
// a 75 % chance of success after learning each item's difficulty from
// crowds; Tolvan works it out for one player from the draw's solutions. The
// same seed and the same chances give the same draw on every machine.
#pragma once

#include <cstdint>
#include <functional>

#include "ResumeEfforts.h"
#include "engine/Solveur.h"

namespace tolvan {

// Predicted chances from `min` to `max`, both included.
struct Bande {
  double min = 0;
  double max = 1;
  bool Contient(double chance) const { return chance >= min && chance <= max; }
  // How far `chance` lies outside (0 inside).
  double Distance(double chance) const;
};

inline constexpr Bande BandeAMaMesure{0.70, 0.80};
// While the rating settles a draw found one time in two tells the most.
inline constexpr Bande BandeDesDebuts{0.45, 0.55};
inline constexpr int PartiesDesDebuts = 10;
// The band for a player with this many rated games.
Bande BandeDuJoueur(int partiesNotees);
// A rising series: the first draw found nine times in ten or more, each
// next one a tenth less likely (rang 1, 2 ...), down to the last tenth.
Bande BandeDeRang(int rang);

// Past this many draws tried, the nearest to the band is dealt (a band out
// of a strength's range, such as 0.75 for the champion at 40 s, must not
// hang the game): about 100 ms on this project's machine.
inline constexpr int EssaisAMaMesure = 150;

struct TirageMesure {
  TTirage tirage;
  ResumeEfforts resume;
  double chance = 0;  // the predicted chance of the draw dealt
  int essais = 0;     // draws tried
};

using ChanceDuTirage = std::function<double(const ResumeEfforts&)>;

// The first standard draw dealt from `graine` (as the game deals a random
// draw, SplitMix64 numbers reduced modulo) whose `chance` lies in `bande`,
// or the nearest of the first EssaisAMaMesure. `solveur` is left holding
// it, searched as the game searches a draw.
TirageMesure TireAMaMesure(std::uint64_t graine, Bande bande, const ChanceDuTirage& chance, Solveur& solveur);

}  // namespace tolvan
