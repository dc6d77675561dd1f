// The message texts and captions that other parts of the program show and
// that a language file may replace, each with its French. Texts with a
// number take it as %1 (see game/Formule.h, or QString::arg in the window).
#pragma once

#include <QString>
#include <QStringList>

#include "competition/PhrasesArbitrage.h"
#include "competition/RefusCode.h"
#include "game/Coach.h"
#include "game/LigneDePartage.h"
#include "game/PhrasesCalcul.h"

namespace tolvan {

// The words of "Mes parties": its window, counts, charts and list.
struct MotsMesParties {
  QString fermer = QStringLiteral("Fermer");
  QString exporter = QStringLiteral("Exporter en CSV");
  QString parties = QStringLiteral("Parties : %1");
  QString trouvees = QStringLiteral("Trouvées : %1 %");
  QString serieEnCours = QStringLiteral("Série en cours : %1");  // "3 jours"
  QString meilleureSerie = QStringLiteral("Meilleure série : %1");
  QString unJour = QStringLiteral("%1 jour");  // up to one
  QString desJours = QStringLiteral("%1 jours");
  QString trenteJours = QStringLiteral("Les 30 derniers jours");
  QString barreTrouvees = QStringLiteral("trouvées");
  QString barrePasTrouvees = QStringLiteral("pas trouvées");
  QString axeParties = QStringLiteral("parties");
  QString tempsMedian = QStringLiteral("Temps médian pour trouver");
  QString secondes = QStringLiteral("secondes");
  QString axeDifficulte = QStringLiteral("difficulté");
  // The list's columns, then what its cells say.
  QString colonneFin = QStringLiteral("Fin");
  QString colonneMode = QStringLiteral("Mode");
  QString colonneTirage = QStringLiteral("Tirage");
  QString colonneTrouve = QStringLiteral("Trouvé");
  QString colonneTemps = QStringLiteral("Temps");
  QString colonneLignes = QStringLiteral("Lignes");
  QString colonneIndices = QStringLiteral("Indices");
  QString colonnePoints = QStringLiteral("Points");
  QString colonneDifficulte = QStringLiteral("Difficulté");
  QString oui = QStringLiteral("oui");
  QString non = QStringLiteral("non");
  QString entrainement = QStringLiteral("entraînement");
  QString jour = QStringLiteral("jour");
  QString competition = QStringLiteral("compétition");
  QString duel = QStringLiteral("duel");
  QString code = QStringLiteral("code");
  QString colonneAdversaire = QStringLiteral("Adversaire / code");
};

// What the field for typed calculations answers, in one sentence each.
struct MotsDuChamp {
  QString joue = QStringLiteral("Joué : %1.");      // the lines played: "75+25=100, 100x8=800"
  QString refuse = QStringLiteral("Refusé : %1.");  // why, in the reader's words (`calcul`)
  // With the results typed by the player, a calculation brings its own.
  QString resultatAEcrire = QStringLiteral("écrivez le résultat après « = »");
  QString enJeu = QStringLiteral("En jeu : %1 ; à trouver : %2.");  // the numbers, the target
  QString repris = QStringLiteral("Repris : %1.");                  // the line taken back
  QString rienAReprendre = QStringLiteral("Rien à reprendre.");
  QString sansIndice = QStringLiteral("Pas d'indice dans cette partie.");
  QString sansPartie = QStringLiteral("Aucune partie en cours.");
  QString invite = QStringLiteral("Tapez un calcul (F3)");  // shown in the field while it is empty
};

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
  // The captions of the game page and of the options added since.
  QString MsgTirageDuJour = QStringLiteral("Tirage du jour");
  QString MsgCopierResultat = QStringLiteral("Copier le résultat");
  QString MsgCoach = QStringLiteral("Coach : dire si le compte est encore possible");
  QString MsgIndice = QStringLiteral("Indice");
  QString MsgIndices = QStringLiteral("Indices : %1");
  QString MsgDifficulte = QStringLiteral("Difficulté :");
  QString MsgToutes = QStringLiteral("toutes");  // the first choice of the mark and of both filters
  QString MsgEnEtapes = QStringLiteral("en %1");   // the filter by steps
  QString MsgMarque = QStringLiteral("Difficulté : %1/5");  // a summary's last line
  QString MsgMesParties = QStringLiteral("Mes parties");
  // The choices of "Temps :".
  QString MsgIllimite = QStringLiteral("illimité");
  QString MsgSecondes = QStringLiteral("%1 secondes");
  QString MsgUneMinute = QStringLiteral("1 Minute");
  QString MsgMinuteTrente = QStringLiteral("1 Minute 30");
  QString MsgMinutes = QStringLiteral("%1 Minutes");
  QString MsgChronoCache = QStringLiteral("Chrono caché");
  QString MsgSansChrono = QStringLiteral("Sans chrono");
  MotsMesParties mesParties;
  PhrasesCoach coach;
  PhrasesPartage partage;
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
  // Club play by a code: its dialog, its messages, the score sheet.
  QString MsgPartieParCode = QStringLiteral("Partie par code");
  QString MsgCodeDeLaSerie = QStringLiteral("Code de la série :");
  QString MsgNouveauCode = QStringLiteral("Nouveau code");
  QString MsgCopierLeCode = QStringLiteral("Copier le code");
  QString MsgJouerUnCode = QStringLiteral("Jouer un code");
  QString MsgFermer = QStringLiteral("Fermer");
  QString MsgCodeRefuse = QStringLiteral("Ce code ne peut pas être joué : %1");
  QString MsgTirageSur = QStringLiteral("Tirage %1 sur %2");
  QString MsgResultatDuTirage = QStringLiteral("Résultat : %1");
  QString MsgRien = QStringLiteral("rien");
  QString MsgPoint = QStringLiteral("%1 point");
  QString MsgPoints = QStringLiteral("%1 points");
  QString MsgFeuilleDeMarque = QStringLiteral("Feuille de marque");
  QString MsgFeuilleTitre = QStringLiteral("Partie par code %1 : %2");
  QString MsgFeuilleJoueur = QStringLiteral("Joueur : %1");
  QString MsgFeuilleLigne = QStringLiteral("%1. %2 : %3, %4. Meilleur : %5");
  QString MsgFeuilleSansCalcul = QStringLiteral("aucun calcul possible");
  QString MsgFeuilleTotal = QStringLiteral("Total : %1 sur %2");
  QString MsgImprimer = QStringLiteral("Imprimer");
  // Giving up club play for another way to play, and the duel's button while one is under way.
  QString MsgCodeAbandonner = QStringLiteral("Abandonner la partie par code en cours ?");
  QString MsgArreterDuel = QStringLiteral("Arrêter le duel");
  // The summary of a replay of the day's draw.
  QString MsgRejoueDuJour = QStringLiteral("Rejoué : ne compte pas");
  // The title of a won game's summary, which is the summary box's caption
  // in a language file.
  QString MsgBravo = QStringLiteral("BRAVO");
  // The arbiter's desk: its button and window, its tables and messages; the
  // words of its ranking are the rules' (`arbitrage`).
  QString MsgArbitrage = QStringLiteral("Arbitrage");
  QString MsgArbitrageFichiers = QStringLiteral("Ouvrir des fichiers");
  QString MsgArbitrageDossier = QStringLiteral("Ouvrir un dossier");
  QString MsgArbitrageColler = QStringLiteral("Coller");
  QString MsgArbitrageEffacer = QStringLiteral("Tout effacer");
  QString MsgArbitrageSalle = QStringLiteral("Approche d'après la salle");
  QString MsgArbitrageGroupes = QStringLiteral("Groupes de :");
  QString MsgArbitrageClassement = QStringLiteral("Classement");
  QString MsgArbitrageSaisie = QStringLiteral("Feuilles sur papier");
  QString MsgArbitrageRefus = QStringLiteral("Refus et alertes");
  QString MsgArbitrageFaceAFace = QStringLiteral("Face-à-face");
  QString MsgArbitrageGarder = QStringLiteral("Garder cette ligne");
  QString MsgArbitrageImprimerClassement = QStringLiteral("Imprimer le classement");
  QString MsgArbitrageImprimerFeuilles = QStringLiteral("Imprimer les feuilles");
  QString MsgArbitrageExporter = QStringLiteral("Exporter en CSV");
  QString MsgArbitrageCopier = QStringLiteral("Copier le classement");
  QString MsgArbitrageBilan = QStringLiteral("Classés : %1, refusées : %2, alertes : %3");
  QString MsgArbitrageJoueur = QStringLiteral("Joueur");
  QString MsgArbitrageTirage = QStringLiteral("Tirage %1");
  QString MsgArbitrageCase = QStringLiteral("%1, tirage %2");  // a player (or the new row), a draw
  QString MsgArbitrageNouveau = QStringLiteral("nouveau joueur");
  QString MsgArbitrageLieu = QStringLiteral("Lieu");
  QString MsgArbitrageGenre = QStringLiteral("Genre");
  QString MsgArbitrageRaison = QStringLiteral("Raison");
  QString MsgArbitrageRefusee = QStringLiteral("refusée");
  QString MsgArbitrageAlerte = QStringLiteral("alerte");
  QString MsgArbitrageSansCode = QStringLiteral("Tapez le code de la série ou rassemblez des lignes : il donne les tirages des feuilles.");
  QString MsgArbitrageCodeIllisible = QStringLiteral("Ce code ne peut pas être lu : %1");
  QString MsgArbitrageNombre = QStringLiteral("« %1 » n'est pas un nombre entier positif");
  QString MsgArbitragePressePapiersVide = QStringLiteral("Le presse-papiers ne contient pas de texte.");
  QString MsgArbitrageDeuxJoueurs = QStringLiteral("Le face-à-face demande exactement deux joueurs classés.");
  QString MsgArbitrageRang = QStringLiteral("Rang %1, groupe %2");
  QString MsgArbitrageChoixFichiers = QStringLiteral("Rassembler des lignes de résultats");
  QString MsgArbitrageChoixExport = QStringLiteral("Exporter le classement");
  PhrasesArbitrage arbitrage;
  // "Ma cote": the player's rating, its option, and what "Mes parties" shows of it.
  QString MsgMaCote = QStringLiteral("Ma cote : %1 ± %2 (%3)");
  QString MsgEntreForces = QStringLiteral("entre %1 et %2");
  QString MsgCoteAVenir = QStringLiteral("Ma cote : après une partie chronométrée, jouée seul et sans aide");
  QString MsgVoirMaCote = QStringLiteral("Voir ma cote");
  QString MsgChancePrevue = QStringLiteral("Chance prévue : %1");
  QString MsgCoteDansLeTemps = QStringLiteral("Ma cote au fil des parties");
  QString MsgCoteDitVrai = QStringLiteral("Ma cote dit vrai ?");
  QString MsgCoteChance = QStringLiteral("Chance prévue");
  QString MsgCoteParties = QStringLiteral("Parties");
  QString MsgCoteTrouvees = QStringLiteral("Trouvées");
  QString MsgCoteAttente = QStringLiteral("Ma cote dit vrai ? Encore %1 parties notées.");
  QString MsgJouerAutrement = QStringLiteral("Jouer autrement");
  // Numbers and counts as the language writes them: the comma of a time to
  // the tenth ("2,7 s"), a heading and what follows it ("Tirage 2 sur 5 :
  // À Bob de jouer"), and the counts said with a count's first line, "0 1"
  // as French says "0 point" and "1 point" (English "1").
  QString MsgVirgule = QStringLiteral(",");
  QString MsgDeuxPoints = QStringLiteral("%1 : %2");
  QString MsgAuSingulier = QStringLiteral("0 1");
  // A code's series in words, for its sheet: "3 tirages de 40 s".
  QString MsgCodeUnTirage = QStringLiteral("%1 tirage de %2 s");
  QString MsgCodeTirages = QStringLiteral("%1 tirages de %2 s");
  QString MsgCodeRealisables = QStringLiteral(", réalisables uniquement");
  // A sheet's columns, and a duel's sheet: who played whom, each go.
  QString MsgColonneTirage = QStringLiteral("Tirage");
  QString MsgColonneResultat = QStringLiteral("Résultat");
  QString MsgColonnePoints = QStringLiteral("Points");
  QString MsgColonneMeilleur = QStringLiteral("Meilleur");
  QString MsgDuelFeuille = QStringLiteral("%1 contre %2 : %3");  // the two players, "5 tirages de 40 s"
  QString MsgDuelCase = QStringLiteral("%1 en %2 s, %3");         // the result, the seconds, the points
  QString MsgDuelCaseRien = QStringLiteral("rien, %1");
  // Club play's button while its series is under way; "Copier le code"
  // refusing what is no code; what a copy button says once it has copied.
  QString MsgArreterCode = QStringLiteral("Arrêter la partie par code");
  QString MsgCodeNonCopie = QStringLiteral("Ce code ne peut pas être copié : %1");
  QString MsgCopie = QStringLiteral("Copié !");
  // The box that asks the player's name, and the buttons of the message boxes.
  QString MsgEntreTonNom = QStringLiteral("Entre ton nom :");
  QString MsgNom = QStringLiteral("Nom :");
  QString MsgOui = QStringLiteral("Oui");
  QString MsgNon = QStringLiteral("Non");
  QString MsgAnnuler = QStringLiteral("Annuler");
  QString MsgBoutonReessayer = QStringLiteral("Réessayer");
  // Why a code typed or pasted is refused.
  PhrasesRefusCode refusCode;
  QString MsgAMaMesure = QStringLiteral("À ma mesure");
  QString MsgArreterAMaMesure = QStringLiteral("Arrêter À ma mesure");
  QString MsgSerieMontanteBouton = QStringLiteral("Série montante");
  QString MsgArreterSerieMontante = QStringLiteral("Arrêter la série montante");
  QString MsgAbandonnerSerieMontante = QStringLiteral("Abandonner la série montante en cours ?");
  QString MsgSerieMontante = QStringLiteral("Série montante : %1 d'affilée (meilleure : %2)");
  QString MsgRevoirRates = QStringLiteral("Revoir mes ratés");
  QString MsgArreterRevoirRates = QStringLiteral("Arrêter Revoir mes ratés");
  QString MsgAucunRate = QStringLiteral("Aucun tirage raté à revoir aujourd'hui.");
  QString MsgRevisionSur = QStringLiteral("Raté revu %1 sur %2");
  // A calculation typed on the game page: why the reader refuses one, and
  // what the field answers.
  PhrasesCalcul calcul;
  MotsDuChamp champ;
};

// `un` ("%1 point") or `plusieurs` ("%1 points") with `n`, as the
// language's counts go.
inline QString TexteCompte(int n, const QString& un, const QString& plusieurs, const TextesMessages& textes) {
  const bool singulier = textes.MsgAuSingulier.split(QLatin1Char(' '), Qt::SkipEmptyParts).contains(QString::number(n));
  return (singulier ? un : plusieurs).arg(n);
}

}  // namespace tolvan
