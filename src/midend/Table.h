// The game table as a way to play sees it: the draw and its board, the
// clock, the texts, and the few moves that deal a game. A regime acts on
// the game through this alone, never through `Jeu`, so that a way to play
// is written without knowing how the rest of the game is put together,
// and the game can be driven under it in tests.
#pragma once

#include <QString>

#include "Horloge.h"
#include "Options.h"
#include "TextesMessages.h"
#include "engine/Solveur.h"
#include "game/Manche.h"

namespace tolvan {

class Table {
 public:
  // The draw to be dealt and its solutions: a regime puts its draw here,
  // then plays it.
  virtual Solveur& solveurDuTirage() = 0;
  // The game on the board: its draw, its lines, its clock.
  virtual const Manche& manche() const = 0;
  // The clock the regime's games run under.
  virtual const Cadence& cadence() const = 0;
  virtual const Options& options() const = 0;
  virtual const TextesMessages& textes() const = 0;

  // A game on the solver's draw, under the regime's clock, with the whole
  // of its time.
  virtual void Joue() = 0;
  // A game on the player's own next draw, as the options say: random, of
  // a chosen mark, or from the draws list.
  virtual void JoueTirageDuJoueur() = 0;
  // The solver's draw goes into the draws list, as a draw played.
  virtual void NoteTirageJoue() = 0;

  // A random number from 0 to n - 1, from the desktop's source.
  virtual int Aleatoire(int n) = 0;
  // The player's name for a sheet or the records, asked with the last one.
  virtual QString NomDuJoueur() = 0;

 protected:
  ~Table() = default;
};

}  // namespace tolvan
