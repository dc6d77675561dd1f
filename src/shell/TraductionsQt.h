// The standard dialogs and buttons that Qt draws itself (files, printing,
// "Annuler", "Enregistrer") speak French like the rest of the game.
#pragma once

class QCoreApplication;
class QTranslator;

namespace tolvan {

// Installs Qt's own French texts; null when the system has none, and the
// dialogs then stay in English.
QTranslator* InstalleTraductionsQt(QCoreApplication& application);

}  // namespace tolvan
