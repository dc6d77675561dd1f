// The message texts and captions that other parts of the program show and
// that a language file may replace.
#pragma once

#include <QString>

namespace tolvan {

struct TextesMessages {
  QString MsgCommencer = QStringLiteral("Commencer une partie");
  QString MsgNouvellePartie = QStringLiteral("Nouvelle partie");
  QString MsgErreurOuverture = QStringLiteral("Erreur lors de l'ouverture du fichier");
  QString MsgReessayer = QStringLiteral("Réessayer ?");
  QString MsgErreurLecture = QStringLiteral("Erreur lors de la lecture");
  QString MsgErreurEcriture = QStringLiteral("Erreur d'écriture du fichier");
  QString MsgYenAPas = QStringLiteral("Y en a pas");
  QString MsgImpossible = QStringLiteral(" IMPOSSIBLE ");
  QString MsgErreurImprimante = QStringLiteral("Erreur lors de l'initialisation de l'imprimante");
  QString MsgArreter = QStringLiteral("Arreter cette partie");
  QString MsgPartieSuivante = QStringLiteral("Partie Suivante");
  QString MsgAbandonner = QStringLiteral("Abandonner la partie en cours ?");
  QString MsgToutEffacer = QStringLiteral("Etes vous sûr de vouloir tout effacer ?");
  // The summary's title after a time-out, and the words of the clock.
  QString MsgTempsEcoule = QStringLiteral("Temps écoulé !");
  QString MsgIlReste = QStringLiteral("Il reste");
  QString MsgChrono = QStringLiteral("Chrono");
  // The caption of the solutions' button once it has been pressed.
  QString MsgVoirTableau = QStringLiteral("Voir le tableau");
  QString MsgVoirSolutions = QStringLiteral("Voir les solutions");
  // The duel: its button and choice, the computer's strengths, the summary.
  QString MsgDuel = QStringLiteral("Duel");
  QString MsgDuelContreOrdinateur = QStringLiteral("Contre l'ordinateur");
  QString MsgDuelForce = QStringLiteral("Force :");
  QString MsgDuelForce1 = QStringLiteral("Débutant");
  QString MsgDuelForce2 = QStringLiteral("Amateur");
  QString MsgDuelForce3 = QStringLiteral("Joueur de club");
  QString MsgDuelForce4 = QStringLiteral("Expert");
  QString MsgDuelForce5 = QStringLiteral("Champion");
  QString MsgDuelDeuxJoueurs = QStringLiteral("Deux joueurs sur cet ordinateur");
  QString MsgDuelJoueur1 = QStringLiteral("Joueur 1");
  QString MsgDuelJoueur2 = QStringLiteral("Joueur 2");
  QString MsgDuelNbTirages = QStringLiteral("Nombre de tirages :");
  QString MsgDuelTemps = QStringLiteral("Temps :");
  QString MsgDuelCommencer = QStringLiteral("Commencer le duel");
  QString MsgDuelAnnuler = QStringLiteral("Annuler");
  QString MsgDuelAbandonner = QStringLiteral("Abandonner le duel en cours ?");
  QString MsgDuelVous = QStringLiteral("Vous");
  QString MsgDuelTirage = QStringLiteral("Tirage %1 sur %2");
  QString MsgDuelAVous = QStringLiteral("À vous de jouer");
  QString MsgDuelAuTourDe = QStringLiteral("À %1 de jouer");
  QString MsgDuelCache = QStringLiteral("%1 a joué : ses lignes restent cachées");
  QString MsgDuelResultat = QStringLiteral("%1 : %2 en %3 s, %4");
  QString MsgDuelRien = QStringLiteral("%1 : rien, %2");
  QString MsgDuelPoint = QStringLiteral("%1 point");  // 0 and 1
  QString MsgDuelPoints = QStringLiteral("%1 points");
  QString MsgDuelScore = QStringLiteral("Score : %1 %2, %3 %4");
  QString MsgDuelFin = QStringLiteral("Fin du duel");
  QString MsgDuelGagne = QStringLiteral("%1 gagne le duel !");
  QString MsgDuelVousGagnez = QStringLiteral("Vous gagnez le duel !");
  QString MsgDuelAuTemps = QStringLiteral("À égalité de points, au temps : %1 s contre %2 s.");
  QString MsgDuelEgalite = QStringLiteral("Égalité parfaite !");
};

}  // namespace tolvan
