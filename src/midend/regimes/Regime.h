// A way to play: training, the draw of the day, a level's series, a duel,
// club play by a code. Each owns its whole way: it deals its draws, says
// which clock runs and which help is open, concludes each game in one
// call (its points, its part of the history's row, its row of the games
// list, what comes next), adds what it has to say to the summary, and ends
// its series, with a sheet when it keeps one. It acts on the game through
// the `Table` alone. The game runs one flow for all of them and never asks
// which one is under way: a new way to play is one new class and its line
// in the catalogue (Catalogue.h).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "Feuille.h"
#include "midend/Horloge.h"
#include "midend/Options.h"
#include "midend/PartieJouee.h"
#include "midend/Table.h"
#include "midend/TextesMessages.h"
#include "game/Manche.h"

namespace tolvan {

// What a player may use during a game of this regime.
struct Permissions {
  bool tiragesDuJoueur = true;  // random, typed and listed draws, the draw of the day
  bool aides = true;            // the hints band and its calculator
  bool indices = true;          // "Indice", the hints by steps
  bool coach = true;
  bool solutions = true;        // the solutions panel and the count of solutions
  bool liste = true;            // the "Tirages" page
  bool marque = true;           // the difficulty mark in the summary
  friend bool operator==(const Permissions&, const Permissions&) = default;
  // Nothing but the board: a series, a duel, a code's draws.
  static Permissions LeTableauSeul() {
    return {false, false, false, false, false, false, false};
  }
};

// How a game ended.
struct FinDePartie {
  bool trouve = false;
  int secondes = 0;                  // to the target found, or the whole time
  double dixiemes = 0;               // the same to the tenth, from the desktop's clock
  std::optional<longint> resultat;   // the finished line nearest the target
  std::vector<std::string> lignes;   // the finished lines, as the game writes them
};

// What follows the end of a game.
enum class Suite {
  Aucune,         // the player chooses the next game
  TirageSuivant,  // the next draw of the series, when the player asks for it
  FinDeSerie,     // the series is over: the game goes back to the way before
};

// What a regime makes of a game that ended.
struct Conclusion {
  std::optional<LigneScore> ligne;  // its row of the games list, if it gets one
  Suite suite = Suite::Aucune;
};

// What the summary panel shows after a game, or between the goes of a series.
struct Bilan {
  QString titre;
  QStringList lignes;
  // Two players' lines and a score need the width the games list takes.
  bool large = false;
};

class Regime {
 public:
  virtual ~Regime() = default;

  // --- its course ---
  // Its first move once it is the way the game is played: a series deals
  // its first draw; a duel only says who plays first.
  virtual void Commence(Table& /*table*/) {}
  // "Nouvelle partie" or "Partie Suivante": its next draw, dealt.
  virtual void Suivante(Table& table) = 0;
  // A next draw can be dealt now.
  virtual bool TirageSuivantPret() const = 0;
  // A series is under way that giving up would lose: the player is asked
  // before anything else starts, and the next-draw button says so.
  virtual bool EnCours() const { return false; }
  // The question asked before giving it up ("Abandonner le duel en cours ?");
  // none when nothing is at stake, each game counting on its own.
  virtual QString QuestionAbandon(const TextesMessages& textes) const { return textes.MsgAbandonner; }
  // Given up, the player having agreed: nothing is half-scored. True when it
  // is over at once (the game on the board stops with it); false when the
  // draw on the board plays on under it to its end.
  virtual bool Arrete() { return true; }
  // One game only: the player's next draw of their own goes back to the way before.
  virtual bool UnePartie() const { return false; }

  // --- its games ---
  // The clock of its games, given the player's options; nothing to leave
  // the clock as it is.
  virtual std::optional<Cadence> CadenceDesParties(const Options& options) const = 0;
  virtual Permissions Permis() const = 0;
  // "Rejouer" starts the clock from 0 rather than from where it stands.
  virtual bool RejoueDepuisZero() const { return false; }
  // A game ended: its points and its mode go into its row of the history,
  // whose common part is filled already.
  virtual Conclusion Conclut(Table& table, const FinDePartie& fin, PartieJouee& partie) = 0;
  // Its series is over: its sheet, when it keeps one.
  virtual std::optional<Feuille> Termine(Table& /*table*/) { return std::nullopt; }

  // --- what the window shows ---
  // The summary as the game wrote it, to complete or replace.
  virtual void CompleteBilan(Bilan& /*bilan*/, const TextesMessages& /*textes*/) const {}
  // What the draw on the board is in its series ("Tirage 3 sur 10"), said
  // with its target as the game starts; empty when it is in none.
  virtual QString TitreDuTirage(const TextesMessages& /*textes*/) const { return {}; }
  // Between two players' goes, the board keeps the last go's lines and its
  // clock to itself (the game asks only while no game is played).
  virtual bool TableauCache() const { return false; }
};

}  // namespace tolvan
