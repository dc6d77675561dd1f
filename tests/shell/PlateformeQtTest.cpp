#include <gtest/gtest.h>

#include "LecturePdf.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include "FenetreDeTest.h"
#include "shell/TraductionsQt.h"
#include "shell/platform/Impression.h"
#include "shell/platform/Tableur.h"
#include "shell/platform/VisionneuseAide.h"

#include <QPrinter>
#include <QTemporaryDir>

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

TEST(PlateformeQt, PrintedLinesComeOutOnPaperInOrder) {
  QTemporaryDir dossier;
  QPrinter imprimante(QPrinter::HighResolution);
  imprimante.setOutputFormat(QPrinter::PdfFormat);
  imprimante.setOutputFileName(dossier.filePath("liste.pdf"));
  const QStringList lignes = {"512\t3\t7\t8\t25\t50\t100\t0\t0\tNON\t\t",
                              "303\t25\t50\t75\t100\t3\t6\t334\t2\tOUI\t303=50x6+3\t",
                              "101\t1\t2\t3\t4\t5\t6\t0\t0\tNON\t\t"};
  ASSERT_EQ(ImprimeLignes(imprimante, "Tolvan", lignes), Plateforme::Impression::Faite);
  EXPECT_EQ(LignesDuPdf(dossier.filePath("liste.pdf")), CommeSurPapier(lignes));
}

TEST(PlateformeQt, TheSpreadsheetIsTheOneTheSystemHas) {
  const QString chemin = "/home/moi/mes tirages/liste.tir";
  const auto avec = [](QStringList programmes) {
    return [programmes](const QString& nom) { return programmes.contains(nom); };
  };
  const QString filtre = "--infilter=Text - txt - csv (StarCalc):9,34,1,1";
  EXPECT_EQ(CommandeTableur(chemin, avec({"excel", "localc"})), (CommandeProgramme{"excel", {"/e", chemin}}));
  EXPECT_EQ(CommandeTableur(chemin, avec({"localc", "libreoffice"})), (CommandeProgramme{"localc", {filtre, chemin}}));
  EXPECT_EQ(CommandeTableur(chemin, avec({"libreoffice"})),
            (CommandeProgramme{"libreoffice", {"--calc", filtre, chemin}}));
  EXPECT_EQ(CommandeTableur(chemin, avec({})), std::nullopt);
}

}  // namespace
}  // namespace tolvan::test
