// Each page drawn from the game's state. Every handler ends with
// `Redessine`, so no page can be left showing what the game no longer
// holds. Boxes and lists are set without their handlers running; fields
// the player types in are only rewritten when the game's value changes.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>

#include <array>

#include "Accessibilite.h"
#include "Apparence.h"
#include "TForm1.h"
#include "TaillePolice.h"
#include "engine/Difficulte.h"
#include "midend/Chemins.h"

namespace tolvan {

namespace {

QString Texte(const std::string& texte) { return QString::fromStdString(texte); }

// Room for the text inside a tile or the target, within border and padding.
int LargeurUtile(const QPushButton* bouton) { return bouton->width() - 8; }

int LargeurUtile(const QTextEdit* ligne) {
  return ligne->viewport()->width() - 2 * static_cast<int>(ligne->document()->documentMargin()) - 2;
}

void Coche(QAbstractButton* bouton, bool cochee) {
  const QSignalBlocker silence(bouton);
  bouton->setChecked(cochee);
}

void Choisit(QComboBox* liste, int choix) {
  {
    const QSignalBlocker silence(liste);
    liste->setCurrentIndex(choix);
  }
  // Its signals held back, its description is brought up to date here.
  DecritSonChoix(liste);
}

// A field shows the game's value from its start, and keeps what the player
// types until that value changes.
// Until then it keeps the caption it was made with.
void Montre(QLineEdit* champ, const QString& valeur) {
  if (champ->property("montre").toString() == valeur) return;
  champ->setProperty("montre", valeur);
  champ->setText(valeur);
  champ->setCursorPosition(0);
}

// A number in a label, which a screen reader reads with its words. Set only
// when it changes: every new name is announced on the desktop.
void MontreNombre(QLabel* etiquette, const QString& nombre, const QString& mots) {
  if (etiquette->text() == nombre && !etiquette->accessibleName().isEmpty()) return;
  etiquette->setText(nombre);
  etiquette->setAccessibleName(mots + nombre);
}

void MontreLignes(QTreeWidget* liste, const std::vector<QStringList>& rangees) {
  bool pareilles = liste->topLevelItemCount() == static_cast<int>(rangees.size());
  for (int i = 0; pareilles && i < liste->topLevelItemCount(); ++i) {
    for (int c = 0; c < rangees[static_cast<std::size_t>(i)].size(); ++c) {
      pareilles = pareilles && liste->topLevelItem(i)->text(c) == rangees[static_cast<std::size_t>(i)][c];
    }
  }
  if (pareilles) return;
  liste->clear();
  QTreeWidgetItem* derniere = nullptr;
  for (const QStringList& rangee : rangees) derniere = new QTreeWidgetItem(liste, rangee);
  if (derniere) liste->scrollToItem(derniere);
}

}  // namespace

QString TForm1::NomLigne(int ligne, const QString& texte) {
  const QString place = QStringLiteral("ligne %1").arg(ligne);
  return texte.isEmpty() ? place : place + QStringLiteral(" : ") + texte;
}

void TForm1::Redessine() {
  RedessineFacons();
  RedessineJeu();
  RedessineOptions();
  RedessineCompetition();
  RedessineTirages();
  RedessineAides();
}

void TForm1::RedessineJeu() {
  const Manche& manche = jeu_->manche();
  const Manche::Panneau panneau = manche.PanneauVisible();
  // The summary is written before it shows and takes the keyboard, and the
  // panel it replaces hides last: a screen reader reads a text that gets the
  // focus already filled, and takes a text filled after it silently.
  RedessineBilan();
  const std::array<std::pair<QWidget*, Manche::Panneau>, 3> panneaux = {
      {{GBjeu, Manche::Panneau::Jeu}, {GBinfo, Manche::Panneau::Resume}, {GBsaisie, Manche::Panneau::Saisie}}};
  for (const auto& [groupe, lequel] : panneaux) {
    if (lequel == panneau) groupe->setVisible(true);
  }
  if (bilanAFocaliser_ && panneau == Manche::Panneau::Resume) MMrecap->setFocus(Qt::OtherFocusReason);
  bilanAFocaliser_ = false;
  for (const auto& [groupe, lequel] : panneaux) {
    if (lequel != panneau) groupe->setVisible(false);
  }
  // "Jouer" takes the place of "Modifier" while a draw is typed.
  BTjouer->setVisible(panneau == Manche::Panneau::Saisie);
  BTmodifier->setVisible(panneau != Manche::Panneau::Saisie);
  const bool libre = !jeu_->bibliotheque().GenerationEnCours();
  BTrejoue->setEnabled(jeu_->PeutRejouer());
  // A line is taken back only from a game being played.
  BTannul->setEnabled(manche.PartieEnJeu());
  BTmodifier->setEnabled(jeu_->PeutModifier());
  BTnouvPartie->setEnabled(jeu_->PeutJouerNouvellePartie());
  for (QWidget* commande : std::initializer_list<QWidget*>{Bresult, BTjouer}) commande->setEnabled(libre);
  BTcopie->setVisible(panneau == Manche::Panneau::Resume && !jeu_->LigneDePartage().isEmpty());
  // Said on the button until another game has another line.
  const bool copiee = !ligneCopiee_.isEmpty() && ligneCopiee_ == jeu_->LigneDePartage();
  const QString copie = copiee ? jeu_->Textes().MsgCopie : jeu_->Textes().MsgCopierResultat;
  if (BTcopie->text() != copie) BTcopie->setText(copie);
  const bool reponse = manche.Tableau().ReponseAttendue() && panneau == Manche::Panneau::Jeu;
  MaReponse->setVisible(reponse);
  MaReponse2->setVisible(reponse);
  // "Duel" and the typed answer take turns in the same place, and so do
  // "Jouer autrement", the typed answer and the day's copy.
  BTduel->setVisible(!reponse);
  // So do the typed answer and the field for typed calculations, which
  // is there while a game is played; "Jouer autrement" and the day's copy
  // between games.
  MonCalcul->setVisible(panneau == Manche::Panneau::Jeu && !reponse);
  BTautres->setVisible(panneau != Manche::Panneau::Jeu && !reponse && !BTcopie->isVisibleTo(this) &&
                       !BTautres->menu()->isEmpty());
  const bool competition = jeu_->competition().serie().ModeCompetition();
  LBpoint->setVisible(competition);
  LBpoint2->setVisible(competition);
  // Outside a series there are no points to count, nor to say.
  if (competition) MontreNombre(LBpoint, QString::number(jeu_->PointsEnJeu()), QStringLiteral("points : "));
  const std::optional<int> nbSolutions = jeu_->NbSolutionsAffiche();
  const QString compte = nbSolutions ? QString::number(*nbSolutions) : QString();
  const QString nomCompte = nbSolutions ? compte + QStringLiteral(" solutions") : QStringLiteral("nombre de solutions");
  LBnbsol->setText(compte);
  if (LBnbsol->accessibleName() != nomCompte) LBnbsol->setAccessibleName(nomCompte);
  LBnbsol->setVisible(jeu_->NbSolutionsVisible());
  LBnbsol2->setVisible(jeu_->NbSolutionsVisible());
  // A series under way goes on with its next draw.
  if (const bool suite = jeu_->SerieEnCours(); suite != suiteMontree_) {
    suiteMontree_ = suite;
    BTnouvPartie->setText(suite ? jeu_->Textes().MsgPartieSuivante : jeu_->Textes().MsgNouvellePartie);
  }
  RedessineTableau();
  RedessineHorloge();
  RedessineScores();
  RedessineSolutions();
  RedessineCoach();
  RedessineCote();
}

void TForm1::RedessineCote() {
  // Below the board, in the coach's place when it says nothing there.
  const bool visible =
      jeu_->options().voirCote && !jeu_->CoachVisible() && !jeu_->aides().SolutionsVisibles();
  LBcote->setVisible(visible);
  const QString texte = TexteDeLaCote(jeu_->cote(), jeu_->Textes());
  if (!visible || LBcote->text() == texte) return;
  LBcote->setText(texte);
  AjustePoliceAuCadre(LBcote, texte, LBcote->size() - QSize(4, 2), PointsCoach);
  LBcote->setAccessibleName(texte);
}

void TForm1::RedessineCoach() {
  const QString texte = Texte(jeu_->aides().TexteCoach());
  // Below the board, the solutions' filters take its place when shown.
  const bool visible = jeu_->CoachVisible() && !jeu_->aides().SolutionsVisibles();
  LBcoach->setVisible(visible);
  // Renamed only when what it says changes, and never while hidden: each
  // new name is sent to the desktop.
  if (!visible || LBcoach->text() == texte) return;
  LBcoach->setText(texte);
  // The last word of a game runs to five lines: it stays within its box.
  AjustePoliceAuCadre(LBcoach, texte, LBcoach->size() - QSize(4, 2), PointsCoach);
  LBcoach->setAccessibleName(texte.isEmpty() ? QStringLiteral("coach") : texte);
}

void TForm1::RedessineTableau() {
  const QString cible = QString::number(jeu_->Tirage().Resultat);
  if (Bresult->text() != cible) {
    Bresult->setText(cible);
    AjustePolice(Bresult, cible, LargeurUtile(Bresult), PointsCible);
  }
  // A series' draw says where it stands in its series, on the group and
  // with the target, where a new game takes the keyboard.
  const QString numero = jeu_->regime().TitreDuTirage(jeu_->Textes());
  const QString titre = numero.isEmpty() ? GBjeu->property("titre").toString() : numero;
  if (GBjeu->title() != titre) GBjeu->setTitle(titre);
  const QString nomCible =
      (numero.isEmpty() ? QString() : numero + QStringLiteral(", ")) + QStringLiteral("à trouver : ") + cible;
  if (Bresult->accessibleName() != nomCible) Bresult->setAccessibleName(nomCible);
  const TableauNoir& tableau = jeu_->manche().Tableau();
  for (int i = 1; i <= NbNombres; ++i) {
    QPushButton* tuile = Tuiles[static_cast<std::size_t>(i - 1)];
    const QString nombre = QString::number(tableau.Tuiles[i].valeur);
    tuile->setEnabled(tableau.Tuiles[i].active);
    if (tuile->text() == nombre) continue;
    tuile->setText(nombre);
    // Two equal numbers are told apart by their place.
    tuile->setAccessibleName(QStringLiteral("plaque %1 : %2").arg(i).arg(nombre));
    tuile->setProperty("tag", tableau.Tuiles[i].valeur);
    AjustePolice(tuile, nombre, LargeurUtile(tuile), PointsTuile);
  }
  const auto textes = tableau.Textes();
  const bool cache = jeu_->TableauCache();
  for (std::size_t i = 0; i < MM.size(); ++i) {
    // Under the solutions panel, the lines are neither seen nor reached.
    MM[i]->setVisible(!jeu_->aides().SolutionsVisibles());
    MontreLigneTableau(static_cast<int>(i) + 1, cache ? QString() : Texte(textes[i]));
  }
}

void TForm1::MontreLigneTableau(int ligne, const QString& texte) {
  QTextEdit* champ = MM[static_cast<std::size_t>(ligne - 1)];
  if (champ->toPlainText() == texte) return;
  AjustePolice(champ, texte, LargeurUtile(champ), PointsLigne);
  champ->setPlainText(texte);
  champ->setAlignment(Qt::AlignCenter);
  champ->setAccessibleName(NomLigne(ligne, texte));
}

void TForm1::RedessineHorloge() {
  const Manche& manche = jeu_->manche();
  // The bar only shows the time: it is given a value within its range. A
  // clock without a limit has no share of its time to show, only its words.
  const bool limitee = jeu_->horloge().cadence().CompteARebours();
  // Hidden with the board's lines, the last go's time says nothing either.
  const bool cache = jeu_->TableauCache();
  PB->setRange(0, std::max(1, manche.Limite()));
  PB->setValue(limitee && !cache ? std::clamp(manche.Ecoule(), 0, PB->maximum()) : 0);
  DefinitHorlogeLimitee(PB, limitee);
  const QString horloge = cache ? QString() : jeu_->TexteHorloge();
  PB->setFormat(horloge);
  if (PB->accessibleDescription() != horloge) PB->setAccessibleDescription(horloge);
}

void TForm1::RedessineFacons() {
  bool uneAutre = false;
  for (const FaconDeJouer& facon : FaconsDeJouer()) {
    const BoutonDeFacon etat = jeu_->Facon(facon.bouton);
    QObject* commande = findChild<QPushButton*>(facon.bouton);
    if (!commande) commande = BTautres->menu()->findChild<QAction*>(facon.bouton);
    if (!commande) continue;
    commande->setProperty("enabled", etat.actif);
    uneAutre |= commande->parent() == BTautres->menu() && etat.actif;
    // Set when the game's caption changes: as its series starts and ends,
    // or with a language.
    if (etat.texte.isEmpty() || commande->property("texte").toString() == etat.texte) continue;
    commande->setProperty("texte", etat.texte);
    commande->setProperty("text", etat.texte);
  }
  BTautres->setEnabled(uneAutre);
}

void TForm1::DisposeBilan(bool large) {
  if (large == bilanLarge_) return;
  bilanLarge_ = large;
  // Two players' lines and a score take the width of the games list.
  GBbravo->setGeometry(large ? QRect(6, 2, 359, 146) : QRect(6, 2, 168, 146));
  MMrecap->setGeometry(large ? QRect(6, 18, 347, 122) : QRect(6, 18, 156, 122));
  for (QWidget* liste : std::initializer_list<QWidget*>{LVscore, Label6, LBscoreActu}) liste->setVisible(!large);
}

void TForm1::RedessineBilan() {
  const Bilan bilan = jeu_->BilanAffiche();
  DisposeBilan(bilan.large);
  const QString& titre = bilan.titre;
  const QStringList& lignes = bilan.lignes;
  GBbravo->setTitle(titre);
  QStringList lus;
  for (const QString& ligne : lignes) {
    if (!ligne.trimmed().isEmpty()) lus.append(ligne.trimmed());
  }
  // The coach's last word, shown below the board, is heard with the summary.
  if (jeu_->CoachVisible() && !jeu_->aides().TexteCoach().empty()) lus.append(Texte(jeu_->aides().TexteCoach()));
  // Read out as one sentence: "BRAVO : 303, 25 50 75 100 3 6, 6x50=300, ..."
  const QString nom = titre + QStringLiteral(" : ") + lus.join(QStringLiteral(", "));
  if (MMrecap->accessibleName() != nom) MMrecap->setAccessibleName(nom);
  if (MMrecap->property("lignes").toStringList() == lignes && MMrecap->property("lignes").isValid()) return;
  MMrecap->setProperty("lignes", lignes);
  MMrecap->clear();
  for (const QString& ligne : lignes) {
    MMrecap->append(ligne);
    MMrecap->setAlignment(Qt::AlignCenter);
  }
  // Read from its first line on.
  MMrecap->moveCursor(QTextCursor::Start);
}

void TForm1::RedessineScores() {
  std::vector<QStringList> rangees;
  for (const LigneScore& score : jeu_->manche().Scores()) rangees.push_back({Texte(score.partie), Texte(score.score)});
  MontreLignes(LVscore, rangees);
  MontreNombre(LBscoreActu, QString::number(jeu_->competition().serie().ScoreTotal()), QStringLiteral("score total : "));
}

void TForm1::RedessineSolutions() {
  const bool visibles = jeu_->aides().SolutionsVisibles();
  TMsolution->setVisible(visibles);
  GBopSol->setVisible(visibles);
  GBopSol->setEnabled(jeu_->SolutionsPermises());
  BTvoirSol->setEnabled(jeu_->SolutionsPermises());
  // Its caption changes with the panel, and otherwise stays the language's.
  if (BTvoirSol->property("visibles").toBool() != visibles) {
    BTvoirSol->setProperty("visibles", visibles);
    BTvoirSol->setText(visibles ? jeu_->Textes().MsgVoirTableau : jeu_->Textes().MsgVoirSolutions);
  }
  QStringList lignes;
  for (const std::string& ligne : jeu_->aides().LignesSolutions()) lignes.append(Texte(ligne));
  const QString texte = lignes.join(QLatin1Char('\n'));
  if (TMsolution->toPlainText() != texte) TMsolution->setPlainText(texte);
}

void TForm1::RedessineOptions() {
  const Options& options = jeu_->options();
  Coche(CBauto, options.solutionsAuto);
  Coche(CkBcalcul, options.resultatsAuto);
  Coche(CBmontre, options.voirNbSolutions);
  Coche(CkBpremier, options.premiers);
  Coche(CkBFou, options.fous);
  Coche(CBcoach, options.coach);
  Coche(CBcote, options.voirCote);
  Choisit(CBdifficulte, options.difficulte);
  // A mark 5 is never solvable: each of the two shuts the other out.
  if (auto* marques = qobject_cast<QStandardItemModel*>(CBdifficulte->model())) {
    marques->item(DifficulteMax)->setEnabled(options.DifficultePossible(DifficulteMax));
  }
  // "Réalisables uniquement" and the count need the solver.
  CkBreal->setEnabled(options.solutionsAuto && options.GenrePossible(GenreTirage::Realisables));
  CBmontre->setEnabled(options.solutionsAuto);
  Choisit(CBtemps, options.temps);
  Coche(RBquelconque, options.genre == GenreTirage::Quelconque);
  Coche(CkBreal, options.genre == GenreTirage::Realisables);
  Coche(RBfichier, options.genre == GenreTirage::Fichier);
  for (const EvenementSonore& e : EvenementsSonores()) {
    const LigneSon& ligne = lignesSon_[static_cast<std::size_t>(e.evenement)];
    Coche(ligne.active, options.SonActif(e.evenement));
    // "Par Défaut" until the theme is read at the first activation.
    if (!premiereActivation_) ligne.choix->setText(NomDeFichier(jeu_->Sons()[e.evenement]));
  }
  // Training's clock and kinds of draw, for the ways to play whose draws are the player's.
  const bool tiragesDuJoueur = jeu_->regime().Permis().tiragesDuJoueur;
  GBentrain->setVisible(tiragesDuJoueur);
  GBtirage->setVisible(tiragesDuJoueur);
}

void TForm1::RedessineCompetition() {
  const Serie& serie = jeu_->competition().serie();
  const bool competition = serie.ModeCompetition();
  Coche(CBcompet, competition);
  CBcompet->setEnabled(jeu_->PeutChangerDeMode());
  for (QWidget* niveau : std::initializer_list<QWidget*>{LBniv, LBniveau, Lbtime, TXTtime, TXTtime2}) {
    niveau->setEnabled(competition);
  }
  for (QWidget* repos : std::initializer_list<QWidget*>{BTchange, CBaide, CBtime}) {
    repos->setEnabled(serie.ReglagesModifiables());
  }
  Coche(CBaide, serie.AideInterdite());
  Choisit(CBtime, serie.Coefficient());
  BTback->setEnabled(jeu_->AidesPermises());
  const Niveau& niveau = jeu_->competition().NiveauAffiche();
  Montre(LBniveau, Texte(niveau.nom));
  if (!niveau.temps.empty()) Montre(TXTtime, Texte(niveau.temps));
  std::vector<QStringList> records;
  for (const auto& [score, nom, trouves] : niveau.lignesRecords) records.push_back({Texte(score), Texte(nom), Texte(trouves)});
  MontreLignes(LVrecord, records);
  PCmain->setTabVisible(PCmain->indexOf(TStirage), jeu_->ListeVisible());
}

void TForm1::RedessineTirages() {
  const bool libre = !jeu_->bibliotheque().GenerationEnCours();
  for (QWidget* commande :
       std::initializer_list<QWidget*>{BTopen, BTsave, BTeffaceTout, BTimprim, BTexcel, BTgenere, CBclasse}) {
    commande->setEnabled(libre);
  }
  Coche(CBclasse, jeu_->bibliotheque().Modele().EstClassee());
  const QString fichier = jeu_->bibliotheque().Fichier().isEmpty() ? QString() : NomDeFichier(jeu_->bibliotheque().Fichier());
  if (!fichier.isEmpty()) {
    TXTnamefile->setText(fichier);
    TXTnamefile2->setText(fichier);
  }
}

void TForm1::RedessineAides() {
  const bool affichees = jeu_->aides().AidesAffichees();
  if (GBindice->isHidden() == affichees) {
    GBindice->setVisible(affichees);
    GBcalcul->setVisible(affichees);
    setFixedSize(TailleFenetre(affichees));
  }
  Montre(Enbadecomp, Texte(jeu_->aides().NombreADecomposer()));
  const QString indice = Texte(jeu_->aides().TexteIndice());
  if (Lindice->toPlainText() != indice) {
    Lindice->setPlainText(indice);
    Lindice->moveCursor(QTextCursor::Start);
  }
  LBnbIndices->setText(jeu_->Textes().MsgIndices.arg(jeu_->aides().IndicesUtilises()));
  BTindice->setEnabled(jeu_->IndicesParEtapesPermis());
  Montre(Ldecompos, Texte(jeu_->aides().Decomposition()));
  const QString ligne = Texte(jeu_->aides().DerniereLigneTrouvee());
  if (ElastLigne->text() != ligne) {
    AjustePolice(ElastLigne, ligne, ElastLigne->width() - 6, 8);
    ElastLigne->setText(ligne);
    ElastLigne->setCursorPosition(0);
  }
  const MiniCalculatrice& calculatrice = jeu_->aides().Calculatrice();
  Montre(Lcalcul, Texte(calculatrice.Saisie()));
  Montre(TXTnb1, Texte(calculatrice.Nombre1()));
  Montre(TXTope, Texte(calculatrice.Operateur()));
  Montre(TXTnb2, Texte(calculatrice.Nombre2()));
  const QString resultat = Texte(calculatrice.Resultat());
  if (TXTresult->property("montre").toString() != resultat) AjustePolice(TXTresult, resultat, TXTresult->width() - 6, 8);
  Montre(TXTresult, resultat);
}

}  // namespace tolvan
