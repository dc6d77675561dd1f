// Games the history could not take before the window closed (the file
// locked by another program, the disk full) would be lost with the
// window: they go instead into a small database of their own beside the
// history, "historique-en-attente.sqlite", with the history's own schema,
// and the next start takes them back, removes the file and writes them
// into the history. The next start takes the file over by renaming it
// first, so that two windows opening together never take the same games.
#pragma once

#include <vector>

#include <QString>

#include "PartieJouee.h"

namespace tolvan {

// Where the games kept at close wait, beside the history at `historique`.
QString CheminReserve(const QString& historique);

struct Garde {
  int gardees = 0;  // games now in the reserve
  QString raison;   // why the others could not be kept, in French
};
// Adds `parties` to the reserve beside `historique`, each whole or not at
// all; a reserve already there (another window closed with games waiting)
// keeps its own.
Garde GardeParties(const QString& historique, const std::vector<PartieJouee>& parties);

struct Reprise {
  std::vector<PartieJouee> parties;  // oldest first
  QString erreur;  // why a reserve that is there could not be read; it is left in place
};
// The games of the reserve beside `historique`, the file removed; none
// when there is no reserve.
Reprise ReprendParties(const QString& historique);

}  // namespace tolvan
