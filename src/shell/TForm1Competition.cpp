// Competitions: a level read from its file, series dealt from its draws
// against a shorter or longer clock, and the ten records of the level.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QStandardPaths>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>

#include "Chemins.h"
#include "FichierTexte.h"
#include "OperationFichier.h"
#include "TFRMname.h"
#include "TForm1.h"
#include "platform/RaisonEchec.h"

namespace tolvan {

namespace {

const DialogueFichier ODlevel{QStringLiteral("Choisir un niveau"), QStringLiteral("Fichiers niveau *.niv|*.niv"), {}};

QString Texte(const std::string& texte) { return QString::fromStdString(texte); }

const QString RecordPerdu = QStringLiteral("Le record de cette série est perdu : le niveau n'a pas pu être enregistré.");

}  // namespace

void TForm1::DisposeMode(bool competition) {
  for (QWidget* niveau : std::initializer_list<QWidget*>{CBaide, LBniv, LBniveau, BTchange, Lbtime, CBtime, TXTtime,
                                                         TXTtime2}) {
    niveau->setEnabled(competition);
  }
  ActiveCommandes();
  GBentrain->setVisible(!competition);
  GBtirage->setVisible(!competition);
  LBpoint->setVisible(competition);
  LBpoint2->setVisible(competition);
  GBopSol->setEnabled(!competition);
  // Hints are forbidden only in the competition that forbids them.
  BTback->setEnabled(!competition || !CBaide->isChecked());
  // A series is a competition's, on a level read.
  BTstart->setEnabled(competition && !FichierNiveau.isEmpty());
}

void TForm1::mode_compet() {
  DisposeMode(true);
  // Results are computed, and nothing tells how many solutions a draw has.
  CkBcalcul->setChecked(true);
  if (CBmontre->isChecked()) {
    CBmontre->setChecked(false);
    CBmontreClick();
  }
  CkBpremier->setChecked(false);
  // Back in a competition that forbids them, the hints leave the screen.
  if (CBaide->isChecked()) CBaideClick();
}

void TForm1::mode_entrain() {
  DisposeMode(false);
  // Training games run again under the limit of "Temps :", not a level's.
  CBtempsChange();
}

void TForm1::CBcompetClick() {
  PCmain->setTabVisible(PCmain->indexOf(TStirage), true);
  BTvoirSol->setEnabled(true);
  manche_.EffaceScores();
  AfficheScores();
  serie_.DefinitModeCompetition(CBcompet->isChecked());
  if (!serie_.ModeCompetition()) {
    mode_entrain();
    return;
  }
  mode_compet();
  manche_.ArreteHorloge();
  AfficheHorloge();
  serie_.RemetAZero();
  PCmain->setTabVisible(PCmain->indexOf(TStirage), false);
  if (vueSolutions_) BTvoirSolClick();
  BTvoirSol->setEnabled(false);
}

void TForm1::EtatSerie() {
  for (QWidget* repos : std::initializer_list<QWidget*>{BTchange, CBaide, CBtime}) repos->setEnabled(false);
  ActiveCommandes();
  BTstart->setText(Textes.MsgArreter);
  BTnouvPartie->setText(Textes.MsgPartieSuivante);
  manche_.Tableau().ModifieTout(true);
}

void TForm1::EtatRepos() {
  serie_.Arrete();
  for (QWidget* repos : std::initializer_list<QWidget*>{BTchange, CBaide, CBtime}) repos->setEnabled(true);
  ActiveCommandes();
  BTstart->setText(Textes.MsgCommencer);
  BTnouvPartie->setText(Textes.MsgNouvellePartie);
}

std::optional<TForm1::LignesLues> TForm1::LignesFichierNiveau(const QString& chemin) {
  LignesLues lues;
  const bool ouvert = AvecReessai(chemin, plateforme_, Textes, [&]() -> Tentative {
    const LectureTexte lecture = LitFichierTexte(chemin);
    if (lecture.etat == LectureTexte::OuvertureImpossible) return {IssueFichier::OuvertureImpossible, lecture.raison};
    lues.entieres = lecture.etat == LectureTexte::Lu;
    lues.lignes.clear();
    for (const QString& ligne : lecture.lignes) lues.lignes.push_back(ligne.toStdString());
    return IssueFichier::Reussie;
  });
  if (!ouvert) return std::nullopt;
  return lues;
}

void TForm1::AfficheNiveau(const LectureNiveau& lecture, bool records) {
  const Niveau& niveau = lecture.niveau;
  LBniveau->setText(Texte(niveau.nom));
  LBniveau->setCursorPosition(0);
  if (lecture.lignesPrises >= 3) {
    serie_.DefinitTempsNiveau(niveau.tempsNiveau);
    TXTtime->setText(Texte(niveau.temps));
  }
  if (!records) return;
  LVrecord->clear();
  for (const auto& [score, nom, trouves] : niveau.lignesRecords) {
    new QTreeWidgetItem(LVrecord, QStringList{Texte(score), Texte(nom), Texte(trouves)});
  }
}

bool TForm1::change_level(const QString& chemin, bool avecTirages) {
  const std::optional<LignesLues> lues = LignesFichierNiveau(chemin);
  if (!lues) return false;
  const LectureNiveau lecture = LitNiveau(lues->lignes);
  if (!lecture.lu || !lues->entieres) {
    // A level is taken whole or not at all: the one in place stays, with its
    // draws and records, and can still be played. The line shown is the one
    // the reading stopped on.
    const std::string derniere =
        lues->entieres ? lecture.derniereLigne : (lues->lignes.empty() ? std::string() : lues->lignes.back());
    plateforme_.Message(TypeMessage::Erreur, Texte(MessageConversionNiveau(derniere)), BoutonsMessage::Ok);
    return false;
  }
  niveau_ = lecture.niveau;
  AfficheNiveau(lecture, true);
  // The level counts as read whatever becomes of its draws.
  if (avecTirages) {
    tirages_.EffaceTout();
    LitFichierTirages(Texte(CheminTiragesNiveau(chemin.toStdString(), niveau_.fichierTirages)));
  }
  return true;
}

bool TForm1::enregistre_record(const QString& chemin) {
  QStringList lignes;
  for (const std::string& ligne : LignesNiveau(niveau_)) lignes.append(Texte(ligne));
  for (;;) {
    const ResultatEcriture ecriture = EcritFichierTexte(chemin, lignes);
    if (ecriture == EcritureTexte::Ecrit) return true;
    const QString& probleme =
        ecriture == EcritureTexte::OuvertureImpossible ? Textes.MsgErreurOuverture : Textes.MsgErreurEcriture;
    // The file is replaced whole or not at all: the old records are safe meanwhile.
    const QString question = QuestionReessai(probleme + "\r" + LigneEchec(chemin, ecriture.raison), Textes);
    if (!Reessayer(plateforme_, question)) return false;
  }
}

bool TForm1::charge_score(const QString& chemin) {
  const std::optional<LignesLues> lues = LignesFichierNiveau(chemin);
  if (!lues) return false;
  const LectureNiveau lecture = LitNiveau(lues->lignes, false);
  AfficheNiveau(lecture, true);
  if (lecture.lu && lues->entieres) return true;
  plateforme_.Message(TypeMessage::Erreur, Textes.MsgErreurLecture + "\r" + chemin, BoutonsMessage::Ok);
  return false;
}

QString TForm1::DossierNiveaux() const {
  // The levels that come with the game lie beside the program, where a
  // player may not write: each plays its own copy, which keeps its records.
  const QDir livres(repertoireProgramme_ + QStringLiteral("niveaux"));
  const QString joueur = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/niveaux");
  if (!livres.exists() || !QDir().mkpath(joueur)) return livres.path();
  for (const QFileInfo& fichier : livres.entryInfoList(QDir::Files)) {
    const QString copie = joueur + QLatin1Char('/') + fichier.fileName();
    if (!QFileInfo::exists(copie)) QFile::copy(fichier.filePath(), copie);
  }
  return joueur;
}

void TForm1::BTchangeClick() {
  PBcharge->setValue(0);
  DialogueFichier dialogue = ODlevel;
  // The levels that come with the game, until one is read.
  dialogue.dossier = FichierNiveau.isEmpty() ? DossierNiveaux() : RepertoireDe(FichierNiveau);
  const std::optional<QString> chemin = plateforme_.FichierAOuvrir(dialogue);
  if (!chemin) return;
  repaint();
  if (!change_level(*chemin, true)) return;
  BTstart->setEnabled(true);
  FichierNiveau = *chemin;
}

void TForm1::BTstartClick() {
  if (serie_.EnCours()) {
    if (plateforme_.Message(TypeMessage::Confirmation, Textes.MsgAbandonner, BoutonsMessage::OuiNon) != Reponse::Oui) {
      return;
    }
    // The draw on screen goes on: found, it counts as in training; not
    // found in time, the series ends as usual.
    manche_.Tableau().ModifieTout(true);
    AfficheTableau();
    EtatRepos();
    return;
  }
  if (tirages_.NbLignes() == 0) {
    plateforme_.Message(TypeMessage::Avertissement,
                        QStringLiteral("Aucun tirage à jouer : la liste des tirages de ce niveau est vide."),
                        BoutonsMessage::Ok);
    return;
  }
  serie_.Commence(tirages_.NbLignes());
  EtatSerie();
  PCmain->setCurrentWidget(TSjeu);
  manche_.EffaceScores();
  AfficheScores();
  DonneTirageDeSerie();
}

void TForm1::DonneTirageDeSerie() {
  SousGarde(QStringLiteral("Tform1.BTnouvPartieClick;"), [this] {
    const int ligne = serie_.LigneAuHasard([this](int n) { return plateforme_.Aleatoire(n); });
    LV_to_TIR(ligne);
    tirages_.DefinitLigneCourante(ligne);
    PreparePartie();
    // Every draw gets the whole time the coefficient allows.
    manche_.ChangeLimite(serie_.TempsAccorde(), false);
    depart();
  });
}

void TForm1::TermineSerie() {
  if (plateforme_.ExecuteDialogue(*frmName_) == QDialog::Accepted) nomJoueur_ = frmName_->TXTbatu->text();
  const TRecord record = RecordDeSerie(nomJoueur_.toStdString(), serie_.ScoreTotal(), serie_.NbTrouves());
  serie_.RemetAZero();
  // A level file that cannot be read back is left as it is: rewriting it
  // from what little was read would lose its records.
  if (change_level(FichierNiveau, false)) {
    const auto avant = niveau_.records;
    AjouteRecord(niveau_.records, record);
    if (!enregistre_record(FichierNiveau) && niveau_.records != avant) {
      plateforme_.Message(TypeMessage::Avertissement, RecordPerdu, BoutonsMessage::Ok);
    }
    charge_score(FichierNiveau);
  }
  EtatRepos();
}

void TForm1::CBaideClick() {
  // Forbidden hints are out of sight, and "Aides" cannot bring them back.
  aidesAffichees_ = CBaide->isChecked();
  BTbackClick();
  BTback->setEnabled(!CBaide->isChecked());
}

void TForm1::CBtimeClick() {
  manche_.ArreteHorloge();
  AfficheHorloge();
  serie_.RemetAZero();
}

}  // namespace tolvan
