#include <gtest/gtest.h>

#include <algorithm>

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include "FenetreDeTest.h"
#include "midend/FichierTexte.h"

namespace tolvan::test {
namespace {

const char* const BoutonsChoix[] = {"BTsonClick", "BTsonRes",   "BTsonErreur", "BTsonBack",
                                    "BTsonnew",   "BTsonGagne", "BTsonLose"};

QStringList Legendes(const FenetreDeTest& f) {
  QStringList legendes;
  for (const char* nom : BoutonsChoix) legendes.append(f.Trouve<QPushButton>(nom)->text());
  return legendes;
}

QStringList Noms(const SonsDuJeu& sons) {
  QStringList noms;
  for (const QString& nom : sons.noms) noms.append(nom);
  return noms;
}

struct FenetreActivee : FenetreDeTest {
  FenetreActivee() { fenetre->FormActivate(); }
};

TEST(ThemeSonore, SavingAndOpeningTheDefaultsChangesNothing) {
  FenetreActivee f;
  const QStringList avant = Legendes(f);
  f.plateforme.fichiers = {f.Chemin("copie.son"), f.Chemin("copie.son")};
  f.fenetre->BTsaveSonClick();
  EXPECT_EQ(f.Lit("copie.son"), QByteArray("MenuPopup\r\nMenuCommand\r\nAppGPFault\r\nMinimize\r\nRestoreUp\r\n"
                                           "SystemQuestion\r\nSystemExclamation\r\n"));
  EXPECT_EQ(f.plateforme.dialogues.back().titre, "Sauvegarder un fichier SON");
  EXPECT_EQ(f.plateforme.dialogues.back().filtre, "Fichiers Sons|*.son");
  f.fenetre->BTopenSonClick();
  EXPECT_EQ(f.plateforme.dialogues.back().titre, "Ouvrir un fichier SON");
  EXPECT_EQ(f.plateforme.dialogues.back().filtre, "Fichiers bruitage *.son|*.son");
  EXPECT_EQ(Noms(f.fenetre->jeu().Sons()), Noms(SonsDuJeu{}));
  EXPECT_EQ(Legendes(f), avant);
  EXPECT_EQ(f.fenetre->jeu().options().fichierSon, f.Chemin("copie.son"));
  EXPECT_TRUE(f.plateforme.messages.empty());
}

TEST(ThemeSonore, ShortFilesEmptyTheMissingNames) {
  struct Cas {
    QByteArray contenu;
    QStringList noms;
  };
  const std::vector<Cas> cas = {
      {"un.wav\r\ndeux.wav\r\ntrois.wav\r\n", {"un.wav", "deux.wav", "trois.wav", "", "", "", ""}},
      // Line feeds alone do not end lines: the whole text is the first name.
      {"un\ndeux\ntrois\n", {"un\ndeux\ntrois\n", "", "", "", "", "", ""}},
      {"", {"", "", "", "", "", "", ""}},
      {"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n", {"1", "2", "3", "4", "5", "6", "7"}},
  };
  for (const Cas& c : cas) {
    FenetreActivee f;
    f.Ecrit("court.son", c.contenu);
    f.plateforme.fichiers = {f.Chemin("court.son")};
    f.fenetre->BTopenSonClick();
    EXPECT_EQ(Noms(f.fenetre->jeu().Sons()), c.noms);
    EXPECT_TRUE(f.plateforme.messages.empty());
  }
  FenetreActivee f;
  f.Ecrit("trois.son", "C:\\Sons\\a.wav\r\nb.wav\r\nc.wav\r\n");
  f.plateforme.fichiers = {f.Chemin("trois.son")};
  f.fenetre->BTopenSonClick();
  EXPECT_EQ(Legendes(f), QStringList({"a.wav", "b.wav", "c.wav", "", "", "", ""}));
}

TEST(ThemeSonore, AChosenSoundShowsItsNameAndIsSavedWhole) {
  FenetreActivee f;
  f.plateforme.fichiers = {QStringLiteral("C:\\Sons\\bip.wav")};
  f.Trouve<QPushButton>("BTsonGagne")->click();
  EXPECT_EQ(f.plateforme.dialogues.back().filtre, "Fichier WAV|*.wav");
  EXPECT_EQ(f.Trouve<QPushButton>("BTsonGagne")->text(), "bip.wav");
  EXPECT_EQ(f.fenetre->jeu().Sons()[Evenement::Trouve], "C:\\Sons\\bip.wav");

  f.plateforme.fichiers = {f.Chemin("perso.son")};
  f.fenetre->BTsaveSonClick();
  EXPECT_EQ(LitFichierTexte(f.Chemin("perso.son")).lignes.value(5), "C:\\Sons\\bip.wav");

  // Cancelling a choice changes nothing.
  f.Trouve<QPushButton>("BTsonClick")->click();
  EXPECT_EQ(f.fenetre->jeu().Sons()[Evenement::Click], "MenuPopup");
  EXPECT_EQ(f.Trouve<QPushButton>("BTsonClick")->text(), "MenuPopup");
}

TEST(ThemeSonore, EventsPlayOnlyWhenTheirBoxIsTickedButListeningAlwaysPlays) {
  FenetreActivee f;
  f.Trouve<QCheckBox>("CBsonGagne")->click();
  f.plateforme.tirages = HasardDe303;
  f.fenetre->BresultClick();
  f.plateforme.sons.clear();
  for (int code : Touches303) f.fenetre->Effectue(code);
  ASSERT_TRUE(f.fenetre->jeu().manche().Gagnee());
  EXPECT_EQ(f.plateforme.sons.front(), "MenuPopup");  // the board's own sounds still play
  EXPECT_EQ(std::count(f.plateforme.sons.begin(), f.plateforme.sons.end(), "SystemQuestion"), 0);
  f.plateforme.sons.clear();
  QTest::mouseClick(f.Trouve<QPushButton>("BitBtn13"), Qt::LeftButton);
  f.Trouve<QPushButton>("BitBtn14")->click();
  EXPECT_EQ(f.plateforme.sons, (std::vector<QString>{"SystemQuestion", "SystemExclamation"}));
}

TEST(ThemeSonore, AllSetsTheSevenBoxesButDoesNotFollowThem) {
  FenetreActivee f;
  auto* tous = f.Trouve<QCheckBox>("CBsonTous");
  const char* const cases[] = {"CBsonClick", "CBsonres", "CBsonerreur", "CBsonBack",
                               "CBsonNew",   "CBsonGagne", "CBsonlose"};
  QTest::mouseClick(tous, Qt::LeftButton, {}, QPoint(6, tous->height() / 2));
  ASSERT_FALSE(tous->isChecked());
  for (const char* nom : cases) EXPECT_FALSE(f.Trouve<QCheckBox>(nom)->isChecked()) << nom;
  f.Trouve<QCheckBox>("CBsonNew")->click();
  EXPECT_TRUE(f.Trouve<QCheckBox>("CBsonNew")->isChecked());
  EXPECT_FALSE(tous->isChecked());
  tous->click();
  for (const char* nom : cases) EXPECT_TRUE(f.Trouve<QCheckBox>(nom)->isChecked()) << nom;
}

TEST(ThemeSonore, AMissingThemeIsRememberedButChangesNoName) {
  FenetreActivee f;
  f.plateforme.fichiers = {f.Chemin("absent.son")};
  f.fenetre->BTopenSonClick();
  ASSERT_EQ(f.plateforme.messages.size(), 1u);
  EXPECT_EQ(f.plateforme.messages[0].texte,
            "Erreur lors de l'ouverture du fichier\r" + f.Chemin("absent.son") + " : fichier introuvable\rRéessayer ?");
  EXPECT_EQ(Noms(f.fenetre->jeu().Sons()), Noms(SonsDuJeu{}));
  EXPECT_EQ(f.fenetre->jeu().options().fichierSon, f.Chemin("absent.son"));

  // Cancelling the dialog itself keeps the theme file as it was.
  f.fenetre->BTopenSonClick();
  EXPECT_EQ(f.fenetre->jeu().options().fichierSon, f.Chemin("absent.son"));
}

TEST(ThemeSonore, AThemeThatCannotBeCreatedAsksRetryOrCancel) {
  FenetreActivee f;
  f.plateforme.fichiers = {f.Chemin("pas/de/dossier.son")};
  f.plateforme.reponses = {Reponse::Reessayer, Reponse::Annuler};
  f.fenetre->BTsaveSonClick();
  ASSERT_EQ(f.plateforme.messages.size(), 2u);
  EXPECT_EQ(f.plateforme.messages[1].texte,
            "Erreur lors de l'ouverture du fichier\r" + f.Chemin("pas/de/dossier.son") + " : dossier introuvable\rRéessayer ?");
  EXPECT_FALSE(QFile::exists(f.Chemin("pas/de/dossier.son")));
}

}  // namespace
}  // namespace tolvan::test
