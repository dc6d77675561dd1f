// A real main window driven by the scripted platform, with its own program
// directory, for the window tests.
#pragma once

#include <memory>

#include "DossierDeTest.h"
#include "PlateformeDeTest.h"
#include "Tirage303.h"
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "library/FichierTirages.h"
#include "shell/TForm1.h"

namespace tolvan::test {

struct FenetreDeTest : DossierDeTest {
  PlateformeDeTest plateforme;
  std::unique_ptr<TForm1> fenetre;

  // The program directory holds the default theme unless told otherwise;
  // the settings store holds `reglages` when the window is made.
  explicit FenetreDeTest(bool avecThemeParDefaut = true,
                         std::map<std::pair<QString, QString>, QString> reglages = {}) {
    plateforme.reglages.valeurs = std::move(reglages);
    if (avecThemeParDefaut) {
      Ecrit(QStringLiteral("system defaut.son"),
            "MenuPopup\r\nMenuCommand\r\nAppGPFault\r\nMinimize\r\nRestoreUp\r\nSystemQuestion\r\nSystemExclamation\r\n");
    }
    fenetre = std::make_unique<TForm1>(plateforme, Repertoire());
  }

  // `fois` seconds of the desktop's clock, each followed by the window's timer.
  void Secondes(int fois) {
    for (int i = 0; i < fois; ++i) {
      plateforme.instant += 1000;
      fenetre->Timer1Timer();
    }
  }

  template <class Controle>
  Controle* Trouve(const char* nom) const {
    return fenetre->findChild<Controle*>(QString::fromLatin1(nom));
  }

  QTabWidget* Pages() const { return Trouve<QTabWidget>("PCmain"); }
  QWidget* Page(const char* nom) const { return Trouve<QWidget>(nom); }
  void MontrePage(const char* nom) const { Pages()->setCurrentWidget(Page(nom)); }
  bool PageVisible(const char* nom) const { return Pages()->isTabVisible(Pages()->indexOf(Page(nom))); }

  // Rows put in the draws list as "Ouvrir" would read them from a file.
  void AjouteTirages(const std::vector<RangeeTirage>& rangees) {
    static int numero = 0;
    const QString nom = QStringLiteral("ajoutes-%1.tir").arg(++numero);
    Ecrit(nom, QByteArray::fromStdString(OctetsFichierTirages(rangees)));
    plateforme.fichiers.push_back(Chemin(nom));
    fenetre->BTopenClick();
  }
};

// The window shown and active on the game page, the next random draw
// 25 50 75 100 3 6 for 303: where the keyboard and a screen reader play.
struct FenetreActive : FenetreDeTest {
  FenetreActive() {
    fenetre->show();
    fenetre->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    MontrePage("TSjeu");
    plateforme.tirages = HasardDe303;
  }
};

}  // namespace tolvan::test
