// The player's history: every finished game, one row each, in a SQLite
// database in the player's data folder (historique.sqlite), read back for
// "Mes parties" and its CSV export. Each game is written in a transaction
// of its own, so a game is recorded whole or not at all; SQLite's locking,
// with a busy timeout, lets two Tolvan windows record at the same time.
//
// The schema carries its version (PRAGMA user_version) and is brought
// forward step by step when an older one is opened. A file that is no
// database, or a damaged one, is renamed aside, never deleted.
#pragma once

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
  // indexes for the last days and the runs of days.
  static constexpr int VersionSchema = 2;

  struct Ouverture {
    enum Etat { Ouvert, Impossible, MisDeCote };
    Etat etat = Ouvert;
    QString detail;     // what went wrong, in SQLite's or Qt's words
    QString misDeCote;  // the damaged file's new path
  };

  Historique();
  ~Historique();
  Historique(const Historique&) = delete;
  Historique& operator=(const Historique&) = delete;

  // Opens or creates the database and brings its schema to this version. A
  // damaged one is renamed aside and a new one started in its place.
  Ouverture Ouvre(const QString& chemin);
  void Ferme();
  bool EstOuvert() const { return ouvert_; }
  const QString& Chemin() const { return chemin_; }

  // One game, in a transaction of its own; false, with `erreur`, when it
  // could not be written.
  bool Enregistre(const PartieJouee& partie, QString* erreur = nullptr);

  // A finished attempt at this date's draw of the day is recorded.
  bool JourJoue(QDate jour) const;
  // At most `nombre` games, the latest first.
  std::vector<PartieJouee> Dernieres(int nombre) const;
  BilanParties Bilan(QDate aujourdhui) const;
  // Every game, oldest first, as lines of a CSV file with a title line
  // (fields separated by semicolons, as French spreadsheets read them).
  QStringList LignesCsv() const;

 private:
  struct Echec {
    bool endommage = false;  // the file is there but no sound database
    QString detail;
  };
  // Opens the connection and brings the schema up to date.
  std::optional<Echec> Prepare();
  std::optional<Echec> Migre();
  // The damaged file renamed aside; false when it could not be.
  bool MetDeCote(Ouverture& ouverture);

  QString connexion_;  // this store's own Qt SQL connection
  QString chemin_;
  bool ouvert_ = false;
};

}  // namespace tolvan
