// Lines of text on a printer: one below the other in a fixed-width face,
// a new page when one is full or at a line that is a form feed ("\f").
#pragma once

#include <QStringList>

#include "Plateforme.h"

class QPrinter;

namespace tolvan {

Plateforme::Impression ImprimeLignes(QPrinter& imprimante, const QString& titreDocument, const QStringList& lignes);

}  // namespace tolvan
