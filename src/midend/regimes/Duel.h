// A duel: two players on the same draws, one after another, each draw
// scored on the clubs' scale. Against the computer, its answer to each draw
// is known from the deal and shown once the player has played; between two
// players on one computer, each plays the draw in turn with the whole
// clock, the other's lines hidden until both have played. The winner has
// more points; equal totals go to the shorter total time.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "Feuille.h"
#include "midend/TextesMessages.h"
#include "engine/Records.h"

namespace tolvan {

// A duel as the player asked for it.
struct ReglageDuel {
  // Against the computer at this strength (1 to 5); none: two players.
  std::optional<int> force = 3;
  std::array<QString, 2> joueurs;  // the two players' names, when two play
  int nbTirages = 5;               // 5 or 10
  int choixTemps = 2;              // a choice of "Temps :" that has a limit (40 s)
  friend bool operator==(const ReglageDuel&, const ReglageDuel&) = default;
};

inline constexpr std::array<int, 2> NombresDeTiragesDuel = {5, 10};

// One player's go at a draw.
struct Tour {
  std::optional<longint> resultat;  // the number reached nearest the target; none: nothing
  std::vector<std::string> lignes;  // as the game writes them, "75+25=100"
  double secondes = 0;              // to the target found, or the whole time; to the tenth
  int points = 0;                   // on the clubs' scale
};

struct TirageDuel {
  TTirage tirage;
  std::array<std::optional<Tour>, 2> tours;  // by player
  // Who plays it first: the players take turns at starting.
  int premier = 0;
  bool Joue() const { return tours[0] && tours[1]; }
};

class Duel {
 public:
  // The player at the keyboard is player 0; the computer, or the second
  // player, is player 1.
  explicit Duel(ReglageDuel reglage);

  const ReglageDuel& Reglage() const { return reglage_; }
  bool ContreOrdinateur() const { return reglage_.force.has_value(); }

  // --- its course ---
  // A new draw: the players' goes start over.
  void NouveauTirage(const TTirage& tirage);
  // `joueur`'s go at the current draw: its points are counted here.
  void Joue(int joueur, Tour tour);
  const std::vector<TirageDuel>& Tirages() const { return tirages_; }
  // The draw being played (or the last one played); none before the first.
  const TirageDuel* Courant() const { return tirages_.empty() ? nullptr : &tirages_.back(); }
  // Who plays the current draw now, or plays the next one first; none when
  // the computer's go is all that is left, or the duel is over.
  std::optional<int> AuTrait() const;
  // The current draw was played by both, or none was dealt yet.
  bool TirageTermine() const { return !Courant() || Courant()->Joue(); }
  bool Fini() const { return static_cast<int>(tirages_.size()) == reglage_.nbTirages && TirageTermine(); }
  // One player has played the current draw and the other has yet to.
  bool EntreDeuxTours() const;

  // --- its score ---
  std::array<int, 2> Points() const;
  std::array<double, 2> Temps() const;
  // The winner once the duel is over; none while it goes on, or when both
  // have the same points in the same time.
  std::optional<int> Vainqueur() const;

 private:
  ReglageDuel reglage_;
  std::vector<TirageDuel> tirages_;
};

// The points of a result on the clubs' ordinary scale: none is worth 0.
int PointsDuDuel(std::optional<longint> resultat, longint cible);

// The players' names as the duel shows them: the computer's strength, or
// the names given (or "Joueur 1", "Joueur 2" when left empty).
std::array<QString, 2> NomsDuDuel(const ReglageDuel& reglage, const TextesMessages& textes);

// What the summary shows between two goes: whose turn it is, or the draw's
// results, lines, points and running score, and at the end the winner.
// The first line is the summary's title.
QStringList BilanDuDuel(const Duel& duel, const TextesMessages& textes);
// How a duel over came out: the score, the winner, and the times when
// they decided it.
QStringList IssueDuDuel(const Duel& duel, const TextesMessages& textes);
// The sheet a duel leaves: its draws, each player's go at each, and how
// it came out; `secondes` is each draw's clock.
Feuille FeuilleDuDuel(const Duel& duel, int secondes, const TextesMessages& textes);

}  // namespace tolvan
