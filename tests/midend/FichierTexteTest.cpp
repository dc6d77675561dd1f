#include <gtest/gtest.h>

#include <optional>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "DossierDeTest.h"
#include "DisqueLimite.h"
#include "ImpressionQt.h"
#include "midend/FichierTexte.h"

namespace tolvan::test {
namespace {

TEST(FichierTexte, WritesWholeFilesWithCrLf) {
  QTemporaryDir dossier;
  const QString chemin = dossier.filePath("theme.son");
  ASSERT_EQ(EcritFichierTexte(chemin, {"MenuPopup", "C:\\Sons\\clic.wav", "é"}), EcritureTexte::Ecrit);
  EXPECT_EQ(Contenu(chemin), QByteArray("MenuPopup\r\nC:\\Sons\\clic.wav\r\n\xe9\r\n"));
  const LectureTexte relu = LitFichierTexte(chemin);
  EXPECT_EQ(relu.etat, LectureTexte::Lu);
  EXPECT_EQ(relu.lignes, QStringList({"MenuPopup", "C:\\Sons\\clic.wav", "é"}));

  // A file that cannot be opened says why.
  for (const auto& [fichier, raison] : std::vector<std::pair<QString, QString>>{
           {dossier.filePath("absent.son"), "fichier introuvable"},
           {dossier.filePath("pas/de/dossier.son"), "dossier introuvable"},
           {dossier.path(), "c'est un dossier"},
           {"/dev/null", "ce n'est pas un fichier"}}) {
    const LectureTexte lecture = LitFichierTexte(fichier);
    EXPECT_EQ(lecture.etat, LectureTexte::OuvertureImpossible) << fichier.toStdString();
    EXPECT_EQ(lecture.raison, raison) << fichier.toStdString();
  }
  const ResultatEcriture sansDossier = EcritFichierTexte(dossier.filePath("pas/de/dossier.son"), {"x"});
  EXPECT_EQ(sansDossier, EcritureTexte::OuvertureImpossible);
  EXPECT_EQ(sansDossier.raison, "dossier introuvable");

  // Whatever a line holds, it reads back as one line.
  ASSERT_EQ(EcritFichierTexte(chemin, {"a\r\nb", "c\x1a", "d\ne"}), EcritureTexte::Ecrit);
  EXPECT_EQ(LitFichierTexte(chemin).lignes, QStringList({"a \nb", "c ", "d\ne"}));
}

TEST(FichierTexte, AWriteThatFailsHalfwayLeavesTheOldFileWhole) {
  QTemporaryDir dossier;
  const QString chemin = dossier.filePath("liste.tir");
  ASSERT_EQ(EcritFichierOctets(chemin, "ancien\r\n"), EcritureTexte::Ecrit);
  std::optional<DisqueLimite> plein;
  plein.emplace(4096);  // the disk fills up after 4 kB
  // A large file and a small one, which goes through a buffer first.
  const ResultatEcriture issue = EcritFichierOctets(chemin, QByteArray(1 << 20, 'x'));
  const ResultatEcriture petite = EcritFichierOctets(chemin, QByteArray(5000, 'y'));
  plein.reset();
  EXPECT_EQ(issue, EcritureTexte::EcritureImpossible);
  EXPECT_EQ(petite, EcritureTexte::EcritureImpossible);
  EXPECT_EQ(issue.raison, "fichier trop volumineux");
  EXPECT_EQ(Contenu(chemin), QByteArray("ancien\r\n"));
  EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"liste.tir"});  // no leftover
}

}  // namespace
}  // namespace tolvan::test
