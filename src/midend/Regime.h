// A way a game is played: training, a level's series, the draw of the day,
// a duel (RegimeDuel.h) or club play by a code (RegimeCode.h). The game asks its regime
// the questions that change from one way to another: where the next draw
// comes from, which clock runs, which help is open, what a game found earns,
// what its row of the history says, and what follows a game's end. A new
// way to play is a new regime and the verbs that start it, not new tests of
// a mode scattered through the game.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Horloge.h"
#include "Options.h"
#include "PartieJouee.h"
#include "competition/Serie.h"

namespace tolvan {

// Where the next draw comes from.
enum class SourceTirage {
  Joueur,  // the player's choice: random, from the list, typed, a listed row
  Serie,   // the series under way, one draw after another
  Duel,    // the duel's draws, each played by both players
  Code,    // the draws of a series' code, in their order
};

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

// What a game found earns: its points and its row of the games list.
struct Gain {
  int points = 0;
  LigneScore ligne;
};

// How a game ended, for a regime that keeps more than its points.
struct FinDePartie {
  bool trouve = false;
  int secondes = 0;                  // to the target found, or the whole time
  std::optional<longint> resultat;   // the finished line nearest the target
  std::vector<std::string> lignes;   // the finished lines, as the game writes them
};

// What follows the end of a game.
enum class Suite {
  Aucune,         // the player chooses the next game
  TirageSuivant,  // the next draw of the series, when the player asks for it
  FinDeSerie,     // the series is over: its score is kept
};

class Regime {
 public:
  virtual ~Regime() = default;
  virtual SourceTirage Source() const = 0;
  // A next draw can be dealt now ("Nouvelle partie", "Partie Suivante").
  virtual bool TirageSuivantPret() const = 0;
  // The clock of this regime's games, given the player's options; nothing
  // to leave the clock as it is.
  virtual std::optional<Cadence> CadenceDesParties(const Options& options) const = 0;
  virtual Permissions Permis() const = 0;
  // A game found at `seconde`, counted.
  virtual Gain Gagne(int seconde) = 0;
  // A game whose time ran out, on the board as it was left: its points.
  virtual int Expire(const Manche& /*manche*/) { return 0; }
  // Its own part of a finished game's row of the history: the mode, and
  // whatever this way to play adds.
  virtual void RemplitLigne(PartieJouee& partie) const = 0;
  virtual Suite ApresPartie(bool trouve) const = 0;
  // A game ended: told before its row of the history is filled.
  virtual void Conclut(const FinDePartie& /*fin*/) {}
};

// Training: the player's draws under the clock of "Temps :", every help open.
class RegimeEntrainement : public Regime {
 public:
  SourceTirage Source() const override { return SourceTirage::Joueur; }
  bool TirageSuivantPret() const override { return true; }
  std::optional<Cadence> CadenceDesParties(const Options& options) const override;
  Permissions Permis() const override { return {}; }
  Gain Gagne(int seconde) override { return {0, Manche::LigneEntrainement(seconde)}; }
  void RemplitLigne(PartieJouee& partie) const override { partie.mode = ModePartie::Entrainement; }
  Suite ApresPartie(bool) const override { return Suite::Aucune; }
};

// The draw of the day: played like a training game, the clock counting up
// as the shared line tells it.
class RegimeDuJour : public RegimeEntrainement {
 public:
  std::optional<Cadence> CadenceDesParties(const Options&) const override;
  void RemplitLigne(PartieJouee& partie) const override { partie.mode = ModePartie::Jour; }
};

// A level's series: its draws only, its time, no help but the hints band
// when the level allows it, points for each draw found, and the first draw
// not found in time ends the series.
class RegimeSerie : public Regime {
 public:
  explicit RegimeSerie(Serie& serie) : serie_(serie) {}
  SourceTirage Source() const override { return SourceTirage::Serie; }
  bool TirageSuivantPret() const override { return serie_.EnCours(); }
  std::optional<Cadence> CadenceDesParties(const Options&) const override;
  Permissions Permis() const override;
  Gain Gagne(int seconde) override;
  void RemplitLigne(PartieJouee& partie) const override { partie.mode = ModePartie::Competition; }
  Suite ApresPartie(bool trouve) const override;

 private:
  Serie& serie_;
};

}  // namespace tolvan
