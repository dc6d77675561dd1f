// Where the "A propos" page sends the player: the help page that comes with
// the game, and the project's mail address.
#pragma once

#include <QString>

namespace tolvan {

inline const QString FichierAide = QStringLiteral("AidesDeTolvan.html");
inline const QString FichierAideWindows = QStringLiteral("AidesDeTolvan.chm");
inline const QString AncreRemerciements = QStringLiteral("#merci");
inline const QString CourrielProjet = QStringLiteral("tolvan@example.org");

}  // namespace tolvan
