// The game's text files (themes, draws, levels, languages) as the window
// reads and writes them: Windows-1252 with CR LF (see library/TexteWindows.h),
// read only from regular files, written whole or not at all.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "library/TexteWindows.h"

namespace tolvan {

struct LectureTexte {
  enum Etat { Lu, OuvertureImpossible, LectureImpossible };
  Etat etat = Lu;
  QStringList lignes;  // after a read failure, those read before it
  QString raison = {};  // why it could not be opened, in the player's words
};
// Small files only: what lies beyond the first megabyte is not read.
LectureTexte LitFichierTexte(const QString& chemin, FinsDeLigne fins = FinsDeLigne::Windows);

// Replaces the file with these bytes, whole or not at all: they go to a
// temporary file beside it, renamed over it once complete, so a failed or
// interrupted write leaves the previous file as it was.
enum class EcritureTexte { Ecrit, OuvertureImpossible, EcritureImpossible };
struct ResultatEcriture {
  EcritureTexte etat = EcritureTexte::Ecrit;
  QString raison = {};  // why it failed, in the player's words ("disque plein")
  bool operator==(EcritureTexte autre) const { return etat == autre; }
};
ResultatEcriture EcritFichierOctets(const QString& chemin, const QByteArray& contenu);
// Each line followed by CR LF; a CR or a Ctrl-Z inside a line becomes a
// space, so that every line reads back as one.
ResultatEcriture EcritFichierTexte(const QString& chemin, const QStringList& lignes);

}  // namespace tolvan
