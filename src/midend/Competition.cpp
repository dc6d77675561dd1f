#include "Competition.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "Chemins.h"
#include "FichierTexte.h"
#include "OperationFichier.h"
#include "RaisonEchec.h"
#include "library/FichierTirages.h"

namespace tolvan {

namespace {

const DialogueFichier ODlevel{QStringLiteral("Choisir un niveau"), QStringLiteral("Fichiers niveau *.niv|*.niv"), {}};

QString Texte(const std::string& texte) { return QString::fromStdString(texte); }

const QString RecordPerdu = QStringLiteral("Le record de cette série est perdu : le niveau n'a pas pu être enregistré.");

}  // namespace

std::optional<Competition::LignesLues> Competition::LignesFichierNiveau(const QString& chemin) {
  LignesLues lues;
  const bool ouvert = AvecReessai(chemin, services_, textes_, [&]() -> Tentative {
    // A level's lines end as a draws file's do, the Linux way too.
    const LectureTexte lecture = LitFichierTexte(chemin, FinsDeLigneTirages);
    if (lecture.etat == LectureTexte::OuvertureImpossible) return {IssueFichier::OuvertureImpossible, lecture.raison};
    lues.entieres = lecture.etat == LectureTexte::Lu;
    lues.lignes.clear();
    for (const QString& ligne : lecture.lignes) lues.lignes.push_back(ligne.toStdString());
    return IssueFichier::Reussie;
  });
  if (!ouvert) return std::nullopt;
  return lues;
}

void Competition::MontreNiveau(const LectureNiveau& lecture) {
  niveauAffiche_.nom = lecture.niveau.nom;
  niveauAffiche_.lignesRecords = lecture.niveau.lignesRecords;
  if (lecture.lignesPrises < 3) return;
  serie_.DefinitTempsNiveau(lecture.niveau.tempsNiveau);
  niveauAffiche_.temps = lecture.niveau.temps;
}

bool Competition::LitNiveauComplet(const QString& chemin, bool avecTirages) {
  const std::optional<LignesLues> lues = LignesFichierNiveau(chemin);
  if (!lues) return false;
  const LectureNiveau lecture = LitNiveau(lues->lignes);
  if (!lecture.lu || !lues->entieres) {
    // A level is taken whole or not at all: the one in place stays, with its
    // draws and records, and can still be played. The line shown is the one
    // the reading stopped on.
    const std::string derniere =
        lues->entieres ? lecture.derniereLigne : (lues->lignes.empty() ? std::string() : lues->lignes.back());
    services_.Message(TypeMessage::Erreur, Texte(MessageConversionNiveau(derniere)), BoutonsMessage::Ok);
    return false;
  }
  niveau_ = lecture.niveau;
  MontreNiveau(lecture);
  // The level counts as read whatever becomes of its draws.
  if (avecTirages) {
    liste_.Modele().EffaceTout();
    liste_.LitTirages(Texte(CheminTiragesNiveau(chemin.toStdString(), niveau_.fichierTirages)));
  }
  return true;
}

bool Competition::EcritRecords(const QString& chemin) {
  QStringList lignes;
  for (const std::string& ligne : LignesNiveau(niveau_)) lignes.append(Texte(ligne));
  for (;;) {
    const ResultatEcriture ecriture = EcritFichierTexte(chemin, lignes);
    if (ecriture == EcritureTexte::Ecrit) return true;
    const QString& probleme =
        ecriture == EcritureTexte::OuvertureImpossible ? textes_.MsgErreurOuverture : textes_.MsgErreurEcriture;
    // The file is replaced whole or not at all: the old records are safe meanwhile.
    const QString question = QuestionReessai(probleme + "\r" + LigneEchec(chemin, ecriture.raison), textes_);
    if (!Reessayer(services_, question)) return false;
  }
}

bool Competition::RelitRecords(const QString& chemin) {
  const std::optional<LignesLues> lues = LignesFichierNiveau(chemin);
  if (!lues) return false;
  const LectureNiveau lecture = LitNiveau(lues->lignes, false);
  MontreNiveau(lecture);
  if (lecture.lu && lues->entieres) return true;
  services_.Message(TypeMessage::Erreur, textes_.MsgErreurLecture + "\r" + chemin, BoutonsMessage::Ok);
  return false;
}

QString Competition::DossierNiveaux() {
  // The levels that come with the game lie beside the program, where a
  // player may not write: each plays its own copy, which keeps its records.
  const QDir livres(repertoireProgramme_ + QStringLiteral("niveaux"));
  const QString joueur = services_.DossierJoueur() + QStringLiteral("/niveaux");
  if (!livres.exists() || !QDir().mkpath(joueur)) return livres.path();
  for (const QFileInfo& fichier : livres.entryInfoList(QDir::Files)) {
    const QString copie = joueur + QLatin1Char('/') + fichier.fileName();
    if (!QFileInfo::exists(copie)) QFile::copy(fichier.filePath(), copie);
  }
  return joueur;
}

void Competition::ChangeNiveau() {
  DialogueFichier dialogue = ODlevel;
  // The levels that come with the game, until one is read.
  dialogue.dossier = fichierNiveau_.isEmpty() ? DossierNiveaux() : RepertoireDe(fichierNiveau_);
  const std::optional<QString> chemin = services_.FichierAOuvrir(dialogue);
  if (!chemin || !liste_.LaisseLaListe()) return;
  vue_.AvantCalcul();
  // A level that cannot be read leaves the one in place as it was.
  if (!LitNiveauComplet(*chemin, true)) return;
  niveauPret_ = true;
  fichierNiveau_ = *chemin;
}

QString Competition::NomDuJoueur() {
  std::optional<QString> nom;
  {
    const ServicesDuJeu::Question question(services_);
    nom = vue_.NomDuJoueur();
  }
  if (nom) nomJoueur_ = *nom;
  return nomJoueur_;
}

void Competition::TermineSerie() {
  const TRecord record = RecordDeSerie(NomDuJoueur().toStdString(), serie_.ScoreTotal(), serie_.NbTrouves());
  serie_.RemetAZero();
  // A level file that cannot be read back is left as it is: rewriting it
  // from what little was read would lose its records.
  if (LitNiveauComplet(fichierNiveau_, false)) {
    const auto avant = niveau_.records;
    AjouteRecord(niveau_.records, record);
    if (!EcritRecords(fichierNiveau_) && niveau_.records != avant) {
      services_.Message(TypeMessage::Avertissement, RecordPerdu, BoutonsMessage::Ok);
    }
    RelitRecords(fichierNiveau_);
  }
  serie_.Arrete();
}

}  // namespace tolvan
