#include "TableauNoir.h"

#include <cstdlib>

#include <algorithm>
#include <limits>

namespace tolvan {

namespace {

bool EstTuile(int code) { return code >= 1 && code <= NbNombres; }
bool EstOperateur(int code) { return code >= CodePlus && code <= CodeDivise; }

std::string TexteSigne(longint signe) { return (signe >= 1 && signe <= 4) ? std::string(Signes[signe]) : ""; }

}  // namespace

void TableauNoir::Commence(const NombresTirage& nombres) {
  for (int i = 1; i <= NbNombres; ++i) Tuiles[i] = Tuile{nombres[i], true};
  Recommence();
}

void TableauNoir::Recommence() {
  EtatSaisie = 0;
  NumLigne = 1;
  ResultatValide = 0;
  OublieReponse();
  EffaceLignes();
}

void TableauNoir::OublieReponse() {
  reponseAttendue_ = false;
  operationPermise_ = false;
}

TableauNoir::Reaction TableauNoir::Effectue(int code, bool calculAuto, longint cible) {
  // Nothing to build on: before any game, once five lines are finished, or
  // while a typed answer is awaited.
  if (NumLigne < 1 || NumLigne > NbLignes || EtatSaisie >= 3) return {};
  if (EstTuile(code)) {
    if (!Tuiles[code].active) return {};
    return PresseTuile(code, calculAuto, cible);
  }
  if (!EstOperateur(code)) return {};
  // An operator cannot open line 1: there is no earlier result to take.
  if (EtatSaisie == 0 && NumLigne == 1) return {};
  return PresseOperateur(code);
}

TableauNoir::Reaction TableauNoir::PresseTuile(int tuile, bool calculAuto, longint cible) {
  ++EtatSaisie;
  TLigne& ligne = Courante();
  if (EtatSaisie == 1) ligne.Tuile1 = tuile;
  if (EtatSaisie == 3) ligne.Tuile2 = tuile;
  ActiveTuile(tuile, false);

  Reaction reaction;
  switch (EtatSaisie) {
    case 1:
      reaction.son = Evenement::Click;
      Saisie(tuile);
      break;
    case 2:  // a second tile: it replaces the left operand
      reaction.son = Evenement::Click;
      ActiveTuile(ligne.Tuile1, true);
      ligne.Tuile1 = tuile;
      EtatSaisie = 1;
      Saisie(tuile);
      break;
    default:
      Saisie(tuile);
      afficheresult(calculAuto);
      reaction.demandeReponse = reponseAttendue_;
      if (ResultatValide && ligne.Resultat == cible) {
        reaction.gagne = true;
      } else if (ResultatValide) {
        reaction.son = Evenement::Result;
        RendResultat();
        LigneSuivante();
      } else {
        // Refused, or waiting for the typed result: the tile is free again.
        reaction.son = Evenement::Erreur;
        reaction.refusee = !reponseAttendue_;
        --EtatSaisie;
        ActiveTuile(tuile, true);
      }
      break;
  }
  return reaction;
}

TableauNoir::Reaction TableauNoir::PresseOperateur(int code) {
  ++EtatSaisie;
  TLigne& ligne = Courante();
  switch (EtatSaisie) {
    case 1: {  // opening a line: the previous line's result is the left operand
      const TLigne& precedente = Lignes[NumLigne - 1];
      ActiveTuile(precedente.Tuile2, false);
      ligne.Valeur1 = precedente.Resultat;
      ligne.Tuile1 = precedente.Tuile2;
      EtatSaisie = 2;
      ligne.Signe = code - 6;
      break;
    }
    case 2:
      Saisie(code);
      break;
    default:  // a second operator replaces the first
      EtatSaisie = 2;
      Saisie(code);
      break;
  }
  return Reaction{Evenement::Click};
}

void TableauNoir::Saisie(int code) {
  TLigne& ligne = Courante();
  if (EstTuile(code)) {
    (EtatSaisie == 1 ? ligne.Valeur1 : ligne.Valeur2) = Tuiles[code].valeur;
  } else {
    ligne.Signe = code - 6;
  }
}

IssueLigne CalculeLigne(longint a, longint signe, longint b) {
  // Wide arithmetic: no sum or product of the game's numbers overflows it.
  const std::int64_t x = a;
  const std::int64_t y = b;
  std::int64_t resultat = 0;
  switch (signe) {
    case 1: resultat = x + y; break;
    case 2: resultat = x * y; break;
    case 3:
      if (x - y < 0) return {RegleLigne::Negative};
      resultat = x - y;
      break;
    default:
      if (y == 0) return {RegleLigne::DivisionParZero};
      if (x % y != 0) return {RegleLigne::NonExacte};
      resultat = x / y;
      break;
  }
  if (resultat > std::numeric_limits<longint>::max() || resultat < std::numeric_limits<longint>::min()) {
    return {RegleLigne::TropGrande};
  }
  return {RegleLigne::Permise, static_cast<longint>(resultat)};
}

void TableauNoir::afficheresult(bool calculAuto) {
  TLigne& ligne = Courante();
  const IssueLigne issue = CalculeLigne(ligne.Valeur1, ligne.Signe, ligne.Valeur2);
  const bool permise = issue.regle == RegleLigne::Permise;
  ResultatValide = permise ? 1 : 0;
  if (permise) ligne.Resultat = issue.resultat;
  if (calculAuto) {
    if (permise) EtatSaisie = 4;
    return;
  }
  operationPermise_ = permise;
  ResultatValide = 0;
  reponseAttendue_ = true;
  EtatSaisie = 4;
}

TableauNoir::Verdict TableauNoir::VerifieResultat(const std::string& reponse, longint cible) {
  if (!reponseAttendue_ || !operationPermise_ || reponse != std::to_string(Courante().Resultat)) {
    return Verdict::Refusee;
  }
  reponseAttendue_ = false;
  ResultatValide = 1;
  RendResultat();
  EtatSaisie = 4;
  const longint resultat = Courante().Resultat;
  LigneSuivante();
  return resultat == cible ? Verdict::Gagnee : Verdict::Acceptee;
}

TableauNoir::Reaction TableauNoir::Retour() {
  if (NumLigne == 0) return {};
  if (EtatSaisie == 0) {
    if (NumLigne > 1) --NumLigne;
    const TLigne& ligne = Courante();
    ActiveTuile(ligne.Tuile1, true);
    ActiveTuile(ligne.Tuile2, true);
    change(ligne.Tuile1, ligne.Valeur1);
    change(ligne.Tuile2, ligne.Valeur2);
  } else {
    const TLigne& ligne = Courante();
    ActiveTuile(ligne.Tuile1, true);
    change(ligne.Tuile1, ligne.Valeur1);
    EtatSaisie = 0;
  }
  reponseAttendue_ = false;
  return Reaction{Evenement::Annul};
}

void TableauNoir::ActiveTuile(int n, bool active) {
  if (EstTuile(n)) Tuiles[n].active = active;
}

void TableauNoir::change(int n, longint valeur) {
  if (EstTuile(n)) Tuiles[n].valeur = valeur;
}

void TableauNoir::RendResultat() {
  const TLigne& ligne = Courante();
  change(ligne.Tuile2, ligne.Resultat);
  ActiveTuile(ligne.Tuile2, true);
}

void TableauNoir::LigneSuivante() {
  ResultatValide = 0;
  EtatSaisie = 0;
  ++NumLigne;
  reponseAttendue_ = false;
}

void TableauNoir::EffaceLignes() {
  for (TLigne& ligne : Lignes) ligne = TLigne{};
}

void TableauNoir::ModifieTout(bool active) {
  for (Tuile& tuile : Tuiles) tuile.active = active;
}

std::string TableauNoir::TexteLigne(int k) const {
  const TLigne& l = Lignes[k];
  return std::to_string(l.Valeur1) + TexteSigne(l.Signe) + std::to_string(l.Valeur2) + "=" +
         std::to_string(l.Resultat);
}

int TableauNoir::NbLignesFinies() const {
  const int avant = std::min<int>(NumLigne - 1, NbLignes);
  // A line won in place is finished although the board did not move on.
  const bool gagneeSurPlace = NumLigne >= 1 && NumLigne <= NbLignes && EtatSaisie == 4;
  return std::max(0, avant + (gagneeSurPlace ? 1 : 0));
}

std::array<std::string, NbLignes> TableauNoir::Textes() const {
  std::array<std::string, NbLignes> textes{};
  const int finies = std::min<int>(std::max<int>(NumLigne - 1, 0), NbLignes);
  for (int k = 1; k <= finies; ++k) textes[k - 1] = TexteLigne(k);
  if (NumLigne < 1 || NumLigne > NbLignes) return textes;
  const TLigne& l = Lignes[NumLigne];
  std::string& courante = textes[NumLigne - 1];
  if (EtatSaisie >= 1) courante = std::to_string(l.Valeur1);
  if (EtatSaisie >= 2) courante += TexteSigne(l.Signe);
  if (EtatSaisie >= 3) courante += std::to_string(l.Valeur2) + "=";
  if (EtatSaisie >= 4 && !reponseAttendue_) courante += std::to_string(l.Resultat);
  return textes;
}

std::vector<longint> TableauNoir::NombresEnJeu() const {
  std::vector<longint> nombres;
  for (int i = 1; i <= NbNombres; ++i) {
    if (Tuiles[i].active) nombres.push_back(Tuiles[i].valeur);
  }
  if (EtatSaisie != 0 && NumLigne >= 1 && NumLigne <= NbLignes) {
    const TLigne& ligne = Lignes[NumLigne];
    if (!Tuiles[ligne.Tuile1].active) nombres.push_back(ligne.Valeur1);
  }
  return nombres;
}

int TableauNoir::TuileEnJeu(longint valeur, int sauf) const {
  for (int i = 1; i <= NbNombres; ++i) {
    if (i != sauf && Tuiles[i].active && Tuiles[i].valeur == valeur) return i;
  }
  return 0;
}

std::optional<longint> TableauNoir::MeilleurResultat(longint cible) const {
  std::optional<longint> meilleur;
  for (int k = 1; k <= NbLignesFinies(); ++k) {
    const longint resultat = Lignes[k].Resultat;
    if (resultat <= 0) continue;
    const longint ecart = std::abs(resultat - cible);
    if (!meilleur || ecart < std::abs(*meilleur - cible) || (ecart == std::abs(*meilleur - cible) && resultat < *meilleur)) {
      meilleur = resultat;
    }
  }
  return meilleur;
}

}  // namespace tolvan
