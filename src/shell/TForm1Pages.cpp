// Where every control of the main window sits, page by page. Places are in
// pixels at 96 dpi; each page's inner area is about 532 by 276.
#include <tuple>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

#include "Accessibilite.h"
#include "AdressesProjet.h"
#include "Fabrique.h"
#include "TForm1.h"
#include "TaillePolice.h"

namespace tolvan {

namespace {

const char* const NomsTuiles[] = {"P1", "P2", "P3", "P4", "P5", "P6"};
const char* const NomsEdits[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7"};
const char* const NomsLignes[] = {"MM1", "MM2", "MM3", "MM4", "MM5"};

// Six tiles side by side, centred in a group 371 wide.
QRect PlaceTuile(int i, int haut) {
  constexpr int Largeur = 54, Ecart = 6;
  const int gauche = (371 - (6 * Largeur + 5 * Ecart)) / 2;
  return QRect(gauche + i * (Largeur + Ecart), haut, Largeur, 44);
}

QWidget* NouvellePage(QTabWidget* onglets, const char* nom, const QString& titre) {
  auto* page = new QWidget(onglets);  // born inside, so it takes the window's font
  page->setObjectName(QString::fromLatin1(nom));
  onglets->addTab(page, titre);
  return page;
}

}  // namespace

void TForm1::CreeControles() {
  PCmain = new QTabWidget(this);
  PCmain->setObjectName("PCmain");
  PCmain->setGeometry(8, 6, 540, 305);
  TSjeu = NouvellePage(PCmain, "TSjeu", {});
  TSoption = NouvellePage(PCmain, "TSoption", {});
  TScompet = NouvellePage(PCmain, "TScompet", {});
  TStirage = NouvellePage(PCmain, "TStirage", {});
  TSapro = NouvellePage(PCmain, "TSapro", {});
  CreePageJeu(TSjeu);
  CreePageOptions(TSoption);
  CreePageCompetition(TScompet);
  CreePageTirages(TStirage);
  CreePageAPropos(TSapro);
  CreeBandeAides();
  CreeControlesCaches();
  NommePourLecteursDEcran();
}

void TForm1::NommePourLecteursDEcran() {
  // What a screen reader says of the controls whose caption, when they have
  // one, does not tell what they hold: fields, lists, bars, and the rows of
  // sound buttons that all look alike.
  const std::initializer_list<std::pair<QWidget*, const char*>> noms = {
      {PCmain, "pages"},
      {PB, "temps de la partie"},
      {PB2, "progression de la série"},
      {PBcharge, "chargement du niveau"},
      {LVtirage, "liste des tirages"},
      {LVscore, "parties jouées"},
      {LVrecord, "records du niveau"},
      {LBniveau, "niveau choisi"},
      {TXTtime, "temps normal"},
      {CBtime, "coefficient de temps"},
      {CBtemps, "temps de jeu"},
      {MaReponse, "ta réponse"},
      {TMsolution, "solutions"},
      {Edits[6], "résultat à trouver"},
      {Lcalcul, "calcul"},
      {TXTnb1, "premier nombre du calcul"},
      {TXTope, "opération du calcul"},
      {TXTnb2, "second nombre du calcul"},
      {TXTresult, "résultat du calcul"},
      {Enbadecomp, "nombre à décomposer"},
      {Ldecompos, "décomposition"},
      {Lindice, "indice"},
      {ElastLigne, "dernière ligne possible"},
  };
  for (const auto& [controle, nom] : noms) controle->setAccessibleName(QString::fromUtf8(nom));
  // A field or list is also announced with the label in front of it.
  for (const auto& [etiquette, controle] : std::initializer_list<std::pair<QLabel*, QWidget*>>{
           {MaReponse2, MaReponse}, {LBtemps, CBtemps}, {Lbtime, TXTtime}, {LBniv, CBtime}, {LBdifficulte, CBdifficulte}}) {
    etiquette->setBuddy(controle);
  }
  for (std::size_t i = 0; i + 1 < Edits.size(); ++i) {
    Edits[i]->setAccessibleName(QStringLiteral("nombre %1").arg(i + 1));
  }
  // A list on the desktop is read as its current item and the label that
  // leads to it: the solution filters, with no room for labels, get unseen ones.
  for (const auto& [liste, nom, texte] : std::initializer_list<std::tuple<QComboBox*, const char*, const char*>>{
           {CBetape, "LBetape", "nombre d'étapes"}, {CBoper, "LBoper", "dernière opération"}}) {
    QLabel* etiquette = Etiquette(GBopSol, nom, QString::fromUtf8(texte), QRect());
    etiquette->setBuddy(liste);
    etiquette->hide();
    liste->setAccessibleName(etiquette->text());
  }
  ExposeCommeHorloge(PB);
  for (const EvenementSonore& e : EvenementsSonores()) {
    const LigneSon& ligne = lignesSon_[static_cast<std::size_t>(e.evenement)];
    const QString evenement = QString::fromUtf8(e.nomParle);
    ligne.choix->setAccessibleName(QStringLiteral("changer le son : ") + evenement);
    ligne.ecoute->setAccessibleName(QStringLiteral("écouter le son : ") + evenement);
  }
}

void TForm1::CreePageJeu(QWidget* page) {
  CreeGroupeInfo(page);
  CreeGroupeJeu(page);
  CreeGroupeSaisie(page);
  CreeTableauNoir(page);
  CreeOutilsSolutions(page);

  // "Modifier" and "Jouer" take turns in the same place.
  BTmodifier = BoutonImage(page, "BTmodifier", {}, Picto::Modifier, QRect(4, 193, 84, 28),
                           QStringLiteral("Modifer les nombres"));
  BTjouer = BoutonImage(page, "BTjouer", {}, Picto::Jouer, QRect(4, 193, 84, 28),
                        QStringLiteral("Jouer avec ces nombres"));
  BTback = BoutonImage(page, "BTback", {}, Picto::Aides, QRect(92, 193, 72, 28),
                       QStringLiteral("Utiliser les Aides"));
  BTannul = BoutonImage(page, "BTannul", {}, Picto::Retour, QRect(168, 193, 80, 28),
                        QStringLiteral("Annuler la dernière ligne"));
  BTvoirSol = BoutonImage(page, "BTvoirSol", {}, Picto::Solutions,
                          QRect(252, 193, 123, 28));
  // The day's result is copied between games, where a typed answer is asked during one.
  BTcopie = Bouton(page, "BTcopie", {}, QRect(4, 226, 120, 28),
                   QStringLiteral("Une ligne à partager, qui ne dévoile pas le tirage"));
  // The ways to play that have no button of their own, in its menu; where
  // the day's copy and the typed answer go when they are shown.
  BTautres = Bouton(page, "BTautres", {}, QRect(4, 226, 120, 28),
                    QStringLiteral("À ma mesure, Série montante, Revoir mes ratés"));
  BTautres->setMenu(new QMenu(BTautres));
  BTjour = BoutonImage(page, "BTjour", {}, Picto::Jouer, QRect(252, 226, 123, 28),
                       QStringLiteral("Le même tirage pour tous les joueurs aujourd'hui"));
  // Where the typed answer goes during a game that asks for it.
  // Wide enough for "Arrêter le duel" while one runs.
  BTduel = BoutonImage(page, "BTduel", {}, Picto::Commencer, QRect(128, 226, 120, 28));
  MaReponse2 = Etiquette(page, "MaReponse2", {}, QRect(8, 231, 110, 20));
  // Room for the longest result a line can give: ten digits.
  MaReponse = Champ(page, "MaReponse", {}, QRect(120, 228, 90, 24), 10);
  CreeChampCalcul(page);
  PB = Barre(page, "PB", 3600, QRect(4, 262, 528, 13));
  // Below the board, where the solutions' filters go when they are shown.
  LBcoach = Etiquette(page, "LBcoach", {}, QRect(381, 192, 149, 66));
  // The player's rating there, when neither the filters nor the coach are.
  LBcote = Etiquette(page, "LBcote", {}, QRect(381, 192, 149, 66));
  LBcote->setWordWrap(true);
  LBcote->setAlignment(Qt::AlignCenter);
  LBcoach->setWordWrap(true);
  LBcoach->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  PB->setTextVisible(true);
  // The clock is asked for at any moment: Tab reaches it, and it is the
  // window's status, which a screen reader reads on demand.
  PB->setFocusPolicy(Qt::TabFocus);
  // Read line by line with the arrows, as a screen reader reads a text.
  for (QTextEdit* texte : {MMrecap, TMsolution}) {
    texte->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  }
  NommeSansAnnonce(MMrecap);
  for (QTextEdit* ligne : MM) {
    ligne->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    NommeSansAnnonce(ligne);
  }
}

void TForm1::CreeGroupeInfo(QWidget* page) {
  GBinfo = Groupe(page, "GBinfo", {}, QRect(4, 2, 371, 185));
  GBbravo = Groupe(GBinfo, "GBbravo", {}, QRect(6, 2, 168, 146));
  MMrecap = Memo(GBbravo, "MMrecap", QRect(6, 18, 156, 122));
  // Long lines of big numbers scroll rather than break in two.
  MMrecap->setLineWrapMode(QTextEdit::NoWrap);
  MMrecap->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  BTnouvPartie = BoutonImage(GBinfo, "BTnouvPartie", {}, Picto::Jouer,
                             QRect(6, 153, 168, 28), QStringLiteral("Jouer la partie suivante"));
  LVscore = ListeRapport(GBinfo, "LVscore", {{QStringLiteral("Partie n°"), 60}, {QStringLiteral("Score"), 80}},
                         QRect(182, 8, 183, 110));
  Label6 = Etiquette(GBinfo, "Label6", QStringLiteral("Score total :"), QRect(184, 124, 80, 24));
  LBscoreActu = Etiquette(GBinfo, "LBscoreActu", QStringLiteral("0"), QRect(266, 122, 99, 28));
  BTrejoue = BoutonImage(GBinfo, "BTrejoue", {}, Picto::Retour,
                         QRect(182, 153, 183, 28), QStringLiteral("Rejouer avec le dernier tirage"));
}

void TForm1::CreeGroupeJeu(QWidget* page) {
  GBjeu = Groupe(page, "GBjeu", {}, QRect(4, 2, 371, 185));
  Bresult = Bouton(GBjeu, "Bresult", {}, QRect(130, 18, 111, 48), QStringLiteral("Nouveau tirage"));
  LBnbsol = Etiquette(GBjeu, "LBnbsol", {}, QRect(8, 24, 110, 20));
  LBnbsol2 = Etiquette(GBjeu, "LBnbsol2", QStringLiteral("solutions"), QRect(8, 44, 110, 18));
  LBpoint = Etiquette(GBjeu, "LBpoint", {}, QRect(253, 24, 110, 20));
  LBpoint2 = Etiquette(GBjeu, "LBpoint2", QStringLiteral("Points"), QRect(253, 44, 110, 18));
  for (QLabel* compte : {LBnbsol, LBnbsol2}) compte->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  for (QLabel* points : {LBpoint, LBpoint2}) points->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  for (int i = 0; i < 6; ++i) Tuiles[i] = Bouton(GBjeu, NomsTuiles[i], {}, PlaceTuile(i, 78));
  const int gauche = (371 - (4 * 52 + 3 * 12)) / 2;
  const auto placeOperateur = [gauche](int i) { return QRect(gauche + i * 64, 134, 52, 40); };
  BTplus = BoutonImage(GBjeu, "BTplus", {}, Picto::Plus, placeOperateur(0), QStringLiteral("PLUS"));
  BTfois = BoutonImage(GBjeu, "BTfois", {}, Picto::Fois, placeOperateur(1), QStringLiteral("MULTIPLIER PAR"));
  BTmoins = BoutonImage(GBjeu, "BTmoins", {}, Picto::Moins, placeOperateur(2), QStringLiteral("MOINS"));
  BTdivis = BoutonImage(GBjeu, "BTdivis", {}, Picto::Divise, placeOperateur(3), QStringLiteral("DIVISER PAR"));
  const std::array<std::pair<QPushButton*, const char*>, 4> operateurs = {
      {{BTplus, "plus"}, {BTfois, "multiplié par"}, {BTmoins, "moins"}, {BTdivis, "divisé par"}}};
  for (const auto& [bouton, nom] : operateurs) {
    bouton->setIconSize(QSize(26, 26));
    bouton->setAccessibleName(QString::fromUtf8(nom));
  }
}

void TForm1::CreeGroupeSaisie(QWidget* page) {
  GBsaisie = Groupe(page, "GBsaisie", {}, QRect(4, 2, 371, 185));
  for (int i = 0; i < 6; ++i) Edits[i] = ChampNombre(GBsaisie, NomsEdits[i], PlaceTuile(i, 92), 3);
  Edits[6] = ChampNombre(GBsaisie, NomsEdits[6], QRect(130, 24, 111, 48), 4);
  for (QLineEdit* edit : Edits) edit->setAlignment(Qt::AlignCenter);
}

void TForm1::CreeTableauNoir(QWidget* page) {
  GBtablo = Groupe(page, "GBtablo", {}, QRect(379, 2, 153, 185));
  for (int i = 0; i < 5; ++i) {
    MM[i] = Memo(GBtablo, NomsLignes[i], QRect(6, 20 + i * 32, 141, 30));
    MM[i]->setLineWrapMode(QTextEdit::NoWrap);  // a line too long is written smaller instead
    MM[i]->setAccessibleName(QStringLiteral("ligne %1").arg(i + 1));
  }
  TMsolution = Memo(GBtablo, "TMsolution", QRect(6, 20, 141, 158), QStringLiteral("Les Solutions"));
  TMsolution->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  TMsolution->setPlainText(QStringLiteral("les solutions:"));
  TMsolution->hide();
}

void TForm1::CreeOutilsSolutions(QWidget* page) {
  GBopSol = Groupe(page, "GBopSol", {}, QRect(379, 189, 153, 71));
  BTleft = BoutonImage(GBopSol, "BTleft", {}, Picto::Gauche, QRect(4, 3, 28, 21));
  BTleft->setAccessibleName(QStringLiteral("solution précédente"));
  BTmienne = BoutonImage(GBopSol, "BTmienne", {}, Picto::Mienne, QRect(34, 3, 85, 21));
  BTright = BoutonImage(GBopSol, "BTright", {}, Picto::Droite, QRect(121, 3, 28, 21));
  BTright->setAccessibleName(QStringLiteral("solution suivante"));
  // Too narrow for a picture beside their captions.
  BTsimple = Bouton(GBopSol, "BTsimple", {}, QRect(4, 25, 72, 21));
  BTtordue = Bouton(GBopSol, "BTtordue", {}, QRect(77, 25, 72, 21));
  CBetape = ListeDeroulante(GBopSol, "CBetape", QRect(4, 47, 72, 21), QStringLiteral("Filtrer par Etape"));
  // Every step count of a solution, and all of them first, in the words of the language.
  CBetape->addItems(QStringList(NbEtapesMax + 1));
  CBoper = ListeDeroulante(GBopSol, "CBoper", QRect(77, 47, 72, 21), QStringLiteral("Filtrer par Opération"));
  CBoper->addItems({QString(), QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("/"),
                    QStringLiteral("x")});
  GBopSol->hide();
}

void TForm1::CreePageOptions(QWidget* page) {
  GBentrain = Groupe(page, "GBentrain", {}, QRect(4, 2, 244, 156));
  CBauto = CaseACocher(GBentrain, "CBauto", {},
                       QRect(8, 6, 232, 20), false, QStringLiteral("Désactiver sur les machines lentes"));
  CkBcalcul = CaseACocher(GBentrain, "CkBcalcul", {},
                          QRect(8, 25, 232, 20), true,
                          QStringLiteral("Affiche automatiquement le résultat à la fin d'un calcul"));
  CBmontre = CaseACocher(GBentrain, "CBmontre", {}, QRect(8, 44, 232, 20),
                         false, QStringLiteral("Affiche le nombre de solution pour le tirage en cours"));
  CkBpremier = CaseACocher(GBentrain, "CkBpremier", {},
                           QRect(8, 63, 232, 20), false,
                           QStringLiteral("Grace à cette option le résultat à trouver sera toujours premier"));
  CkBFou = CaseACocher(GBentrain, "CkBFou", {}, QRect(8, 82, 232, 20), false);
  // The caption in the size of its neighbours, on two lines when it needs them.
  CBcoach = CaseRepliee(GBentrain, "CBcoach", QStringLiteral("Coach : dire si le compte est encore possible"),
                        QRect(8, 101, 232, 28), QStringLiteral("Après chaque ligne, dit si le résultat peut encore être trouvé"));
  LBtemps = Etiquette(GBentrain, "LBtemps", {}, QRect(10, 131, 50, 22));
  CBtemps = ListeDeroulante(GBentrain, "CBtemps", QRect(64, 130, 130, 24),
                            QStringLiteral("Modifier le temps autorisé pour trouver la solution"));

  GBtirage = Groupe(page, "GBtirage", {}, QRect(4, 162, 244, 112));
  RBquelconque = BoutonRadio(GBtirage, "RBquelconque", {}, QRect(8, 20, 112, 20));
  LBdifficulte = Etiquette(GBtirage, "LBdifficulte", {}, QRect(122, 19, 58, 22));
  CBdifficulte = ListeDeroulante(GBtirage, "CBdifficulte", QRect(180, 18, 58, 24),
                                 QStringLiteral("Les tirages au hasard ont cette difficulté, de 1 à 5"));
  CBdifficulte->addItems({QString(), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                          QStringLiteral("4"), QStringLiteral("5")});
  CkBreal = BoutonRadio(GBtirage, "CkBreal", {}, QRect(8, 42, 232, 20),
                        QStringLiteral("Les tirages n'ayant pas de solution ne sont pas retenus"));
  RBfichier = BoutonRadio(GBtirage, "RBfichier", {},
                          QRect(8, 64, 232, 20));
  TXTnamefile2 = Etiquette(GBtirage, "TXTnamefile2", {}, QRect(28, 86, 210, 20));
  RBquelconque->setChecked(true);
  CkBreal->setEnabled(false);

  CreeGroupeSon(page);
}

void TForm1::CreeGroupeSon(QWidget* page) {
  GBson = Groupe(page, "GBson", {}, QRect(252, 2, 280, 268));
  CBsonTous = CaseACocher(GBson, "CBsonTous", {}, QRect(10, 20, 120, 20), true);
  // On screen, top to bottom, in the order of the sound events.
  int haut = 44;
  for (const EvenementSonore& e : EvenementsSonores()) {
    LigneSon& ligne = lignesSon_[static_cast<std::size_t>(e.evenement)];
    ligne.active = CaseACocher(GBson, e.caseNom, {}, QRect(10, haut, 139, 22), true,
                               QStringLiteral("Bruitage ON / OFF"));
    ligne.choix = Bouton(GBson, e.choixNom, QStringLiteral("Par Défaut"), QRect(150, haut, 100, 22),
                         QStringLiteral("Changer de Bruitage"));
    ligne.ecoute = BoutonImage(GBson, e.ecouteNom, {}, Picto::Ecouter, QRect(252, haut, 22, 22),
                               QStringLiteral("Ecouter ce son"));
    ligne.ecoute->setIconSize(QSize(16, 16));
    haut += 26;
  }
  BTopenSon = BoutonImage(GBson, "BTopenSon", {}, Picto::Dossier,
                          QRect(10, 232, 128, 28), QStringLiteral("Ouvre une configuration de bruitages"));
  BTsaveSon = BoutonImage(GBson, "BTsaveSon", {}, Picto::Disquette,
                          QRect(144, 232, 128, 28), QStringLiteral("Sauvegarde la configuration des bruitages"));
}

void TForm1::CreePageCompetition(QWidget* page) {
  CBcompet = CaseACocher(page, "CBcompet", {}, QRect(8, 8, 140, 22), false);
  BTstart = BoutonImage(page, "BTstart", {}, Picto::Commencer,
                        QRect(152, 4, 158, 28));
  BTstart->setEnabled(false);
  GroupBox3 = Groupe(page, "GroupBox3", {}, QRect(4, 36, 306, 168));
  BTchange = BoutonImage(GroupBox3, "BTchange", {}, Picto::Dossier,
                         QRect(8, 12, 128, 28));
  LBniveau = Champ(GroupBox3, "LBniveau", QStringLiteral("<= clique pour choisir"), QRect(140, 14, 158, 24), 32767,
                   QStringLiteral("Nom du niveau"));
  LBniveau->setReadOnly(true);
  Lbtime = Etiquette(GroupBox3, "Lbtime", {}, QRect(10, 58, 96, 22));
  TXTtime = Champ(GroupBox3, "TXTtime", QStringLiteral("TXTtime"), QRect(108, 57, 70, 24), 32767,
                  QStringLiteral("100 % du temps attribué pour ce niveau"));
  TXTtime->setReadOnly(true);
  TXTtime2 = Etiquette(GroupBox3, "TXTtime2", {}, QRect(184, 58, 80, 22));
  LBniv = Etiquette(GroupBox3, "LBniv", {}, QRect(10, 98, 96, 22));
  CBtime = ListeDeroulante(GroupBox3, "CBtime", QRect(108, 97, 190, 24),
                           QStringLiteral("Choisir un coefficient pour le temps imparti"));
  CBaide = CaseACocher(GroupBox3, "CBaide", {}, QRect(10, 140, 288, 22),
                       false, QStringLiteral("Impossible d'utiliser les indices mais multiplie les points par '4"));
  LVrecord = ListeRapport(page, "LVrecord",
                          {{QStringLiteral("Score"), 50}, {QStringLiteral("Nom"), 110}, {QStringLiteral("Serie"), 40}},
                          QRect(316, 4, 216, 228));
  PBcharge = Barre(page, "PBcharge", 500, QRect(4, 252, 528, 16));
  // Below the level, as high as the page's other buttons: club play opens a dialog of its own.
  BTcode = Bouton(page, "BTcode", {}, QRect(4, 210, 180, 28));
  BTarbitrage = Bouton(page, "BTarbitrage", {}, QRect(188, 210, 122, 28));
}

void TForm1::CreePageTirages(QWidget* page) {
  BTopen = BoutonImage(page, "BTopen", {}, Picto::Dossier, QRect(4, 4, 126, 26));
  BTsave = BoutonImage(page, "BTsave", {}, Picto::Disquette, QRect(134, 4, 108, 26));
  BTeffaceTout = Bouton(page, "BTeffaceTout", {}, QRect(246, 4, 86, 26));
  BTimprim = Bouton(page, "BTimprim", {}, QRect(336, 4, 72, 26));
  BTexcel = Bouton(page, "BTexcel", {}, QRect(412, 4, 120, 26));
  BTgenere = Bouton(page, "BTgenere", {}, QRect(4, 34, 126, 26));
  STOP = Bouton(page, "STOP", QStringLiteral("STOP"), QRect(134, 34, 60, 26));
  CBclasse = CaseACocher(page, "CBclasse", {}, QRect(202, 36, 70, 22), false);
  PB2 = Barre(page, "PB2", 500, QRect(276, 40, 120, 12));
  TXTnamefile = Etiquette(page, "TXTnamefile", {}, QRect(402, 36, 130, 22));
  TXTnamefile->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Widths by column: the target, the six numbers, "nb Sol", "etape",
  // "Trouvé", "Solution". "Trouvé" only says OUI or NON: narrow, it leaves
  // the start of the solution in sight.
  LVtirage = VueRapport(page, "LVtirage", jeu_->ModeleTirages(), {55, 40, 40, 40, 40, 40, 40, 50, 40, 55, 200},
                        QRect(4, 64, 528, 208));
  LVtirage->setSelectionMode(QAbstractItemView::ExtendedSelection);
  LVtirage->setSelectionBehavior(QAbstractItemView::SelectRows);
  LVtirage->setContextMenuPolicy(Qt::CustomContextMenu);
  PMtirage = new QMenu(LVtirage);
  PMtirage->setObjectName("PMtirage");
  const std::array<std::pair<const char*, QString>, 4> avant = {{
      {"Jouercetirage1", QStringLiteral("Jouer ce tirage")},
      {"Calculerlasolution1", QStringLiteral("Calculer la solution")},
      {"Copiercecompte1", QStringLiteral("Copier ce compte")},
      {"Effacercestirages1", QStringLiteral("Effacer ces tirages")},
  }};
  for (const auto& [nom, texte] : avant) PMtirage->addAction(texte)->setObjectName(QString::fromLatin1(nom));
  PMtirage->addSeparator();
  PMtirage->addAction(QStringLiteral("Annuler"))->setObjectName("Annuler1");
}

void TForm1::CreePageAPropos(QWidget* page) {
  auto* logo = Etiquette(page, "Logo", {}, QRect(24, 26, 64, 64));
  logo->setPixmap(ImageDe(Picto::Application, 64));
  LBtitre = Etiquette(page, "LBtitre", {}, QRect(96, 24, 184, 70));
  Label8 = Etiquette(page, "Label8", QStringLiteral("Version 3.1"), QRect(24, 96, 236, 20));
  Label2 = Etiquette(page, "Label2", QStringLiteral("Le compte est bon : jouer, s'entraîner, et trouver toutes "
                                                    "les solutions d'un tirage."),
                     QRect(24, 124, 236, 52));
  Label2->setWordWrap(true);
  Label9 = Lien(page, "Label9", FichierAide, QRect(24, 186, 236, 20), QStringLiteral("aller sur mon site"));
  Label4 = Lien(page, "Label4", CourrielProjet, QRect(24, 208, 236, 20), QStringLiteral("m'écrire"));
  Label7 = Etiquette(page, "Label7", QStringLiteral("Merci à tous les joueurs et à toutes celles et ceux qui ont "
                                                    "fait grandir Tolvan par leurs idées et leurs tirages."),
                     QRect(284, 24, 236, 68));
  Label7->setWordWrap(true);
  LbsiteTavrel = Lien(page, "LbsiteTavrel", FichierAide + AncreRemerciements, QRect(284, 96, 236, 20),
                      QStringLiteral("aller sur mon site"));
  LBmailTavrel = Lien(page, "LBmailTavrel", CourrielProjet, QRect(284, 118, 236, 20), QStringLiteral("m'écrire"));
  BTchangeLangue = Bouton(page, "BTchangeLangue", QStringLiteral("Choose language"), QRect(284, 236, 120, 28));
  Button1 = Bouton(page, "Button1", QStringLiteral("HELP !"), QRect(412, 236, 110, 28));
  BTmesParties = Bouton(page, "BTmesParties", {}, QRect(284, 202, 238, 28),
                        QStringLiteral("Les parties jouées, leurs chiffres et leurs graphiques"));
  CBcote = CaseACocher(page, "CBcote", {}, QRect(286, 176, 236, 22), true,
                       QStringLiteral("Ma cote sur la page du jeu et dans le bilan de chaque partie notée"));
}

void TForm1::CreeBandeAides() {
  GBindice = Groupe(this, "GBindice", {}, QRect(8, 316, 371, 141));
  BTdecomp = BoutonImage(GBindice, "BTdecomp", {}, Picto::Decomposition,
                         QRect(6, 16, 118, 26), QStringLiteral("Décomposer ce nombre en facteur premier"));
  Enbadecomp = ChampNombre(GBindice, "Enbadecomp", QRect(128, 18, 50, 22), 4);
  Ldecompos = Champ(GBindice, "Ldecompos", {}, QRect(182, 18, 183, 22));
  Ldecompos->setReadOnly(true);
  BTlastligne = BoutonImage(GBindice, "BTlastligne", {}, Picto::DerniereLigne,
                            QRect(6, 47, 118, 26),
                            QStringLiteral("Affiche une des dernieres lignes possibles pour finir le calcul"));
  RBplus = BoutonRadio(GBindice, "RBplus", QStringLiteral("+"), QRect(128, 50, 30, 20), QStringLiteral("ligne avec +"));
  RBfois = BoutonRadio(GBindice, "RBfois", QStringLiteral("x"), QRect(158, 50, 30, 20), QStringLiteral("ligne avec x"));
  RBmoins = BoutonRadio(GBindice, "RBmoins", QStringLiteral("-"), QRect(188, 50, 30, 20),
                        QStringLiteral("ligne avec -"));
  RBdiv = BoutonRadio(GBindice, "RBdiv", QStringLiteral("/"), QRect(218, 50, 30, 20), QStringLiteral("ligne avec /"));
  RBplus->setChecked(true);
  ElastLigne = Champ(GBindice, "ElastLigne", {}, QRect(250, 49, 67, 22));
  ElastLigne->setReadOnly(true);
  BitBtn6 = BoutonImage(GBindice, "BitBtn6", {}, Picto::Gauche, QRect(320, 48, 22, 24),
                        QStringLiteral("ligne precedente"));
  BitBtn5 = BoutonImage(GBindice, "BitBtn5", {}, Picto::Droite, QRect(343, 48, 22, 24),
                        QStringLiteral("ligne suivante"));
  BitBtn6->setAccessibleName(QStringLiteral("ligne précédente"));
  BitBtn5->setAccessibleName(QStringLiteral("ligne suivante"));

  BTindice = Bouton(GBindice, "BTindice", {}, QRect(6, 77, 70, 26),
                    QStringLiteral("Une aide de plus, à partir des nombres encore en jeu"));
  LBnbIndices = Etiquette(GBindice, "LBnbIndices", {}, QRect(80, 79, 66, 22));
  Lindice = Memo(GBindice, "Lindice", QRect(148, 79, 217, 54));
  Lindice->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  Lindice->setTabChangesFocus(true);
  NommeSansAnnonce(Lindice);

  GBcalcul = Groupe(this, "GBcalcul", {}, QRect(382, 316, 163, 141));
  Lcalcul = Champ(GBcalcul, "Lcalcul", {}, QRect(6, 18, 151, 22), 12, QStringLiteral("Calcul"));
  TXTnb1 = Champ(GBcalcul, "TXTnb1", {}, QRect(6, 49, 38, 22), 32767, QStringLiteral("Calcul"));
  TXTope = Champ(GBcalcul, "TXTope", QStringLiteral("o"), QRect(45, 49, 14, 22), 32767, QStringLiteral("Calcul"));
  TXTnb2 = Champ(GBcalcul, "TXTnb2", {}, QRect(60, 49, 38, 22), 32767, QStringLiteral("Calcul"));
  Label1 = Etiquette(GBcalcul, "Label1", QStringLiteral("="), QRect(100, 49, 8, 22));
  // Wide enough for a quotient such as "3,333E+0004".
  TXTresult = Champ(GBcalcul, "TXTresult", {}, QRect(109, 49, 48, 22), 32767, QStringLiteral("Résultat"));
  TXTope->setAlignment(Qt::AlignCenter);
  Label1->setAlignment(Qt::AlignCenter);
  for (QLineEdit* lu : {TXTnb1, TXTope, TXTnb2, TXTresult}) lu->setReadOnly(true);
}

void TForm1::CreeControlesCaches() {
  Lprem = Etiquette(this, "Lprem", {}, QRect(-200, -200, 40, 16));
  Lsec = Etiquette(this, "Lsec", {}, QRect(-200, -200, 40, 16));
  Lresu = Etiquette(this, "Lresu", {}, QRect(-200, -200, 40, 16));
  PressPapier = Champ(this, "PressPapier", {}, QRect(-200, -200, 40, 16));
  for (QWidget* cache : std::initializer_list<QWidget*>{Lprem, Lsec, Lresu, PressPapier}) cache->hide();
  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  // The game reads its seconds from the desktop's steady clock: ticking
  // more often than once a second keeps what it shows within a quarter of one.
  Timer1->setInterval(250);
}

}  // namespace tolvan
