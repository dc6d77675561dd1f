// Text files as every file of the game stores them: single-byte
// Windows-1252, each line ended by CR LF. When reading, a line ends at a CR,
// an LF right after it is skipped (an LF alone is an ordinary character) and
// a Ctrl-Z ends the file, so that files made by earlier versions of the game
// read unchanged.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tolvan {

QString DepuisWindows1252(const QByteArray& octets);
// A character the code page lacks is written as "?".
QByteArray VersWindows1252(const QString& texte);

// The lines of a file's bytes; an empty file has none.
QStringList DecoupeLignes(const QByteArray& contenu);

struct LectureTexte {
  enum Etat { Lu, OuvertureImpossible, LectureImpossible };
  Etat etat = Lu;
  QStringList lignes;
};
LectureTexte LitFichierTexte(const QString& chemin);

// Writes each line followed by CR LF. The file is replaced whole or not at
// all: a failed write leaves the previous file as it was.
enum class EcritureTexte { Ecrit, OuvertureImpossible, EcritureImpossible };
EcritureTexte EcritFichierTexte(const QString& chemin, const QStringList& lignes);

}  // namespace tolvan
