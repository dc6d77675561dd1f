// The options kept from one run to the next, in the user's configuration
// store: fifteen string values in three nested keys. This reads and writes
// them; the window applies them to its controls.
#pragma once

#include <array>

#include <QString>
#include <QStringList>

#include "platform/Plateforme.h"

namespace tolvan {

inline const QString CleTolvan = QStringLiteral("software/Tolvan");
inline const QString CleOption = QStringLiteral("software/Tolvan/Option");
inline const QString CleSound = QStringLiteral("software/Tolvan/Option/Sound");

// The fifteen values, in the order they are read.
enum class Reglage {
  Langue, SolAuto, CalcAuto, VoirSol, Premier, Fous, Temps,
  Click, Result, Erreur, Annul, NewGame, Trouve, TempsSon, Fichier
};
inline constexpr int NbReglages = 15;

struct ValeurReglage {
  QString cle;
  QString nom;  // "Temps" and "temps" are two values, in two keys
};
const ValeurReglage& EmplacementDe(Reglage reglage);

// Yes/no options are stored "true" and "false"; only the exact text "true"
// reads as yes.
inline QString TexteCase(bool cochee) { return cochee ? QStringLiteral("true") : QStringLiteral("false"); }
inline bool CaseDuTexte(const QString& texte) { return texte == QStringLiteral("true"); }

struct LectureReglages {
  // The values read, in reading order, up to a failure; none when the
  // store has never been written.
  QStringList valeurs;
  bool echec = false;
};
// Stops at the first failure of the store, or at a "Temps" that is no
// whole number (an absent one included).
LectureReglages LisReglages(MagasinReglages& magasin);

// Stores the fifteen values (in reading order), whole or not at all;
// false when the store failed.
bool EcritReglages(MagasinReglages& magasin, const std::array<QString, NbReglages>& valeurs);

}  // namespace tolvan
