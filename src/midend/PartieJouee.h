// One finished game as the history keeps it: a training game, a typed or
// listed draw, the draw of the day, one draw of a competition series, one
// go at a duel's draw or one draw of a series given by a code.
#pragma once

#include <array>

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
  bool rejouee = false;  // the draw of the day played again after a first finished attempt
  QDate jour;            // the date whose draw of the day it was; null for the other games
  bool solutionsVues = false;  // "Voir les solutions" opened while it was played
  QString adversaire;  // a duel's opponent: the computer's strength or the other player's name
  QString code;                // the series' code of a draw played by code; empty for the other games

  friend bool operator==(const PartieJouee&, const PartieJouee&) = default;
};

}  // namespace tolvan
