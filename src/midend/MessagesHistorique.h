// What the player is told of the history: how its opening went, the games
// kept beside it at close, and the export of its games to a CSV file.
#pragma once

#include <optional>

#include <QString>

#include "Historique.h"
#include "ReserveHistorique.h"
#include "Services.h"
#include "TextesMessages.h"

namespace tolvan {

struct AvisHistorique {
  TypeMessage type;
  QString texte;
};

// The message after opening the history at `chemin`; nothing when it opened
// as it should.
std::optional<AvisHistorique> AvisOuverture(const Historique::Ouverture& ouverture, const QString& chemin);

// The message when the window closes with `enAttente` games the history
// could not take (`raison`), of which the reserve beside it kept `garde`.
AvisHistorique AvisFermeture(int enAttente, const QString& raison, const Garde& garde, const QString& reserve);
// The message when the reserve left by the last close cannot be read.
AvisHistorique AvisReprise(const QString& erreur, const QString& reserve);

// Writes every game of `historique` to `chemin`, the file's messages as
// every file operation gives them. A history that cannot be read, or holds
// no game, writes nothing and says so: an earlier export stays as it was.
bool ExporteParties(const Historique& historique, const QString& chemin, Services& services,
                    const TextesMessages& textes);

}  // namespace tolvan
