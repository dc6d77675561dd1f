#include "Feuille.h"

#include <algorithm>

namespace tolvan {

namespace {

constexpr int EntreColonnes = 2;

// Each column as wide as its widest cell or title.
std::vector<qsizetype> Largeurs(const Feuille& feuille) {
  std::vector<qsizetype> largeurs(static_cast<std::size_t>(feuille.colonnes.size()), 0);
  const auto mesure = [&largeurs](const QStringList& cellules) {
    for (qsizetype c = 0; c < cellules.size() && c < static_cast<qsizetype>(largeurs.size()); ++c) {
      largeurs[static_cast<std::size_t>(c)] = std::max(largeurs[static_cast<std::size_t>(c)], cellules[c].size());
    }
  };
  mesure(feuille.colonnes);
  for (const QStringList& rangee : feuille.rangees) mesure(rangee);
  return largeurs;
}

QString Rangee(const QStringList& cellules, const std::vector<qsizetype>& largeurs) {
  QString ligne;
  for (std::size_t c = 0; c < largeurs.size(); ++c) {
    const QString cellule = static_cast<qsizetype>(c) < cellules.size() ? cellules[static_cast<qsizetype>(c)] : QString();
    ligne += c + 1 < largeurs.size() ? cellule.leftJustified(largeurs[c] + EntreColonnes) : cellule;
  }
  return ligne.trimmed().isEmpty() ? QString() : ligne;
}

}  // namespace

QStringList Feuille::Lignes() const {
  QStringList lignes = enTete;
  if (!rangees.empty()) {
    const std::vector<qsizetype> largeurs = Largeurs(*this);
    if (!lignes.isEmpty()) lignes.append(QString());
    lignes.append(Rangee(colonnes, largeurs));
    for (const QStringList& rangee : rangees) lignes.append(Rangee(rangee, largeurs));
  }
  if (!pied.isEmpty()) lignes.append(QString());
  lignes.append(pied);
  return lignes;
}

QStringList Feuille::LignesImprimees(const QString& date) const {
  return QStringList{titre, date, QString()} + Lignes();
}

QString Feuille::Resume() const {
  return (QStringList{titre} + enTete + pied).join(QStringLiteral(", "));
}

}  // namespace tolvan
