// The one way the game reads or writes a file the player chose: a file
// that cannot be opened asks Retry or Cancel (Retry runs the whole
// operation again), a failure after opening is reported with OK. Each
// message names the file and, when it is known, why it failed.
#pragma once

#include <functional>

#include <QString>

#include "FichierTexte.h"
#include "TextesMessages.h"
#include "Services.h"
#include "regimes/Feuille.h"

namespace tolvan {

// `Signalee`: the operation failed and has said so itself.
enum class IssueFichier { Reussie, OuvertureImpossible, LectureImpossible, EcritureImpossible, Signalee };

// What became of one try, with why it failed in the player's words.
struct Tentative {
  Tentative(IssueFichier issue, QString raison = {}) : issue(issue), raison(std::move(raison)) {}
  IssueFichier issue;
  QString raison;
};

// What a write came to, as a file operation sees it.
Tentative IssueEcriture(const ResultatEcriture& ecriture);

// Runs `operation` on `chemin` until it succeeds, fails past opening, or
// the player cancels. True when the operation succeeded.
bool AvecReessai(const QString& chemin, Services& plateforme, const TextesMessages& textes,
                 const std::function<Tentative()>& operation);

// The open error, the file's path and why, then "Retry?".
QString QuestionOuverture(const QString& chemin, const QString& raison, const TextesMessages& textes);
// A failure, then "Retry?".
QString QuestionReessai(const QString& probleme, const TextesMessages& textes);

// Asks `question` with Retry and Cancel in an error box: true for Retry.
bool Reessayer(Services& plateforme, const QString& question);

// Prints `lignes` after the print dialog, asking again while the printer
// cannot start; a line that cannot be printed is said once.
void ImprimeLignes(Services& plateforme, const TextesMessages& textes, const QString& titre, const QStringList& lignes);
// A way to play's sheet on paper, headed with its title and the day's date.
void ImprimeFeuille(Services& plateforme, const TextesMessages& textes, const Feuille& feuille);

}  // namespace tolvan
