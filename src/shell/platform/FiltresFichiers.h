// File-dialog filters are written the way the game has always stored them,
// "Fichiers Tirage *.tir|*.tir": description and pattern in turn, separated
// by "|". Qt wants "Fichiers Tirage *.tir (*.tir)".
#pragma once

#include <QString>

namespace tolvan {

QString FiltreQt(const QString& filtre);

// The name with the default extension added when it has none.
QString AvecExtension(const QString& chemin, const QString& extension);

}  // namespace tolvan
