// Making a draw: six numbers and a target, by the rules of the game and
// its variants (crazy numbers, prime targets, solvable draws only).
#pragma once

#include <array>
#include <cstdint>
#include <vector>
#include <functional>

#include "engine/Solveur.h"

namespace tolvan {

// Random(n): a whole number from 0 to n - 1.
using Hasard = std::function<int(int)>;

// The 24 drawable numbers: 1 to 10 twice, then 25, 50, 75 and 100.
inline constexpr std::array<longint, 24> ReserveNombres = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6,
                                                          7, 7, 8, 8, 9, 9, 10, 10, 25, 50, 75, 100};
// The primes up to 101, enough to test any target below 10201.
inline constexpr std::array<longint, 26> NombresPremiers = {2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37, 41,
                                                           43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97, 101};

// Six different slots of the pool, kept in drawing order.
void TireSixNombres(TTirage& tirage, const Hasard& hasard);
// Number i from 1 to 20 x i; repeats allowed.
void TireNombresFous(TTirage& tirage, const Hasard& hasard);
// A target from 101 to 999.
void TireCible(TTirage& tirage, const Hasard& hasard);
bool EstPremier(longint n);
// `nombre` standard draws dealt from the seed `graine` as the game deals a
// random draw, the same on every machine: what the statistics and the
// tests of the opponent deal.
std::vector<TTirage> TiragesAuHasard(int nombre, std::uint64_t graine);

struct OptionsTirage {
  bool fous = false;         // "Tirages Fous !"
  bool premiers = false;     // "Résultats premiers uniquement"
  bool calculAuto = false;   // "Calculer Automatiquement les solutions"
  bool realisables = false;  // "Réalisables uniquement"
};

// A new random draw in `solveur.Tirage`, searched when `calculAuto`; with
// `realisables`, draws without an exact solution are replaced by standard
// ones until one has.
void TireAuHasard(Solveur& solveur, const OptionsTirage& options, const Hasard& hasard);

// Random draws are tried at most this often for one of a chosen mark; past
// that, the last one is kept (a mark some options make rare or impossible,
// such as 5 with solvable draws only, must not hang the game).
inline constexpr int EssaisDeDifficulte = 2000;

// Called between two draws tried for a mark, with the number tried so far:
// whoever waits lets its own work through; false gives the search up.
using EntreDeuxEssais = std::function<bool(int essais)>;

// As TireAuHasard, again until the draw's difficulty mark is `marque` (1
// to 5; 0 for any); the draw is searched. False when `entre` gave up.
bool TireAuHasardDeDifficulte(Solveur& solveur, const OptionsTirage& options, int marque, const Hasard& hasard,
                              const EntreDeuxEssais& entre = {});

}  // namespace tolvan
