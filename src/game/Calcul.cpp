#include "Calcul.h"

#include <algorithm>

#include "JetonsCalcul.h"
#include "TableauNoir.h"

namespace tolvan {

namespace {

// How many digits of a number too long a refusal quotes.
constexpr std::size_t ChiffresCites = 12;

RefusCalcul Refus(RaisonRefus raison, const Jeton& jeton) {
  RefusCalcul refus;
  refus.raison = raison;
  refus.position = jeton.position;
  refus.texte = std::string(jeton.texte);
  return refus;
}

RefusCalcul RefusParenthese(RaisonRefus raison, const Jeton& fautif, char paire) {
  RefusCalcul refus = Refus(raison, fautif);
  refus.ouvrante = std::string(1, paire);
  refus.attendue = std::string(1, FermanteDe(paire));
  return refus;
}

RefusCalcul RefusLigne(RaisonRefus raison, const Jeton& operateur, const LigneCalcul& ligne) {
  RefusCalcul refus = Refus(raison, operateur);
  refus.ligne = ligne;
  return refus;
}

// x and / are done before + and −.
int Priorite(const Jeton& operateur) { return operateur.signe == 2 || operateur.signe == 4 ? 2 : 1; }

// The words of a calculation, those of the calculation itself apart from
// the result announced with "=".
struct Forme {
  std::vector<Jeton> calcul;
  std::optional<Jeton> annonce;
};

// Checks that the words follow one another as a calculation's do, from left
// to right, and stops at the first that does not.
class Syntaxe {
 public:
  explicit Syntaxe(std::string_view texte) : texte_(texte) {}

  std::optional<RefusCalcul> Lit(Forme& forme) {
    std::size_t position = 0;
    for (;;) {
      const Jeton jeton = JetonSuivant(texte_, position);
      if (auto refus = Accepte(jeton)) return refus;
      if (jeton.sorte == SorteJeton::Fin) break;
      if (jeton.sorte == SorteJeton::Egal) {
        egal_ = jeton;
      } else {
        cotes_[egal_ ? 1 : 0].push_back(jeton);
      }
      precedent_ = jeton;
    }
    return Separe(forme);
  }

 private:
  std::optional<RefusCalcul> Accepte(const Jeton& jeton) {
    switch (jeton.sorte) {
      case SorteJeton::Inconnu: {
        RefusCalcul refus = Refus(RaisonRefus::CaractereInconnu, jeton);
        refus.texte = CaractereVisible(jeton.texte);
        return refus;
      }
      case SorteJeton::NombreTropLong: {
        RefusCalcul refus = Refus(RaisonRefus::NombreTropLong, jeton);
        if (refus.texte.size() > ChiffresCites) refus.texte = refus.texte.substr(0, ChiffresCites) + "…";
        return refus;
      }
      case SorteJeton::Nombre:
      case SorteJeton::Ouvrante: return Operande(jeton);
      case SorteJeton::Operateur: return Operateur(jeton);
      case SorteJeton::Fermante: return Fermante(jeton);
      case SorteJeton::Egal: return Egal(jeton);
      case SorteJeton::Fin: return Fin(jeton);
    }
    return std::nullopt;
  }

  std::optional<RefusCalcul> Operande(const Jeton& jeton) {
    if (!attendOperande_) return Refus(RaisonRefus::OperationManquante, jeton);
    if (jeton.sorte == SorteJeton::Ouvrante) {
      ouvertes_.push_back(jeton);
    } else {
      attendOperande_ = false;
    }
    return std::nullopt;
  }

  std::optional<RefusCalcul> Operateur(const Jeton& jeton) {
    if (attendOperande_) return ManqueOperande(jeton);
    attendOperande_ = true;
    return std::nullopt;
  }

  std::optional<RefusCalcul> Fermante(const Jeton& jeton) {
    if (ouvertes_.empty()) return Refus(RaisonRefus::FermanteSansOuvrante, jeton);
    const char paire = ouvertes_.back().paire;
    if (paire != jeton.paire) return RefusParenthese(RaisonRefus::FermanteMalAssortie, jeton, paire);
    if (attendOperande_ && precedent_.sorte == SorteJeton::Ouvrante) {
      return RefusParenthese(RaisonRefus::ParenthesesVides, jeton, paire);
    }
    if (attendOperande_) return ManqueOperande(jeton);
    ouvertes_.pop_back();
    return std::nullopt;
  }

  std::optional<RefusCalcul> Egal(const Jeton& jeton) {
    if (attendOperande_ && precedent_.sorte != SorteJeton::Ouvrante) return ManqueOperande(jeton);
    if (!ouvertes_.empty()) return NonFermee();
    if (egal_) return Refus(RaisonRefus::EgalMalPlace, jeton);
    attendOperande_ = true;
    return std::nullopt;
  }

  std::optional<RefusCalcul> Fin(const Jeton& jeton) {
    if (precedent_.sorte == SorteJeton::Fin) return RefusCalcul{};  // nothing typed
    if (attendOperande_ && precedent_.sorte != SorteJeton::Ouvrante) return ManqueOperande(jeton);
    if (!ouvertes_.empty()) return NonFermee();
    return std::nullopt;
  }

  // Where an operand was awaited: after an operator, or after "=" at the
  // end, that one lacks its right side; elsewhere (at the start, after "("
  // or "="), `jeton` lacks its left side.
  std::optional<RefusCalcul> ManqueOperande(const Jeton& jeton) {
    const bool rienApres = precedent_.sorte == SorteJeton::Operateur ||
                           (precedent_.sorte == SorteJeton::Egal && jeton.sorte == SorteJeton::Fin);
    if (rienApres) return Refus(RaisonRefus::RienADroite, precedent_);
    return Refus(RaisonRefus::RienAGauche, jeton);
  }

  RefusCalcul NonFermee() const {
    const Jeton& ouverte = ouvertes_.back();
    RefusCalcul refus = RefusParenthese(RaisonRefus::ParentheseNonFermee, ouverte, ouverte.paire);
    refus.texte.clear();
    return refus;
  }

  // The calculation on one side of "=", a lone number on the other.
  std::optional<RefusCalcul> Separe(Forme& forme) {
    const auto seulNombre = [](const std::vector<Jeton>& jetons) {
      return jetons.size() == 1 && jetons.front().sorte == SorteJeton::Nombre;
    };
    const int cote = !egal_ || seulNombre(cotes_[1]) ? 0 : seulNombre(cotes_[0]) ? 1 : -1;
    if (cote < 0) return Refus(RaisonRefus::EgalMalPlace, *egal_);
    forme.calcul = std::move(cotes_[cote]);
    if (egal_) forme.annonce = cotes_[1 - cote].front();
    return std::nullopt;
  }

  std::string_view texte_;
  Jeton precedent_;  // `Fin` before the first word
  bool attendOperande_ = true;
  std::vector<Jeton> ouvertes_;
  std::optional<Jeton> egal_;
  std::vector<Jeton> cotes_[2];
};

// Each number written is one in play, no more times than it is in play.
std::optional<RefusCalcul> VerifieNombres(const std::vector<Jeton>& calcul, std::span<const longint> enJeu) {
  std::vector<longint> restants(enJeu.begin(), enJeu.end());
  for (const Jeton& jeton : calcul) {
    if (jeton.sorte != SorteJeton::Nombre) continue;
    const auto trouve = std::find(restants.begin(), restants.end(), jeton.valeur);
    if (trouve != restants.end()) {
      restants.erase(trouve);
      continue;
    }
    const auto fois = std::count(enJeu.begin(), enJeu.end(), jeton.valeur);
    RefusCalcul refus = Refus(fois == 0 ? RaisonRefus::NombreHorsJeu : RaisonRefus::NombreEnTrop, jeton);
    refus.nombre = jeton.valeur;
    refus.fois = static_cast<int>(fois);
    return refus;
  }
  return std::nullopt;
}

// The refusal of a line the board's rule allows or not, or nothing when it
// can be written.
std::optional<RaisonRefus> RaisonDeLigne(RegleLigne regle, longint resultat) {
  switch (regle) {
    case RegleLigne::Permise: break;
    case RegleLigne::Negative: return RaisonRefus::ResultatNegatif;
    case RegleLigne::DivisionParZero: return RaisonRefus::DivisionParZero;
    case RegleLigne::NonExacte: return RaisonRefus::DivisionNonExacte;
    case RegleLigne::TropGrande: return RaisonRefus::ResultatTropGrand;
  }
  if (resultat == 0) return RaisonRefus::ResultatNul;
  if (resultat < 0) return RaisonRefus::ResultatNegatif;
  return std::nullopt;
}

// Works the calculation out with the order of operations, one line each
// time an operation has both its operands: the lines come in the order they
// can be played.
class Evaluation {
 public:
  std::optional<RefusCalcul> Calcule(const std::vector<Jeton>& calcul) {
    for (const Jeton& jeton : calcul) {
      if (auto refus = Prend(jeton)) return refus;
    }
    while (!attente_.empty()) {
      if (auto refus = Reduit()) return refus;
    }
    return std::nullopt;
  }

  std::vector<LigneCalcul> lignes;

 private:
  std::optional<RefusCalcul> Prend(const Jeton& jeton) {
    switch (jeton.sorte) {
      case SorteJeton::Nombre: valeurs_.push_back(jeton.valeur); break;
      case SorteJeton::Ouvrante: attente_.push_back(jeton); break;
      case SorteJeton::Fermante:
        while (attente_.back().sorte != SorteJeton::Ouvrante) {
          if (auto refus = Reduit()) return refus;
        }
        attente_.pop_back();
        break;
      default:  // an operator: those before it of the same or a higher priority are done first
        while (!attente_.empty() && attente_.back().sorte == SorteJeton::Operateur &&
               Priorite(attente_.back()) >= Priorite(jeton)) {
          if (auto refus = Reduit()) return refus;
        }
        attente_.push_back(jeton);
        break;
    }
    return std::nullopt;
  }

  // The last operator waiting, on the last two values.
  std::optional<RefusCalcul> Reduit() {
    const Jeton operateur = attente_.back();
    attente_.pop_back();
    LigneCalcul ligne{valeurs_[valeurs_.size() - 2], operateur.signe, valeurs_.back()};
    valeurs_.resize(valeurs_.size() - 2);
    const IssueLigne issue = CalculeLigne(ligne.valeur1, ligne.signe, ligne.valeur2);
    ligne.resultat = issue.regle == RegleLigne::Negative ? ligne.valeur1 - ligne.valeur2 : issue.resultat;
    if (const auto raison = RaisonDeLigne(issue.regle, ligne.resultat)) return RefusLigne(*raison, operateur, ligne);
    lignes.push_back(ligne);
    valeurs_.push_back(ligne.resultat);
    return std::nullopt;
  }

  std::vector<longint> valeurs_;
  std::vector<Jeton> attente_;  // operators and opening brackets
};

// Whether the calculation read plays on the numbers in play, line after
// line, to the result announced if any; its lines go to `evaluation`.
std::optional<RefusCalcul> Joue(const Forme& forme, std::span<const longint> enJeu, Evaluation& evaluation) {
  const bool operation = std::any_of(forme.calcul.begin(), forme.calcul.end(),
                                     [](const Jeton& jeton) { return jeton.sorte == SorteJeton::Operateur; });
  if (!operation) {
    RefusCalcul refus;
    refus.raison = RaisonRefus::SansOperation;
    return refus;
  }
  if (auto refus = VerifieNombres(forme.calcul, enJeu)) return refus;
  if (auto refus = evaluation.Calcule(forme.calcul)) return refus;
  const longint valeur = evaluation.lignes.back().resultat;
  if (!forme.annonce || forme.annonce->valeur == valeur) return std::nullopt;
  RefusCalcul refus = Refus(RaisonRefus::ResultatFaux, *forme.annonce);
  refus.nombre = forme.annonce->valeur;
  refus.valeur = valeur;
  return refus;
}

}  // namespace

LectureCalcul LitCalcul(std::string_view texte, std::span<const longint> enJeu, longint cible) {
  LectureCalcul lecture;
  Forme forme;
  Evaluation evaluation;
  lecture.refus = Syntaxe(texte).Lit(forme);
  if (!lecture.refus) lecture.refus = Joue(forme, enJeu, evaluation);
  if (lecture.refus) return lecture;
  lecture.lignes = std::move(evaluation.lignes);
  lecture.valeur = lecture.lignes.back().resultat;
  for (std::size_t k = 0; k < lecture.lignes.size() && lecture.ligneGagnante == 0; ++k) {
    if (lecture.lignes[k].resultat == cible) lecture.ligneGagnante = k + 1;
  }
  return lecture;
}

std::string TexteOperation(const LigneCalcul& ligne) {
  const bool signeConnu = ligne.signe >= 1 && ligne.signe <= 4;
  return std::to_string(ligne.valeur1) + std::string(Signes[signeConnu ? ligne.signe : 0]) +
         std::to_string(ligne.valeur2);
}

TEtape EtapeDe(const LigneCalcul& ligne) {
  const bool signeConnu = ligne.signe >= 1 && ligne.signe <= 4;
  return TEtape{ligne.valeur1, ligne.valeur2, signeConnu ? OperDeSigne[ligne.signe] : 0};
}

}  // namespace tolvan
