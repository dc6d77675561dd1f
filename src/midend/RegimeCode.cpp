#include "RegimeCode.h"

#include "competition/BaremeClubs.h"

namespace tolvan {

void RegimeCode::Commence(const CodeSerie& code) {
  code_ = code;
  corriges_ = CorrigeDuCode(code);
  notes_.clear();
  points_.clear();
  donnes_ = 0;
  derniere_.reset();
}

const TTirage& RegimeCode::DonneTirage() { return corriges_.at(static_cast<std::size_t>(donnes_++)).tirage; }

FeuilleDeMarque RegimeCode::Feuille(const std::string& joueur) {
  FeuilleDeMarque feuille(*code_, joueur);
  for (std::size_t i = 0; i < notes_.size(); ++i) feuille.Note(corriges_[i], notes_[i]);
  code_.reset();
  return feuille;
}

void RegimeCode::Abandonne() {
  code_.reset();
  derniere_.reset();
}

bool RegimeCode::TirageSuivantPret() const {
  return EnCours() && static_cast<int>(notes_.size()) == donnes_;
}

std::optional<Cadence> RegimeCode::CadenceDesParties(const Options&) const {
  if (!code_) return std::nullopt;
  return Cadence{code_->Temps(), GenreHorloge::Rebours};
}

Permissions RegimeCode::Permis() const {
  // Every player of the club plays the draws alone, with nothing but the board.
  return Permissions::LeTableauSeul();
}

int RegimeCode::Marque(std::optional<longint> resultat) {
  // Only the draw on the board, once: a late event cannot score it twice.
  if (!code_ || static_cast<int>(notes_.size()) >= donnes_) return 0;
  const Corrige& corrige = corriges_[notes_.size()];
  notes_.push_back(resultat);
  points_.push_back(BaremeClubs(corrige.tirage).Points(resultat));
  derniere_ = Note{static_cast<int>(notes_.size()), static_cast<int>(corriges_.size()), resultat, points_.back()};
  return points_.back();
}

Gain RegimeCode::Gagne(int seconde) {
  const longint cible = donnes_ > 0 ? corriges_[static_cast<std::size_t>(donnes_ - 1)].tirage.Resultat : 0;
  return {Marque(cible), Manche::LigneEntrainement(seconde)};
}

int RegimeCode::Expire(const Manche& manche) {
  return Marque(manche.Tableau().MeilleurResultat(manche.Tirage().Resultat));
}

void RegimeCode::RemplitLigne(PartieJouee& partie) const {
  partie.mode = ModePartie::Code;
  if (code_) partie.code = QString::fromStdString(code_->Texte());
}

Suite RegimeCode::ApresPartie(bool) const {
  return static_cast<int>(notes_.size()) < static_cast<int>(corriges_.size()) ? Suite::TirageSuivant : Suite::FinDeSerie;
}

}  // namespace tolvan
