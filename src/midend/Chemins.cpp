#include "Chemins.h"

#include <algorithm>

namespace tolvan {

namespace {

qsizetype DernierSeparateur(const QString& chemin) {
  return std::max(chemin.lastIndexOf(QLatin1Char('/')), chemin.lastIndexOf(QLatin1Char('\\')));
}

}  // namespace

QString NomDeFichier(const QString& chemin) { return chemin.mid(DernierSeparateur(chemin) + 1); }

QString RepertoireDe(const QString& chemin) { return chemin.left(DernierSeparateur(chemin) + 1); }

}  // namespace tolvan
