// The real window, played at random for about a minute: clicks on its
// buttons, tiles, pages, lists and rows, keys in its fields, seconds
// passing, and every box and dialog answered at random, with files good
// and bad to open. Built with the sanitizers, it fails on any crash, any
// memory fault or undefined behaviour, and on a busy cursor left behind.
// The seed is printed; TOLVAN_GRAINE=<seed> plays the same game again.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <random>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

#include "FenetreDeTest.h"
#include "shell/GrilleSaisie.h"
#include "shell/TFRMarbitrage.h"
#include "shell/TFRMgene.h"
#include "shell/TFRMname.h"

namespace tolvan::test {
namespace {

// About a minute of play; the same seed plays the same actions in the same
// order, so a failure comes back within the same time.
constexpr std::chrono::seconds DureeDuJeu{55};
constexpr int NbActionsMax = 200000;

std::uint64_t Graine() {
  const QByteArray donnee = qgetenv("TOLVAN_GRAINE");
  if (!donnee.isEmpty()) return donnee.toULongLong();
  return std::random_device{}();
}

// Files good and bad, of every kind the game opens, and places it cannot write.
void PrepareFichiers(FenetreDeTest& f) {
  const QString donnees = QStringLiteral(TOLVAN_DATA_DIR "/");
  f.Ecrit("tirages.tir",
          "250\t25\t50\t75\t100\t3\t6\t0\t0\tNON\t\t\r\n512\t3\t7\t8\t25\t50\t100\t0\t0\tNON\t\t\r\n"
          "999\t1\t1\t2\t2\t3\t3\t0\t0\tOUI\tx\t\r\n");
  f.Ecrit("photo.tir", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\x01\xff", 18));
  QByteArray niveau = "Niveau\r\ntirages.tir\r\n20\r\n";
  for (int i = 10; i > 0; --i) niveau += QByteArray::number(i * 10) + "\r\nN" + QByteArray::number(i) + "\r\n1\r\n";
  f.Ecrit("niveau.niv", niveau);
  f.Ecrit("faux.niv", QByteArray(niveau).replace("\r\n20\r\n", "\r\n70000\r\n"));
  f.Ecrit("court.niv", "Court\r\ntirages.tir\r\n5\r\n");
  f.Ecrit("theme.son", "MenuPopup\r\nC:\\Sons\\bip.wav\r\n\r\n");
  f.Ecrit("court.tvl", "Back\r\nHelp\r\n");
  f.Ecrit("image.tvl", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10));
  f.Ecrit("club.txt", "12JR-00KA-AAQW;Anne;11;10;1;0;321;250;\r\n12JR-00KA-AAQW;Anne;10;10;0;0\r\n"
                      "12JR-00KA-AAQW;Paul;30;10;10;10;321;266;5000000\r\nBonjour\r\n");
  QFile::copy(donnees + "english.tvl", f.Chemin("english.tvl"));
  QFile::copy(donnees + "francais.tvl", f.Chemin("francais.tvl"));
  QDir(f.dossier.path()).mkpath("niveaux");
  QFile::copy(f.Chemin("niveau.niv"), f.Chemin("niveaux/niveau.niv"));
}

class Joueur {
 public:
  explicit Joueur(std::uint64_t graine) : hasard_(graine) {
    PrepareFichiers(f_);
    for (const char* nom : {"tirages.tir", "photo.tir", "sortie.tir", "niveau.niv", "faux.niv", "court.niv",
                            "theme.son", "sortie.son", "court.tvl", "image.tvl", "english.tvl", "francais.tvl",
                            "absent.tvl", "pas/de/dossier.tir", ""}) {
      chemins_.append(f_.Chemin(QString::fromLatin1(nom)));
    }
    std::vector<int> tirages(1000);
    for (int& t : tirages) t = Entre(0, 1 << 30);
    f_.plateforme.tirages = tirages;
    f_.plateforme.quandDialogue = [this](QDialog& dialogue) { RepondDialogue(dialogue); };
    // Seconds pass when the game says so, never by the wall clock: a game
    // replayed from its seed is the same game.
    f_.Trouve<QTimer>("Timer1")->setInterval(24 * 3600 * 1000);
    f_.fenetre->show();
    QApplication::processEvents();
  }

  void Joue() {
    PrepareReponses();
    const int choix = Entre(0, 99);
    if (choix < 25) {
      Clique();
    } else if (choix < 40) {
      JoueUnCoup();
    } else if (choix < 48) {
      ChangePage();
    } else if (choix < 55) {
      ChoisitDansUneListe();
    } else if (choix < 67) {
      Tape();
    } else if (choix < 77) {
      ChoisitDesRangees();
    } else if (choix < 85) {
      AppuieSur(f_.fenetre->focusWidget() ? f_.fenetre->focusWidget() : f_.fenetre.get());
    } else {
      LaisseFilerLeTemps();
    }
    QApplication::processEvents();
  }

  TForm1& Fenetre() { return *f_.fenetre; }
  PlateformeDeTest& Plateforme() { return f_.plateforme; }

 private:
  int Entre(int min, int max) { return std::uniform_int_distribution<int>(min, max)(hasard_); }
  template <class T>
  T* UnParmi(const QList<T*>& liste) {
    return liste.isEmpty() ? nullptr : liste[Entre(0, static_cast<int>(liste.size()) - 1)];
  }
  // The controls of a kind the player can reach now.
  template <class Controle>
  QList<Controle*> Atteignables() {
    QList<Controle*> atteignables;
    for (Controle* controle : f_.fenetre->findChildren<Controle*>()) {
      if (controle->isVisibleTo(f_.fenetre.get()) && controle->isEnabled()) atteignables.append(controle);
    }
    return atteignables;
  }

  // Up to two answers to the boxes, and a file (or a cancel) for the next
  // dialog: Retry is answered a bounded number of times.
  void PrepareReponses() {
    static const Reponse reponses[] = {Reponse::Ok, Reponse::Reessayer, Reponse::Annuler, Reponse::Oui, Reponse::Non};
    f_.plateforme.reponses.clear();
    for (int i = Entre(0, 2); i > 0; --i) f_.plateforme.reponses.push_back(reponses[Entre(0, 4)]);
    f_.plateforme.fichiers.clear();
    const bool annule = Entre(0, 3) == 0;
    f_.plateforme.fichiers.push_back(annule ? std::nullopt
                                            : std::optional(chemins_[Entre(0, static_cast<int>(chemins_.size()) - 1)]));
  }

  void RepondDialogue(QDialog& dialogue) {
    if (auto* nom = dynamic_cast<TFRMname*>(&dialogue)) {
      nom->TXTbatu->setText(QString(Entre(0, 25), QChar(u'a' + Entre(0, 25))));
      if (Entre(0, 3) > 0) QTest::mouseClick(nom->BTaddName, Qt::LeftButton);
    } else if (auto* generation = dynamic_cast<TFRMgene*>(&dialogue)) {
      generation->TXTnbtir->setText(Entre(0, 5) > 0 ? QString::number(Entre(0, 4)) : QStringLiteral("x"));
      generation->CBmini->setChecked(Entre(0, 3) == 0);
      if (Entre(0, 3) > 0) QTest::mouseClick(generation->BTok, Qt::LeftButton);
    } else if (auto* bureau = dynamic_cast<TFRMarbitrage*>(&dialogue)) {
      JoueAuBureau(*bureau);
    }
  }

  // The arbiter's desk: files, codes good and bad, cells typed anywhere
  // (the rows come and go), its buttons pressed.
  void JoueAuBureau(TFRMarbitrage& bureau) {
    static const QStringList codes = {"12JR-00KA-AAQW", "192G-0000-000N", "12JR-00KA-AAQX", ""};
    static const QStringList saisies = {"Anne", "321", "5000000", "", "4x", "268", "Paul"};
    f_.plateforme.groupesDeFichiers = {QStringList{f_.Chemin("club.txt"), f_.Chemin("photo.tir")}};
    f_.plateforme.pressePapier.push_back(QString::fromUtf8(f_.Lit("club.txt")));
    for (int action = Entre(1, 12); action > 0; --action) {
      GrilleSaisie& grille = *bureau.LVsaisie;
      if (Entre(0, 3) == 0) {
        bureau.TXTcodeArbitrage->setText(codes[Entre(0, 3)]);
        bureau.TXTcodeArbitrageFini();
      } else if (Entre(0, 1) == 0 && grille.rowCount() > 0) {
        QTableWidgetItem* cellule = grille.item(Entre(0, grille.rowCount() - 1), Entre(0, grille.columnCount() - 1));
        if (cellule) cellule->setText(saisies[Entre(0, 6)]);
      } else {
        QList<QPushButton*> boutons;
        for (QPushButton* bouton : bureau.findChildren<QPushButton*>()) {
          if (bouton->isEnabled()) boutons.append(bouton);
        }
        if (QPushButton* bouton = UnParmi(boutons)) bouton->click();
      }
    }
  }

  void Clique() {
    QAbstractButton* bouton = UnParmi(Atteignables<QAbstractButton>());
    if (!bouton) return;
    // A button's menu would wait for a choice in a loop of its own: one of
    // its entries is chosen, as a click in it would.
    if (auto* avecMenu = qobject_cast<QPushButton*>(bouton); avecMenu && avecMenu->menu()) {
      QAction* entree = UnParmi(avecMenu->menu()->actions());
      if (entree && entree->isEnabled()) entree->trigger();
      return;
    }
    QTest::mouseClick(bouton, Qt::LeftButton, {}, bouton->rect().center());
  }

  // A tile or an operator of the blackboard, when in reach.
  void JoueUnCoup() {
    QList<QAbstractButton*> coups;
    for (QAbstractButton* bouton : Atteignables<QAbstractButton>()) {
      static const QStringList coupsDuJeu = {"P1",     "P2",      "P3",      "P4",      "P5",
                                             "P6",     "BTplus",  "BTfois",  "BTmoins", "BTdivis",
                                             "BTannul", "BTnouvPartie"};
      if (coupsDuJeu.contains(bouton->objectName())) {
        coups.append(bouton);
      }
    }
    if (QAbstractButton* bouton = UnParmi(coups)) QTest::mouseClick(bouton, Qt::LeftButton, {}, bouton->rect().center());
  }

  void ChangePage() {
    QTabBar* onglets = f_.Pages()->tabBar();
    const int page = Entre(0, onglets->count() - 1);
    if (onglets->isTabVisible(page)) QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(page).center());
  }

  void ChoisitDansUneListe() {
    if (QComboBox* liste = UnParmi(Atteignables<QComboBox>())) {
      liste->setFocus();
      QTest::keyClick(liste, Entre(0, 1) ? Qt::Key_Down : Qt::Key_Up);
    }
  }

  void Tape() {
    QLineEdit* champ = UnParmi(Atteignables<QLineEdit>());
    if (!champ) return;
    champ->setFocus();
    for (int i = Entre(1, 6); i > 0; --i) AppuieSur(champ);
  }

  void AppuieSur(QWidget* cible) {
    static const Qt::Key touches[] = {Qt::Key_0,     Qt::Key_1,      Qt::Key_2,     Qt::Key_5,   Qt::Key_9,
                                      Qt::Key_Enter, Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Space,
                                      Qt::Key_A,     Qt::Key_Escape, Qt::Key_Down,  Qt::Key_Plus, Qt::Key_Asterisk};
    const Qt::Key touche = touches[Entre(0, 14)];
    // Most digits come from the numeric keypad, as the game asks.
    const Qt::KeyboardModifiers pave = Entre(0, 3) > 0 ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(cible, touche, pave);
  }

  void ChoisitDesRangees() {
    QList<QTreeView*> listes = Atteignables<QTreeView>();
    QTreeView* liste = UnParmi(listes);
    if (!liste || !liste->model() || liste->model()->rowCount() == 0) return;
    const int rangee = Entre(0, liste->model()->rowCount() - 1);
    const QRect ou = liste->visualRect(liste->model()->index(rangee, 0));
    const Qt::KeyboardModifiers avec = Entre(0, 2) == 0 ? Qt::ControlModifier : Qt::NoModifier;
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, avec, ou.center());
    if (liste != f_.Trouve<QTreeView>("LVtirage")) return;
    if (Entre(0, 4) == 0) QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, ou.center());
    // The list's menu, as a right click shows it.
    if (Entre(0, 2) == 0) {
      if (QAction* action = UnParmi(f_.Trouve<QMenu>("PMtirage")->actions())) action->trigger();
    }
  }

  void LaisseFilerLeTemps() {
    for (int secondes = Entre(1, 70); secondes > 0 && f_.Trouve<QTimer>("Timer1")->isActive(); --secondes) {
      f_.Secondes(1);
    }
  }

  std::mt19937_64 hasard_;
  FenetreDeTest f_;
  QStringList chemins_;
};

// The offscreen platform says, for every dialog shown, what it cannot do.
void TaitLaPlateformeOffscreen(QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
  if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, contexte, message)));
}

TEST(JeuAuHasard, AMinuteOfClicksAndKeysLeavesTheWindowSound) {
  qInstallMessageHandler(TaitLaPlateformeOffscreen);
  const std::uint64_t graine = Graine();
  std::printf("Jeu au hasard : graine %llu (TOLVAN_GRAINE=%llu pour le rejouer)\n",
              static_cast<unsigned long long>(graine), static_cast<unsigned long long>(graine));
  std::fflush(stdout);
  Joueur joueur(graine);
  const auto debut = std::chrono::steady_clock::now();
  int actions = 0;
  while (actions < NbActionsMax && std::chrono::steady_clock::now() - debut < DureeDuJeu) {
    joueur.Joue();
    ++actions;
    ASSERT_EQ(joueur.Plateforme().curseurOccupe, 0) << "action " << actions << ", graine " << graine;
  }
  joueur.Fenetre().close();
  std::printf("%d actions, %zu messages, %zu sons\n", actions, joueur.Plateforme().messages.size(),
              joueur.Plateforme().sons.size());
}

}  // namespace
}  // namespace tolvan::test
