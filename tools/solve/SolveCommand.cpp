#include "solve/SolveCommand.h"

#include "solve/AdversaireCommand.h"
#include "solve/Citation.h"
#include "solve/CommandesClub.h"
#include "solve/VerifieCommand.h"
#include "solve/CoteCommand.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <ostream>
#include <sstream>

#include "engine/SolutionText.h"
#include "engine/Solveur.h"
#include "library/FichierTirages.h"
#include "engine/Difficulte.h"
#include "library/TexteWindows.h"

namespace tolvan::solve {

namespace {

constexpr const char* Usage =
    "usage : tolvan-solve [--series] [--all] [--json] N1 N2 N3 N4 N5 N6 RESULTAT\n"
    "        tolvan-solve --file TIRAGES.tir [--series] [--json]\n"
    "        tolvan-solve --jour [AAAA-MM-JJ] [--all] [--json]\n"
    "        tolvan-solve --adversaire FORCE [--graine N] [--temps S] [--json] N1 N2 N3 N4 N5 N6 RESULTAT";

// The date on this machine's clock, in local time.
Date Aujourdhui() {
  const std::time_t maintenant = std::time(nullptr);
  std::tm local{};
  localtime_r(&maintenant, &local);
  return Date{std::chrono::year(local.tm_year + 1900), std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)),
              std::chrono::day(static_cast<unsigned>(local.tm_mday))};
}

// What the command shows after a search: the table lives in the solver, the
// closest approach to the target asked for is kept beside it.
struct Reponse {
  const Solveur& solveur;
  const TSolution& proche;
};

}  // namespace

namespace {

std::vector<std::string> TextesEtapes(const TSolution& solution) {
  std::vector<std::string> textes;
  for (int k = 1; k <= solution.NbEtapes; ++k) textes.push_back(TexteEtape(solution.Etapes[k]));
  return textes;
}

}  // namespace

std::string ChaineJson(const std::string& texte) {
  std::string sortie = "\"";
  for (const char c : texte) {
    if (c == '"' || c == '\\') {
      sortie += '\\';
      sortie += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char code[8];
      std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
      sortie += code;
    } else {
      sortie += c;
    }
  }
  return sortie + "\"";
}

namespace {

std::string TableauJson(const std::vector<std::string>& textes) {
  std::string sortie = "[";
  for (std::size_t i = 0; i < textes.size(); ++i) {
    if (i > 0) sortie += ',';
    sortie += ChaineJson(textes[i]);
  }
  return sortie + "]";
}

std::vector<std::string> EtapesDe(const Solveur& s, word indice) {
  if (s.NbSolutions == 0) return {};
  return TextesEtapes(s.Solutions[indice]);
}

// The solver's findings as JSON members, without the braces around them.
void EcritChampsJson(const Reponse& r, bool toutes, std::ostream& out) {
  const Solveur& s = r.solveur;
  out << "\"NbSolutions\":" << s.NbSolutions << ",\"NbEtapesMin\":" << s.NbEtapesMin
      << ",\"IndiceSimple\":" << s.IndiceSimple << ",\"IndiceTordue\":" << s.IndiceTordue
      << ",\"MaxIntermediaire\":" << s.MaxIntermediaire << ",\"TexteSimple\":" << ChaineJson(s.TexteSimple)
      << ",\"SolutionApprochee\":" << int{s.SolutionApprochee} << ",\"Difficulte\":" << MarqueDifficulte(s)
      << ",\"Proche\":" << TableauJson(TextesEtapes(r.proche)) << ",\"first\":" << TableauJson(EtapesDe(s, 1))
      << ",\"simple\":" << TableauJson(EtapesDe(s, s.IndiceSimple))
      << ",\"tordue\":" << TableauJson(EtapesDe(s, s.IndiceTordue));
  if (toutes) {
    out << ",\"solutions\":[";
    for (word i = 1; i <= s.NbSolutions; ++i) {
      if (i > 1) out << ',';
      out << TableauJson(EtapesDe(s, i));
    }
    out << ']';
  }
}

void EcritJson(const Reponse& r, bool toutes, std::ostream& out) {
  out << '{';
  EcritChampsJson(r, toutes, out);
  out << "}\n";
}

void EcritEtapes(const std::vector<std::string>& etapes, std::ostream& out) {
  for (const std::string& etape : etapes) out << "  " << etape << '\n';
}

// As the solutions panel heads them: !- 135/269 -!, ?- 62/269 -?, --- 12/269 ---.
void EcritSolution(const Solveur& s, word indice, const char* titre, const char* avant, const char* apres,
                   std::ostream& out) {
  out << '\n';
  if (titre[0] != '\0') out << titre << ' ';
  out << avant << indice << '/' << s.NbSolutions << apres << '\n';
  EcritEtapes(EtapesDe(s, indice), out);
}

longint ValeurAtteinte(const TSolution& solution) {
  return solution.NbEtapes == 0 ? 0 : solution.Resultats[solution.NbEtapes];
}

void EcritTexte(const Demande& demande, const Reponse& r, std::ostream& out) {
  const Solveur& s = r.solveur;
  out << "Tirage :";
  for (longint n : demande.tirage.Nombres) out << ' ' << n;
  out << "   à trouver : " << demande.tirage.Resultat << (demande.serie ? "   (mode série)" : "") << '\n';

  if (s.SolutionApprochee) {
    out << "IMPOSSIBLE !";
    if (r.proche.NbEtapes > 0) {
      const longint proche = ValeurAtteinte(r.proche);
      out << " Le nombre le plus proche est " << proche << " (à "
          << (proche > demande.tirage.Resultat ? proche - demande.tirage.Resultat : demande.tirage.Resultat - proche)
          << " près).\n";
    } else {
      out << " Aucun calcul n'est possible avec ces nombres.\n";
    }
  }
  if (s.NbSolutions == 0) {
    out << "Pas de solution.\n";
    out << "Difficulté : " << MarqueDifficulte(s) << "/5\n";
    if (r.proche.NbEtapes > 0) {
      out << "\nAu plus près : " << ValeurAtteinte(r.proche) << '\n';
      EcritEtapes(TextesEtapes(r.proche), out);
    }
    return;
  }
  const longint atteint = s.Solutions[1].Resultats[s.Solutions[1].NbEtapes];
  out << s.NbSolutions << (s.NbSolutions > 1 ? " solutions" : " solution");
  if (s.SolutionApprochee) out << " pour " << atteint;
  if (s.NbSolutions == Solveur::Capacite) out << " (les premières seulement)";
  out << ", en " << s.NbEtapesMin << (s.NbEtapesMin > 1 ? " étapes" : " étape") << " au moins\n";
  out << "La + simple en une ligne : " << s.TexteSimple << '\n';
  out << "Difficulté : " << MarqueDifficulte(s) << "/5\n";

  EcritSolution(s, s.IndiceSimple, "La + simple", "!- ", " -!", out);
  if (s.IndiceTordue != s.IndiceSimple) EcritSolution(s, s.IndiceTordue, "La + tordue", "?- ", " -?", out);
  if (demande.toutes) {
    out << "\nToutes les solutions :\n";
    for (word i = 1; i <= s.NbSolutions; ++i) EcritSolution(s, i, "", "--- ", " ---", out);
  }
}

}  // namespace

std::optional<TTirage> LitTirage(const std::vector<std::string>& valeurs, const char* cible, std::string& erreur) {
  if (valeurs.size() != 7) {
    erreur = "il faut six nombres et le résultat à trouver, soit 7 valeurs (reçu " +
             std::to_string(valeurs.size()) + ")";
    return std::nullopt;
  }
  TTirage tirage;
  for (int i = 1; i <= NbNombres; ++i) {
    const auto nombre = LitArgument(valeurs[static_cast<std::size_t>(i - 1)], 999, "le nombre", erreur);
    if (!nombre) return std::nullopt;
    tirage.Nombres[i] = *nombre;
  }
  const auto resultat = LitArgument(valeurs[6], 9999, cible, erreur);
  if (!resultat) return std::nullopt;
  tirage.Resultat = *resultat;
  return tirage;
}

namespace {

// Solves a draw as the game does, or as series generation does (the draw
// itself sorted first, no fallback on the nearest number); returns the
// closest approach met.
TSolution Resous(Solveur& solveur, const TTirage& tirage, bool serie) {
  solveur.ChangeTirage(tirage);
  TSolution proche;
  if (serie) {
    proche = solveur.ChercheEnSerie();
  } else {
    solveur.ChercheSol(0);
    proche = solveur.SolutionVisible;
  }
  return proche;
}

// Every row of a draws file, solved and written back as the game saves it
// after "Calculer la solution": as file lines (Windows-1252, CR LF), or one
// JSON object per row.
int ExecuteFichier(const Demande& demande, std::ostream& sortie, std::ostream& erreurs) {
  Solveur solveur;
  int lignes = 0;
  const SuiviLecture suivi{
      [&](RangeeTirage rangee) {
        if (++lignes > 65535) return false;
        const TSolution proche = Resous(solveur, TirageDeRangee(rangee), demande.serie);
        EcritSolution(rangee, solveur.NbSolutions, solveur.NbEtapesMin, solveur.TexteSimple);
        if (demande.json) {
          sortie << "{\"cellules\":" << TableauJson({rangee.cellules.begin(), rangee.cellules.end()}) << ',';
          EcritChampsJson(Reponse{solveur, proche}, false, sortie);
          sortie << "}\n";
        } else {
          sortie << OctetsFichierTirages({rangee});
        }
        return true;
      },
      [&](std::string_view ligne) {
        std::string message = MessageConversion(ligne);
        std::replace(message.begin(), message.end(), '\r', ' ');
        erreurs << message << '\n';
      }};
  switch (LitTirages(demande.fichier, suivi)) {
    case IssueLecture::OuvertureImpossible:
      erreurs << "tolvan-solve : impossible d'ouvrir le fichier de tirages « " << TexteSur(demande.fichier, 200) << " »\n";
      return 1;
    case IssueLecture::LectureImpossible:
      erreurs << "tolvan-solve : erreur lors de la lecture de « " << TexteSur(demande.fichier, 200) << " »\n";
      return 1;
    case IssueLecture::ListePleine: erreurs << "tolvan-solve : " << MessageListePleine << '\n'; break;
    case IssueLecture::TropVolumineux: erreurs << "tolvan-solve : " << MessageTropVolumineux << '\n'; break;
    case IssueLecture::Lu: break;
  }
  return 0;
}

// The draw of the day of the date asked, solved and written as any draw,
// its date and numbers first.
int ExecuteJour(Demande demande, std::ostream& sortie) {
  Solveur solveur;
  TireDuJour(solveur, *demande.jour);
  demande.tirage = solveur.Tirage;
  const TSolution proche = Resous(solveur, demande.tirage, false);
  const Reponse reponse{solveur, proche};
  const std::string date = TexteDate(*demande.jour);
  if (!demande.json) {
    sortie << "Tirage du jour : " << date << '\n';
    EcritTexte(demande, reponse, sortie);
    return 0;
  }
  std::vector<std::string> nombres;
  for (longint n : demande.tirage.Nombres) nombres.push_back(std::to_string(n));
  sortie << "{\"Date\":" << ChaineJson(date) << ",\"Nombres\":[";
  for (std::size_t i = 0; i < nombres.size(); ++i) sortie << (i > 0 ? "," : "") << nombres[i];
  sortie << "],\"Resultat\":" << demande.tirage.Resultat << ',';
  EcritChampsJson(reponse, demande.toutes, sortie);
  sortie << "}\n";
  return 0;
}

// What the ordinary use, --file and --jour share.
Demande DemandeDe(const LigneDeCommande& ligne) {
  Demande demande;
  demande.serie = ligne.Donnee("--series");
  demande.toutes = ligne.Donnee("--all");
  demande.json = ligne.Donnee("--json");
  return demande;
}

// The draw of the line, solved and written out.
int ResousTirage(const LigneDeCommande& ligne, std::ostream& sortie, std::ostream& erreurs) {
  Demande demande = DemandeDe(ligne);
  std::string erreur;
  const std::optional<TTirage> tirage = LitTirage(ligne.Mots(), "le résultat", erreur);
  if (!tirage) return ligne.Refuse(erreur, erreurs);
  demande.tirage = *tirage;
  Solveur solveur;
  const TSolution proche = Resous(solveur, demande.tirage, demande.serie);
  const Reponse reponse{solveur, proche};
  if (demande.json) {
    EcritJson(reponse, demande.toutes, sortie);
  } else {
    EcritTexte(demande, reponse, sortie);
  }
  return 0;
}

int ResousFichier(const LigneDeCommande& ligne, std::ostream& sortie, std::ostream& erreurs) {
  Demande demande = DemandeDe(ligne);
  demande.fichier = *ligne.Valeur("--file");
  return ExecuteFichier(demande, sortie, erreurs);
}

int ResousJour(const LigneDeCommande& ligne, std::ostream& sortie, std::ostream& erreurs) {
  Demande demande = DemandeDe(ligne);
  const std::optional<std::string> date = ligne.Valeur("--jour");
  demande.jour = date ? LitDate(*date) : Aujourdhui();
  if (!demande.jour) return ligne.Refuse(Cite(*date) + " n'est pas une date AAAA-MM-JJ", erreurs);
  return ExecuteJour(demande, sortie);
}

// The ways to use tolvan-solve, each with the options that go with it.
const std::vector<ModeCommande>& Modes() {
  static const std::vector<ModeCommande> modes = [] {
    const OptionConnue serie{"--series"}, toutes{"--all"};
    std::vector<ModeCommande> tous = {
      {"", {serie, toutes, OptionJson}, true, ResousTirage},
      {"--file", {{"--file", Suite::Valeur, "le chemin d'un fichier de tirages"}, serie, OptionJson}, false, ResousFichier},
      {"--jour", {{"--jour", Suite::ValeurFacultative}, toutes, OptionJson}, false, ResousJour},
      ModeAdversaire(),
      ModeNouveauCode(),
      ModeCode(),
      ModePoints(),
      ModeVerifie(),
    };
    for (ModeCommande& mode : ModesCote(std::cin)) tous.push_back(std::move(mode));
    return tous;
  }();
  return modes;
}

}  // namespace

int ExecuteSolve(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs) {
  const std::string usage = std::string(Usage) + '\n' + UsageClub + '\n' + UsageVerifie + '\n' + UsageCote;
  return ExecuteLigne("tolvan-solve", usage, arguments, Modes(), sortie, erreurs);
}

}  // namespace tolvan::solve
