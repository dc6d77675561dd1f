// tolvan-captures OUTDIR: opens the real window and saves a picture of each
// of its pages (and of the window with its hints band), for the README and
// for looking at the layout. Run it under xvfb-run to see it as a desktop
// shows it, or with QT_QPA_PLATFORM=offscreen.
#include <array>
#include <utility>
#include <vector>
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QCheckBox>
#include <QComboBox>
#include <QProgressBar>
#include <QKeyEvent>
#include <QLineEdit>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>
#include <QTabWidget>
#include <QThread>

#include "shell/TFRMgene.h"
#include "shell/TFRMname.h"
#include "shell/TForm1.h"
#include "shell/platform/QtPlateforme.h"

namespace {

void Attends() {
  for (int i = 0; i < 20; ++i) {
    QApplication::processEvents();
    QThread::msleep(10);
  }
}

bool Capture(QWidget& fenetre, const QString& chemin) {
  Attends();
  const bool ok = fenetre.grab().save(chemin);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(chemin));
  return ok;
}

// Plays this draw as "Rejouer la partie" would, and lists it.
void Joue(tolvan::TForm1& fenetre, std::array<int, 6> nombres, int cible) {
  tolvan::TTirage tirage;
  for (int i = 1; i <= 6; ++i) tirage.Nombres[i] = nombres[static_cast<std::size_t>(i - 1)];
  tirage.Resultat = cible;
  fenetre.solveur().ChangeTirage(tirage);
  fenetre.depart();
  fenetre.TIR_to_LV();
  fenetre.BTrejoueClick();
}

// Writes the simplest solution of the draw on screen on the board, as a
// player would: each step's operands taken from the tiles that hold them.
void JoueLaPlusSimple(tolvan::TForm1& fenetre) {
  tolvan::Solveur& solveur = fenetre.solveur();
  solveur.ChercheSol(solveur.IndiceSimple);
  const tolvan::TSolution solution = solveur.Solutions[solveur.IndiceSimple];
  const auto tuile = [&fenetre](tolvan::longint valeur, int autre) {
    for (int i = 1; i <= 6; ++i) {
      const tolvan::Tuile& t = fenetre.manche().Tableau().Tuiles[i];
      if (i != autre && t.active && t.valeur == valeur) return i;
    }
    return 0;
  };
  const int operateurs[] = {0, tolvan::CodePlus, tolvan::CodeMoins, tolvan::CodeDivise, tolvan::CodeFois};
  for (int k = 1; k <= solution.NbEtapes; ++k) {
    const tolvan::TEtape& etape = solution.Etapes[k];
    const int gauche = tuile(etape.Op1, 0);
    fenetre.Effectue(gauche);
    fenetre.Effectue(operateurs[etape.Oper]);
    fenetre.Effectue(tuile(etape.Op2, gauche));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: tolvan-captures OUTDIR\n");
    return 2;
  }
  QApplication::setApplicationName(QStringLiteral("Tolvan"));
  QApplication::setStyle(QStringLiteral("Fusion"));
  const QDir sortie(QString::fromLocal8Bit(argv[1]));
  QDir().mkpath(sortie.absolutePath());

  tolvan::QtPlateforme plateforme;
  const QString repertoire = QStringLiteral(TOLVAN_APP_DIR "/");
  tolvan::TForm1 fenetre(plateforme, repertoire);
  fenetre.show();
  fenetre.FormActivate();

  bool ok = true;
  const char* const pages[] = {"jeu", "options", "competition", "tirages", "apropos"};
  for (int i = 0; i < 5; ++i) {
    fenetre.PCmain->setCurrentIndex(i);
    ok &= Capture(fenetre, sortie.filePath(QStringLiteral("page-%1-%2.png").arg(i + 1).arg(pages[i])));
  }

  // A game in progress on 25 50 75 100 3 6 with the target 303, then won.
  fenetre.PCmain->setCurrentIndex(0);
  fenetre.CBauto->click();
  fenetre.CBmontre->click();
  Joue(fenetre, {25, 50, 75, 100, 3, 6}, 303);
  for (int i = 0; i < 37; ++i) fenetre.Timer1Timer();
  for (int code : {6, tolvan::CodeFois, 2, tolvan::CodePlus}) fenetre.Effectue(code);
  ok &= Capture(fenetre, sortie.filePath(QStringLiteral("partie-en-cours.png")));
  fenetre.Effectue(5);
  ok &= Capture(fenetre, sortie.filePath(QStringLiteral("partie-gagnee.png")));

  // Results of seven digits on the tiles and the board.
  Joue(fenetre, {100, 75, 50, 25, 1, 2}, 999);
  for (int code : {1, tolvan::CodeFois, 2, 2, tolvan::CodeFois, 3, 3, tolvan::CodeFois, 4}) fenetre.Effectue(code);
  ok &= Capture(fenetre, sortie.filePath(QStringLiteral("grands-nombres.png")));

  // The clock of "20 secondes" runs out.
  fenetre.CBtemps->setCurrentIndex(1);
  Joue(fenetre, {1, 3, 7, 8, 9, 10}, 997);
  for (int i = 0; i < 20; ++i) fenetre.Timer1Timer();
  ok &= Capture(fenetre, sortie.filePath(QStringLiteral("temps-ecoule.png")));
  fenetre.CBtemps->setCurrentIndex(0);

  // A few more games fill the draws list.
  for (int i = 0; i < 6; ++i) fenetre.BresultClick();
  fenetre.Timer1->stop();
  fenetre.PCmain->setCurrentWidget(fenetre.TStirage);
  ok &= Capture(fenetre, sortie.filePath(QStringLiteral("liste-des-tirages.png")));

  // The solutions panel over the board of a won game.
  fenetre.PCmain->setCurrentIndex(0);
  Joue(fenetre, {25, 50, 75, 100, 3, 6}, 303);
  for (int code : {6, tolvan::CodeFois, 2, tolvan::CodePlus, 5}) fenetre.Effectue(code);
  fenetre.BTvoirSolClick();
  fenetre.BTsimpleClick();
  ok &= Capture(fenetre, sortie.filePath(QStringLiteral("panneau-solutions.png")));
  fenetre.BTvoirSolClick();

  // A draw being typed.
  fenetre.Modifer1Click();
  ok &= Capture(fenetre, sortie.filePath(QStringLiteral("saisie-tirage.png")));

  // The hints band during a game, each tool used once.
  Joue(fenetre, {2, 2, 2, 2, 2, 2}, 64);
  fenetre.BTbackClick();
  fenetre.BTdecompClick();
  fenetre.ChoisitOperation(tolvan::OperMultiplication);
  for (const auto& [touche, pave] : std::vector<std::pair<int, bool>>{
           {Qt::Key_1, true}, {Qt::Key_0, true}, {Qt::Key_Slash, true}, {Qt::Key_3, true}, {Qt::Key_Enter, false}}) {
    const QString texte = touche == Qt::Key_Enter   ? QStringLiteral("\r")
                          : touche == Qt::Key_Slash ? QStringLiteral("/")
                                                    : QString(QChar('0' + touche - Qt::Key_0));
    QKeyEvent presse(QEvent::KeyPress, touche, pave ? Qt::KeypadModifier : Qt::NoModifier, texte);
    QApplication::sendEvent(fenetre.Lcalcul, &presse);
    QKeyEvent relache(QEvent::KeyRelease, touche, pave ? Qt::KeypadModifier : Qt::NoModifier);
    QApplication::sendEvent(fenetre.Lcalcul, &relache);
  }
  ok &= Capture(fenetre, sortie.filePath(QStringLiteral("bande-des-aides.png")));
  // A series: the dialog that asks for it, then its draws sorted by target.
  fenetre.BTbackClick();
  fenetre.PCmain->setCurrentWidget(fenetre.TStirage);
  fenetre.Tirages().EffaceTout();
  tolvan::TFRMgene& generation = *fenetre.FRMgene();
  generation.TXTnbtir->setText(QStringLiteral("30"));
  generation.show();
  Attends();
  ok &= generation.grab().save(sortie.filePath(QStringLiteral("generation.png")));
  generation.hide();
  fenetre.GenereSerie({30, false});
  fenetre.PB2->setValue(0);
  fenetre.CBclasse->setChecked(true);
  fenetre.CBclasseClick();
  ok &= Capture(fenetre, sortie.filePath(QStringLiteral("liste-classee.png")));
  // A competition on a copy of the shipped "Débutant" level: a series under
  // way, then its end with a new record.
  QTemporaryDir niveaux;
  for (const char* nom : {"debutant.niv", "debutant.tir"}) {
    QFile::copy(repertoire + QStringLiteral("niveaux/") + QString::fromLatin1(nom), niveaux.filePath(QString::fromLatin1(nom)));
  }
  fenetre.CBcompet->click();
  fenetre.FichierNiveau = niveaux.filePath(QStringLiteral("debutant.niv"));
  fenetre.change_level(fenetre.FichierNiveau, true);
  fenetre.BTstart->setEnabled(true);
  fenetre.BTstartClick();
  for (int i = 0; i < 12; ++i) fenetre.Timer1Timer();
  ok &= Capture(fenetre, sortie.filePath(QStringLiteral("competition-serie.png")));
  JoueLaPlusSimple(fenetre);
  fenetre.BTnouvPartieClick();
  for (int i = 0; i < 20; ++i) fenetre.Timer1Timer();
  JoueLaPlusSimple(fenetre);
  fenetre.BTnouvPartieClick();
  QTimer::singleShot(200, [&fenetre] {
    fenetre.FRMname()->TXTbatu->setText(QStringLiteral("Camille"));
    fenetre.FRMname()->BTaddName->click();
  });
  for (int i = 0; i < 120 && fenetre.serie().EnCours(); ++i) fenetre.Timer1Timer();
  fenetre.PCmain->setCurrentWidget(fenetre.TScompet);
  ok &= Capture(fenetre, sortie.filePath(QStringLiteral("competition-records.png")));

  // Every page in English, from the language file that comes with the game.
  fenetre.CBcompet->click();
  fenetre.BTbackClick();
  fenetre.change_langue(repertoire + QStringLiteral("english.tvl"));
  for (int i = 0; i < 5; ++i) {
    fenetre.PCmain->setCurrentIndex(i);
    ok &= Capture(fenetre, sortie.filePath(QStringLiteral("english-%1-%2.png").arg(i + 1).arg(pages[i])));
  }
  return ok ? 0 : 1;
}
