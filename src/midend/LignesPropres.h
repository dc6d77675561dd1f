// Tolvan's own lines of a language file, after the 73 every language file
// has: one row per line, in file order (line 74 first). Each row names the
// text it replaces in TextesMessages, where its French lives. Adding a text
// is adding its member there and a row at the end here; a file without the
// row's line keeps the French.
#pragma once

#include <string>
#include <type_traits>

#include <QString>

#include "TextesMessages.h"

namespace tolvan {

// How a line reads and replaces its text.
struct LignePropre {
  QString (*lit)(const TextesMessages&);
  void (*pose)(TextesMessages&, const QString&);
};

// The row of the text reached from TextesMessages by `Membres`: one member
// (&TextesMessages::MsgIndice), or a group and its member
// (&TextesMessages::coach, &PhrasesCoach::auMieux), a QString or a
// std::string.
template <auto... Membres>
constexpr LignePropre Ligne() {
  return {[](const TextesMessages& t) -> QString {
            const auto& texte = (t.*....*Membres);
            if constexpr (std::is_same_v<std::decay_t<decltype(texte)>, std::string>) {
              return QString::fromStdString(texte);
            } else {
              return texte;
            }
          },
          [](TextesMessages& t, const QString& valeur) {
            auto& texte = (t.*....*Membres);
            if constexpr (std::is_same_v<std::decay_t<decltype(texte)>, std::string>) {
              texte = valeur.toStdString();
            } else {
              texte = valeur;
            }
          }};
}

namespace lignes_propres {
using T = TextesMessages;

inline constexpr LignePropre Table[] = {
    // 74 to 76: the time-out's title and the words of the clock.
    Ligne<&T::MsgTempsEcoule>(),
    Ligne<&T::MsgIlReste>(),
    Ligne<&T::MsgChrono>(),
    // 77 on: what was added to the game page, the options and the summary.
    Ligne<&T::MsgVoirTableau>(),
    Ligne<&T::MsgVoirSolutions>(),
    Ligne<&T::MsgTirageDuJour>(),
    Ligne<&T::MsgCopierResultat>(),
    Ligne<&T::MsgCoach>(),
    Ligne<&T::MsgIndice>(),
    Ligne<&T::MsgIndices>(),
    Ligne<&T::MsgDifficulte>(),
    Ligne<&T::MsgToutes>(),
    Ligne<&T::MsgEnEtapes>(),
    Ligne<&T::MsgMarque>(),
    Ligne<&T::MsgIllimite>(),
    Ligne<&T::MsgSecondes>(),
    Ligne<&T::MsgUneMinute>(),
    Ligne<&T::MsgMinuteTrente>(),
    Ligne<&T::MsgMinutes>(),
    Ligne<&T::MsgChronoCache>(),
    Ligne<&T::MsgSansChrono>(),
    // The coach and the hints.
    Ligne<&T::coach, &PhrasesCoach::encorePossible>(),
    Ligne<&T::coach, &PhrasesCoach::pasPossibleDIci>(),
    Ligne<&T::coach, &PhrasesCoach::gagneAuPlusCourt>(),
    Ligne<&T::coach, &PhrasesCoach::gagneEn>(),
    Ligne<&T::coach, &PhrasesCoach::laPlusSimple>(),
    Ligne<&T::coach, &PhrasesCoach::etaitImpossible>(),
    Ligne<&T::coach, &PhrasesCoach::uneLigne>(),
    Ligne<&T::coach, &PhrasesCoach::desLignes>(),
    Ligne<&T::coach, &PhrasesCoach::plusAucunNombre>(),
    Ligne<&T::coach, &PhrasesCoach::possibleDIci>(),
    Ligne<&T::coach, &PhrasesCoach::uneSolutionDIci>(),
    Ligne<&T::coach, &PhrasesCoach::solutionsDIci>(),
    Ligne<&T::coach, &PhrasesCoach::encoreAuMoins>(),
    Ligne<&T::coach, &PhrasesCoach::commencePar>(),
    Ligne<&T::coach, &PhrasesCoach::auMieux>(),
    Ligne<&T::coach, &PhrasesCoach::auMieuxDejaEnJeu>(),
    Ligne<&T::coach, &PhrasesCoach::auMieuxUneFacon>(),
    Ligne<&T::coach, &PhrasesCoach::auMieuxFacons>(),
    Ligne<&T::coach, &PhrasesCoach::auMieuxEnAuMoins>(),
    Ligne<&T::coach, &PhrasesCoach::pourCommencePar>(),
    Ligne<&T::coach, &PhrasesCoach::pourLaSuite>(),
    // The line shared after the draw of the day.
    Ligne<&T::partage, &PhrasesPartage::ligne>(),
    Ligne<&T::partage, &PhrasesPartage::rejouee>(),
    Ligne<&T::partage, &PhrasesPartage::trouveEn>(),
    Ligne<&T::partage, &PhrasesPartage::pasTrouve>(),
    Ligne<&T::partage, &PhrasesPartage::uneLigne>(),
    Ligne<&T::partage, &PhrasesPartage::desLignes>(),
    Ligne<&T::partage, &PhrasesPartage::sansIndice>(),
    Ligne<&T::partage, &PhrasesPartage::unIndice>(),
    Ligne<&T::partage, &PhrasesPartage::desIndices>(),
    Ligne<&T::partage, &PhrasesPartage::avecSolutions>(),
    Ligne<&T::partage, &PhrasesPartage::date>(),
    Ligne<&T::partage, &PhrasesPartage::premierDuMois>(),
    Ligne<&T::partage, &PhrasesPartage::mois>(),
    // "Mes parties".
    Ligne<&T::MsgMesParties>(),
    Ligne<&T::mesParties, &MotsMesParties::fermer>(),
    Ligne<&T::mesParties, &MotsMesParties::exporter>(),
    Ligne<&T::mesParties, &MotsMesParties::parties>(),
    Ligne<&T::mesParties, &MotsMesParties::trouvees>(),
    Ligne<&T::mesParties, &MotsMesParties::serieEnCours>(),
    Ligne<&T::mesParties, &MotsMesParties::meilleureSerie>(),
    Ligne<&T::mesParties, &MotsMesParties::unJour>(),
    Ligne<&T::mesParties, &MotsMesParties::desJours>(),
    Ligne<&T::mesParties, &MotsMesParties::trenteJours>(),
    Ligne<&T::mesParties, &MotsMesParties::barreTrouvees>(),
    Ligne<&T::mesParties, &MotsMesParties::barrePasTrouvees>(),
    Ligne<&T::mesParties, &MotsMesParties::axeParties>(),
    Ligne<&T::mesParties, &MotsMesParties::tempsMedian>(),
    Ligne<&T::mesParties, &MotsMesParties::secondes>(),
    Ligne<&T::mesParties, &MotsMesParties::axeDifficulte>(),
    Ligne<&T::mesParties, &MotsMesParties::colonneFin>(),
    Ligne<&T::mesParties, &MotsMesParties::colonneMode>(),
    Ligne<&T::mesParties, &MotsMesParties::colonneTirage>(),
    Ligne<&T::mesParties, &MotsMesParties::colonneTrouve>(),
    Ligne<&T::mesParties, &MotsMesParties::colonneTemps>(),
    Ligne<&T::mesParties, &MotsMesParties::colonneLignes>(),
    Ligne<&T::mesParties, &MotsMesParties::colonneIndices>(),
    Ligne<&T::mesParties, &MotsMesParties::colonnePoints>(),
    Ligne<&T::mesParties, &MotsMesParties::colonneDifficulte>(),
    Ligne<&T::mesParties, &MotsMesParties::oui>(),
    Ligne<&T::mesParties, &MotsMesParties::non>(),
    Ligne<&T::mesParties, &MotsMesParties::entrainement>(),
    Ligne<&T::mesParties, &MotsMesParties::jour>(),
    Ligne<&T::mesParties, &MotsMesParties::competition>(),
    // The duel, then club play by a code.
    Ligne<&T::MsgDuel>(),
    Ligne<&T::MsgDuelContreOrdinateur>(),
    Ligne<&T::MsgDuelForce>(),
    Ligne<&T::MsgDuelForce1>(),
    Ligne<&T::MsgDuelForce2>(),
    Ligne<&T::MsgDuelForce3>(),
    Ligne<&T::MsgDuelForce4>(),
    Ligne<&T::MsgDuelForce5>(),
    Ligne<&T::MsgDuelDeuxJoueurs>(),
    Ligne<&T::MsgDuelJoueur1>(),
    Ligne<&T::MsgDuelJoueur2>(),
    Ligne<&T::MsgDuelNbTirages>(),
    Ligne<&T::MsgDuelTemps>(),
    Ligne<&T::MsgDuelCommencer>(),
    Ligne<&T::MsgDuelAnnuler>(),
    Ligne<&T::MsgDuelAbandonner>(),
    Ligne<&T::MsgDuelVous>(),
    Ligne<&T::MsgDuelTirage>(),
    Ligne<&T::MsgDuelAVous>(),
    Ligne<&T::MsgDuelAuTourDe>(),
    Ligne<&T::MsgDuelCache>(),
    Ligne<&T::MsgDuelResultat>(),
    Ligne<&T::MsgDuelRien>(),
    Ligne<&T::MsgDuelPoint>(),
    Ligne<&T::MsgDuelPoints>(),
    Ligne<&T::MsgDuelScore>(),
    Ligne<&T::MsgDuelFin>(),
    Ligne<&T::MsgDuelGagne>(),
    Ligne<&T::MsgDuelVousGagnez>(),
    Ligne<&T::MsgDuelAuTemps>(),
    Ligne<&T::MsgDuelEgalite>(),
    Ligne<&T::MsgPartieParCode>(),
    Ligne<&T::MsgCodeDeLaSerie>(),
    Ligne<&T::MsgNouveauCode>(),
    Ligne<&T::MsgCopierLeCode>(),
    Ligne<&T::MsgJouerUnCode>(),
    Ligne<&T::MsgFermer>(),
    Ligne<&T::MsgCodeRefuse>(),
    Ligne<&T::MsgTirageSur>(),
    Ligne<&T::MsgResultatDuTirage>(),
    Ligne<&T::MsgRien>(),
    Ligne<&T::MsgPoint>(),
    Ligne<&T::MsgPoints>(),
    Ligne<&T::MsgFeuilleDeMarque>(),
    Ligne<&T::MsgFeuilleTitre>(),
    Ligne<&T::MsgFeuilleJoueur>(),
    Ligne<&T::MsgFeuilleLigne>(),
    Ligne<&T::MsgFeuilleSansCalcul>(),
    Ligne<&T::MsgFeuilleTotal>(),
    Ligne<&T::MsgImprimer>(),
    Ligne<&T::MsgCodeAbandonner>(),
    Ligne<&T::MsgArreterDuel>(),
    Ligne<&T::MsgRejoueDuJour>(),
    // The arbiter's desk, then the words of its ranking.
    Ligne<&T::MsgArbitrage>(),
    Ligne<&T::MsgArbitrageFichiers>(),
    Ligne<&T::MsgArbitrageDossier>(),
    Ligne<&T::MsgArbitrageColler>(),
    Ligne<&T::MsgArbitrageEffacer>(),
    Ligne<&T::MsgArbitrageSalle>(),
    Ligne<&T::MsgArbitrageGroupes>(),
    Ligne<&T::MsgArbitrageClassement>(),
    Ligne<&T::MsgArbitrageSaisie>(),
    Ligne<&T::MsgArbitrageRefus>(),
    Ligne<&T::MsgArbitrageFaceAFace>(),
    Ligne<&T::MsgArbitrageGarder>(),
    Ligne<&T::MsgArbitrageImprimerClassement>(),
    Ligne<&T::MsgArbitrageImprimerFeuilles>(),
    Ligne<&T::MsgArbitrageExporter>(),
    Ligne<&T::MsgArbitrageCopier>(),
    Ligne<&T::MsgArbitrageBilan>(),
    Ligne<&T::MsgArbitrageJoueur>(),
    Ligne<&T::MsgArbitrageTirage>(),
    Ligne<&T::MsgArbitrageCase>(),
    Ligne<&T::MsgArbitrageNouveau>(),
    Ligne<&T::MsgArbitrageLieu>(),
    Ligne<&T::MsgArbitrageGenre>(),
    Ligne<&T::MsgArbitrageRaison>(),
    Ligne<&T::MsgArbitrageRefusee>(),
    Ligne<&T::MsgArbitrageAlerte>(),
    Ligne<&T::MsgArbitrageSansCode>(),
    Ligne<&T::MsgArbitrageCodeIllisible>(),
    Ligne<&T::MsgArbitrageNombre>(),
    Ligne<&T::MsgArbitragePressePapiersVide>(),
    Ligne<&T::MsgArbitrageDeuxJoueurs>(),
    Ligne<&T::MsgArbitrageRang>(),
    Ligne<&T::MsgArbitrageChoixFichiers>(),
    Ligne<&T::MsgArbitrageChoixExport>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::lieu>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::pressePapiers>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::saisie>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::fichierIllisible>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::pasDuTexte>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::fichierVide>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::fichierTropLong>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::pasUneLigne>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::controle>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::codeIllisible>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::nombreDeChamps>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::nomVide>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::totalIllisible>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::pointsIllisibles>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::resultatIllisible>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::autreCode>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::conflit>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::ecartee>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::nonVerifiable>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::pointsFaux>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::totalFaux>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::impossible>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::titre>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::colonneRang>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::colonneNom>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::colonneTotal>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::colonneExacts>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::colonneGroupe>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::colonnePoints>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::colonneResultat>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::personne>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::refusees>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::alertes>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::avis>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::verdictExact>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::verdictEcart>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::verdictImpossible>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::point>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::points>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::titreFaceAFace>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::tirageFaceAFace>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::joueurFaceAFace>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::rien>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::nonDonne>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::plusPres>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::aEgalite>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::gagne>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::gagneAuDepartage>(),
    Ligne<&T::arbitrage, &PhrasesArbitrage::egalite>(),
    // A calculation typed on the game page: the reader's refusals, then the field's answers.
    Ligne<&T::calcul, &PhrasesCalcul::vide>(),
    Ligne<&T::calcul, &PhrasesCalcul::caractereInconnu>(),
    Ligne<&T::calcul, &PhrasesCalcul::nombreTropLong>(),
    Ligne<&T::calcul, &PhrasesCalcul::parentheseNonFermee>(),
    Ligne<&T::calcul, &PhrasesCalcul::fermanteSansOuvrante>(),
    Ligne<&T::calcul, &PhrasesCalcul::fermanteMalAssortie>(),
    Ligne<&T::calcul, &PhrasesCalcul::parenthesesVides>(),
    Ligne<&T::calcul, &PhrasesCalcul::rienAGauche>(),
    Ligne<&T::calcul, &PhrasesCalcul::rienADroite>(),
    Ligne<&T::calcul, &PhrasesCalcul::operationManquante>(),
    Ligne<&T::calcul, &PhrasesCalcul::egalMalPlace>(),
    Ligne<&T::calcul, &PhrasesCalcul::sansOperation>(),
    Ligne<&T::calcul, &PhrasesCalcul::nombreHorsJeu>(),
    Ligne<&T::calcul, &PhrasesCalcul::nombreEnTrop>(),
    Ligne<&T::calcul, &PhrasesCalcul::divisionNonExacte>(),
    Ligne<&T::calcul, &PhrasesCalcul::divisionParZero>(),
    Ligne<&T::calcul, &PhrasesCalcul::resultatNul>(),
    Ligne<&T::calcul, &PhrasesCalcul::resultatNegatif>(),
    Ligne<&T::calcul, &PhrasesCalcul::resultatTropGrand>(),
    Ligne<&T::calcul, &PhrasesCalcul::resultatFaux>(),
    Ligne<&T::champ, &MotsDuChamp::joue>(),
    Ligne<&T::champ, &MotsDuChamp::refuse>(),
    Ligne<&T::champ, &MotsDuChamp::resultatAEcrire>(),
    Ligne<&T::champ, &MotsDuChamp::enJeu>(),
    Ligne<&T::champ, &MotsDuChamp::repris>(),
    Ligne<&T::champ, &MotsDuChamp::rienAReprendre>(),
    Ligne<&T::champ, &MotsDuChamp::sansIndice>(),
    Ligne<&T::champ, &MotsDuChamp::sansPartie>(),
    Ligne<&T::champ, &MotsDuChamp::invite>(),
};
}  // namespace lignes_propres

inline constexpr auto& LignesPropres = lignes_propres::Table;

}  // namespace tolvan
