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
  return FeuilleDuCode(Marque(table.NomDuJoueur()), table.textes());
}

FeuilleDeMarque RegimeCode::Marque(const QString& joueur) const {
  FeuilleDeMarque feuille(code_, joueur.toStdString());
  for (std::size_t i = 0; i < notes_.size(); ++i) feuille.Note(corriges_[i], notes_[i]);
  return feuille;
}

void RegimeCode::CompleteBilan(Bilan& bilan, const TextesMessages& textes) const {
  // Its draws' lines with their points need the summary's whole width.
  bilan.large = true;
  if (abandonne_) bilan.titre = textes.MsgPartieParCode;
  if (notes_.empty()) return;
  const std::optional<longint>& resultat = notes_.back();
  const FeuilleDeMarque feuille = Marque({});
  bilan.lignes.append({textes.MsgTirageSur.arg(notes_.size()).arg(corriges_.size()),
                       textes.MsgResultatDuTirage.arg(resultat ? QString::number(*resultat) : textes.MsgRien),
                       TextePointsClub(points_.back(), textes),
                       textes.MsgFeuilleTotal.arg(TextePointsClub(feuille.Total(), textes)).arg(feuille.TotalPossible())});
}

QString DescriptionDuCode(const CodeSerie& code, const TextesMessages& t) {
  const QString tirages = TexteCompte(code.Tirages(), t.MsgCodeUnTirage, t.MsgCodeTirages, t).arg(code.Temps());
  return code.Realisables() ? tirages + t.MsgCodeRealisables : tirages;
}

Feuille FeuilleDuCode(const FeuilleDeMarque& marque, const TextesMessages& t) {
  Feuille feuille{t.MsgFeuilleDeMarque,
                  {t.MsgFeuilleTitre.arg(QString::fromStdString(marque.Code().Texte()), DescriptionDuCode(marque.Code(), t)),
                   t.MsgFeuilleJoueur.arg(QString::fromStdString(marque.Joueur()))},
                  {QString(), t.MsgColonneTirage, t.MsgColonneResultat, t.MsgColonnePoints, t.MsgColonneMeilleur},
                  {},
                  {t.MsgFeuilleTotal.arg(TextePointsClub(marque.Total(), t)).arg(marque.TotalPossible())},
                  QString::fromStdString(marque.LigneClub())};
  int numero = 0;
  for (const LigneFeuille& ligne : marque.Lignes()) {
    const QString meilleur =
        ligne.corrige.solution.empty() ? t.MsgFeuilleSansCalcul : QString::fromStdString(ligne.corrige.solution);
    feuille.rangees.push_back({QStringLiteral("%1.").arg(++numero), QString::fromStdString(TexteTirage(ligne.corrige.tirage)),
                               ligne.resultat ? QString::number(*ligne.resultat) : t.MsgRien,
                               TextePointsClub(ligne.points, t), meilleur});
  }
  return feuille;
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

std::optional<QString> CopieCode(Services& services, const QString& code, const TextesMessages& textes) {
  RefusCode refus;
  const std::optional<std::string> normal = CodeSerie::TexteNormalise(code.toStdString(), refus);
  if (!normal) {
    RefuseCode(services, textes.MsgCodeNonCopie, refus, textes);
    return std::nullopt;
  }
  services.CopieTexte(QString::fromStdString(*normal));
  return QString::fromStdString(*normal);
}

void RefuseCode(Services& services, const QString& message, const RefusCode& refus, const TextesMessages& textes) {
  // The reason on a line of its own, a whole sentence after the message's words.
  const QString raison = QStringLiteral("\r") + QString::fromStdString(TexteRefus(refus, textes.refusCode));
  services.Message(TypeMessage::Avertissement, message.arg(raison), BoutonsMessage::Ok);
}

}  // namespace tolvan
