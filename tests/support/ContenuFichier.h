// What a file holds, byte for byte, as the tests read it back.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tolvan::test {

inline QByteArray Contenu(const QString& chemin) {
  QFile fichier(chemin);
  fichier.open(QIODevice::ReadOnly);
  return fichier.readAll();
}

}  // namespace tolvan::test
