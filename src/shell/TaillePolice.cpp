#include "TaillePolice.h"

#include <functional>

#include <QFont>
#include <QFontMetrics>
#include <QWidget>

namespace tolvan {

namespace {

constexpr int PointsMinimum = 5;

int PlusGrandeTaille(const QFont& police, int maximum, const std::function<bool(const QFontMetrics&)>& tient) {
  QFont essai(police);
  for (int points = maximum; points > PointsMinimum; --points) {
    essai.setPointSize(points);
    if (tient(QFontMetrics(essai))) return points;
  }
  return PointsMinimum;
}

void DonneTaille(QWidget* controle, int points, int maximum) {
  // A style sheet costs a new polish: set it only when the size changes.
  if (controle->property("taillePolice").toInt() == points) return;
  controle->setProperty("taillePolice", points);
  controle->setStyleSheet(points == maximum ? QString() : QStringLiteral("font-size: %1pt;").arg(points));
}

}  // namespace

int TaillePourLargeur(const QFont& police, const QString& texte, int largeur, int maximum) {
  return PlusGrandeTaille(police, maximum,
                          [&](const QFontMetrics& mesure) { return mesure.horizontalAdvance(texte) <= largeur; });
}

int TaillePourCadre(const QFont& police, const QString& texte, QSize cadre, int maximum) {
  return PlusGrandeTaille(police, maximum, [&](const QFontMetrics& mesure) {
    return mesure.boundingRect(QRect(QPoint(), cadre), Qt::TextWordWrap, texte).height() <= cadre.height();
  });
}

void AjustePolice(QWidget* controle, const QString& texte, int largeur, int maximum) {
  controle->ensurePolished();
  DonneTaille(controle, TaillePourLargeur(controle->font(), texte, largeur, maximum), maximum);
}

void AjustePoliceAuCadre(QWidget* controle, const QString& texte, QSize cadre, int maximum) {
  controle->ensurePolished();
  DonneTaille(controle, TaillePourCadre(controle->font(), texte, cadre, maximum), maximum);
}

}  // namespace tolvan
