#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include "FenetreDeTest.h"
#include "shell/TraductionsQt.h"
#include "shell/platform/VisionneuseAide.h"

namespace tolvan::test {
namespace {

TEST(PlateformeQt, ClosingTheGameEndsItEvenWithTheHelpOpen) {
  FenetreDeTest f;
  f.Ecrit("AidesDeTolvan.html", "<html><body>Aide</body></html>");
  f.fenetre->show();
  VisionneuseAide aide;
  aide.Montre(QUrl::fromLocalFile(f.Chemin("AidesDeTolvan.html")));
  ASSERT_TRUE(aide.isVisible());

  bool resteOuvert = false;
  QTimer garde;
  garde.setSingleShot(true);
  QObject::connect(&garde, &QTimer::timeout, [&resteOuvert] {
    resteOuvert = true;
    QApplication::quit();
  });
  garde.start(5000);
  QTimer::singleShot(0, f.fenetre.get(), [&f] { f.fenetre->close(); });
  QApplication::exec();
  EXPECT_FALSE(resteOuvert);
}

TEST(PlateformeQt, StandardButtonsSpeakFrench) {
  QTranslator* traductions = InstalleTraductionsQt(*QCoreApplication::instance());
  ASSERT_NE(traductions, nullptr) << "Qt's French translations are missing";
  QDialogButtonBox boutons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
  EXPECT_EQ(boutons.button(QDialogButtonBox::Cancel)->text(), "Annuler");
  EXPECT_EQ(boutons.button(QDialogButtonBox::Save)->text(), "Enregistrer");
  QCoreApplication::removeTranslator(traductions);
  delete traductions;
}

}  // namespace
}  // namespace tolvan::test
