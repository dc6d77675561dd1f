// Files as the tests write and read them: a folder of their own that goes
// when the test ends, and what a file holds, byte for byte.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace tolvan::test {

inline QByteArray Contenu(const QString& chemin) {
  QFile fichier(chemin);
  fichier.open(QIODevice::ReadOnly);
  return fichier.readAll();
}

struct DossierDeTest {
  QTemporaryDir dossier;

  QString Chemin(const QString& nom) const { return dossier.filePath(nom); }
  // The folder with its separator, as the game takes the program's folder.
  QString Repertoire() const { return dossier.path() + QLatin1Char('/'); }
  void Ecrit(const QString& nom, const QByteArray& contenu) const {
    QFile fichier(Chemin(nom));
    fichier.open(QIODevice::WriteOnly);
    fichier.write(contenu);
  }
  QByteArray Lit(const QString& nom) const { return Contenu(Chemin(nom)); }
};

}  // namespace tolvan::test
