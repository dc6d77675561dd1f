#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>

#include "FenetreDeTest.h"
#include "midend/FichierTexte.h"
#include "midend/Horloge.h"
#include "shell/LignesLangue.h"

namespace tolvan::test {
namespace {

const QString DossierDonnees = QStringLiteral(TOLVAN_DATA_DIR "/");

struct Fenetre : FenetreDeTest {
  Fenetre() {
    fenetre->show();
    QApplication::processEvents();
  }
  // The caption a line of a language file gives to this control.
  QString Legende(const char* controle) const {
    const QString nom = QString::fromLatin1(controle);
    if (nom == fenetre->objectName()) return fenetre->windowTitle();
    QWidget* cible = Trouve<QWidget>(controle);
    if (const int onglet = Pages()->indexOf(cible); onglet >= 0) return Pages()->tabText(onglet);
    if (auto* bouton = qobject_cast<QAbstractButton*>(cible)) return bouton->text();
    if (auto* etiquette = qobject_cast<QLabel*>(cible)) return etiquette->text();
    return qobject_cast<QGroupBox*>(cible)->title();
  }
  // Whether that caption shows whole on the control.
  bool TientDans(const char* controle) const {
    QWidget* cible = Trouve<QWidget>(controle);
    if (!cible || Pages()->indexOf(cible) >= 0) return true;
    if (auto* groupe = qobject_cast<QGroupBox*>(cible)) {
      return QFontMetrics(groupe->font()).horizontalAdvance(groupe->title()) + 16 <= groupe->width();
    }
    // Buttons have a wide least size of their own: measure what they hold.
    if (auto* bouton = qobject_cast<QPushButton*>(cible)) {
      const int image = bouton->icon().isNull() ? 0 : bouton->iconSize().width() + 4;
      const int marges = 2 * bouton->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, bouton);
      return QFontMetrics(bouton->font()).horizontalAdvance(bouton->text()) + image + marges <= bouton->width();
    }
    return cible->sizeHint().width() <= cible->width();
  }
  // Checks that every line landed on its controls and fits there.
  void VerifieLignes(const QStringList& lignes) const {
    for (int i = 0; i < NbLignesLangue; ++i) {
      for (const CibleLangue& cible : LignesLangue()[static_cast<std::size_t>(i)].cibles) {
        EXPECT_EQ(Legende(cible.controle), lignes.value(i)) << "line " << i + 1;
        EXPECT_TRUE(TientDans(cible.controle)) << cible.controle << " cannot show " << lignes.value(i).toStdString();
      }
    }
  }
};

QStringList Lignes(const QString& chemin) { return LitFichierTexte(chemin).lignes; }

TEST(Langue, TheShippedFilesGiveEveryCaptionAndEveryOneFits) {
  Fenetre f;
  const QStringList francais = Lignes(DossierDonnees + "francais.tvl");
  ASSERT_EQ(francais.size(), NbLignesFichierLangue);
  const auto table = LignesFrancaises();
  EXPECT_EQ(francais, QStringList(table.begin(), table.end()));  // the shipped file is the built-in table

  const QStringList anglais = Lignes(DossierDonnees + "english.tvl");
  ASSERT_EQ(anglais.size(), NbLignesFichierLangue);
  f.fenetre->change_langue(DossierDonnees + "english.tvl");
  EXPECT_TRUE(f.plateforme.messages.empty());
  f.VerifieLignes(anglais);
  EXPECT_EQ(f.fenetre->jeu().Textes().MsgToutEffacer, anglais[72]);

  f.fenetre->change_langue(DossierDonnees + "francais.tvl");
  f.VerifieLignes(francais);
  EXPECT_EQ(f.fenetre->jeu().Textes().MsgImpossible, " IMPOSSIBLE ");

  // A lost game's summary is not retitled as a won one.
  f.Trouve<QComboBox>("CBtemps")->setCurrentIndex(1);
  f.fenetre->BresultClick();
  f.Secondes(20);
  f.fenetre->change_langue(DossierDonnees + "english.tvl");
  EXPECT_EQ(f.Trouve<QGroupBox>("GBbravo")->title(), anglais[73]);
  EXPECT_TRUE(f.Trouve<QProgressBar>("PB")->format().startsWith(anglais[74]));
}

// The captions added since the 73 lines follow the game's texts: in
// English with the shipped file, where each still fits, and back in French
// under a file that lacks their lines.
TEST(Langue, TheCaptionsAddedSinceFollowTheLanguageAndFit) {
  Fenetre f;
  f.fenetre->change_langue(DossierDonnees + "english.tvl");
  const QStringList anglais = Lignes(DossierDonnees + "english.tvl");
  struct Legende {
    const char* controle;
    QString texte;
  };
  for (const Legende& l : {Legende{"BTjour", "Daily numbers"}, Legende{"BTcopie", "Copy my result"},
                           Legende{"BTindice", "Hint"}, Legende{"BTmesParties", "My games"},
                           Legende{"LBdifficulte", "Difficulty:"}, Legende{"LBnbIndices", "Hints: 0"},
                           Legende{"CBcoach", anglais[NbLignesLangue + 7]}}) {
    EXPECT_EQ(f.Legende(l.controle), l.texte);
    EXPECT_TRUE(f.TientDans(l.controle)) << l.controle;
  }
  auto* temps = f.Trouve<QComboBox>("CBtemps");
  EXPECT_EQ(temps->itemText(5), "1 minute 30");
  EXPECT_EQ(temps->itemText(ChoixChronoCache), "Hidden clock");
  EXPECT_EQ(f.Trouve<QComboBox>("CBetape")->itemText(2), "in 2");
  EXPECT_EQ(f.Trouve<QComboBox>("CBoper")->itemText(0), "all");

  // The message boxes' buttons and the code's button follow the language too.
  EXPECT_EQ(f.plateforme.motsDesBoutons.oui, "Yes");
  EXPECT_EQ(f.plateforme.motsDesBoutons.non, "No");
  EXPECT_EQ(f.plateforme.motsDesBoutons.reessayer, "Retry");
  EXPECT_EQ(f.Legende("BTcode"), "Series by code");

  QStringList ancien = anglais.mid(0, 76);
  ASSERT_EQ(EcritFichierTexte(f.Chemin("ancien.tvl"), ancien), EcritureTexte::Ecrit);
  f.fenetre->change_langue(f.Chemin("ancien.tvl"));
  EXPECT_EQ(f.Legende("BTannul"), "Undo");
  EXPECT_EQ(f.Legende("BTjour"), "Tirage du jour");
  EXPECT_EQ(temps->itemText(ChoixChronoCache), QStringLiteral("Chrono caché"));
  EXPECT_EQ(f.Trouve<QComboBox>("CBdifficulte")->itemText(0), "toutes");
  EXPECT_EQ(f.plateforme.motsDesBoutons.oui, "Oui");
}

TEST(Langue, EachLineReplacesWhatItsControlsShowAndShortFilesEmptyTheRest) {
  Fenetre f;
  // A list file is open; a series is under way.
  f.Trouve<QLabel>("TXTnamefile")->setText("mes tirages.tir");
  QStringList lignes = Lignes(DossierDonnees + "francais.tvl").mid(0, 60);
  lignes[38] = "";  // the window's title
  ASSERT_EQ(EcritFichierTexte(f.Chemin("court.tvl"), lignes), EcritureTexte::Ecrit);
  f.fenetre->change_langue(DossierDonnees + "english.tvl");
  f.fenetre->change_langue(f.Chemin("court.tvl"));
  EXPECT_EQ(f.fenetre->jeu().Textes().MsgChrono, "Chrono");  // the lines older files lack are French again
  EXPECT_EQ(f.Trouve<QLabel>("LBniv")->text(), "Modifier");  // the same text as "Modifier"
  EXPECT_EQ(f.Trouve<QLabel>("TXTnamefile")->text(), "Aucun fichier ouvert");
  EXPECT_EQ(f.fenetre->windowTitle(), "");
  EXPECT_EQ(f.Trouve<QLabel>("LBtitre")->text(), "");
  EXPECT_EQ(f.fenetre->jeu().Textes().MsgErreurOuverture, "");
  EXPECT_EQ(f.fenetre->jeu().Textes().MsgToutEffacer, "");

  // A file that cannot be opened, then Cancel: nothing changes, but its
  // path is remembered for the next start.
  f.plateforme.fichiers = {f.Chemin("absent.tvl")};
  f.plateforme.messages.clear();
  f.fenetre->BTchangeLangueClick();
  ASSERT_EQ(f.plateforme.messages.size(), 1u);
  EXPECT_EQ(f.plateforme.messages[0].boutons, BoutonsMessage::ReessayerAnnuler);
  // The message texts were emptied above: only the path and why remain.
  EXPECT_EQ(f.plateforme.messages[0].texte, "\r" + f.Chemin("absent.tvl") + " : fichier introuvable\r");
  EXPECT_EQ(f.fenetre->jeu().options().fichierLangue, f.Chemin("absent.tvl"));
  EXPECT_EQ(f.plateforme.dialogues.back().dossier, f.Repertoire());
  EXPECT_EQ(f.Trouve<QLabel>("LBniv")->text(), "Modifier");
}

TEST(Langue, EmptyOrBinaryFilesAreRefusedAndShortTextFilesStillWork) {
  struct Cas {
    QByteArray contenu;
    const char* refus;  // why it is refused; nullptr when it is read
  };
  const std::vector<Cas> cas = {
      {"", "fichier vide"},
      {"\x1a", "fichier vide"},
      {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "ce n'est pas un fichier texte"},
      {QByteArray("Back\r\nHe\0lp\r\n", 12), "ce n'est pas un fichier texte"},
      {"Back\r\nHe\tlp\r\n", "ce n'est pas un fichier texte"},
      {"Back\r\nHelp\r\n\x1a", nullptr},
      {"Back\r\nHelp", nullptr},
      {"Ba\nck\r\nHelp\r\n", nullptr},
  };
  for (const Cas& c : cas) {
    Fenetre f;
    f.Ecrit("langue.tvl", c.contenu);
    f.fenetre->change_langue(f.Chemin("langue.tvl"));
    const QString premiere = c.contenu.startsWith("Ba\n") ? "Ba\nck" : "Back";
    if (c.refus) {
      ASSERT_EQ(f.plateforme.messages.size(), 1u) << c.refus;
      EXPECT_EQ(f.plateforme.messages[0].boutons, BoutonsMessage::ReessayerAnnuler);
      EXPECT_EQ(f.plateforme.messages[0].texte, "Erreur lors de l'ouverture du fichier\r" + f.Chemin("langue.tvl") +
                                                    " : " + c.refus + "\rRéessayer ?");
      EXPECT_EQ(f.Legende("BTannul"), "Retour");
      EXPECT_EQ(f.fenetre->windowTitle(), "TOLVAN");
      EXPECT_EQ(f.fenetre->jeu().Textes().MsgReessayer, "Réessayer ?");
    } else {
      EXPECT_TRUE(f.plateforme.messages.empty()) << c.contenu.toStdString();
      EXPECT_EQ(f.Legende("BTannul"), premiere);
      EXPECT_EQ(f.Legende("BTback"), "Help");
      EXPECT_EQ(f.Legende("BTchange"), "");
      EXPECT_EQ(f.fenetre->jeu().Textes().MsgReessayer, "");
    }
  }
}

}  // namespace
}  // namespace tolvan::test
