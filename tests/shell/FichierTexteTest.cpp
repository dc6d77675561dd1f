#include <gtest/gtest.h>

#include "ImpressionQt.h"

#include <QFile>
#include <QTemporaryDir>

#include "shell/FichierTexte.h"

namespace tolvan::test {
namespace {

TEST(FichierTexte, LinesEndAtCarriageReturnsAndCtrlZEndsTheFile) {
  struct Cas {
    QByteArray contenu;
    QStringList lignes;
  };
  const std::vector<Cas> cas = {
      {"", {}},
      {"un\r\ndeux\r\n", {"un", "deux"}},
      {"un\r\ndeux", {"un", "deux"}},
      {"un\rdeux\r", {"un", "deux"}},
      {"un\ndeux\ntrois", {"un\ndeux\ntrois"}},  // a line feed alone is part of the line
      {"\r\n\r\nx\r\n", {"", "", "x"}},
      {"un\r\n\x1a" "deux\r\n", {"un"}},
      {"un\x1a\r\ndeux", {"un"}},
      {"a\r\n\nb\r\n", {"a", "\nb"}},
  };
  for (const Cas& c : cas) EXPECT_EQ(DecoupeLignes(c.contenu), c.lignes) << c.contenu.toStdString();
}

TEST(FichierTexte, TextIsWindows1252) {
  const QByteArray octets("R\xe9sultat \x80 \x9c\xe0", 13);
  EXPECT_EQ(DepuisWindows1252(octets), QStringLiteral("Résultat € œà"));
  EXPECT_EQ(VersWindows1252(QStringLiteral("Résultat € œà")), octets);
  // A character the code page lacks must not become Ctrl-Z, which would end the file.
  EXPECT_EQ(VersWindows1252(QStringLiteral("a\u4e2db")), QByteArray("a?b"));
}

TEST(FichierTexte, WritesWholeFilesWithCrLf) {
  QTemporaryDir dossier;
  const QString chemin = dossier.filePath("theme.son");
  ASSERT_EQ(EcritFichierTexte(chemin, {"MenuPopup", "C:\\Sons\\clic.wav", "é"}), EcritureTexte::Ecrit);
  QFile fichier(chemin);
  ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
  EXPECT_EQ(fichier.readAll(), QByteArray("MenuPopup\r\nC:\\Sons\\clic.wav\r\n\xe9\r\n"));
  const LectureTexte relu = LitFichierTexte(chemin);
  EXPECT_EQ(relu.etat, LectureTexte::Lu);
  EXPECT_EQ(relu.lignes, QStringList({"MenuPopup", "C:\\Sons\\clic.wav", "é"}));

  EXPECT_EQ(LitFichierTexte(dossier.filePath("absent.son")).etat, LectureTexte::OuvertureImpossible);
  EXPECT_EQ(EcritFichierTexte(dossier.filePath("pas/de/dossier.son"), {"x"}), EcritureTexte::OuvertureImpossible);
}

}  // namespace
}  // namespace tolvan::test
