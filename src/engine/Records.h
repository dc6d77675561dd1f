// The records through which the whole program talks about a draw, a line of
// the blackboard and a solution, with the two operator codings and the
// tables that translate between them.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tolvan {

using longint = std::int32_t;  // every number of the game
using word = std::uint16_t;    // counters and indexes
using flag = std::uint8_t;     // 0 or 1

// A fixed-size array indexed from 1, as the game's tables are numbered:
// Nombres[1..6], Etapes[1..5], Solutions[1..4000].
template <class T, std::size_t N>
struct Base1Array {
  std::array<T, N> items{};

  constexpr T& operator[](std::size_t i) {
    assert(i >= 1 && i <= N);
    return items[i - 1];
  }
  constexpr const T& operator[](std::size_t i) const {
    assert(i >= 1 && i <= N);
    return items[i - 1];
  }
  static constexpr std::size_t size() { return N; }
  constexpr T* begin() { return items.data(); }
  constexpr T* end() { return items.data() + N; }
  constexpr const T* begin() const { return items.data(); }
  constexpr const T* end() const { return items.data() + N; }
  friend bool operator==(const Base1Array&, const Base1Array&) = default;
};

inline constexpr int NbNombres = 6;
inline constexpr int NbEtapesMax = 5;
inline constexpr int NbLignes = 5;  // lines of the blackboard

using NombresTirage = Base1Array<longint, NbNombres>;

// One draw: six numbers in the order drawn or typed, and the target.
struct TTirage {
  NombresTirage Nombres{};
  longint Resultat = 0;
  friend bool operator==(const TTirage&, const TTirage&) = default;
};

// The operation code of the solver and of every solution.
enum CodeOper : longint {
  OperAddition = 1,
  OperSoustraction = 2,
  OperDivision = 3,
  OperMultiplication = 4,
};

// One line of the blackboard; `Signe` indexes `Signes` (1 "+", 2 "x", 3 "-", 4 "/").
struct TLigne {
  longint Tuile1 = 0;
  longint Signe = 0;
  longint Tuile2 = 0;
  longint Valeur1 = 0;
  longint Valeur2 = 0;
  longint Resultat = 0;
  friend bool operator==(const TLigne&, const TLigne&) = default;
};

// One step of a solution: Op1 <Oper> Op2.
struct TEtape {
  longint Op1 = 0;
  longint Op2 = 0;
  longint Oper = 0;
  friend bool operator==(const TEtape&, const TEtape&) = default;
};

// One solution. Steps and results beyond NbEtapes are leftovers of the
// search and carry no meaning.
struct TSolution {
  word NbEtapes = 0;
  Base1Array<TEtape, NbEtapesMax> Etapes{};
  Base1Array<longint, NbEtapesMax> Resultats{};
  word Numero = 0;
};

// Operator texts, indexed by a blackboard `Signe`; index 0 is the empty text.
inline constexpr std::array<std::string_view, 5> Signes = {"", "+", "x", "-", "/"};

// Blackboard `Signe` of each `CodeOper` (index 0 unused).
inline constexpr std::array<longint, 5> SigneDeOper = {0, 1, 3, 4, 2};

// `CodeOper` of each blackboard `Signe` (index 0 unused).
inline constexpr std::array<longint, 5> OperDeSigne = {0, 1, 4, 2, 3};

// The text of an operation code ("+", "-", "/", "x"); empty for an unknown code.
constexpr std::string_view TexteOper(longint oper) {
  return (oper >= 1 && oper <= 4) ? Signes[SigneDeOper[oper]] : Signes[0];
}

// The player's first `nbLignes` blackboard lines in the solution format,
// as the search of the player's own solution needs them. Results are not
// filled; steps past the last line are (0, 0, 0).
TSolution SolutionDeLignes(const Base1Array<TLigne, NbLignes>& lignes, word nbLignes);

}  // namespace tolvan
