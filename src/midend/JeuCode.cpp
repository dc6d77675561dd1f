// Club play by a code as the game plays it: a code made or read, its draws
// dealt one after another under its clock, the sheet at the end, printed
// and copied for the club. What a draw earns is the regime's (RegimeCode).
#include "Jeu.h"
#include "OperationFichier.h"

namespace tolvan {

void Jeu::NouveauCode() {
  // The seed's 35 bits in two draws of the desktop's random numbers, so
  // that a scripted desktop gives a known code.
  ParametresSerie parametres;
  const auto haut = static_cast<std::uint64_t>(services_.Aleatoire(1 << 18));
  const auto bas = static_cast<std::uint64_t>(services_.Aleatoire(1 << 17));
  parametres.graine = (haut << 17 | bas) & CodeSerie::GraineMax;
  std::string erreur;
  if (const std::optional<CodeSerie> code = CodeSerie::Fait(parametres, erreur)) {
    codePropose_ = QString::fromStdString(code->Texte());
  }
}

bool Jeu::PeutJouerCode() const {
  return !liste_.GenerationEnCours() && !competition_.serie().EnCours() && !regimeCode_.EnCours();
}

bool Jeu::JoueCode(const QString& texte) {
  if (!PeutJouerCode()) return false;
  std::string erreur;
  const std::optional<CodeSerie> code = CodeSerie::Lit(texte.toStdString(), erreur);
  if (!code) {
    services_.Message(TypeMessage::Avertissement, Textes().MsgCodeRefuse.arg(QString::fromStdString(erreur)),
                      BoutonsMessage::Ok);
    return false;
  }
  vue_.AvantCalcul();
  bool commence = false;
  SousGarde("JoueCode;", [this, &code, &commence] {
    regimeCode_.Commence(*code);
    feuille_.reset();
    codePropose_ = QString::fromStdString(code->Texte());
    // A game on the board ends; the help leaves the screen.
    manche_.Interromp();
    manche_.EffaceScores();
    manche_.Tableau().ModifieTout(true);
    aides_.MontreSolutions(false);
    aides_.MontreAides(false);
    EntreDans(regimeCode_);
    commence = true;
  });
  if (commence) DonneTirageDuCode();
  return commence;
}

void Jeu::DonneTirageDuCode() {
  SousGarde("DonneTirageDuCode;", [this] {
    solveur_.ChangeTirage(regimeCode_.DonneTirage());
    PreparePartie();
    RegleHorloge();
    Depart();
  });
}

void Jeu::TermineCode() {
  feuille_ = regimeCode_.Feuille(competition_.NomDuJoueur().toStdString());
  QuitteLeCode();
  vue_.FeuilleFinie();
}

void Jeu::QuitteLeCode() {
  if (competition_.serie().ModeCompetition()) {
    regime_ = &regimeSerie_;
  } else {
    EntreDans(entrainement_);
  }
}

bool Jeu::ArreteCode() {
  if (!regimeCode_.EnCours()) return false;
  if (services_.Message(TypeMessage::Confirmation, Textes().MsgAbandonner, BoutonsMessage::OuiNon) != Reponse::Oui) {
    return false;
  }
  manche_.Interromp();
  regimeCode_.Abandonne();
  QuitteLeCode();
  AnnonceMinuteur();
  return true;
}

QString Jeu::TextePointsClub(int points) const {
  return (points > 1 ? Textes().MsgPoints : Textes().MsgPoint).arg(points);
}

QStringList Jeu::LignesCodeAuBilan() const {
  const std::optional<RegimeCode::Note>& note = regimeCode_.DerniereNote();
  if (!note || manche_.PanneauVisible() != Manche::Panneau::Resume) return {};
  const QString resultat = note->resultat ? QString::number(*note->resultat) : Textes().MsgRien;
  return {Textes().MsgTirageSur.arg(note->numero).arg(note->tirages), Textes().MsgResultatDuTirage.arg(resultat),
          TextePointsClub(note->points)};
}

QStringList Jeu::LignesFeuille() const {
  if (!feuille_) return {};
  const FeuilleDeMarque& feuille = *feuille_;
  const TextesMessages& t = Textes();
  QStringList lignes = {
      t.MsgFeuilleTitre.arg(QString::fromStdString(feuille.Code().Texte()),
                            QString::fromStdString(feuille.Code().Description())),
      t.MsgFeuilleJoueur.arg(QString::fromStdString(feuille.Joueur())),
  };
  int numero = 0;
  for (const LigneFeuille& ligne : feuille.Lignes()) {
    const QString resultat = ligne.resultat ? QString::number(*ligne.resultat) : t.MsgRien;
    const QString meilleur =
        ligne.corrige.solution.empty() ? t.MsgFeuilleSansCalcul : QString::fromStdString(ligne.corrige.solution);
    lignes.append(t.MsgFeuilleLigne.arg(++numero)
                      .arg(QString::fromStdString(TexteTirage(ligne.corrige.tirage)), resultat,
                           TextePointsClub(ligne.points), meilleur));
  }
  lignes.append(t.MsgFeuilleTotal.arg(TextePointsClub(feuille.Total())).arg(feuille.TotalPossible()));
  return lignes;
}

void Jeu::ImprimeFeuille() {
  if (!feuille_) return;
  ImprimeLignes(services_, Textes(), Textes().MsgFeuilleDeMarque, LignesFeuille());
}

void Jeu::CopieResultatFeuille() {
  if (feuille_) services_.CopieTexte(QString::fromStdString(feuille_->LigneClub()));
}

}  // namespace tolvan
