// tolvan-icones OUTDIR SIZE...: draws the game's icon at each size, as
// OUTDIR/SIZExSIZE/apps/tolvan.png, for the desktop's hicolor theme.
#include <cstdio>
#include <cstdlib>

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include "shell/Pictos.h"

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage : tolvan-icones DOSSIER TAILLE...\n");
    return 2;
  }
  const QDir sortie(QString::fromLocal8Bit(argv[1]));
  for (int i = 2; i < argc; ++i) {
    const int taille = std::atoi(argv[i]);
    const QString dossier = sortie.filePath(QStringLiteral("%1x%1/apps").arg(taille));
    if (taille <= 0 || !QDir().mkpath(dossier) ||
        !tolvan::ImageDe(tolvan::Picto::Application, taille).save(dossier + QStringLiteral("/tolvan.png"))) {
      std::fprintf(stderr, "tolvan-icones : impossible de faire l'icône de %s\n", argv[i]);
      return 1;
    }
  }
  return 0;
}
