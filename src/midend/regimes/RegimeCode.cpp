#include "RegimeCode.h"

#include "competition/BaremeClubs.h"
#include "competition/FeuilleDeMarque.h"
#include "game/Tirages.h"
#include "midend/Services.h"

namespace tolvan {

namespace {

QString TextePointsClub(int points, const TextesMessages& textes) {
  return TexteCompte(points, textes.MsgPoint, textes.MsgPoints, textes);
}

}  // namespace

RegimeCode::RegimeCode(const CodeSerie& code) : code_(code), corriges_(CorrigeDuCode(code)) {}

void RegimeCode::Suivante(Table& table) {
  if (!TirageSuivantPret()) return;
  table.solveurDuTirage().ChangeTirage(corriges_[static_cast<std::size_t>(donnes_++)].tirage);
  table.Joue();
}

bool RegimeCode::TirageSuivantPret() const { return EnCours() && static_cast<int>(notes_.size()) == donnes_; }

std::optional<Cadence> RegimeCode::CadenceDesParties(const Options&) const {
  return Cadence{code_.Temps(), GenreHorloge::Rebours};
}

Conclusion RegimeCode::Conclut(Table&, const FinDePartie& fin, PartieJouee& partie) {
  partie.mode = ModePartie::Code;
  partie.code = QString::fromStdString(code_.Texte());
  // Only the draw on the board, once: a late event cannot score it twice.
  if (static_cast<int>(notes_.size()) >= donnes_) return {};
  const Corrige& corrige = corriges_[notes_.size()];
  // A draw found is worth the target; otherwise the best line finished counts.
  const std::optional<longint> resultat = fin.trouve ? std::optional<longint>(corrige.tirage.Resultat) : fin.resultat;
  notes_.push_back(resultat);
  points_.push_back(BaremeClubs(corrige.tirage).Points(resultat));
  partie.points = points_.back();
  std::optional<LigneScore> ligne;
  if (fin.trouve) ligne = Manche::LigneEntrainement(fin.secondes);
  return {ligne, EnCours() ? Suite::TirageSuivant : Suite::FinDeSerie};
}

std::optional<Feuille> RegimeCode::Termine(Table& table) {
  FeuilleDeMarque feuille(code_, table.NomDuJoueur().toStdString());
  for (std::size_t i = 0; i < notes_.size(); ++i) feuille.Note(corriges_[i], notes_[i]);
  return Feuille{table.textes().MsgFeuilleDeMarque, LignesDeLaFeuille(feuille, table.textes()),
                 QString::fromStdString(feuille.LigneClub())};
}

void RegimeCode::CompleteBilan(Bilan& bilan, const TextesMessages& textes) const {
  if (notes_.empty()) return;
  const std::optional<longint>& resultat = notes_.back();
  bilan.lignes.append({textes.MsgTirageSur.arg(notes_.size()).arg(corriges_.size()),
                       textes.MsgResultatDuTirage.arg(resultat ? QString::number(*resultat) : textes.MsgRien),
                       TextePointsClub(points_.back(), textes)});
}

QStringList LignesDeLaFeuille(const FeuilleDeMarque& feuille, const TextesMessages& t) {
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
                           TextePointsClub(ligne.points, t), meilleur));
  }
  lignes.append(t.MsgFeuilleTotal.arg(TextePointsClub(feuille.Total(), t)).arg(feuille.TotalPossible()));
  return lignes;
}

QString NouveauCode(Services& services) {
  // The seed's 35 bits in two draws of the desktop's random numbers, so
  // that a scripted desktop gives a known code.
  ParametresSerie parametres;
  const auto haut = static_cast<std::uint64_t>(services.Aleatoire(1 << 18));
  const auto bas = static_cast<std::uint64_t>(services.Aleatoire(1 << 17));
  parametres.graine = (haut << 17 | bas) & CodeSerie::GraineMax;
  std::string erreur;
  const std::optional<CodeSerie> code = CodeSerie::Fait(parametres, erreur);
  return code ? QString::fromStdString(code->Texte()) : QString();
}

void CopieCode(Services& services, const QString& code) { services.CopieTexte(code.trimmed()); }

}  // namespace tolvan
