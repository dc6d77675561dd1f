// Tolvan: creates the application, the desktop platform and the main window.
#include <QApplication>
#include <QDir>

#include "shell/TForm1.h"
#include "shell/TraductionsQt.h"
#include "shell/platform/QtPlateforme.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tolvan"));
  QApplication::setStyle(QStringLiteral("Fusion"));
  tolvan::InstalleTraductionsQt(application);
  tolvan::QtPlateforme plateforme;
  tolvan::TForm1 fenetre(plateforme, QDir::toNativeSeparators(QApplication::applicationDirPath()) + QDir::separator());
  fenetre.show();
  return QApplication::exec();
}
