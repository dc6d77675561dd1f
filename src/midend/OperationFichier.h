// The one way the game reads or writes a file the player chose: a file
// that cannot be opened asks Retry or Cancel (Retry runs the whole
// operation again), a failure after opening is reported with OK.
#pragma once

#include <functional>

#include <QString>

#include "FichierTexte.h"
#include "TextesMessages.h"
#include "Services.h"

namespace tolvan {

// `Signalee`: the operation failed and has said so itself.
enum class IssueFichier { Reussie, OuvertureImpossible, LectureImpossible, EcritureImpossible, Signalee };

// What a write came to, as a file operation sees it.
IssueFichier IssueEcriture(EcritureTexte ecriture);

// Runs `operation` until it succeeds, fails past opening, or the player
// cancels; `texteOuverture` is the question shown when the file cannot be
// opened. True when the operation succeeded.
bool AvecReessai(const QString& texteOuverture, Services& plateforme, const TextesMessages& textes,
                 const std::function<IssueFichier()>& operation);

// The usual question: the open error, the file's path, then "Retry?".
QString QuestionOuverture(const QString& chemin, const TextesMessages& textes);
// A failure, then "Retry?", without a path.
QString QuestionReessai(const QString& probleme, const TextesMessages& textes);

// Asks `question` with Retry and Cancel in an error box: true for Retry.
bool Reessayer(Services& plateforme, const QString& question);

}  // namespace tolvan
