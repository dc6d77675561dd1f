#include "TaillePolice.h"

#include <QFont>
#include <QFontMetrics>
#include <QWidget>

namespace tolvan {

namespace {

constexpr int PointsMinimum = 5;

}  // namespace

int TaillePourLargeur(const QFont& police, const QString& texte, int largeur, int maximum) {
  QFont essai(police);
  for (int points = maximum; points > PointsMinimum; --points) {
    essai.setPointSize(points);
    if (QFontMetrics(essai).horizontalAdvance(texte) <= largeur) return points;
  }
  return PointsMinimum;
}

void AjustePolice(QWidget* controle, const QString& texte, int largeur, int maximum) {
  controle->ensurePolished();
  const int points = TaillePourLargeur(controle->font(), texte, largeur, maximum);
  // A style sheet costs a new polish: set it only when the size changes.
  if (controle->property("taillePolice").toInt() == points) return;
  controle->setProperty("taillePolice", points);
  controle->setStyleSheet(points == maximum ? QString() : QStringLiteral("font-size: %1pt;").arg(points));
}

}  // namespace tolvan
