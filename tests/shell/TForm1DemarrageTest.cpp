#include <gtest/gtest.h>

#include <map>

#include <QAccessible>
#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QHeaderView>
#include <QTreeView>
#include <QTreeWidget>

#include "FenetreDeTest.h"
#include "shell/TFRMgene.h"
#include "shell/TFRMname.h"

namespace tolvan::test {
namespace {

QStringList NomsDesSons(const FenetreDeTest& f) {
  QStringList noms;
  for (const char* bouton : {"BTsonClick", "BTsonRes", "BTsonErreur", "BTsonBack", "BTsonnew", "BTsonGagne",
                             "BTsonLose"}) {
    noms.append(f.Trouve<QPushButton>(bouton)->text());
  }
  return noms;
}

const QStringList NomsParDefaut = {"MenuPopup", "MenuCommand",    "AppGPFault",       "Minimize",
                                   "RestoreUp", "SystemQuestion", "SystemExclamation"};

TEST(Demarrage, WindowFitsThePagesAt96Dpi) {
  FenetreDeTest f;
  ASSERT_EQ(f.fenetre->logicalDpiY(), 96);
  EXPECT_EQ(f.fenetre->MargeFenetre(), 28);
  EXPECT_EQ(f.fenetre->size(), QSize(562, 339));
  EXPECT_EQ(f.fenetre->TailleFenetre(true), QSize(562, 485));
  EXPECT_EQ(f.fenetre->windowTitle(), "TOLVAN");
  EXPECT_EQ(f.Trouve<QTabWidget>("PCmain")->geometry(), QRect(8, 6, 540, 305));
  // The hints band lies below the pages, out of sight.
  EXPECT_FALSE(f.Trouve<QGroupBox>("GBindice")->isVisibleTo(f.fenetre.get()));
  EXPECT_FALSE(f.Trouve<QGroupBox>("GBcalcul")->isVisibleTo(f.fenetre.get()));
  EXPECT_EQ(f.Trouve<QGroupBox>("GBindice")->geometry(), QRect(8, 316, 371, 141));
  EXPECT_EQ(f.Trouve<QGroupBox>("GBcalcul")->geometry(), QRect(382, 316, 163, 141));
}

TEST(Demarrage, OpensOnAboutWithTheFirstDrawReady) {
  FenetreDeTest f;
  const auto* pages = f.Trouve<QTabWidget>("PCmain");
  EXPECT_EQ(pages->currentWidget()->objectName(), "TSapro");
  QStringList onglets;
  for (int i = 0; i < pages->count(); ++i) onglets.append(pages->tabText(i));
  EXPECT_EQ(onglets, QStringList({"Jeu", "Options", "Compétition", "Tirages", "A propos"}));

  const std::array<int, 6> nombres = {1, 1, 2, 2, 3, 3};
  for (int i = 0; i < 6; ++i) {
    const auto* tuile = f.Trouve<QPushButton>(qPrintable(QStringLiteral("P%1").arg(i + 1)));
    EXPECT_EQ(tuile->text(), QString::number(nombres[i]));
    EXPECT_EQ(tuile->property("tag").toInt(), nombres[i]);
    EXPECT_EQ(f.fenetre->jeu().solveur().Tirage.Nombres[i + 1], nombres[i]);
  }
  EXPECT_EQ(f.Trouve<QPushButton>("Bresult")->text(), "999");
  EXPECT_EQ(f.fenetre->jeu().solveur().Tirage.Resultat, 999);
  EXPECT_EQ(f.fenetre->jeu().solveur().SolveurLibre, 1);
  EXPECT_EQ(f.fenetre->jeu().solveur().SolutionsCalculees, 0);

  QWidget* jeu = f.Trouve<QWidget>("TSjeu");
  EXPECT_TRUE(f.Trouve<QGroupBox>("GBinfo")->isVisibleTo(jeu));
  EXPECT_FALSE(f.Trouve<QGroupBox>("GBjeu")->isVisibleTo(jeu));
  EXPECT_FALSE(f.Trouve<QGroupBox>("GBsaisie")->isVisibleTo(jeu));
  EXPECT_TRUE(f.Trouve<QPushButton>("BTnouvPartie")->isVisibleTo(jeu));
  EXPECT_TRUE(f.Trouve<QPushButton>("BTrejoue")->isVisibleTo(jeu));
  EXPECT_FALSE(f.Trouve<QTextEdit>("TMsolution")->isVisibleTo(jeu));
  EXPECT_FALSE(f.Trouve<QLineEdit>("MaReponse")->isVisibleTo(jeu));

  EXPECT_EQ(f.Trouve<QComboBox>("CBtemps")->currentText(), "illimité");
  EXPECT_EQ(f.Trouve<QComboBox>("CBtemps")->count(), 13);
  EXPECT_EQ(f.Trouve<QComboBox>("CBtime")->currentText(), "100% du temps 100% des points");
  EXPECT_EQ(f.Trouve<QProgressBar>("PB")->maximum(), 3600);
  EXPECT_EQ(f.Trouve<QComboBox>("CBetape")->currentText(), "toutes");
  EXPECT_EQ(f.Trouve<QComboBox>("CBoper")->currentText(), "toutes");
  EXPECT_FALSE(f.Trouve<QTimer>("Timer1")->isActive());
  EXPECT_EQ(f.plateforme.semis, 1);

  // Training layout: level controls off, training options shown.
  EXPECT_FALSE(f.Trouve<QPushButton>("BTchange")->isEnabled());
  EXPECT_FALSE(f.Trouve<QComboBox>("CBtime")->isEnabled());
  EXPECT_FALSE(f.Trouve<QPushButton>("BTstart")->isEnabled());
  EXPECT_FALSE(f.Trouve<QGroupBox>("GBentrain")->isHidden());
  EXPECT_FALSE(f.Trouve<QGroupBox>("GBtirage")->isHidden());
  EXPECT_TRUE(f.Trouve<QLabel>("LBpoint")->isHidden());
  EXPECT_TRUE(f.Trouve<QLabel>("LBnbsol")->isHidden());

  EXPECT_EQ(f.fenetre->jeu().options().fichierSon, f.Repertoire() + "system defaut.son");
  EXPECT_EQ(f.fenetre->jeu().options().fichierLangue, f.Repertoire() + "francais.tvl");
  // The two dialogs exist from the start, hidden.
  ASSERT_NE(f.fenetre->findChild<TFRMname*>("FRMname"), nullptr);
  EXPECT_EQ(f.fenetre->findChild<TFRMname*>("FRMname")->windowTitle(), "Entre ton nom :");
  EXPECT_EQ(f.fenetre->findChild<TFRMname*>("FRMname")->TXTbatu->text(), "??????????");
  EXPECT_EQ(f.fenetre->findChild<TFRMgene*>("FRMgene")->windowTitle(), "Génération de tirages");
  EXPECT_EQ(f.fenetre->findChild<TFRMgene*>("FRMgene")->TXTnbtir->text(), "10");
  EXPECT_FALSE(f.fenetre->findChild<TFRMgene*>("FRMgene")->isVisible());
}

TEST(Demarrage, EveryControlCarriesItsNameCaptionAndHint) {
  FenetreDeTest f;
  struct Attendu {
    const char* nom;
    QString texte;
    QString bulle;
  };
  const std::vector<Attendu> attendus = {
      {"BTnouvPartie", "Nouvelle Partie", "Jouer la partie suivante"},
      {"BTrejoue", "Rejouer la partie", "Rejouer avec le dernier tirage"},
      {"BTfois", "", "MULTIPLIER PAR"},
      {"BTdivis", "", "DIVISER PAR"},
      {"Bresult", "999", "Nouveau tirage"},
      {"BTjouer", "Jouer", "Jouer avec ces nombres"},
      {"BTmodifier", "Modifier", "Modifer les nombres"},
      {"BTback", "Aides", "Utiliser les Aides"},
      {"BTannul", "Retour", "Annuler la dernière ligne"},
      {"BTvoirSol", "Voir les solutions", ""},
      {"BTsimple", "La + simple", ""},
      {"BTtordue", "La + tordue", ""},
      {"BTmienne", "La mienne", ""},
      {"BTopenSon", "Ouvrir un thème", "Ouvre une configuration de bruitages"},
      {"BTsaveSon", "Sauvegarder", "Sauvegarde la configuration des bruitages"},
      {"BitBtn13", "", "Ecouter ce son"},
      {"BTsonGagne", "", "Changer de Bruitage"},
      {"BTstart", "Commencer une partie", ""},
      {"BTchange", "Changer le level", ""},
      {"BTopen", "Ouvrir un fichier", ""},
      {"BTsave", "Sauvegarder", ""},
      {"BTeffaceTout", "Effacer tout", ""},
      {"BTimprim", "Imprimer", ""},
      {"BTexcel", "Ouvrir dans EXCEL", ""},
      {"BTgenere", "Générer une série", ""},
      {"STOP", "STOP", ""},
      {"BTchangeLangue", "Choose language", ""},
      {"Button1", "HELP !", ""},
      {"BTdecomp", "Décomposition", "Décomposer ce nombre en facteur premier"},
      {"BTlastligne", "Dernière ligne", "Affiche une des dernieres lignes possibles pour finir le calcul"},
  };
  for (const Attendu& a : attendus) {
    const auto* bouton = f.Trouve<QPushButton>(a.nom);
    ASSERT_NE(bouton, nullptr) << a.nom;
    if (!a.texte.isEmpty()) {
      EXPECT_EQ(bouton->text(), a.texte) << a.nom;
    }
    EXPECT_EQ(bouton->toolTip(), a.bulle) << a.nom;
  }
  const std::vector<Attendu> cases = {
      {"CBauto", "Calculer Automatiquement les solutions", "Désactiver sur les machines lentes"},
      {"CkBcalcul", "Calcul automatique des résultats", "Affiche automatiquement le résultat à la fin d'un calcul"},
      {"CBmontre", "Voir le nombre de solutions", "Affiche le nombre de solution pour le tirage en cours"},
      {"CkBpremier", "Résultats premiers uniquement",
       "Grace à cette option le résultat à trouver sera toujours premier"},
      {"CkBFou", "Tirages Fous !", ""},
      {"CBsonres", "Résultat intermédiare :", "Bruitage ON / OFF"},
      {"CBsonTous", "Tous", ""},
      {"CBcompet", "Mode Compétition :", ""},
      {"CBaide", "Aide interdite (points x 4)",
       "Impossible d'utiliser les indices mais multiplie les points par '4"},
      {"CBclasse", "Classer", ""},
  };
  for (const Attendu& a : cases) {
    const auto* caseACocher = f.Trouve<QCheckBox>(a.nom);
    ASSERT_NE(caseACocher, nullptr) << a.nom;
    EXPECT_EQ(caseACocher->text(), a.texte) << a.nom;
    EXPECT_EQ(caseACocher->toolTip(), a.bulle) << a.nom;
  }
  EXPECT_TRUE(f.Trouve<QCheckBox>("CkBcalcul")->isChecked());
  EXPECT_FALSE(f.Trouve<QCheckBox>("CBauto")->isChecked());
  for (const char* nom : {"GBinfo", "GBjeu", "GBsaisie", "GBtablo", "GBbravo", "GBopSol", "GBentrain", "GBtirage",
                          "GBson", "GroupBox3", "GBindice", "GBcalcul"}) {
    EXPECT_NE(f.Trouve<QGroupBox>(nom), nullptr) << nom;
  }
  for (const char* nom : {"Edit1", "Edit6", "Edit7", "MaReponse", "LBniveau", "TXTtime", "Ldecompos", "Enbadecomp",
                          "ElastLigne", "Lcalcul", "TXTnb1", "TXTope", "TXTnb2", "TXTresult", "PressPapier"}) {
    EXPECT_NE(f.Trouve<QLineEdit>(nom), nullptr) << nom;
  }
  // Typing stops at three digits for a number, four for the target; a bigger
  // number the game puts there shows whole.
  for (const auto& [nom, tape, garde] : std::vector<std::tuple<const char*, QString, QString>>{
           {"Edit3", "12345", "123"}, {"Edit7", "12345", "1234"}, {"Enbadecomp", "12345", "1234"}}) {
    auto* champ = f.Trouve<QLineEdit>(nom);
    champ->clear();
    for (QChar c : tape) QTest::keyClick(champ, Qt::Key(Qt::Key_0 + c.digitValue()), Qt::KeypadModifier);
    EXPECT_EQ(champ->text(), garde) << nom;
    champ->setText("7500");
    EXPECT_EQ(champ->text(), "7500") << nom;
  }
  EXPECT_EQ(f.Trouve<QLineEdit>("MaReponse")->maxLength(), 10);  // the longest result
  EXPECT_EQ(f.Trouve<QLineEdit>("TXTope")->text(), "o");
  EXPECT_EQ(f.Trouve<QLineEdit>("LBniveau")->text(), "<= clique pour choisir");
  EXPECT_EQ(f.Trouve<QGroupBox>("GBsaisie")->title(), "Modidification");
  for (const char* nom : {"MM1", "MM5", "MMrecap", "TMsolution"}) EXPECT_NE(f.Trouve<QTextEdit>(nom), nullptr) << nom;
  EXPECT_EQ(f.Trouve<QTextEdit>("TMsolution")->toolTip(), "Les Solutions");
  EXPECT_EQ(f.Trouve<QTextEdit>("MMrecap")->toPlainText(), "999\n1 1 2 2 3 3 \n\n1+2=3\n1+2=3\n3*3=9\n9*3=27\n27*3=81");

  const auto* tirages = f.Trouve<QTreeView>("LVtirage");
  ASSERT_EQ(tirages->model()->columnCount(), 11);
  EXPECT_EQ(tirages->model()->headerData(0, Qt::Horizontal).toString(), "Résultat");
  EXPECT_EQ(tirages->model()->headerData(10, Qt::Horizontal).toString(), "Solution");
  EXPECT_EQ(tirages->columnWidth(0), 55);
  EXPECT_EQ(tirages->columnWidth(7), 50);
  f.fenetre->show();
  QApplication::processEvents();
  // The solution column's caption and the start of its text are in sight.
  EXPECT_LT(tirages->header()->sectionViewportPosition(10) + 2 * tirages->fontMetrics().horizontalAdvance("Solution"),
            tirages->viewport()->width());
  EXPECT_EQ(tirages->selectionMode(), QAbstractItemView::ExtendedSelection);
  const auto* record = f.Trouve<QTreeWidget>("LVrecord");
  EXPECT_EQ(record->headerItem()->text(1), "Nom");
  EXPECT_EQ(record->columnWidth(1), 110);
  const auto* scores = f.Trouve<QTreeWidget>("LVscore");
  EXPECT_EQ(scores->headerItem()->text(0), "Partie n°");
  EXPECT_EQ(scores->columnWidth(1), 80);

  const auto* menu = f.Trouve<QMenu>("PMtirage");
  ASSERT_NE(menu, nullptr);
  QStringList entrees;
  for (const QAction* action : menu->actions()) entrees.append(action->isSeparator() ? "-" : action->text());
  EXPECT_EQ(entrees, QStringList({"Jouer ce tirage", "Calculer la solution", "Copier ce compte",
                                  "Effacer ces tirages", "-", "Annuler"}));
}

// The page, or band, or dialog a control belongs to: where a screen reader
// user looks for it by name.
const QWidget* Voisinage(const QWidget* controle) {
  for (const QWidget* w = controle->parentWidget(); w; w = w->parentWidget()) {
    const QString nom = w->objectName();
    if (nom.startsWith("TS") || nom == "GBindice" || nom == "GBcalcul" || w->isWindow()) return w;
  }
  return nullptr;
}

TEST(Demarrage, EveryControlHasItsOwnNameForScreenReaders) {
  FenetreDeTest f;
  f.fenetre->show();
  std::map<std::pair<const QWidget*, QString>, QString> dejaVus;
  // The two dialogs belong to the window.
  for (QWidget* controle : f.fenetre->findChildren<QWidget*>()) {
    const QString objet = controle->objectName();
    const bool interactif = qobject_cast<QAbstractButton*>(controle) || qobject_cast<QLineEdit*>(controle) ||
                            qobject_cast<QComboBox*>(controle) || qobject_cast<QAbstractItemView*>(controle) ||
                            qobject_cast<QProgressBar*>(controle) || qobject_cast<QTextEdit*>(controle) ||
                            qobject_cast<QTabWidget*>(controle);
    if (!interactif || objet.isEmpty() || objet.startsWith("qt_") || objet == "PressPapier") continue;
    QAccessibleInterface* acces = QAccessible::queryAccessibleInterface(controle);
    ASSERT_NE(acces, nullptr) << objet.toStdString();
    // A list's own name comes first: what it shows is only its value.
    const QString nom = controle->accessibleName().isEmpty() ? acces->text(QAccessible::Name) : controle->accessibleName();
    EXPECT_FALSE(nom.isEmpty()) << objet.toStdString();
    // Two tiles may hold the same number.
    if (objet.size() == 2 && objet[0] == 'P' && objet[1].isDigit()) continue;
    const auto [place, nouveau] = dejaVus.emplace(std::pair{Voisinage(controle), nom}, objet);
    EXPECT_TRUE(nouveau) << objet.toStdString() << " and " << place->second.toStdString() << ": "
                         << nom.toStdString();
  }
}

TEST(Demarrage, NothingToReplayUntilADrawIsDealt) {
  FenetreDeTest f;
  // The platform knew the window before the window set itself up.
  EXPECT_EQ(f.plateforme.fenetreAuSemis, f.fenetre.get());
  auto* rejoue = f.Trouve<QPushButton>("BTrejoue");
  EXPECT_FALSE(rejoue->isEnabled());
  f.fenetre->BTrejoueClick();
  EXPECT_FALSE(f.Trouve<QTimer>("Timer1")->isActive());
  EXPECT_EQ(f.Trouve<QProgressBar>("PB")->text(), "Chrono 0:00");

  // Nothing scripted: the draw still comes out.
  f.fenetre->BTnouvPartieClick();
  EXPECT_TRUE(f.Trouve<QTimer>("Timer1")->isActive());
  EXPECT_TRUE(rejoue->isEnabled());
  EXPECT_EQ(f.fenetre->jeu().bibliotheque().Modele().NbLignes(), 1);
}

TEST(Demarrage, DrawSourcesAreExclusiveAndSolvableOnlyStartsDisabled) {
  FenetreDeTest f;
  auto* quelconque = f.Trouve<QRadioButton>("RBquelconque");
  auto* realisable = f.Trouve<QRadioButton>("CkBreal");
  auto* fichier = f.Trouve<QRadioButton>("RBfichier");
  EXPECT_TRUE(quelconque->isChecked());
  EXPECT_FALSE(realisable->isEnabled());
  realisable->click();
  EXPECT_FALSE(realisable->isChecked());
  fichier->click();
  EXPECT_TRUE(fichier->isChecked());
  EXPECT_FALSE(quelconque->isChecked());
}

TEST(Demarrage, FirstActivationLoadsTheDefaultThemeAndLaterOnesDoNothing) {
  FenetreDeTest f;
  f.Ecrit("system defaut.son", "C:\\Sons\\clic.wav\r\nMenuCommand\r\nAppGPFault\r\nMinimize\r\nRestoreUp\r\n"
                               "SystemQuestion\r\nSystemExclamation\r\n");
  EXPECT_EQ(NomsDesSons(f), QStringList(7, "Par Défaut"));
  f.fenetre->FormActivate();
  EXPECT_TRUE(f.plateforme.messages.empty());
  EXPECT_EQ(f.fenetre->jeu().Sons()[Evenement::Click], "C:\\Sons\\clic.wav");
  QStringList attendus = NomsParDefaut;
  attendus[0] = "clic.wav";
  EXPECT_EQ(NomsDesSons(f), attendus);

  f.Ecrit("system defaut.son", "autre\r\n");
  f.fenetre->FormActivate();
  EXPECT_EQ(f.fenetre->jeu().Sons()[Evenement::Click], "C:\\Sons\\clic.wav");
  EXPECT_EQ(NomsDesSons(f), attendus);
}

TEST(Demarrage, MissingDefaultThemeAsksAndCancelKeepsTheBuiltInNames) {
  FenetreDeTest f(false);
  f.plateforme.reponses = {Reponse::Reessayer, Reponse::Annuler};
  f.fenetre->FormActivate();
  ASSERT_EQ(f.plateforme.messages.size(), 2u);
  const MessageAffiche& message = f.plateforme.messages[0];
  EXPECT_EQ(message.type, TypeMessage::Erreur);
  EXPECT_EQ(message.boutons, BoutonsMessage::ReessayerAnnuler);
  EXPECT_EQ(message.texte,
            "Erreur lors de l'ouverture du fichier\r" + f.Repertoire() + "system defaut.son : fichier introuvable\rRéessayer ?");
  EXPECT_EQ(NomsDesSons(f), NomsParDefaut);
}

TEST(Demarrage, TheThemeQuestionItselfDoesNotStartASecondLoad) {
  FenetreDeTest f(false);
  // The box activates the window again while it is up.
  f.plateforme.quandMessage = [&f](const MessageAffiche&) { f.fenetre->FormActivate(); };
  f.fenetre->FormActivate();
  EXPECT_EQ(f.plateforme.messages.size(), 1u);
}

TEST(Demarrage, RetryReadsAThemePutBackMeanwhile) {
  FenetreDeTest f(false);
  f.plateforme.reponses = {Reponse::Reessayer};
  // The player puts the file back before pressing Retry.
  f.plateforme.quandMessage = [&f](const MessageAffiche&) {
    f.Ecrit("system defaut.son", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\n");
  };
  f.fenetre->FormActivate();
  EXPECT_EQ(f.plateforme.messages.size(), 1u);
  EXPECT_EQ(NomsDesSons(f), QStringList({"a", "b", "c", "d", "e", "f", "g"}));
}

TEST(Demarrage, HelpOpensTheHelpFileOfTheProgramDirectory) {
  FenetreDeTest f;
  f.fenetre->Button1Click();
  ASSERT_EQ(f.plateforme.documents.size(), 1u);
  EXPECT_EQ(f.plateforme.documents[0], f.Repertoire() + "AidesDeTolvan.html");
  f.Ecrit("AidesDeTolvan.chm", "ITSF");
  f.fenetre->Button1Click();
  EXPECT_EQ(f.plateforme.documents[1], f.Repertoire() + "AidesDeTolvan.chm");

  f.fenetre->Label4Click();
  f.fenetre->LBmailTavrelClick();
  f.fenetre->Label9Click();
  f.fenetre->LbsiteTavrelClick();
  EXPECT_TRUE(f.plateforme.documents[2].startsWith("mailto:"));
  EXPECT_TRUE(f.plateforme.documents[3].startsWith("mailto:"));
  EXPECT_EQ(f.plateforme.documents[4], f.Repertoire() + "AidesDeTolvan.html");
  EXPECT_EQ(f.plateforme.documents[5], f.Repertoire() + "AidesDeTolvan.html#merci");
}

TEST(Demarrage, F1OpensTheHelpFromAnywhereInTheWindow) {
  FenetreActive f;
  for (const char* nom : {"TSjeu", "TSoption", "TStirage"}) {
    f.MontrePage(nom);
    // The first control of the page that takes the keyboard.
    for (QWidget* controle : f.Page(nom)->findChildren<QWidget*>()) {
      if (controle->isVisible() && controle->isEnabled() && (controle->focusPolicy() & Qt::TabFocus)) {
        controle->setFocus();
        break;
      }
    }
    ASSERT_NE(QApplication::focusWidget(), nullptr) << nom;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  }
  ASSERT_EQ(f.plateforme.documents.size(), 3u);
  for (const QString& document : f.plateforme.documents) EXPECT_EQ(document, f.Repertoire() + "AidesDeTolvan.html");
}

}  // namespace
}  // namespace tolvan::test
