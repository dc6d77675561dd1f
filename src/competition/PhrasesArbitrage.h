// The words of the arbiter's desk and of `tolvan-stats --classement`: why a
// file or a line is refused, what an alert says, the ranking's lines, the
// check of a number typed from paper and the head-to-head sheet. French
// unless a language file gives others; %1, %2 ... stand for what the
// comment says (see game/Formule.h).
#pragma once

#include <string>

namespace tolvan {

struct PhrasesArbitrage {
  // Where a refusal or an alert comes from: the file, the line.
  std::string lieu = "%1, ligne %2";
  std::string pressePapiers = "presse-papiers";
  std::string saisie = "saisie";
  // Why a whole file is refused.
  std::string fichierIllisible = "le fichier ne peut pas être lu";
  std::string pasDuTexte = "ce n'est pas un fichier texte";
  std::string fichierVide = "le fichier est vide";
  std::string fichierTropLong = "le fichier est trop long : la suite n'est pas lue";
  // Why a line cannot be read.
  std::string pasUneLigne = "ce n'est pas une ligne de résultats CODE;NOM;TOTAL;…";
  std::string controle = "la ligne contient des caractères de contrôle";
  std::string codeIllisible = "code illisible : %1";  // why, from the code's reader
  // The fields found, the draws of the code, the fields of each form.
  std::string nombreDeChamps = "%1 champs pour un code de %2 tirages : il en faut %3 (points et résultats) ou %4 (points seuls)";
  std::string nomVide = "le nom est vide";
  std::string totalIllisible = "le total « %1 » n'est pas un nombre";
  std::string pointsIllisibles = "les points du tirage %1, « %2 », ne sont pas un nombre de 0 à 10";
  std::string resultatIllisible = "le résultat du tirage %1, « %2 », n'est pas un nombre entier positif";
  // Why a line that reads is not ranked.
  std::string autreCode = "ligne du code %1 ; le classement est celui du code %2";
  std::string conflit = "« %1 » a des lignes différentes (%2) : l'arbitre doit en garder une";  // the name, the places
  std::string ecartee = "« %1 » : l'arbitre a gardé la ligne de %2";
  // Alerts on a line that is ranked.
  std::string nonVerifiable = "« %1 » : ligne sans résultats, ses points ne peuvent pas être vérifiés";
  std::string pointsFaux = "« %1 » : au tirage %2, points écrits %3, recalculés %4";
  std::string totalFaux = "« %1 » : total écrit %2, recalculé %3";
  std::string impossible = "« %1 » : au tirage %2, ces plaques ne donnent pas %3";
  // The ranking: its title (the code, its description), its columns.
  std::string titre = "Classement de la partie par code %1 : %2";
  std::string colonneRang = "Rang";
  std::string colonneNom = "Nom";
  std::string colonneTotal = "Total";
  std::string colonneExacts = "À 10";
  std::string colonneGroupe = "Groupe";
  std::string colonnePoints = "Points %1";        // the draw's number
  std::string colonneResultat = "Résultat %1";
  std::string personne = "Aucune ligne n'est classée.";
  std::string refusees = "Lignes refusées :";
  std::string alertes = "Alertes :";
  std::string avis = "%1 : %2";  // the place, the reason
  // The check of a number typed from paper: the number, then its points.
  std::string verdictExact = "%1 : le compte est bon, %2";
  std::string verdictEcart = "%1 : à %2 de %3, %4";  // the number, its distance, the target, its points
  std::string verdictImpossible = "%1 : ces plaques ne donnent pas ce nombre, %2";
  std::string point = "%1 point";  // 0 and 1
  std::string points = "%1 points";
  // The head-to-head sheet of two players.
  std::string titreFaceAFace = "Face-à-face : %1 contre %2, partie par code %3";
  std::string tirageFaceAFace = "%1. %2 : %3, %4 : %5";  // the draw's number, the draw, both players, who was nearer
  std::string joueurFaceAFace = "%1 %2 (%3)";          // the name, the result, the points
  std::string rien = "rien";
  std::string nonDonne = "non donné";
  std::string plusPres = "%1 plus près";
  std::string aEgalite = "à égalité";
  std::string gagne = "%1 gagne, %2 à %3";
  std::string gagneAuDepartage = "%1 gagne au départage, %2 partout";
  std::string egalite = "Égalité parfaite, %1 partout";
};

}  // namespace tolvan
