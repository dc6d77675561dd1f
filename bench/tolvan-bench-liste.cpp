// tolvan-bench-liste [FILE]: times, in the real main window (run it with
// QT_QPA_PLATFORM=offscreen or under a display), opening a draws file of
// 65,535 rows (made first, or FILE) and generating a series of 1,000 draws,
// and counts how often the window was repainted meanwhile.
#include <chrono>
#include <cstdio>

#include <QApplication>
#include <QEvent>
#include <QTemporaryDir>

#include "library/FichierTirages.h"
#include "library/GenerationSerie.h"
#include "midend/FichierTexte.h"
#include "shell/TForm1.h"
#include "../tools/captures/FenetrePilotee.h"
#include "shell/TFRMgene.h"
#include <QLineEdit>
#include <QPushButton>

namespace {

// Counts the paint events of the window and of everything in it.
struct CompteurPeintures : QObject {
  int peintures = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++peintures;
    return false;
  }
};

double Secondes(std::chrono::steady_clock::time_point depuis) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - depuis).count();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QTemporaryDir dossier;
  QString fichier = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dossier.filePath("65535.tir");
  if (argc <= 1) {
    tolvan::Solveur travail;
    std::mt19937 generateur(2026);
    const tolvan::Hasard hasard = [&generateur](int n) { return std::uniform_int_distribution<int>(0, n - 1)(generateur); };
    std::vector<tolvan::RangeeTirage> rangees;
    for (int i = 0; i < 65535; ++i) {
      tolvan::TTirage tirage;
      tolvan::TireSixNombres(tirage, hasard);
      tolvan::TireCible(tirage, hasard);
      rangees.push_back(tolvan::RangeeDuTirage(tirage, 0, 0, ""));
    }
    tolvan::EcritFichierOctets(fichier, QByteArray::fromStdString(tolvan::OctetsFichierTirages(rangees)));
  }

  tolvan::pilote::PlateformeScriptee plateforme;
  tolvan::TForm1 fenetre(plateforme, QStringLiteral(TOLVAN_APP_DIR "/"));
  fenetre.show();
  QApplication::processEvents();
  CompteurPeintures compteur;
  application.installEventFilter(&compteur);

  auto debut = std::chrono::steady_clock::now();
  plateforme.fichiers.push_back(fichier);
  fenetre.BTopenClick();
  const double lecture = Secondes(debut);
  std::printf("open_rows=%d open_s=%.3f open_repaints=%d\n", fenetre.jeu().bibliotheque().Modele().NbLignes(), lecture,
              compteur.peintures);

  fenetre.BTeffaceToutClick();
  compteur.peintures = 0;
  debut = std::chrono::steady_clock::now();
  plateforme.quandDialogue = [](QDialog& dialogue) {
    auto& generation = static_cast<tolvan::TFRMgene&>(dialogue);
    generation.TXTnbtir->setText(QStringLiteral("1000"));
    generation.BTok->click();
  };
  fenetre.BTgenereClick();
  const double serie = Secondes(debut);
  std::printf("series_rows=%d series_s=%.3f series_repaints=%d\n", fenetre.jeu().bibliotheque().Modele().NbLignes(), serie,
              compteur.peintures);
  return 0;
}
