// One finished game as the history keeps it: a training game, a typed or
// listed draw, the draw of the day, one draw of a competition series, one
// go at a duel's draw or one draw of a series given by a code.
#pragma once

#include <array>
#include <optional>

#include <QDate>
#include <QDateTime>
#include <QString>

namespace tolvan {

// The seconds of a game played without a clock ("Sans chrono").
inline constexpr int SansTemps = -1;

// A duel's goes are the player's at the keyboard, the duel's first player;
// in a duel of two players on this computer, the second player's goes are
// recorded too, as `DuelAutreJoueur`, but are not this player's games.
enum class ModePartie { Entrainement, Jour, Competition, Duel, Code, DuelAutreJoueur };

// "entraînement", "jour", "compétition", "duel", "code", "duel, autre
// joueur", as the history writes them.
QString TexteMode(ModePartie mode);
ModePartie ModeDuTexte(const QString& texte);

// What "Ma cote" made of a game that counted for it: the rating just
// before it, and the chance it gave the player of finding that draw.
struct NoteDeCote {
  double cote = 0;
  double ecart = 0;
  double chance = 0;
  friend bool operator==(const NoteDeCote&, const NoteDeCote&) = default;
};

struct PartieJouee {
  QDateTime fin;  // when it ended, local time
  ModePartie mode = ModePartie::Entrainement;
  std::array<int, 6> nombres{};
  int resultat = 0;
  bool trouve = false;
  int secondes = 0;    // to the target found, or the whole time allowed; SansTemps without a clock
  int lignes = 0;      // lines on the board when it ended
  int indices = 0;     // hints used
  int points = 0;      // earned in a competition series
  int difficulte = 0;  // the draw's mark, 1 to 5
  bool rejouee = false;  // played again: the draw of the day after a first finished attempt, or any "Rejouer"
  QDate jour;            // the date whose draw of the day it was; null for the other games
  bool solutionsVues = false;  // "Voir les solutions" opened while it was played
  QString adversaire;  // a duel's opponent: the computer's strength or the other player's name
  QString code;                // the series' code of a draw played by code; empty for the other games
  // For the player's rating: the seconds a clock that runs out allowed (none
  // for a clock that counts up, or a game recorded before it was kept), the
  // draw's solutions by effort (ResumeEfforts' text; empty when not known),
  // whether it counted (none for a game recorded before the rating), and
  // what the rating made of it when it did.
  std::optional<int> tempsDonne;
  QString efforts;
  std::optional<bool> notee;
  std::optional<NoteDeCote> note;
  // Not kept: the way to play says the game is not the player's own (a
  // friend's go in a duel), so the rating leaves it out.
  bool pourLaCote = true;

  friend bool operator==(const PartieJouee&, const PartieJouee&) = default;
};

}  // namespace tolvan
