// The field of the game page where a player types a calculation
// ("(75+25)x8+7") or a short command, as a part of the game. Typing is
// faster than finding six tiles and four operators, needs neither a mouse
// nor a keypad, and with a screen reader spares hearing each tile first.
//
// A calculation is read against the numbers in play (game/Calcul.h) and,
// once accepted whole, played line by line through the game's own presses,
// so that the coach, the hints, the sounds, the clock, the points and the
// history see a game played with the tiles; a line reaching the target wins
// there, and the lines after it are not played. A line begun with the tiles
// gives its number back first; a calculation that starts with an operation
// goes on from the last line's result, as an operator pressed first does. A
// refused calculation plays nothing and leaves the board as it was.
//
// The short commands: "?" the clock, "n" the numbers in play and the
// target, "r" "Retour", "i" the next hint step where the way to play allows
// hints. Every answer is one sentence, in the language's words, which the
// window says where the keyboard is.
#pragma once

#include <string>
#include <string_view>

#include <QString>

#include "Aides.h"
#include "Horloge.h"
#include "Options.h"
#include "TextesMessages.h"
#include "game/Manche.h"

namespace tolvan {

// What the field answers to what was typed.
struct ReponseDuChamp {
  QString phrase;      // one sentence, to be said where the keyboard is
  bool garde = false;  // nothing was played: the field keeps the text, to be mended
};

// The game as the field acts on it: what it reads, the questions of what
// the way to play allows, and the verbs a player's presses call. The game
// itself is this for the field.
class PartieDuChamp {
 public:
  virtual const Manche& manche() const = 0;
  virtual const Options& options() const = 0;
  virtual const TextesMessages& textes() const = 0;
  virtual const Cadence& cadence() const = 0;
  // What the clock says; empty while it says nothing.
  virtual QString TexteHorloge() const = 0;
  virtual const Aides& aides() const = 0;
  virtual bool CoachVisible() const = 0;
  virtual bool IndicesParEtapesPermis() const = 0;
  virtual bool AidesPermises() const = 0;

  virtual void Presse(int code) = 0;
  virtual TableauNoir::Verdict Repond(const std::string& reponse) = 0;
  virtual void Retour() = 0;
  virtual void Indice() = 0;

 protected:
  ~PartieDuChamp() = default;
};

// What was typed, done on `partie`, and the sentence that answers it.
ReponseDuChamp Tape(std::string_view texte, PartieDuChamp& partie);

}  // namespace tolvan
