#include "PhrasesCalcul.h"

#include "Formule.h"

namespace tolvan {

std::string PhraseRefus(const RefusCalcul& refus, const PhrasesCalcul& mots) {
  const std::string& texte = refus.texte;
  const std::string nombre = std::to_string(refus.nombre);
  const std::string operation = TexteOperation(refus.ligne);
  switch (refus.raison) {
    case RaisonRefus::Vide: return mots.vide;
    case RaisonRefus::CaractereInconnu: return Formule(mots.caractereInconnu, {texte});
    case RaisonRefus::NombreTropLong: return Formule(mots.nombreTropLong, {texte});
    case RaisonRefus::ParentheseNonFermee: return Formule(mots.parentheseNonFermee, {refus.ouvrante, refus.attendue});
    case RaisonRefus::FermanteSansOuvrante: return Formule(mots.fermanteSansOuvrante, {texte});
    case RaisonRefus::FermanteMalAssortie:
      return Formule(mots.fermanteMalAssortie, {texte, refus.ouvrante, refus.attendue});
    case RaisonRefus::ParenthesesVides: return Formule(mots.parenthesesVides, {refus.ouvrante, texte});
    case RaisonRefus::RienAGauche: return Formule(mots.rienAGauche, {texte});
    case RaisonRefus::RienADroite: return Formule(mots.rienADroite, {texte});
    case RaisonRefus::OperationManquante: return Formule(mots.operationManquante, {texte});
    case RaisonRefus::EgalMalPlace: return mots.egalMalPlace;
    case RaisonRefus::SansOperation: return mots.sansOperation;
    case RaisonRefus::NombreHorsJeu: return Formule(mots.nombreHorsJeu, {nombre});
    case RaisonRefus::NombreEnTrop: return Formule(mots.nombreEnTrop, {nombre, std::to_string(refus.fois)});
    case RaisonRefus::DivisionNonExacte: return Formule(mots.divisionNonExacte, {operation});
    case RaisonRefus::DivisionParZero: return Formule(mots.divisionParZero, {operation});
    case RaisonRefus::ResultatNul: return Formule(mots.resultatNul, {operation});
    case RaisonRefus::ResultatNegatif: return Formule(mots.resultatNegatif, {operation});
    case RaisonRefus::ResultatTropGrand: return Formule(mots.resultatTropGrand, {operation});
    case RaisonRefus::ResultatFaux: return Formule(mots.resultatFaux, {nombre, std::to_string(refus.valeur)});
  }
  return mots.vide;
}

}  // namespace tolvan
