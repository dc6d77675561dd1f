#include "FiltresFichiers.h"

#include <QFileInfo>
#include <QStringList>

namespace tolvan {

QString FiltreQt(const QString& filtre) {
  const QStringList morceaux = filtre.split(QLatin1Char('|'));
  QStringList filtres;
  for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2) {
    const QString motifs = QString(morceaux[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
    filtres.append(morceaux[i] + QStringLiteral(" (") + motifs + QLatin1Char(')'));
  }
  return filtres.join(QStringLiteral(";;"));
}

QString AvecExtension(const QString& chemin, const QString& extension) {
  if (extension.isEmpty() || chemin.isEmpty() || !QFileInfo(chemin).suffix().isEmpty()) return chemin;
  return chemin + QLatin1Char('.') + extension;
}

}  // namespace tolvan
