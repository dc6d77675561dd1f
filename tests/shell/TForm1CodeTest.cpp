#include <gtest/gtest.h>

#include "LecturePdf.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>

#include "FenetreDeTest.h"
#include "competition/CodeSerie.h"
#include "shell/TFRMcode.h"
#include "shell/TFRMname.h"
#include "shell/platform/Impression.h"

namespace tolvan::test {
namespace {

// One draw of 10 s: 9 4 4 6 5 5 → 124.
const QString CodeDUnTirage = QStringLiteral("100M-0000-001T");

// What the window does for club play: its dialog refuses a mistyped code
// and keeps it to mend, makes and copies a new one, plays a good one on the
// game page; the draw's points are in its summary, and the sheet opens
// named after what it says, with its printing and its club line.
TEST(TForm1Code, ACodeIsEnteredPlayedAndItsSheetShownPrintedAndCopied) {
  FenetreDeTest f;
  auto* bouton = f.Trouve<QPushButton>("BTcode");
  ASSERT_TRUE(bouton->isEnabled());
  EXPECT_EQ(bouton->text(), QStringLiteral("Partie par code"));
  f.plateforme.tirages = {5, 7};
  QString nomDeLaFeuille;
  std::string erreur;
  QString feuilleFocalisee;
  QString bilanAuNom;
  QString copieDeLaFeuille;
  f.plateforme.quandDialogue = [&](QDialog& dialogue) {
    if (auto* code = dynamic_cast<TFRMcode*>(&dialogue)) {
      code->TXTcode->setText(QStringLiteral("100M-0000-001V"));
      code->BTjoueCode->click();
      EXPECT_EQ(dialogue.result(), QDialog::Rejected) << "a mistyped code plays nothing";
      EXPECT_EQ(code->TXTcode->text(), QStringLiteral("100M-0000-001V")) << "it stays to be mended";
      code->BTnouveauCode->click();
      EXPECT_TRUE(CodeSerie::Lit(code->TXTcode->text().toStdString(), erreur)) << erreur;
      EXPECT_EQ(code->TXTcode->selectedText(), code->TXTcode->text());
      code->BTcopieCode->click();
      EXPECT_EQ(code->BTcopieCode->text(), "Copié !");
      code->TXTcode->setText(CodeDUnTirage.toLower());
      EXPECT_EQ(code->BTcopieCode->text(), "Copier le code") << "until the code is changed";
      code->BTjoueCode->click();
      EXPECT_EQ(dialogue.result(), QDialog::Accepted);
    } else if (auto* nom = dynamic_cast<TFRMname*>(&dialogue)) {
      // The last draw's summary is drawn first, and said again in the box,
      // where the keyboard is, over the name offered, selected.
      bilanAuNom = f.Trouve<QTextEdit>("MMrecap")->accessibleName();
      EXPECT_EQ(nom->LBbilan->text(), bilanAuNom);
      EXPECT_EQ(nom->TXTbatu->accessibleDescription(), bilanAuNom);
      EXPECT_EQ(nom->TXTbatu->selectedText(), nom->TXTbatu->text());
      EXPECT_EQ(nom->windowTitle(), "Entre ton nom :");
      nom->TXTbatu->setText(QStringLiteral("Zoé"));
      nom->accept();
    } else if (auto* feuille = dynamic_cast<TFRMfeuille*>(&dialogue)) {
      nomDeLaFeuille = feuille->MMfeuille->accessibleName();
      feuilleFocalisee = feuille->focusWidget() ? feuille->focusWidget()->objectName() : QString();
      feuille->BTimprimeFeuille->click();
      feuille->BTcopieFeuille->click();
      copieDeLaFeuille = feuille->BTcopieFeuille->text();
    }
  };
  bouton->click();
  ASSERT_EQ(f.plateforme.messages.size(), 1u);
  EXPECT_TRUE(f.plateforme.messages[0].texte.startsWith(QStringLiteral("Ce code ne peut pas être joué : ")));
  const std::optional<CodeSerie> nouveau = CodeSerie::Fait({10, 40, false, (std::uint64_t{5} << 17) | 7}, erreur);
  ASSERT_EQ(f.plateforme.pressePapier.size(), 1u);
  EXPECT_EQ(f.plateforme.pressePapier[0].toStdString(), nouveau->Texte());

  // The draw on the game page, the next-draw button the series'.
  EXPECT_EQ(f.Trouve<QTabWidget>("PCmain")->currentWidget(), f.Trouve<QWidget>("TSjeu"));
  EXPECT_EQ(f.Trouve<QPushButton>("BTnouvPartie")->text(), QStringLiteral("Partie Suivante"));
  EXPECT_EQ(bouton->text(), QStringLiteral("Arrêter la partie par code")) << "the button now stops the series";
  // The draw says where it stands in the series, with its target.
  EXPECT_EQ(f.Trouve<QPushButton>("Bresult")->accessibleName(), "Tirage 1 sur 1, à trouver : 124");
  EXPECT_TRUE(f.Trouve<QPushButton>("BTannul")->isEnabled());
  f.Secondes(10);
  EXPECT_TRUE(bilanAuNom.endsWith(QStringLiteral("Tirage 1 sur 1, Résultat : rien, 0 point, Total : 0 point sur 10")))
      << bilanAuNom.toStdString();
  EXPECT_FALSE(f.Trouve<QPushButton>("BTannul")->isEnabled()) << "no line to take back on a summary";
  EXPECT_TRUE(nomDeLaFeuille.isEmpty()) << "the sheet waits for the summary to be drawn";
  QCoreApplication::processEvents();
  ASSERT_TRUE(f.fenetre->jeu().FeuilleDeSerie());
  const Feuille& feuille = *f.fenetre->jeu().FeuilleDeSerie();
  const QStringList lignes = feuille.Lignes();
  EXPECT_EQ(f.Trouve<TFRMfeuille>("FRMfeuille")->MMfeuille->toPlainText(), lignes.join('\n'));
  EXPECT_EQ(nomDeLaFeuille, QStringLiteral("Feuille de marque, ") + feuille.enTete.join(", ") + ", " + feuille.pied.join(", "));
  EXPECT_EQ(feuilleFocalisee, QStringLiteral("MMfeuille"));
  EXPECT_EQ(feuille.enTete[1], QStringLiteral("Joueur : Zoé"));
  ASSERT_EQ(f.plateforme.impressions.size(), 1u);
  EXPECT_EQ(f.plateforme.impressions[0], feuille.LignesImprimees("7 décembre 2026"));
  EXPECT_EQ(f.plateforme.pressePapier.back(), CodeDUnTirage + QStringLiteral(";Zoé;0;0;"));
  EXPECT_EQ(copieDeLaFeuille, "Copié !");
  EXPECT_EQ(f.Trouve<QPushButton>("BTnouvPartie")->text(), QStringLiteral("Nouvelle partie"));
  EXPECT_TRUE(bouton->isEnabled());

  // The sheet on paper: a PDF read back as text.
  QTemporaryDir dossier;
  QPrinter imprimante(QPrinter::HighResolution);
  imprimante.setOutputFormat(QPrinter::PdfFormat);
  imprimante.setOutputFileName(dossier.filePath("feuille.pdf"));
  const QStringList papier = f.plateforme.impressions[0];
  ASSERT_EQ(ImprimeLignes(imprimante, QStringLiteral("Feuille de marque"), papier), Plateforme::Impression::Faite);
  EXPECT_EQ(LignesDuPdf(dossier.filePath("feuille.pdf")), CommeSurPapier(papier));
}

}  // namespace
}  // namespace tolvan::test
