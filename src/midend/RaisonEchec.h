// Why a file could not be read or written, in the player's words, for the
// line a failure message adds below its own text.
#pragma once

#include <QString>

namespace tolvan {

enum class Acces { Lecture, Ecriture };

// The system's error number in words ("disque plein", "lecture seule",
// "dossier introuvable"); empty for 0, when the system gave no reason.
QString RaisonSysteme(int erreur, Acces acces);

// Why `chemin` cannot be opened for reading, found by looking at it: a
// missing file or folder, a folder, a device; empty when nothing shows.
QString RaisonLecture(const QString& chemin);

// Why `chemin` cannot be written: the system's error number in words, or,
// when it gave none, what looking at the place shows.
QString RaisonEcriture(const QString& chemin, int erreur);

// "path : reason", or the path alone when the reason is not known.
QString LigneEchec(const QString& chemin, const QString& raison);

}  // namespace tolvan
