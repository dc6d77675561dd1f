// A draw of a code as the arbiter checks a result announced on it: can
// these plates give that number, how far is it from the target, what is it
// worth. The clubs' scale is BaremeClubs'; its exceptional part, when the
// target cannot be reached, counts by default the distances at which the
// plates reach a number, and, as a choice of the desk, the distances of the
// best results announced in the room, which only the desk knows.
#pragma once

#include <bitset>
#include <string>
#include <vector>

#include "BaremeClubs.h"
#include "CodeSerie.h"
#include "PhrasesArbitrage.h"
#include "engine/Atteignables.h"

namespace tolvan {

class ControleTirage {
 public:
  explicit ControleTirage(const TTirage& tirage);

  const TTirage& Tirage() const { return tirage_; }
  bool CibleAtteignable() const { return bareme_.CibleAtteignable(); }

  // Whether a calculation of these plates gives `nombre`. The numbers from
  // 16384 on, which no one announces on a target below 1000, are asked of
  // the exhaustive solver.
  bool Donne(longint nombre) const;

  struct Verdict {
    longint resultat = 0;
    bool possible = false;
    longint ecart = 0;  // from the target
    int points = 0;     // 0 for a number the plates cannot give
    friend bool operator==(const Verdict&, const Verdict&) = default;
  };
  // On the clubs' scale, as a player's own sheet counts it.
  Verdict Verifie(longint resultat) const;
  // With the exceptional scale read from the room: `ecartsSalle` are the
  // distinct distances of the results announced there that the plates
  // give, nearest first (EcartsDeLaSalle).
  Verdict Verifie(longint resultat, const std::vector<longint>& ecartsSalle) const;

 private:
  ControleTirage(const TTirage& tirage, const Atteignables& atteignables);

  TTirage tirage_;
  std::bitset<Atteignables::Borne> atteints_;  // the numbers below 16384 the plates give
  BaremeClubs bareme_;
};

// The distances that score on the room's exceptional scale: the five
// nearest distinct distances among `annonces` that the plates give.
std::vector<longint> EcartsDeLaSalle(const ControleTirage& controle, const std::vector<longint>& annonces);

// The checks of each of the code's draws, in order (a few milliseconds a draw).
std::vector<ControleTirage> ControlesDuCode(const CodeSerie& code);

// "412 : à 4 de 416, 6 points", "416 : le compte est bon, 10 points",
// "2000 : ces plaques ne donnent pas ce nombre, 0 point".
std::string TexteVerdict(const ControleTirage::Verdict& verdict, const TTirage& tirage,
                         const PhrasesArbitrage& mots = {});
// "0 point", "7 points".
std::string TextePointsArbitrage(int points, const PhrasesArbitrage& mots = {});

}  // namespace tolvan
