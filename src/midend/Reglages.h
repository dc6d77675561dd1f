// The options kept from one run to the next, in the user's configuration
// store: fifteen string values in three nested keys. This reads and writes
// them; the options they hold are the game's own (see Options.h).
#pragma once

#include <array>
#include <optional>

#include <QString>
#include <QStringList>

#include "Services.h"

namespace tolvan {

inline const QString CleTolvan = QStringLiteral("software/Tolvan");
inline const QString CleOption = QStringLiteral("software/Tolvan/Option");
inline const QString CleSound = QStringLiteral("software/Tolvan/Option/Sound");

// The values, in the order they are read: the fifteen the game has always
// kept, then the coach, the difficulty of random draws and whether the
// player's rating shows.
enum class Reglage {
  Langue, SolAuto, CalcAuto, VoirSol, Premier, Fous, Temps,
  Click, Result, Erreur, Annul, NewGame, Trouve, TempsSon, Fichier,
  Coach, Difficulte, VoirCote
};
inline constexpr int NbReglages = 18;

struct ValeurReglage {
  QString cle;
  QString nom;  // "Temps" and "temps" are two values, in two keys
};
const ValeurReglage& EmplacementDe(Reglage reglage);

// Yes/no options are stored "true" and "false"; only the exact text "true"
// reads as yes.
inline QString TexteCase(bool cochee) { return cochee ? QStringLiteral("true") : QStringLiteral("false"); }
inline bool CaseDuTexte(const QString& texte) { return texte == QStringLiteral("true"); }

using ValeursReglages = std::array<std::optional<QString>, NbReglages>;

struct LectureReglages {
  // Each value as read; nothing when it was absent, could not be read, or is bad (a "Temps" that is no whole number).
  ValeursReglages valeurs;
  bool echec = false;  // the store failed, or a value was bad: the player is told once
};
// Each value on its own: one that cannot be read or is bad costs no other.
LectureReglages LisReglages(MagasinReglages& magasin);
// Writes only the values given (nothing: the store keeps what it holds), whole or not at all; false when the store failed.
bool EcritReglages(MagasinReglages& magasin, const ValeursReglages& valeurs);

}  // namespace tolvan
