#include "ChampDeCalcul.h"

#include <algorithm>
#include <vector>

#include "game/Calcul.h"
#include "game/PhrasesCalcul.h"

namespace tolvan {

namespace {

QString Texte(const std::string& texte) { return QString::fromStdString(texte); }

const MotsDuChamp& Mots(const PartieDuChamp& partie) { return partie.textes().champ; }

// A sentence about lines finished or taken back, followed by the coach's
// word on the new position when the coach speaks, as after the tiles.
QString AvecLeCoach(const QString& phrase, const PartieDuChamp& partie) {
  const std::string& coach = partie.aides().TexteCoach();
  if (!partie.CoachVisible() || coach.empty()) return phrase;
  return phrase + QLatin1Char(' ') + Texte(coach);
}

ReponseDuChamp Refus(const QString& raison, const PartieDuChamp& partie) {
  return {Mots(partie).refuse.arg(raison), true};
}

// --- the short commands ---

ReponseDuChamp DitLeTemps(PartieDuChamp& partie) {
  const TextesMessages& textes = partie.textes();
  QString temps = partie.TexteHorloge();
  // A hidden clock keeps its time to itself until the game is over.
  if (temps.isEmpty()) {
    temps = partie.cadence().genre == GenreHorloge::Aucune ? textes.MsgSansChrono : textes.MsgChronoCache;
  }
  return {temps + QLatin1Char('.')};
}

ReponseDuChamp DitLesNombres(PartieDuChamp& partie) {
  const Manche& manche = partie.manche();
  QStringList nombres;
  for (longint nombre : manche.Tableau().NombresEnJeu()) nombres.append(QString::number(nombre));
  return {Mots(partie).enJeu.arg(nombres.join(QLatin1Char(' ')), QString::number(manche.Tirage().Resultat))};
}

// What "Retour" takes back: the line in progress, or else the last finished one.
std::string LigneAReprendre(const TableauNoir& tableau) {
  if (tableau.EtatSaisie != 0) return tableau.Textes()[static_cast<std::size_t>(tableau.NumLigne - 1)];
  if (tableau.NumLigne > 1) return tableau.TexteLigne(tableau.NumLigne - 1);
  return {};
}

ReponseDuChamp Reprend(PartieDuChamp& partie) {
  const TableauNoir& tableau = partie.manche().Tableau();
  const QString ligne = Texte(LigneAReprendre(tableau));
  const int finies = tableau.NbLignesFinies();
  partie.Retour();
  if (ligne.isEmpty()) return {Mots(partie).rienAReprendre};
  const QString phrase = Mots(partie).repris.arg(ligne);
  // The coach speaks again only when a finished line went.
  return {finies != tableau.NbLignesFinies() ? AvecLeCoach(phrase, partie) : phrase};
}

ReponseDuChamp DonneUnIndice(PartieDuChamp& partie) {
  if (!partie.IndicesParEtapesPermis() || !partie.AidesPermises()) return {Mots(partie).sansIndice};
  partie.Indice();
  return {Texte(partie.aides().TexteIndice())};
}

struct Commande {
  char lettre;  // typed alone, in either case, spaces around it aside
  ReponseDuChamp (*repond)(PartieDuChamp&);
};

constexpr Commande Commandes[] = {
    {'?', DitLeTemps},
    {'n', DitLesNombres},
    {'r', Reprend},
    {'i', DonneUnIndice},
};

const Commande* CommandeDe(std::string_view texte) {
  const auto debut = texte.find_first_not_of(" \t");
  if (debut == std::string_view::npos || texte.find_last_not_of(" \t") != debut) return nullptr;
  char lettre = texte[debut];
  if (lettre >= 'A' && lettre <= 'Z') lettre = static_cast<char>(lettre - 'A' + 'a');
  for (const Commande& commande : Commandes) {
    if (commande.lettre == lettre) return &commande;
  }
  return nullptr;
}

// --- a calculation ---

// One line of the calculation, pressed as a player presses it: a tile
// holding its first number, its operator, another tile holding its second,
// then its result when the player types results. False when the board has
// no tile for it, which an accepted calculation never meets.
bool JoueLigne(const LigneCalcul& ligne, PartieDuChamp& partie) {
  const TableauNoir& tableau = partie.manche().Tableau();
  const int gauche = tableau.TuileEnJeu(ligne.valeur1);
  const int droite = tableau.TuileEnJeu(ligne.valeur2, gauche);
  if (gauche == 0 || droite == 0) return false;
  const int operateur = CodePlus + static_cast<int>(ligne.signe) - 1;
  for (const int code : {gauche, operateur, droite}) partie.Presse(code);
  if (tableau.ReponseAttendue()) partie.Repond(std::to_string(ligne.resultat));
  return true;
}

// The finished lines after the first `avant`, as the board writes them.
QString LignesDepuis(int avant, const TableauNoir& tableau) {
  QStringList lignes;
  for (int k = avant + 1; k <= tableau.NbLignesFinies(); ++k) lignes.append(Texte(tableau.TexteLigne(k)));
  return lignes.join(QStringLiteral(", "));
}

bool CommenceParUneOperation(std::string_view texte) {
  const auto debut = texte.find_first_not_of(" \t");
  if (debut == std::string_view::npos) return false;
  texte.remove_prefix(debut);
  if (std::string_view("+-xX*/:").find(texte.front()) != std::string_view::npos) return true;
  // The typeset minus, times and division signs.
  for (const std::string_view signe : {"\u2212", "\u00D7", "\u00F7"}) {
    if (texte.substr(0, signe.size()) == signe) return true;
  }
  return false;
}

// A calculation that starts with an operation goes on from the last line's
// result while it is in play, as an operator pressed first on the board does.
std::string AvecLeDernierResultat(std::string_view texte, const TableauNoir& tableau) {
  if (!CommenceParUneOperation(texte) || tableau.NumLigne < 2) return std::string(texte);
  const longint resultat = tableau.Lignes[tableau.NumLigne - 1].Resultat;
  const std::vector<longint> enJeu = tableau.NombresEnJeu();
  if (std::find(enJeu.begin(), enJeu.end(), resultat) == enJeu.end()) return std::string(texte);
  return std::to_string(resultat) + std::string(texte);
}

ReponseDuChamp JoueCalcul(std::string_view tape, PartieDuChamp& partie) {
  const Manche& manche = partie.manche();
  const TableauNoir& tableau = manche.Tableau();
  const std::string texte = AvecLeDernierResultat(tape, tableau);
  const std::vector<longint> enJeu = tableau.NombresEnJeu();
  const LectureCalcul lecture = LitCalcul(texte, enJeu, manche.Tirage().Resultat);
  if (lecture.refus) return Refus(Texte(PhraseRefus(*lecture.refus, partie.textes().calcul)), partie);
  // A player who types each result writes the calculation's; the reader has checked it.
  if (!partie.options().resultatsAuto && texte.find('=') == std::string::npos) {
    return Refus(Mots(partie).resultatAEcrire, partie);
  }
  // A line begun with the tiles gives its number back, as "Retour" does:
  // the calculation was read with that number in play.
  if (tableau.EtatSaisie != 0) partie.Retour();
  const int avant = tableau.NbLignesFinies();
  const std::size_t aJouer = lecture.ligneGagnante != 0 ? lecture.ligneGagnante : lecture.lignes.size();
  for (std::size_t k = 0; k < aJouer; ++k) {
    if (!JoueLigne(lecture.lignes[k], partie)) break;
  }
  return {AvecLeCoach(Mots(partie).joue.arg(LignesDepuis(avant, tableau)), partie)};
}

}  // namespace

ReponseDuChamp Tape(std::string_view texte, PartieDuChamp& partie) {
  if (!partie.manche().PartieEnJeu()) return {Mots(partie).sansPartie, true};
  if (const Commande* commande = CommandeDe(texte)) return commande->repond(partie);
  return JoueCalcul(texte, partie);
}

}  // namespace tolvan
