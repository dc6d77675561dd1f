// The player's journal: every finished game goes into the history, the draw
// of the day is dealt and remembered for the day, and once it ends, the
// line a player shares. It knows nothing of the board: the game gives it
// each finished game as a row.
#pragma once

#include <optional>
#include <vector>

#include <QSet>
#include <QString>

#include "BilanParties.h"
#include "Historique.h"
#include "MaCote.h"
#include "PartieJouee.h"
#include "Services.h"
#include "TextesMessages.h"
#include "engine/Solveur.h"
#include "game/TirageDuJour.h"

namespace tolvan {

class Journal {
 public:
  explicit Journal(Services& services) : services_(services) {}

  // The history, opened at the start; one message when it cannot be. The
  // games kept beside it at the last close join it. The player's rating is
  // learnt from it, draws being searched on `solveur` when their efforts
  // are not on file.
  void Ouvre(Solveur& solveur);
  // The window closes: games the history still cannot take are kept
  // beside it for the next start, and the player is told.
  void Ferme();
  // "Ma cote", as the games so far make it.
  const MaCote& cote() const { return cote_; }
  const Historique& historique() const { return historique_; }

  // Deals today's draw into `solveur`, the same for every player, and
  // remembers it: a game on it, replayed or not, is the day's.
  void DonneTirageDuJour(Solveur& solveur);

  // A game that ended, found or not, goes into the history. A game of the
  // day gets its date, whether it is a replay, and its line to share, in
  // the words `mots`; a game that counts for the rating, what the rating
  // made of it, and the rating learns from it.
  // What the rating made of it is returned.
  std::optional<NoteDeCote> Enregistre(PartieJouee partie, const PhrasesPartage& mots = {});

  // The line to share once the draw of the day has ended, giving nothing of
  // it away; empty once another game starts.
  const QString& LigneDePartage() const { return ligneDePartage_; }
  void OublieLigneDePartage() {
    ligneDePartage_.clear();
    rejoueeDuJour_ = false;
  }
  // The game of the day that just ended was played again after a first
  // finished attempt: it counts in no run of days.
  bool RejoueeDuJour() const { return rejoueeDuJour_; }
  // "Copier le résultat": the line goes to the clipboard; false when there
  // was none to copy.
  bool CopieResultat();

  // What "Mes parties" shows: the counts and charts, and the last games.
  BilanParties Bilan() const;
  // The player's own, without the goes of a duel's second player.
  std::vector<PartieJouee> Dernieres(int nombre, QString* erreur = nullptr) const;
  // "Exporter en CSV": every game to a file the player picks, offered
  // under the day's date; the file written, if it was.
  std::optional<QString> Exporte(const TextesMessages& textes);

 private:
  bool JourDejaJoue(QDate jour) const;
  // The games the last close kept beside the history join those waiting.
  void ReprendPartiesGardees(const QString& chemin);

  Services& services_;
  Historique historique_;
  MaCote cote_;
  // The draw of the day last dealt.
  struct TirageDuJourDonne {
    Date date;
    TTirage tirage;
    int difficulte = 0;
  };
  std::optional<TirageDuJourDonne> jour_;
  QString ligneDePartage_;
  bool rejoueeDuJour_ = false;
  // Days whose draw had a finished attempt in this run, for when there is no history.
  QSet<QDate> joursFinis_;
};

}  // namespace tolvan
