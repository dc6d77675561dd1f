#include "Preferences.h"

#include <algorithm>

#include "Chemins.h"
#include "FichierLangue.h"
#include "Horloge.h"
#include "OperationFichier.h"
#include "ThemeSonore.h"

namespace tolvan {

namespace {

const DialogueFichier OPson{QStringLiteral("Choisir un bruitage"), QStringLiteral("Fichier WAV|*.wav"), {}};
const DialogueFichier OPtheme{QStringLiteral("Ouvrir un fichier SON"), QStringLiteral("Fichiers bruitage *.son|*.son"),
                              QStringLiteral("son")};
const DialogueFichier SDtheme{QStringLiteral("Sauvegarder un fichier SON"), QStringLiteral("Fichiers Sons|*.son"),
                              QStringLiteral("son")};
const DialogueFichier ODlangue{QStringLiteral("Choose language"), QStringLiteral("Tolvan Language *.tvl|*.tvl"), {}};

}  // namespace

void Preferences::Ecris() {
  // Only what changed in this run is written, so that another copy of the
  // game keeps its own changes.
  const ValeursReglages enVigueur = ValeursDesOptions(options_);
  ValeursReglages changees;
  for (std::size_t i = 0; i < enVigueur.size(); ++i) {
    if (valeursLues_[i] != enVigueur[i]) changees[i] = enVigueur[i];
  }
  if (!EcritReglages(services_.Reglages(), changees)) SignaleErreurRegistre("EcrisInfoRegistre;");
}


void Preferences::Lis() {
  // The files that come with the program, until the player picks others.
  options_.fichierSon = repertoireProgramme_ + QStringLiteral("system defaut.son");
  options_.fichierLangue = repertoireProgramme_ + QStringLiteral("francais.tvl");
  const LectureReglages lecture = LisReglages(services_.Reglages());
  for (int i = 0; i < NbReglages; ++i) {
    const std::optional<QString>& valeur = lecture.valeurs[static_cast<std::size_t>(i)];
    if (valeur) AppliqueReglage(static_cast<Reglage>(i), *valeur);
  }
  // What is in force now counts as unchanged, except a value the store
  // lacks, which is written at the close; and every one when the store
  // could not be read at all, so that its garbage is replaced.
  const ValeursReglages enVigueur = ValeursDesOptions(options_);
  const bool rienLu = std::none_of(lecture.valeurs.begin(), lecture.valeurs.end(),
                                   [](const std::optional<QString>& v) { return v.has_value(); });
  for (std::size_t i = 0; i < enVigueur.size(); ++i) {
    const bool aEcrire = lecture.echec ? rienLu : !lecture.valeurs[i];
    valeursLues_[i] = aEcrire ? std::nullopt : enVigueur[i];
  }
  if (lecture.echec) SignaleErreurRegistre("LisInfoRegistre;");
}

void Preferences::SignaleErreurRegistre(const char* entete) {
  QString texte = QStringLiteral("Erreur registre\rPROCEDURE ") + QString::fromUtf8(entete);
  if (const QString echec = services_.Reglages().DernierEchec(); !echec.isEmpty()) texte += "\r" + echec;
  services_.Message(TypeMessage::Simple, texte, BoutonsMessage::Ok);
}

void Preferences::AppliqueReglage(Reglage reglage, const QString& valeur) {
  const bool oui = CaseDuTexte(valeur);
  for (const EvenementSonore& e : EvenementsSonores()) {
    if (e.interrupteur == reglage) ChangeSon(e.evenement, oui);
  }
  switch (reglage) {
    case Reglage::Langue: options_.fichierLangue = valeur; break;
    case Reglage::Fichier: options_.fichierSon = valeur; break;
    case Reglage::SolAuto: ChangeSolutionsAuto(oui); break;
    case Reglage::CalcAuto: options_.resultatsAuto = oui; break;
    case Reglage::VoirSol: ChangeVoirNbSolutions(oui); break;
    case Reglage::Premier: options_.premiers = oui; break;
    case Reglage::Fous: options_.fous = oui; break;
    case Reglage::Coach: options_.coach = oui; break;
    case Reglage::VoirCote: options_.voirCote = oui; break;
    case Reglage::Difficulte: ChoisitDifficulte(valeur.toInt()); break;
    case Reglage::Temps: {
      const int choix = valeur.toInt();
      options_.temps = choix >= 0 && choix < NbChoixTemps ? choix : -1;
      break;
    }
    default: break;
  }
}

void Preferences::ChangeSolutionsAuto(bool actif) {
  options_.solutionsAuto = actif;
  if (actif) return;
  // "Réalisables uniquement" and the count need the solver: the plain draws
  // take the place of the first, the second goes.
  if (options_.genre == GenreTirage::Realisables) options_.genre = GenreTirage::Quelconque;
  options_.voirNbSolutions = false;
}

void Preferences::ChoisitDifficulte(int marque) {
  marque = std::clamp(marque, 0, 5);
  if (options_.DifficultePossible(marque)) options_.difficulte = marque;
}

void Preferences::ChangeSon(Evenement evenement, bool actif) { options_.sons[static_cast<std::size_t>(evenement)] = actif; }

void Preferences::ChangeTousLesSons(bool actifs) { options_.sons.fill(actifs); }

void Preferences::JoueSon(Evenement evenement) {
  if (options_.SonActif(evenement)) services_.JoueSon(sons_[evenement]);
}

void Preferences::ChoisitSon(Evenement evenement) {
  if (const std::optional<QString> fichier = services_.FichierAOuvrir(OPson)) sons_[evenement] = *fichier;
}

void Preferences::OuvreTheme() {
  const std::optional<QString> chemin = services_.FichierAOuvrir(OPtheme);
  if (!chemin) return;
  options_.fichierSon = *chemin;
  tolvan::ChargeTheme(*chemin, sons_, services_, textes_);
}

void Preferences::SauveTheme() {
  if (const std::optional<QString> chemin = services_.FichierASauver(SDtheme)) {
    tolvan::SauveTheme(*chemin, sons_, services_, textes_);
  }
}

std::optional<QString> Preferences::ChoisitLangue() {
  DialogueFichier dialogue = ODlangue;
  // The languages that come with the game.
  const QString dossier = RepertoireDe(options_.fichierLangue);
  dialogue.dossier = dossier.isEmpty() ? repertoireProgramme_ : dossier;
  const std::optional<QString> chemin = services_.FichierAOuvrir(dialogue);
  if (chemin) options_.fichierLangue = *chemin;
  return chemin;
}

void Preferences::ChargeLangue(const QString& chemin, const std::function<void(int, const QString&)>& applique) {
  AvecReessai(chemin, services_, textes_, [&]() -> Tentative {
    const LectureLangue lecture = LitFichierLangue(chemin);
    if (lecture.etat == LectureLangue::OuvertureImpossible || lecture.etat == LectureLangue::Refusee) {
      return {IssueFichier::OuvertureImpossible, lecture.raison};
    }
    const bool entiere = lecture.etat == LectureLangue::Lue;
    for (int ligne = 0; ligne < NbLignesFichierLangue && (entiere || ligne < lecture.lignes.size()); ++ligne) {
      const QString texte = ligne < lecture.lignes.size() ? lecture.lignes[ligne] : TexteAbsent(ligne);
      // The window places the 73 lines of old; Tolvan's own are texts it reads back.
      if (ligne < NbLignesLangue) {
        applique(ligne, texte);
      } else {
        LignesPropres[ligne - NbLignesLangue].pose(textes_, texte);
      }
    }
    if (entiere) return IssueFichier::Reussie;
    services_.Message(TypeMessage::Erreur, textes_.MsgErreurLecture + QStringLiteral("file : ") + chemin,
                      BoutonsMessage::Ok);
    return IssueFichier::Signalee;
  });
}

void Preferences::ChargeThemeDesOptions() { tolvan::ChargeTheme(options_.fichierSon, sons_, services_, textes_); }

}  // namespace tolvan
