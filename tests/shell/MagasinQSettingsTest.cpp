#include <gtest/gtest.h>

#include "ImpressionQt.h"

#include <QFile>
#include <QTemporaryDir>

#include "midend/Reglages.h"
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

  for (const QByteArray& faux : {QByteArray("juste du texte\n"), QByteArray("a=1\n\x01\x02=3"), QByteArray("[a\n")}) {
    EXPECT_FALSE(EstFichierIni(faux)) << faux.toStdString();
  }
}

// A settings file as the player may have it, and whether it holds settings.
struct Entree {
  QByteArray contenu;
  bool reglages;
};

// Reads the game's values from a file, as the window does at start.
LectureReglages Lecture(const QString& fichier) {
  MagasinQSettings magasin(fichier);
  return LisReglages(magasin);
}

TEST(MagasinQSettings, EveryFileWrittenFromOddInputsReadsBackAsWritten) {
  const std::vector<Entree> entrees = {
      {"", true},
      {"eufmFs/=\n", true},  // Qt writes it back as "[eufmFs]" and a bare "="
      {"[General]\n=x\n[%General]\na=b\n", true},
      {"\xef\xbb\xbf[software]\r\nTolvan\\Option\\Temps=4\r\n", true},
      {"[software]\nTolvan\\Option\\Temps=deux\nTolvan\\Langue=a, b\n", true},
      {"; note\n# autre\n[software]\nTolvan\\Option\\Fous=\"true\"\n[a]]\nx=1\n", true},
      {"[software%2FTolvan]\nLangue=x\n[software]\nTolvan\\Option\\Sound\\Result=@ByteArray(abc)\n", true},
      {"[software]\nTolvan\\Option\\Sound\\Click=false\nTolvan\\Option\\Sound\\Fichier=\"/a;b=c,d\"\n", true},
      {QByteArray("\x89PNG\r\n\x1a\n\0\0", 10), false},
      {"juste du texte\n", false},
  };
  // Values that Qt must escape or quote.
  const QString chemin = QString::fromUtf16(u"/tmp/é t\u0001\u007f\\\"q\";=,#[x]/\u00a0\U0001F3B5.son");
  QTemporaryDir dossier;
  int n = 0;
  for (const Entree& entree : entrees) {
    const QString fichier = dossier.filePath(QString::number(n++) + ".ini");
    QFile brut(fichier);
    ASSERT_TRUE(brut.open(QIODevice::WriteOnly));
    brut.write(entree.contenu);
    brut.close();
    const LectureReglages avant = Lecture(fichier);
    EXPECT_EQ(avant.echec, !entree.reglages || entree.contenu.contains("deux") || entree.contenu.contains("@"))
        << entree.contenu.toStdString();

    std::array<std::optional<QString>, NbReglages> ecrites;
    ecrites[static_cast<std::size_t>(Reglage::Fichier)] = chemin;
    ecrites[static_cast<std::size_t>(Reglage::Fous)] = QStringLiteral("true");
    ecrites[static_cast<std::size_t>(Reglage::Langue)] = QString();
    MagasinQSettings magasin(fichier);
    ASSERT_TRUE(EcritReglages(magasin, ecrites)) << entree.contenu.toStdString();
    ASSERT_TRUE(brut.open(QIODevice::ReadOnly));
    EXPECT_TRUE(EstFichierIni(brut.readAll())) << entree.contenu.toStdString();
    brut.close();

    // What was written comes back; what was not is as it was, or gone
    // with the garbage it was in.
    const LectureReglages apres = Lecture(fichier);
    for (int i = 0; i < NbReglages; ++i) {
      const std::size_t k = static_cast<std::size_t>(i);
      const std::optional<QString> attendue = ecrites[k] ? ecrites[k] : avant.valeurs[k];
      EXPECT_EQ(apres.valeurs[k], attendue) << entree.contenu.toStdString() << " " << i;
    }
    EXPECT_EQ(apres.echec, entree.reglages && avant.echec) << entree.contenu.toStdString();
  }

  // Qt reads a U+FEFF after an escaped character as nothing: such a value
  // is refused, and the file stays as it was.
  const QString fichier = dossier.filePath("0.ini");
  QFile avant(fichier);
  ASSERT_TRUE(avant.open(QIODevice::ReadOnly));
  const QByteArray contenu = avant.readAll();
  MagasinQSettings magasin(fichier);
  magasin.Ecrit("software/Tolvan", "Langue", QString::fromUtf16(u"\u0004\ufeff.tvl"));
  EXPECT_THROW(magasin.Enregistre(), ErreurReglages);
  EXPECT_EQ(magasin.DernierEchec(), fichier + " : valeur impossible à enregistrer : software/Tolvan/Langue");
  QFile apres(fichier);
  ASSERT_TRUE(apres.open(QIODevice::ReadOnly));
  EXPECT_EQ(apres.readAll(), contenu);
}

TEST(MagasinQSettings, TwoCopiesOfTheGameKeepEachOthersValues) {
  QTemporaryDir dossier;
  const QString fichier = dossier.filePath("Tolvan.ini");
  MagasinQSettings premier(fichier);
  MagasinQSettings second(fichier);
  EXPECT_FALSE(premier.CleExiste("software/Tolvan"));
  EXPECT_FALSE(second.CleExiste("software/Tolvan"));
  second.Ecrit("software/Tolvan/Option", "Fous", "true");
  second.Enregistre();
  premier.Ecrit("software/Tolvan/Option/Sound", "Click", "false");
  premier.Enregistre();
  MagasinQSettings relu(fichier);
  EXPECT_EQ(relu.Lit("software/Tolvan/Option", "Fous"), "true");
  EXPECT_EQ(relu.Lit("software/Tolvan/Option/Sound", "Click"), "false");
}

}  // namespace
}  // namespace tolvan::test
