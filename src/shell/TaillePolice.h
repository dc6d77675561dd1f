// Numbers of any length on controls of a fixed size: the text is shown in
// the largest size up to the control's usual one at which it fits whole.
#pragma once

#include <QSize>
#include <QString>

class QFont;
class QWidget;

namespace tolvan {

// The largest point size from `maximum` down to a legible minimum at which
// `texte` in `police` is no wider than `largeur` pixels.
int TaillePourLargeur(const QFont& police, const QString& texte, int largeur, int maximum);

// Gives `controle` that size for `texte` within `largeur`, through its own
// style sheet, which outranks the window's.
void AjustePolice(QWidget* controle, const QString& texte, int largeur, int maximum);

// The same for a text wrapped over lines: the largest size at which it
// fits whole within `cadre`, given to `controle`.
int TaillePourCadre(const QFont& police, const QString& texte, QSize cadre, int maximum);
void AjustePoliceAuCadre(QWidget* controle, const QString& texte, QSize cadre, int maximum);

}  // namespace tolvan
