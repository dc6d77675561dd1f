// What the window does for the game besides drawing its state: the few
// things that are not state, and the questions only a window can ask.
#pragma once

#include <optional>

#include <QString>

namespace tolvan {

// What the window does for the game besides drawing its state.
class VueJeu {
 public:
  virtual ~VueJeu() = default;
  // The line being written was refused: the window makes it flash.
  virtual void LigneRefusee(int ligne) = 0;
  // The player must type the result of the line: the answer field takes the keyboard.
  virtual void ReponseDemandee() = 0;
  // The player's name for the records, asked with the name last given;
  // nothing when the player declines.
  virtual std::optional<QString> NomDuJoueur() = 0;
  // A long job moves on: `fait` rows read or draws made. The window shows
  // it and lets its own events through.
  virtual void Avance(int fait) = 0;
  // A search or a read may take a moment: the window shows what it has first.
  virtual void AvantCalcul() = 0;
  // A long job starts (`total` steps, 0 when unknown) and ends: a file of
  // draws read, a series generated.
  virtual void DebutTravail(int total) = 0;
  virtual void FinTravail() = 0;
  // The game on the board just ended, found or out of time: the window
  // brings the player to its summary.
  virtual void PartieFinie() {}
  // The game's clock starts or stops counting: the window runs its timer,
  // whose ticks come back through `Jeu::Tique`, only meanwhile.
  virtual void MinuteurEnMarche(bool /*enMarche*/) {}
  // Draws are being tried for a chosen mark, `essais` so far; 0 once the
  // search is over. The window shows it is busy and lets its own events
  // through meanwhile: the game on the board goes on.
  virtual void RechercheDeTirage(int /*essais*/) {}
  // A series played by code is over: the window shows its score sheet.
  virtual void FeuilleFinie() {}
};

}  // namespace tolvan
