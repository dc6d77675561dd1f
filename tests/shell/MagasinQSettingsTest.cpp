#include <gtest/gtest.h>

#include "ImpressionQt.h"

#include <QFile>
#include <QTemporaryDir>

#include "shell/platform/MagasinQSettings.h"

namespace tolvan::test {
namespace {

TEST(MagasinQSettings, NestedKeysKeepTheirStringsAcrossRuns) {
  QTemporaryDir dossier;
  const QString fichier = dossier.filePath("Tolvan.ini");
  {
    MagasinQSettings magasin(fichier);
    EXPECT_FALSE(magasin.CleExiste("software/Tolvan"));
    EXPECT_FALSE(magasin.Lit("software/Tolvan/Option", "Temps").has_value());
    magasin.Ecrit("software/Tolvan/Option", "Temps", "4");
    magasin.Ecrit("software/Tolvan/Option/Sound", "temps", "false");
    magasin.Ecrit("software/Tolvan", "Langue", "/home/joueur/thème.tvl");
    // Any character a file name may hold comes back, control characters too.
    magasin.Ecrit("software/Tolvan/Option/Sound", "Fichier", QString::fromUtf16(u"/tmp/a\u007fb\u0085c\u0001d.son"));
    magasin.Enregistre();
  }
  MagasinQSettings relu(fichier);
  EXPECT_TRUE(relu.CleExiste("software/Tolvan"));
  EXPECT_EQ(relu.Lit("software/Tolvan/Option", "Temps"), "4");
  EXPECT_EQ(relu.Lit("software/Tolvan/Option/Sound", "temps"), "false");
  EXPECT_EQ(relu.Lit("software/Tolvan", "Langue"), "/home/joueur/thème.tvl");
  EXPECT_EQ(relu.Lit("software/Tolvan/Option/Sound", "Fichier"), QString::fromUtf16(u"/tmp/a\u007fb\u0085c\u0001d.son"));
}

TEST(MagasinQSettings, AGarbageFileFailsToReadAndIsReplacedWhole) {
  QTemporaryDir dossier;
  const QString fichier = dossier.filePath("Tolvan.ini");
  {
    QFile garbage(fichier);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\x01\xff garbage", 28));
  }
  MagasinQSettings magasin(fichier);
  EXPECT_THROW(magasin.CleExiste("software/Tolvan"), ErreurReglages);
  EXPECT_THROW(magasin.Lit("software/Tolvan", "Langue"), ErreurReglages);
  magasin.Ecrit("software/Tolvan/Option", "Temps", "2");
  magasin.Enregistre();
  QFile ecrit(fichier);
  ASSERT_TRUE(ecrit.open(QIODevice::ReadOnly));
  const QByteArray contenu = ecrit.readAll();
  EXPECT_TRUE(EstFichierIni(contenu));
  EXPECT_FALSE(contenu.contains("IHDR"));
  EXPECT_EQ(MagasinQSettings(fichier).Lit("software/Tolvan/Option", "Temps"), "2");

  for (const QByteArray& valide : {QByteArray(""), QByteArray("[software]\nTolvan\\Option\\Temps=4\n\n; note\n")}) {
    EXPECT_TRUE(EstFichierIni(valide)) << valide.toStdString();
  }
  for (const QByteArray& faux : {QByteArray("juste du texte\n"), QByteArray("a=1\n\x01\x02=3"), QByteArray("=sans nom")}) {
    EXPECT_FALSE(EstFichierIni(faux)) << faux.toStdString();
  }
}

}  // namespace
}  // namespace tolvan::test
