// One game: a draw played on the blackboard against the clock, from its
// start to the target found or the time run out. The window only shows
// what this decides: the clock, the summary and the games list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "TableauNoir.h"

namespace tolvan {

// One row of the games list: the game's caption and its score.
struct LigneScore {
  std::string partie;
  std::string score;
  friend bool operator==(const LigneScore&, const LigneScore&) = default;
};

class Manche {
 public:
  // Which panel of the game page the player sees: the summary between
  // games, the board during one, or the fields of a draw being typed.
  enum class Panneau { Resume, Jeu, Saisie };
  // How the game shown in the summary ended; `Aucune` before the first.
  enum class Issue { Aucune, Gagnee, TempsEcoule };

  Manche();

  // --- the clock ---
  int Ecoule() const { return ecoule_; }
  int Limite() const { return limite_; }
  bool HorlogeEnMarche() const { return horlogeEnMarche_; }
  // A new limit: the clock goes back to 0 and, if it runs, goes on under it.
  void ChangeLimite(int secondes);
  void RemetHorlogeAZero() { ecoule_ = 0; }
  // One second more; true when it ran the time out, which ends the game
  // unscored with its clock at the limit.
  bool Tique();

  // --- the game ---
  // Starts a game on `tirage`: its numbers on the tiles, every tile
  // enabled, an empty board, the clock running from where it stands, or
  // from 0 when it ran out.
  void Demarre(const TTirage& tirage);
  // The game on the board, if any, stops unfinished and unscored: the clock
  // stops at 0 and the summary comes back as it was. A game can be played
  // only while its clock runs.
  void Interromp();
  // The game on the board is given up with the series it belonged to: it
  // stops as Interromp stops it, and neither its draw (to play again) nor
  // the summary of the game before it (of that series) is kept.
  void Abandonne();
  // The player types a draw; the clock goes on meanwhile.
  void AfficheSaisie() { panneau_ = Panneau::Saisie; }
  const TTirage& Tirage() const { return tirage_; }
  // A draw was dealt at least once, so there is a game to play again.
  bool TirageDonne() const { return tirageDonne_; }
  bool Gagnee() const { return gagnee_; }
  Panneau PanneauVisible() const { return panneau_; }
  // A game is being played: its board is shown and its clock runs.
  bool PartieEnJeu() const { return panneau_ == Panneau::Jeu && horlogeEnMarche_; }

  // Presses, typed answers and "Retour" count only while the board is shown.
  TableauNoir::Reaction Effectue(int code, bool calculAuto);
  TableauNoir::Verdict VerifieResultat(const std::string& reponse);
  TableauNoir::Reaction Retour();
  // The target was reached: the clock stops and the summary lists the
  // game's lines. Returns the second it was found at, which whoever scores
  // the game turns into its row of the games list.
  int Gagne();
  // The row of a game found at `seconde` outside a series ("=>", "42'").
  static LigneScore LigneEntrainement(int seconde);

  const TableauNoir& Tableau() const { return tableau_; }
  TableauNoir& Tableau() { return tableau_; }

  // --- the summary panel ---
  Issue DerniereIssue() const { return issue_; }
  const std::vector<std::string>& Recap() const { return recap_; }
  const std::vector<LigneScore>& Scores() const { return scores_; }
  void AjouteScore(LigneScore ligne) { scores_.push_back(std::move(ligne)); }
  void EffaceScores() { scores_.clear(); }

 private:
  void TempsEcoule();
  // The target, then the six numbers in tile order, each followed by a space.
  std::vector<std::string> LignesDuTirage() const;

  TableauNoir tableau_;
  TTirage tirage_;
  bool tirageDonne_ = false;
  bool gagnee_ = false;
  Panneau panneau_ = Panneau::Resume;
  int ecoule_ = 0;
  int limite_ = 3600;
  bool horlogeEnMarche_ = false;
  Issue issue_ = Issue::Aucune;
  std::vector<std::string> recap_;
  std::vector<LigneScore> scores_;
};

}  // namespace tolvan
