// The small pictures of the window's picture buttons and the program's
// icon, drawn here so that they look the same on every desktop.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace tolvan {

enum class Picto {
  Plus,
  Fois,
  Moins,
  Divise,
  Gauche,
  Droite,
  Retour,
  Aides,
  Modifier,
  Jouer,
  Solutions,
  Simple,
  Tordue,
  Mienne,
  Commencer,
  Dossier,
  Disquette,
  Decomposition,
  DerniereLigne,
  Ecouter,
  Application,
};

QIcon IconeDe(Picto picto);
QPixmap ImageDe(Picto picto, int taille);

}  // namespace tolvan
