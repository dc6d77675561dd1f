#include "Pictos.h"

#include <cmath>
#include <numbers>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace tolvan {

namespace {

constexpr int Taille = 32;  // drawn at 32 px, shown at 16 to 24

const QColor Encre(0x20, 0x3a, 0x60);
const QColor Vert(0x2e, 0x7d, 0x32);
const QColor Orange(0xe6, 0x7e, 0x22);
const QColor Rouge(0xc0, 0x39, 0x2b);
const QColor Jaune(0xf4, 0xc4, 0x30);
const QColor Craie(0xf5, 0xf5, 0xf0);
const QColor Tableau(0x1f, 0x3d, 0x2b);

QPen Trait(const QColor& couleur, qreal epaisseur) {
  return QPen(couleur, epaisseur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Fleche(QPainter& p, bool versLaDroite, const QColor& couleur) {
  QPainterPath chemin;
  const qreal s = versLaDroite ? 1 : -1;
  const qreal c = Taille / 2.0;
  chemin.moveTo(c - s * 10, c - 5);
  chemin.lineTo(c, c - 5);
  chemin.lineTo(c, c - 12);
  chemin.lineTo(c + s * 12, c);
  chemin.lineTo(c, c + 12);
  chemin.lineTo(c, c + 5);
  chemin.lineTo(c - s * 10, c + 5);
  chemin.closeSubpath();
  p.setPen(Trait(couleur.darker(140), 1.5));
  p.setBrush(couleur);
  p.drawPath(chemin);
}

void Operateur(QPainter& p, Picto picto) {
  p.setPen(Trait(Encre, 4.5));
  const QPointF c(Taille / 2.0, Taille / 2.0);
  switch (picto) {
    case Picto::Plus:
      p.drawLine(QPointF(c.x() - 10, c.y()), QPointF(c.x() + 10, c.y()));
      p.drawLine(QPointF(c.x(), c.y() - 10), QPointF(c.x(), c.y() + 10));
      break;
    case Picto::Fois:
      p.drawLine(QPointF(c.x() - 8, c.y() - 8), QPointF(c.x() + 8, c.y() + 8));
      p.drawLine(QPointF(c.x() - 8, c.y() + 8), QPointF(c.x() + 8, c.y() - 8));
      break;
    case Picto::Moins:
      p.drawLine(QPointF(c.x() - 10, c.y()), QPointF(c.x() + 10, c.y()));
      break;
    default:  // divided by
      p.drawLine(QPointF(c.x() - 10, c.y()), QPointF(c.x() + 10, c.y()));
      p.setBrush(Encre);
      p.setPen(Qt::NoPen);
      p.drawEllipse(QPointF(c.x(), c.y() - 8), 3, 3);
      p.drawEllipse(QPointF(c.x(), c.y() + 8), 3, 3);
      break;
  }
}

void Retour(QPainter& p) {
  QPainterPath arc;
  arc.moveTo(9, 13);
  arc.cubicTo(14, 5, 27, 6, 27, 17);
  arc.cubicTo(27, 24, 21, 27, 15, 27);
  p.setPen(Trait(Orange, 4));
  p.drawPath(arc);
  QPainterPath pointe;
  pointe.moveTo(3, 8);
  pointe.lineTo(13, 6);
  pointe.lineTo(10, 17);
  pointe.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(Orange);
  p.drawPath(pointe);
}

void Ampoule(QPainter& p) {
  p.setPen(Trait(Encre, 1.5));
  p.setBrush(Jaune);
  p.drawEllipse(QRectF(7, 3, 18, 18));
  p.setBrush(QColor(0x99, 0x99, 0x99));
  p.drawRect(QRectF(11.5, 20, 9, 7));
  p.drawLine(QPointF(11.5, 23.5), QPointF(20.5, 23.5));
  p.setPen(Trait(Qt::white, 2));
  p.drawArc(QRectF(11, 7, 10, 10), 100 * 16, 70 * 16);
}

void Crayon(QPainter& p) {
  p.save();
  p.translate(16, 16);
  p.rotate(-45);
  p.setPen(Trait(Encre, 1.5));
  p.setBrush(Jaune);
  p.drawRect(QRectF(-12, -4, 18, 8));
  p.setBrush(QColor(0xe8, 0x9f, 0xa0));
  p.drawRect(QRectF(-15, -4, 3, 8));
  QPainterPath pointe;
  pointe.moveTo(6, -4);
  pointe.lineTo(14, 0);
  pointe.lineTo(6, 4);
  pointe.closeSubpath();
  p.setBrush(QColor(0xf0, 0xd9, 0xb5));
  p.drawPath(pointe);
  p.restore();
}

void Triangle(QPainter& p, const QColor& couleur) {
  QPainterPath chemin;
  chemin.moveTo(9, 5);
  chemin.lineTo(27, 16);
  chemin.lineTo(9, 27);
  chemin.closeSubpath();
  p.setPen(Trait(couleur.darker(140), 1.5));
  p.setBrush(couleur);
  p.drawPath(chemin);
}

void Oeil(QPainter& p) {
  QPainterPath contour;
  contour.moveTo(3, 16);
  contour.quadTo(16, 2, 29, 16);
  contour.quadTo(16, 30, 3, 16);
  p.setPen(Trait(Encre, 2));
  p.setBrush(Qt::white);
  p.drawPath(contour);
  p.setBrush(QColor(0x2a, 0x6f, 0xb5));
  p.drawEllipse(QPointF(16, 16), 6, 6);
  p.setBrush(Encre);
  p.drawEllipse(QPointF(16, 16), 2.5, 2.5);
}

// The point at `rayon` from the centre (16, cy), at `angle` radians.
QPointF Polaire(qreal cy, qreal rayon, qreal angle) {
  return QPointF(16 + rayon * std::cos(angle), cy + rayon * std::sin(angle));
}

void Etoile(QPainter& p) {
  QPolygonF pointes;
  for (int i = 0; i < 10; ++i) {
    pointes << Polaire(17, (i % 2 == 0) ? 13 : 5.5, -std::numbers::pi / 2 + i * std::numbers::pi / 5);
  }
  QPainterPath etoile;
  etoile.addPolygon(pointes);
  etoile.closeSubpath();
  p.setPen(Trait(Orange.darker(130), 1.5));
  p.setBrush(Jaune);
  p.drawPath(etoile);
}

void Spirale(QPainter& p) {
  QPolygonF tours;
  for (int i = 0; i <= 60; ++i) tours << Polaire(16, 1 + i * 0.22, i * 0.3);
  QPainterPath spirale;
  spirale.addPolygon(tours);
  p.setPen(Trait(QColor(0x8e, 0x44, 0xad), 3));
  p.drawPath(spirale);
}

void Personne(QPainter& p) {
  p.setPen(Trait(Encre, 1.5));
  p.setBrush(QColor(0x2a, 0x6f, 0xb5));
  p.drawEllipse(QPointF(16, 10), 6, 6);
  QPainterPath corps;
  corps.moveTo(5, 29);
  corps.cubicTo(5, 17, 27, 17, 27, 29);
  corps.closeSubpath();
  p.drawPath(corps);
}

void Drapeau(QPainter& p) {
  p.setPen(Trait(Encre, 2.5));
  p.drawLine(QPointF(8, 4), QPointF(8, 29));
  QPainterPath toile;
  toile.moveTo(9, 5);
  toile.cubicTo(15, 2, 19, 9, 27, 6);
  toile.lineTo(27, 18);
  toile.cubicTo(19, 21, 15, 14, 9, 17);
  toile.closeSubpath();
  p.setPen(Trait(Rouge.darker(130), 1.5));
  p.setBrush(Rouge);
  p.drawPath(toile);
}

void Dossier(QPainter& p) {
  p.setPen(Trait(QColor(0x9a, 0x6b, 0x0f), 1.5));
  p.setBrush(QColor(0xf0, 0xb4, 0x3c));
  QPainterPath dos;
  dos.moveTo(3, 8);
  dos.lineTo(12, 8);
  dos.lineTo(15, 11);
  dos.lineTo(29, 11);
  dos.lineTo(29, 27);
  dos.lineTo(3, 27);
  dos.closeSubpath();
  p.drawPath(dos);
  p.setBrush(QColor(0xf8, 0xcd, 0x6a));
  p.drawRect(QRectF(3, 14, 26, 13));
}

void Disquette(QPainter& p) {
  p.setPen(Trait(Encre, 1.5));
  p.setBrush(QColor(0x2a, 0x6f, 0xb5));
  p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(9, 5, 14, 8));
  p.setBrush(QColor(0xdd, 0xdd, 0xdd));
  p.drawRect(QRectF(8, 18, 16, 10));
}

void Arbre(QPainter& p) {
  p.setPen(Trait(Encre, 2));
  p.drawLine(QPointF(16, 9), QPointF(8, 20));
  p.drawLine(QPointF(16, 9), QPointF(24, 20));
  p.setBrush(Vert);
  p.drawEllipse(QPointF(16, 8), 5, 5);
  p.setBrush(Jaune);
  p.drawEllipse(QPointF(8, 23), 5, 5);
  p.drawEllipse(QPointF(24, 23), 5, 5);
}

void Lignes(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(Tableau);
  p.drawRoundedRect(QRectF(2, 4, 28, 24), 3, 3);
  p.setPen(Trait(Craie, 2));
  p.drawLine(QPointF(7, 11), QPointF(25, 11));
  p.drawLine(QPointF(7, 16), QPointF(21, 16));
  p.setPen(Trait(Jaune, 3));
  p.drawLine(QPointF(7, 22), QPointF(25, 22));
}

void HautParleur(QPainter& p) {
  QPainterPath corps;
  corps.moveTo(4, 12);
  corps.lineTo(10, 12);
  corps.lineTo(17, 5);
  corps.lineTo(17, 27);
  corps.lineTo(10, 20);
  corps.lineTo(4, 20);
  corps.closeSubpath();
  p.setPen(Trait(Encre, 1.5));
  p.setBrush(Encre);
  p.drawPath(corps);
  p.setBrush(Qt::NoBrush);
  p.setPen(Trait(QColor(0x2a, 0x6f, 0xb5), 2.2));
  p.drawArc(QRectF(13, 10, 10, 12), -50 * 16, 100 * 16);
  p.drawArc(QRectF(12, 5, 17, 22), -50 * 16, 100 * 16);
}

// A blackboard with a chalk "=" and a golden tile: the program's icon.
void Application(QPainter& p) {
  p.setPen(Trait(QColor(0x6d, 0x4c, 0x2f), 2));
  p.setBrush(Tableau);
  p.drawRoundedRect(QRectF(2, 3, 28, 22), 2, 2);
  p.setPen(Trait(Craie, 2.5));
  p.drawLine(QPointF(8, 11), QPointF(16, 11));
  p.drawLine(QPointF(8, 16), QPointF(16, 16));
  p.setPen(Trait(QColor(0x9a, 0x6b, 0x0f), 1.5));
  p.setBrush(Jaune);
  p.drawRoundedRect(QRectF(18, 15, 12, 14), 2, 2);
  p.setPen(Trait(Encre, 2));
  p.drawLine(QPointF(22, 19), QPointF(24, 18));
  p.drawLine(QPointF(24, 18), QPointF(24, 26));
}

void Dessine(QPainter& p, Picto picto) {
  switch (picto) {
    case Picto::Plus:
    case Picto::Fois:
    case Picto::Moins:
    case Picto::Divise: Operateur(p, picto); break;
    case Picto::Gauche: Fleche(p, false, Vert); break;
    case Picto::Droite: Fleche(p, true, Vert); break;
    case Picto::Retour: Retour(p); break;
    case Picto::Aides: Ampoule(p); break;
    case Picto::Modifier: Crayon(p); break;
    case Picto::Jouer: Triangle(p, Vert); break;
    case Picto::Solutions: Oeil(p); break;
    case Picto::Simple: Etoile(p); break;
    case Picto::Tordue: Spirale(p); break;
    case Picto::Mienne: Personne(p); break;
    case Picto::Commencer: Drapeau(p); break;
    case Picto::Dossier: Dossier(p); break;
    case Picto::Disquette: Disquette(p); break;
    case Picto::Decomposition: Arbre(p); break;
    case Picto::DerniereLigne: Lignes(p); break;
    case Picto::Ecouter: HautParleur(p); break;
    case Picto::Application: Application(p); break;
  }
}

}  // namespace

QPixmap ImageDe(Picto picto, int taille) {
  QPixmap image(taille, taille);
  image.fill(Qt::transparent);
  QPainter peintre(&image);
  peintre.setRenderHint(QPainter::Antialiasing);
  peintre.scale(static_cast<qreal>(taille) / Taille, static_cast<qreal>(taille) / Taille);
  Dessine(peintre, picto);
  peintre.end();
  return image;
}

QIcon IconeDe(Picto picto) {
  QIcon icone;
  for (const int taille : {16, 24, 32, 48, 64}) icone.addPixmap(ImageDe(picto, taille));
  return icone;
}

}  // namespace tolvan
