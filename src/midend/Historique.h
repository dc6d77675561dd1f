// The player's history: every finished game, one row each, in a SQLite
// database in the player's data folder (historique.sqlite), read back for
// "Mes parties" and its CSV export. Each game is written in a transaction
// of its own, so a game is recorded whole or not at all; SQLite's locking,
// with a busy timeout, lets two Tolvan windows record at the same time.
//
// The schema carries its version (PRAGMA user_version) and is brought
// forward step by step when an older one is opened. A file that is no
// database, or a damaged one, is renamed aside, never deleted. A file that
// cannot be written is read as it is, and nothing is created beside it.
// A game that cannot be written now (the file locked past the wait, the
// disk full, the file read-only) is kept and written at the next attempt.
#pragma once

#include <chrono>
#include <deque>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "BilanParties.h"
#include "PartieJouee.h"

namespace tolvan {

class Historique {
 public:
  // Version 1: the games; version 2: the day of a draw of the day, and
  // indexes for the last days and the runs of days; version 3: whether the
  // solutions were seen during the game; version 4: a duel's opponent;
  // version 5: the code of a draw played by code; version 6: what the
  // player's rating needs and made of a game (the clock, the draw's
  // efforts, whether it counted, the rating before it and its chance).
  static constexpr int VersionSchema = 6;
  // How long a write waits for another window's: short, as the window
  // waits with it; a game not written in that time is kept for later.
  static constexpr std::chrono::milliseconds AttenteParDefaut{1000};

  struct Ouverture {
    enum Etat { Ouvert, Impossible, MisDeCote, LectureSeule, Incomplet };
    Etat etat = Ouvert;
    QString detail;     // what went wrong, in French
    QString misDeCote;  // the damaged file's new path
  };

  explicit Historique(std::chrono::milliseconds attente = AttenteParDefaut);
  ~Historique();
  Historique(const Historique&) = delete;
  Historique& operator=(const Historique&) = delete;

  // Opens or creates the database and brings its schema to this version. A
  // damaged one is renamed aside and a new one started in its place; one
  // that cannot be written is opened for reading only; one whose table
  // lacks columns is read with those empty (`Incomplet` names them).
  Ouverture Ouvre(const QString& chemin);
  // Tries the games still waiting once more, then closes; those still
  // waiting stay in memory (EnAttente) for whoever keeps them.
  void Ferme();
  bool EstOuvert() const { return ouvert_; }
  bool EnLectureSeule() const { return lectureSeule_; }
  const QString& Chemin() const { return chemin_; }

  // Writes the games still waiting, then this one. False only when no
  // history is open; a game that could not be written is kept (`erreur`
  // then says why, as EnAttente and RaisonEnAttente do).
  bool Enregistre(const PartieJouee& partie, QString* erreur = nullptr);
  // Games kept from an earlier run join those waiting, and are written if they can be.
  void AjouteEnAttente(const std::vector<PartieJouee>& parties);
  // Writes the games still waiting; true when none is left.
  bool EcritEnAttente();
  // Keeps the efforts worked out for games recorded without them (each
  // known by its end and its numbers); nothing when the file cannot take them.
  void CompleteEfforts(const std::vector<PartieJouee>& parties);
  int EnAttente() const { return static_cast<int>(enAttente_.size()); }
  const QString& RaisonEnAttente() const { return raisonEnAttente_; }

  // A finished attempt at this date's draw of the day is recorded.
  bool JourJoue(QDate jour) const;
  // At most `nombre` games, the latest first (those waiting first of all);
  // `erreur` says why the file could not be read.
  std::vector<PartieJouee> Dernieres(int nombre, QString* erreur = nullptr) const;
  // The games on file; its `erreur` says why they could not be read.
  BilanParties Bilan(QDate aujourdhui) const;
  // Every game, oldest first, as lines of a CSV file with a title line
  // (fields separated by semicolons, as French spreadsheets read them).
  QStringList LignesCsv(QString* erreur = nullptr) const;

 private:
  struct Echec {
    bool endommage = false;  // the file is there but no sound database
    int code = 0;            // SQLite's primary result code
    QString detail;
  };
  enum class Acces { Ecriture, Lecture };
  std::optional<Echec> Prepare(Acces acces);
  // Prepare again while another window holds the file, within the wait.
  std::optional<Echec> PrepareEnAttendant(Acces acces);
  std::optional<Echec> Migre();
  // The columns the table lacks, read as empty; their names.
  QStringList LitColonnes();
  bool MetDeCote(Ouverture& ouverture);
  void FermeConnexion();
  bool Insere(const PartieJouee& partie);
  // After a read-only opening, the file made writable again.
  void RouvreSiModifiable();

  QString connexion_;  // this store's own Qt SQL connection
  QString chemin_;
  std::chrono::milliseconds attente_;
  bool ouvert_ = false;
  bool lectureSeule_ = false;
  QStringList colonnesPresentes_;  // those of the file, among this version's
  QString source_;                 // the table, or a selection that fills the missing columns
  std::deque<PartieJouee> enAttente_;
  QString raisonEnAttente_;
};

}  // namespace tolvan
