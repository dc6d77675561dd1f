// The game's start and close, its options and its sounds.
#include "Jeu.h"

#include <algorithm>

#include <QLocale>

#include "Chemins.h"
#include "FichierLangue.h"
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

Jeu::Jeu(Services& services, VueJeu& vue, QString repertoireProgramme)
    : services_(services),
      vue_(vue),
      repertoireProgramme_(std::move(repertoireProgramme)),
      solveur_(this),
      calculatrice_(QLocale().decimalPoint().toStdString()) {}

Jeu::~Jeu() = default;

void Jeu::Demarre() {
  // The files that come with the program, until the player picks others.
  options_.fichierSon = repertoireProgramme_ + QStringLiteral("system defaut.son");
  options_.fichierLangue = repertoireProgramme_ + QStringLiteral("francais.tvl");
  services_.SemeAleatoire();
  ChoisitTemps(options_.temps);
  // A placeholder draw, shown until the first real one is dealt.
  solveur_.ChangeTirage(TTirage{NombresTirage{{{1, 1, 2, 2, 3, 3}}}, 999});
  MontreTirage();
  LisOptions();
  journal_.Ouvre();
}

void Jeu::Termine() {
  // Only what changed in this run is written, so that another copy of the
  // game keeps its own changes.
  const ValeursReglages enVigueur = ValeursDesOptions(options_);
  ValeursReglages changees;
  for (std::size_t i = 0; i < enVigueur.size(); ++i) {
    if (valeursLues_[i] != enVigueur[i]) changees[i] = enVigueur[i];
  }
  if (!EcritReglages(services_.Reglages(), changees)) SignaleErreurRegistre("EcrisInfoRegistre;");
}

void Jeu::LisOptions() {
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

void Jeu::SignaleErreurRegistre(const char* entete) {
  QString texte = QStringLiteral("Erreur registre\rPROCEDURE ") + QString::fromUtf8(entete);
  if (const QString echec = services_.Reglages().DernierEchec(); !echec.isEmpty()) texte += "\r" + echec;
  services_.Message(TypeMessage::Simple, texte, BoutonsMessage::Ok);
}

void Jeu::AppliqueReglage(Reglage reglage, const QString& valeur) {
  const bool oui = CaseDuTexte(valeur);
  for (const EvenementSonore& e : EvenementsSonores()) {
    if (e.interrupteur == reglage) ChangeSon(e.evenement, oui);
  }
  switch (reglage) {
    case Reglage::Langue: options_.fichierLangue = valeur; break;
    case Reglage::Fichier: options_.fichierSon = valeur; break;
    case Reglage::SolAuto: ChangeSolutionsAuto(oui); break;
    case Reglage::CalcAuto: ChangeResultatsAuto(oui); break;
    case Reglage::VoirSol: ChangeVoirNbSolutions(oui); break;
    case Reglage::Premier: ChangePremiers(oui); break;
    case Reglage::Fous: ChangeFous(oui); break;
    case Reglage::Coach: options_.coach = oui; break;
    case Reglage::Difficulte: ChoisitDifficulte(valeur.toInt()); break;
    case Reglage::Temps: {
      const int choix = valeur.toInt();
      ChoisitTemps(choix >= 0 && choix < NbChoixTemps ? choix : -1);
      break;
    }
    default: break;
  }
}

void Jeu::ChangeSolutionsAuto(bool actif) {
  options_.solutionsAuto = actif;
  if (actif) return;
  // "Réalisables uniquement" and the count need the solver: the plain draws
  // take the place of the first, the second goes.
  if (options_.genre == GenreTirage::Realisables) options_.genre = GenreTirage::Quelconque;
  options_.voirNbSolutions = false;
}

void Jeu::ChoisitTemps(int choix) {
  options_.temps = choix;
  // A level's clock and the day's rule their games; the choice waits for training.
  if (regime_ == &entrainement_) RegleHorloge();
}

void Jeu::EntreDans(Regime& regime) {
  regime_ = &regime;
  RegleHorloge();
}

void Jeu::RegleHorloge() {
  if (const std::optional<Cadence> cadence = regime_->CadenceDesParties(options_)) horloge_.Regle(manche_, *cadence);
  AnnonceMinuteur();
}

void Jeu::AnnonceMinuteur() {
  const bool enMarche = manche_.HorlogeEnMarche() && horloge_.Compte();
  if (enMarche == minuteurAnnonce_) return;
  minuteurAnnonce_ = enMarche;
  vue_.MinuteurEnMarche(enMarche);
}

void Jeu::ChangeSon(Evenement evenement, bool actif) { options_.sons[static_cast<std::size_t>(evenement)] = actif; }

void Jeu::ChangeTousLesSons(bool actifs) { options_.sons.fill(actifs); }

void Jeu::JoueSon(Evenement evenement) {
  if (options_.SonActif(evenement)) services_.JoueSon(sons_[evenement]);
}

void Jeu::ChoisitSon(Evenement evenement) {
  if (const std::optional<QString> fichier = services_.FichierAOuvrir(OPson)) sons_[evenement] = *fichier;
}

void Jeu::OuvreTheme() {
  const std::optional<QString> chemin = services_.FichierAOuvrir(OPtheme);
  if (!chemin) return;
  options_.fichierSon = *chemin;
  tolvan::ChargeTheme(*chemin, sons_, services_, textes_);
}

void Jeu::SauveTheme() {
  if (const std::optional<QString> chemin = services_.FichierASauver(SDtheme)) {
    tolvan::SauveTheme(*chemin, sons_, services_, textes_);
  }
}

std::optional<QString> Jeu::ChoisitLangue() {
  DialogueFichier dialogue = ODlangue;
  // The languages that come with the game.
  const QString dossier = RepertoireDe(options_.fichierLangue);
  dialogue.dossier = dossier.isEmpty() ? repertoireProgramme_ : dossier;
  const std::optional<QString> chemin = services_.FichierAOuvrir(dialogue);
  if (chemin) options_.fichierLangue = *chemin;
  return chemin;
}

void Jeu::ChargeLangue(const QString& chemin, const std::function<void(int, const QString&)>& applique) {
  AvecReessai(chemin, services_, textes_, [&]() -> Tentative {
    const LectureLangue lecture = LitFichierLangue(chemin);
    if (lecture.etat == LectureLangue::OuvertureImpossible || lecture.etat == LectureLangue::Refusee) {
      return {IssueFichier::OuvertureImpossible, lecture.raison};
    }
    const bool entiere = lecture.etat == LectureLangue::Lue;
    for (int ligne = 0; ligne < NbLignesFichierLangue && (entiere || ligne < lecture.lignes.size()); ++ligne) {
      applique(ligne, ligne < lecture.lignes.size() ? lecture.lignes[ligne] : TexteAbsent(ligne));
    }
    if (entiere) return IssueFichier::Reussie;
    services_.Message(TypeMessage::Erreur, textes_.MsgErreurLecture + QStringLiteral("file : ") + chemin,
                      BoutonsMessage::Ok);
    return IssueFichier::Signalee;
  });
}

void Jeu::ChargeThemeDesOptions() { tolvan::ChargeTheme(options_.fichierSon, sons_, services_, textes_); }

void Jeu::SignaleBug(const std::string& message) {
  services_.Message(TypeMessage::Erreur, QString::fromStdString(message), BoutonsMessage::Ok);
}

void Jeu::SousGarde(const char* entete, const std::function<void()>& corps, const char* bug) {
  try {
    corps();
  } catch (...) {
    services_.Message(TypeMessage::Erreur,
                      QString::fromUtf8(bug) + QStringLiteral("\rPROCEDURE ") + QString::fromUtf8(entete),
                      BoutonsMessage::Ok);
  }
}

}  // namespace tolvan
