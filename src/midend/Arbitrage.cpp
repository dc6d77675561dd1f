#include "Arbitrage.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>

#include "OperationFichier.h"
#include "regimes/RegimeCode.h"
#include "competition/TextesClassement.h"
#include "engine/Entier.h"

namespace tolvan {

namespace {

constexpr int PointsMax = 10;
const QString FiltreLignes = QStringLiteral("Lignes de résultats (*.txt, *.csv)|*.txt;*.csv|Tous les fichiers|*");

QString Texte(const std::string& texte) { return QString::fromStdString(texte); }

QStringList Textes(const std::vector<std::string>& lignes) {
  QStringList textes;
  for (const std::string& ligne : lignes) textes.append(Texte(ligne));
  return textes;
}

// A result typed from paper: digits only, a positive number of the game.
std::optional<longint> ResultatTape(const QString& texte) {
  if (texte.isEmpty() || !std::all_of(texte.begin(), texte.end(), [](QChar c) { return c.isDigit(); })) return {};
  const std::optional<longint> valeur = LitEntier(texte.toStdString());
  return valeur && *valeur > 0 ? valeur : std::nullopt;
}

}  // namespace

bool Arbitrage::FeuillePapier::Vide() const {
  return nom.isEmpty() && std::none_of(resultats.begin(), resultats.end(), [](const auto& r) { return r.has_value(); });
}

Arbitrage::Arbitrage(Services& services, const TextesMessages& textes) : services_(services), textes_(textes) {
  Reclasse();
}

void Arbitrage::OuvreFichiers() {
  const std::optional<QStringList> chemins =
      services_.FichiersAOuvrir({textes_.MsgArbitrageChoixFichiers, FiltreLignes, {}});
  if (chemins) LitFichiers(*chemins);
}

void Arbitrage::OuvreDossier() {
  const std::optional<QString> dossier = services_.DossierAOuvrir({textes_.MsgArbitrageChoixFichiers, {}, {}});
  if (!dossier) return;
  QStringList chemins;
  for (const QFileInfo& fichier : QDir(*dossier).entryInfoList(QDir::Files, QDir::Name)) chemins.append(fichier.filePath());
  LitFichiers(chemins);
}

std::string Arbitrage::Source(const QString& chemin) {
  const auto connue = std::find_if(sources_.begin(), sources_.end(), [&](const auto& s) { return s.first == chemin; });
  if (connue != sources_.end()) return connue->second;
  std::string nom = QFileInfo(chemin).fileName().toStdString();
  if (nom.empty() || std::any_of(sources_.begin(), sources_.end(), [&](const auto& s) { return s.second == nom; })) {
    nom = QDir::toNativeSeparators(chemin).toStdString();
  }
  sources_.emplace_back(chemin, nom);
  return nom;
}

void Arbitrage::LitFichiers(const QStringList& chemins) {
  services_.CurseurOccupe();
  for (const QString& chemin : chemins) {
    const std::string source = Source(chemin);
    rassemblement_.Retire(source);
    rassemblement_.Ajoute(LitFichierClub(chemin.toStdString(), source));
  }
  Reclasse();
  services_.CurseurNormal();
}

void Arbitrage::Colle() {
  const QString texte = services_.TexteCopie();
  if (texte.trimmed().isEmpty()) {
    services_.Message(TypeMessage::Information, textes_.MsgArbitragePressePapiersVide, BoutonsMessage::Ok);
    return;
  }
  const std::string source = textes_.arbitrage.pressePapiers + ' ' + std::to_string(++collages_);
  rassemblement_.Ajoute(LitTexteClub(texte.toStdString(), source));
  Reclasse();
}

void Arbitrage::ToutEfface() {
  if (services_.Message(TypeMessage::Confirmation, textes_.MsgToutEffacer, BoutonsMessage::OuiNon) != Reponse::Oui) {
    return;
  }
  rassemblement_ = {};
  sources_.clear();
  collages_ = 0;
  codeChoisi_.reset();
  regles_.gardees.clear();
  papier_.clear();
  Reclasse();
}

bool Arbitrage::ChoisitCode(const QString& texte) {
  if (texte.trimmed().isEmpty()) {
    codeChoisi_.reset();
  } else {
    std::string erreur;
    const std::optional<CodeSerie> code = CodeSerie::Lit(texte.toStdString(), erreur);
    if (!code) {
      services_.Message(TypeMessage::Avertissement, textes_.MsgArbitrageCodeIllisible.arg(Texte(erreur)),
                        BoutonsMessage::Ok);
      return false;
    }
    codeChoisi_ = code;
  }
  Reclasse();
  return true;
}

QString Arbitrage::TexteDuTirage(int tirage) const {
  if (tirage < 1 || tirage > Tirages()) return {};
  return Texte(TexteTirage(controles_.De(*classement_.code)[static_cast<std::size_t>(tirage - 1)].Tirage()));
}

QString Arbitrage::Code() const { return classement_.code ? Texte(classement_.code->Texte()) : QString(); }

void Arbitrage::ChoisitTailleGroupes(int taille) {
  regles_.tailleGroupes = std::max(1, taille);
  Reclasse();
}

void Arbitrage::ChoisitApprocheSalle(bool salle) {
  regles_.approcheSalle = salle;
  Reclasse();
}

bool Arbitrage::PeutGarder(int avis) const {
  return avis >= 0 && avis < static_cast<int>(classement_.refusees.size()) &&
         !classement_.refusees[static_cast<std::size_t>(avis)].nomAGarder.empty();
}

void Arbitrage::Garde(int avis) {
  if (!PeutGarder(avis)) return;
  const Avis& refus = classement_.refusees[static_cast<std::size_t>(avis)];
  regles_.gardees[refus.nomAGarder] = refus.ou;
  Reclasse();
}

QString Arbitrage::TexteSaisi(int rangee, int colonne) const {
  if (rangee < 0 || rangee >= static_cast<int>(papier_.size())) return {};
  const FeuillePapier& feuille = papier_[static_cast<std::size_t>(rangee)];
  if (colonne == 0) return feuille.nom;
  if (colonne < 1 || colonne > CodeSerie::TiragesMax) return {};
  const std::optional<longint>& resultat = feuille.resultats[static_cast<std::size_t>(colonne - 1)];
  return resultat ? QString::number(*resultat) : QString();
}

QString Arbitrage::Saisit(int rangee, int colonne, const QString& texte) {
  const int rangees = static_cast<int>(papier_.size());
  if (rangee < 0 || rangee > rangees || colonne < 0 || colonne > Tirages()) return {};
  const QString propre = texte.trimmed();
  std::optional<longint> resultat;
  if (colonne > 0 && !propre.isEmpty()) {
    resultat = ResultatTape(propre);
    if (!resultat) return textes_.MsgArbitrageNombre.arg(propre);
  }
  if (rangee == rangees) {
    if (propre.isEmpty()) return {};
    papier_.emplace_back();
  }
  FeuillePapier& feuille = papier_[static_cast<std::size_t>(rangee)];
  if (colonne == 0) {
    feuille.nom = propre;
  } else {
    feuille.resultats[static_cast<std::size_t>(colonne - 1)] = resultat;
  }
  if (feuille.Vide()) papier_.erase(papier_.begin() + rangee);
  Reclasse();
  return TexteVerdictCase(rangee, colonne);
}

QString Arbitrage::NomCase(int rangee, int colonne) const {
  const QString nom = TexteSaisi(rangee, 0);
  return textes_.MsgArbitrageCase.arg(nom.isEmpty() ? textes_.MsgArbitrageNouveau : nom).arg(colonne);
}

std::optional<ControleTirage::Verdict> Arbitrage::VerdictCase(int rangee, int colonne) const {
  if (!classement_.code || colonne < 1 || colonne > Tirages() || rangee < 0 ||
      rangee >= static_cast<int>(papier_.size())) {
    return std::nullopt;
  }
  const auto tirage = static_cast<std::size_t>(colonne - 1);
  const std::optional<longint>& resultat = papier_[static_cast<std::size_t>(rangee)].resultats[tirage];
  if (!resultat) return std::nullopt;
  const ControleTirage& controle = controles_.De(*classement_.code)[tirage];
  return controle.Verifie(*resultat, classement_.ecartsSalle[tirage]);
}

QString Arbitrage::TexteVerdictCase(int rangee, int colonne) const {
  const std::optional<ControleTirage::Verdict> verdict = VerdictCase(rangee, colonne);
  if (!verdict) return {};
  const TTirage& tirage = controles_.De(*classement_.code)[static_cast<std::size_t>(colonne - 1)].Tirage();
  return Texte(TexteVerdict(*verdict, tirage, textes_.arbitrage));
}

std::vector<EntreeClub> Arbitrage::EntreesDuPapier() const {
  std::vector<EntreeClub> entrees;
  const int tirages = regles_.code->Tirages();
  const std::vector<ControleTirage>& controles = controles_.De(*regles_.code);
  for (std::size_t i = 0; i < papier_.size(); ++i) {
    const FeuillePapier& feuille = papier_[i];
    EntreeClub entree{{textes_.arbitrage.saisie, static_cast<int>(i) + 1}, std::nullopt};
    if (feuille.nom.isEmpty()) {
      entree.raison = textes_.arbitrage.nomVide;
    } else {
      // Written as the player's own sheet would have written it.
      LigneClub ligne{*regles_.code, NomPourLigne(feuille.nom.toStdString()), 0, {},
                      std::vector<std::optional<longint>>(feuille.resultats.begin(), feuille.resultats.begin() + tirages)};
      for (int t = 0; t < tirages; ++t) {
        const std::optional<longint>& resultat = (*ligne.resultats)[static_cast<std::size_t>(t)];
        ligne.points.push_back(resultat ? controles[static_cast<std::size_t>(t)].Verifie(*resultat).points : 0);
        ligne.total += ligne.points.back();
      }
      entree.ligne = std::move(ligne);
    }
    entrees.push_back(std::move(entree));
  }
  return entrees;
}

void Arbitrage::Reclasse() {
  // A sheet typed that the arbiter kept stays kept when another language
  // renames where the sheets come from.
  for (auto& [nom, place] : regles_.gardees) {
    if (place.fichier == motSaisie_) place.fichier = textes_.arbitrage.saisie;
  }
  motSaisie_ = textes_.arbitrage.saisie;
  std::vector<EntreeClub> entrees = LitEntrees(rassemblement_, textes_.arbitrage);
  // The paper sheets are of the ranking's code: the one typed, or the lines'.
  regles_.code = codeChoisi_ ? codeChoisi_ : CodeDesLignes(entrees);
  if (regles_.code) {
    std::vector<EntreeClub> papier = EntreesDuPapier();
    entrees.insert(entrees.end(), std::make_move_iterator(papier.begin()), std::make_move_iterator(papier.end()));
  }
  classement_ = Classe(entrees, rassemblement_.fichiers, regles_, controles_, textes_.arbitrage);
}

std::vector<QStringList> Arbitrage::TableauClassement() const {
  std::vector<QStringList> tableau;
  for (const std::vector<std::string>& rangee : tolvan::TableauClassement(classement_, textes_.arbitrage)) {
    tableau.push_back(Textes(rangee));
  }
  return tableau;
}

std::vector<QStringList> Arbitrage::TableauAvis() const {
  std::vector<QStringList> tableau = {{textes_.MsgArbitrageLieu, textes_.MsgArbitrageGenre, textes_.MsgArbitrageRaison}};
  for (const auto& [avis, genre] : {std::pair{&classement_.refusees, &textes_.MsgArbitrageRefusee},
                                    std::pair{&classement_.alertes, &textes_.MsgArbitrageAlerte}}) {
    for (const Avis& a : *avis) tableau.push_back({Texte(TexteProvenance(a.ou, textes_.arbitrage)), *genre, Texte(a.raison)});
  }
  return tableau;
}

QStringList Arbitrage::FaceAFace() const {
  if (classement_.joueurs.size() != 2) return {textes_.MsgArbitrageDeuxJoueurs};
  const std::vector<ControleTirage>& controles = controles_.De(*classement_.code);
  return Textes(LignesFaceAFace(classement_, controles, textes_.arbitrage));
}

QString Arbitrage::Bilan() const {
  return textes_.MsgArbitrageBilan.arg(classement_.joueurs.size())
      .arg(classement_.refusees.size())
      .arg(classement_.alertes.size());
}

void Arbitrage::ImprimeClassement() {
  ImprimeLignes(services_, textes_, textes_.MsgArbitrage, Textes(LignesClassement(classement_, textes_.arbitrage)));
}

const std::vector<Corrige>& Arbitrage::Corriges() {
  if (!corriges_ || corriges_->first != *classement_.code) {
    services_.CurseurOccupe();
    corriges_.emplace(*classement_.code, CorrigeDuCode(*classement_.code));
    services_.CurseurNormal();
  }
  return corriges_->second;
}

QStringList Arbitrage::FeuilleDe(const JoueurClasse& joueur, const std::vector<Corrige>& corriges) const {
  const CodeSerie& code = *classement_.code;
  const PhrasesArbitrage& mots = textes_.arbitrage;
  QStringList lignes = {textes_.MsgFeuilleTitre.arg(Texte(code.Texte()), DescriptionDuCode(code, textes_)),
                        textes_.MsgFeuilleJoueur.arg(Texte(joueur.ligne.nom)),
                        textes_.MsgArbitrageRang.arg(joueur.rang).arg(Texte(joueur.groupe))};
  for (std::size_t i = 0; i < corriges.size(); ++i) {
    const std::optional<longint> resultat = joueur.ligne.resultats ? (*joueur.ligne.resultats)[i] : std::nullopt;
    const QString annonce = !joueur.ligne.resultats ? Texte(mots.nonDonne)
                            : resultat              ? QString::number(*resultat)
                                                    : textes_.MsgRien;
    const QString meilleur = corriges[i].solution.empty() ? textes_.MsgFeuilleSansCalcul : Texte(corriges[i].solution);
    lignes << textes_.MsgFeuilleLigne.arg(i + 1).arg(Texte(TexteTirage(corriges[i].tirage)), annonce,
                                                     Texte(TextePointsArbitrage(joueur.points[i], mots)), meilleur);
  }
  lignes << textes_.MsgFeuilleTotal.arg(Texte(TextePointsArbitrage(joueur.total, mots))).arg(PointsMax * code.Tirages());
  return lignes;
}

void Arbitrage::ImprimeFeuilles() {
  if (classement_.joueurs.empty()) return;
  const std::vector<Corrige>& corriges = Corriges();
  QStringList lignes;
  for (const JoueurClasse& joueur : classement_.joueurs) {
    // Each sheet on a page of its own.
    if (!lignes.isEmpty()) lignes.append(QStringLiteral("\f"));
    lignes << FeuilleDe(joueur, corriges);
  }
  ImprimeLignes(services_, textes_, textes_.MsgFeuilleDeMarque, lignes);
}

void Arbitrage::Exporte() {
  DialogueFichier dialogue{textes_.MsgArbitrageChoixExport, QStringLiteral("Fichiers CSV|*.csv"), QStringLiteral("csv")};
  dialogue.nom = QStringLiteral("classement-%1.csv").arg(Code());
  const std::optional<QString> chemin = services_.FichierASauver(dialogue);
  if (!chemin) return;
  const QStringList lignes = Textes(LignesCsvClassement(classement_, textes_.arbitrage));
  AvecReessai(*chemin, services_, textes_, [&] { return IssueEcriture(EcritFichierTexte(*chemin, lignes)); });
}

void Arbitrage::CopieClassement() {
  QStringList lignes;
  for (const QStringList& rangee : TableauClassement()) lignes.append(rangee.join(QLatin1Char('\t')));
  services_.CopieTexte(lignes.join(QLatin1Char('\n')));
}

}  // namespace tolvan
