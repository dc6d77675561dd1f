#include <gtest/gtest.h>

#include "LanceCommande.h"

namespace tolvan::solve {
namespace {

enum class Commande { Solve, Stats };

Issue Lance(Commande commande, const std::vector<std::string>& arguments) {
  return commande == Commande::Solve ? LanceSolve(arguments) : LanceStats(arguments);
}

std::string Ligne(const std::vector<std::string>& arguments) {
  std::string ligne;
  for (const std::string& argument : arguments) ligne += argument + ' ';
  return ligne;
}

struct LigneRefusee {
  Commande commande;
  std::vector<std::string> arguments;
  std::string message;  // the whole line, after "tolvan-solve : " or "tolvan-stats : "
};

const std::string Controle = "Ce code est mal recopié : son caractère de contrôle ne correspond pas.";
const std::string TempsDuel = " n'est pas un temps de 0 à 3600 secondes au dixième près";
const std::string Graine = " n'est pas une graine : il faut un nombre entier de 0 à 18446744073709551615";

const std::vector<LigneRefusee> LignesRefusees = {
    // A draw to solve.
    {Commande::Solve, {}, "il faut six nombres et le résultat à trouver, soit 7 valeurs (reçu 0)"},
    {Commande::Solve, {"1", "2", "3", "4", "5", "6"}, "il faut six nombres et le résultat à trouver, soit 7 valeurs (reçu 6)"},
    {Commande::Solve, {"1", "2", "3", "4", "5", "6", "100", "7"},
     "il faut six nombres et le résultat à trouver, soit 7 valeurs (reçu 8)"},
    {Commande::Solve, {"1", "2", "x", "4", "5", "6", "100"}, "« x » n'est pas un nombre entier"},
    {Commande::Solve, {"1", "2", "3.5", "4", "5", "6", "100"}, "« 3.5 » n'est pas un nombre entier"},
    {Commande::Solve, {"1", "2", "3", "4", "5", "6", ""}, "«  » n'est pas un nombre entier"},
    {Commande::Solve, {"1", "2", "3", "4", "5", "1000", "100"}, "le nombre 1000 n'est pas entre 0 et 999"},
    {Commande::Solve, {"1", "2", "3", "4", "5", "-1", "100"}, "le nombre -1 n'est pas entre 0 et 999"},
    {Commande::Solve, {"1", "2", "3", "4", "5", "6", "10000"}, "le résultat 10000 n'est pas entre 0 et 9999"},
    {Commande::Solve, {"1", "2", "3", "4", "5", "6", "99999999999999999999"},
     "le résultat 99999999999999999999 n'est pas entre 0 et 9999"},
    {Commande::Solve, AvecTirage({"--fast"}), "option inconnue « --fast »"},
    {Commande::Solve, AvecTirage({"-x"}), "option inconnue « -x »"},
    {Commande::Solve, AvecTirage({"--"}), "option inconnue « -- »"},
    {Commande::Solve, AvecTirage({"--json", "--json"}), "l'option --json est donnée deux fois"},
    {Commande::Solve, AvecTirage({"--tirages", "3"}), "--tirages ne va qu'avec --nouveau-code"},
    {Commande::Solve, AvecTirage({"--temps", "30"}), "--temps ne va qu'avec --adversaire, --nouveau-code, --chance ou --a-ma-mesure"},
    {Commande::Solve, AvecTirage({"--graine", "3"}), "--graine ne va qu'avec --adversaire ou --a-ma-mesure"},
    // A draws file.
    {Commande::Solve, {"--file"}, "--file attend le chemin d'un fichier de tirages"},
    {Commande::Solve, {"--file", ""}, "--file attend le chemin d'un fichier de tirages"},
    {Commande::Solve, {"--file", "--json"}, "--file attend le chemin d'un fichier de tirages"},
    {Commande::Solve, AvecTirage({"--file", "x.tir"}), "« 75 » est de trop : --file ne prend qu'une valeur"},
    {Commande::Solve, {"--file", "a.tir", "--file", "b.tir"}, "l'option --file est donnée deux fois"},
    {Commande::Solve, {"--file", "a.tir", "--all"}, "--all ne va pas avec --file"},
    // The draw of the day.
    {Commande::Solve, {"--jour", "2026-02-30"}, "« 2026-02-30 » n'est pas une date AAAA-MM-JJ"},
    {Commande::Solve, {"--jour", "7/12/2026"}, "« 7/12/2026 » n'est pas une date AAAA-MM-JJ"},
    {Commande::Solve, {"--jour", "0000-03-01"}, "« 0000-03-01 » n'est pas une date AAAA-MM-JJ"},
    {Commande::Solve, AvecTirage({"--jour", "2026-12-07"}), "« 75 » est de trop : --jour ne prend qu'une valeur"},
    {Commande::Solve, {"--jour", "2026-12-07", "--jour", "2026-12-08"}, "l'option --jour est donnée deux fois"},
    {Commande::Solve, {"--jour", "--series"}, "--series ne va pas avec --jour"},
    {Commande::Solve, {"--jour", "--file", "x.tir"}, "--jour et --file ne vont pas ensemble"},
    // The computer opponent.
    {Commande::Solve, {"--adversaire"}, "--adversaire attend une force de 1 à 5"},
    {Commande::Solve, AvecTirage({"--adversaire", "0"}), "la force 0 n'est pas entre 1 et 5"},
    {Commande::Solve, AvecTirage({"--adversaire", "6"}), "la force 6 n'est pas entre 1 et 5"},
    {Commande::Solve, AvecTirage({"--adversaire", "trois"}), "« trois » n'est pas un nombre entier"},
    {Commande::Solve, AvecTirage({"--adversaire", "2", "--adversaire", "3"}), "l'option --adversaire est donnée deux fois"},
    {Commande::Solve, AvecTirage({"--adversaire", "3", "--temps", "-1"}), "« -1 »" + TempsDuel},
    {Commande::Solve, AvecTirage({"--adversaire", "3", "--temps", "nan"}), "« nan »" + TempsDuel},
    {Commande::Solve, AvecTirage({"--adversaire", "3", "--temps", "inf"}), "« inf »" + TempsDuel},
    {Commande::Solve, AvecTirage({"--adversaire", "3", "--temps", "12s"}), "« 12s »" + TempsDuel},
    {Commande::Solve, AvecTirage({"--adversaire", "3", "--temps", "1e3"}), "« 1e3 »" + TempsDuel},
    {Commande::Solve, AvecTirage({"--adversaire", "3", "--temps", "0.05"}), "« 0.05 »" + TempsDuel},
    {Commande::Solve, AvecTirage({"--adversaire", "3", "--temps", "5."}), "« 5. »" + TempsDuel},
    {Commande::Solve, AvecTirage({"--adversaire", "3", "--temps", ".5"}), "« .5 »" + TempsDuel},
    {Commande::Solve, AvecTirage({"--adversaire", "3", "--temps", "3600.1"}), "« 3600.1 »" + TempsDuel},
    {Commande::Solve, AvecTirage({"--adversaire", "3", "--temps", "10", "--temps", "20"}),
     "l'option --temps est donnée deux fois"},
    {Commande::Solve, AvecTirage({"--adversaire", "3", "--graine", "-4"}), "« -4 »" + Graine},
    {Commande::Solve, AvecTirage({"--adversaire", "3", "--graine", "0x10"}), "« 0x10 »" + Graine},
    {Commande::Solve, AvecTirage({"--adversaire", "3", "--graine", "18446744073709551616"}),
     "« 18446744073709551616 »" + Graine},
    {Commande::Solve, {"--adversaire", "3", "--graine"}, "--graine attend un nombre entier de 0 à 18446744073709551615"},
    {Commande::Solve, AvecTirage({"--adversaire", "3", "--series"}), "--series ne va pas avec --adversaire"},
    {Commande::Solve, AvecTirage({"--adversaire", "3", "--all"}), "--all ne va pas avec --adversaire"},
    {Commande::Solve, {"--adversaire", "3", "1", "2", "3", "4", "5", "6"},
     "il faut six nombres et le résultat à trouver, soit 7 valeurs (reçu 6)"},
    {Commande::Solve, {"--adversaire", "3", "--jour", "2026-05-01"}, "--adversaire et --jour ne vont pas ensemble"},
    // Club play by code.
    {Commande::Solve, {"--code"}, "--code attend un code de partie"},
    {Commande::Solve, {"--code", "143S-ZZZZ-ZZZB"}, Controle},
    {Commande::Solve, {"--code", "143S-ZZZZ-ZZZ"}, "Un code de partie a 12 caractères ; celui-ci en a 11."},
    {Commande::Solve, {"--code", "192G-0000-000N", "--adversaire", "3"}, "--code et --adversaire ne vont pas ensemble"},
    {Commande::Solve, {"--code", "192G-0000-000N", "--points"}, "--code et --points ne vont pas ensemble"},
    {Commande::Solve, {"--code", "192G-0000-000N", "--realisables"}, "--realisables ne va pas avec --code"},
    {Commande::Solve, {"--code", "192G-0000-000N", "--code", "143S-ZZZZ-ZZZA"}, "l'option --code est donnée deux fois"},
    {Commande::Solve, {"--nouveau-code", "--tirages"}, "--tirages attend un nombre de tirages de 1 à 32"},
    {Commande::Solve, {"--nouveau-code", "--tirages", "0"}, "le nombre de tirages 0 n'est pas entre 1 et 32"},
    {Commande::Solve, {"--nouveau-code", "--tirages", "33"}, "le nombre de tirages 33 n'est pas entre 1 et 32"},
    {Commande::Solve, {"--nouveau-code", "--tirages", "3", "--tirages", "4"}, "l'option --tirages est donnée deux fois"},
    {Commande::Solve, {"--nouveau-code", "--temps", "--realisables"}, "--temps attend un nombre de secondes de 10 à 300"},
    {Commande::Solve, {"--nouveau-code", "--temps", "5"}, "le temps en secondes 5 n'est pas entre 10 et 300"},
    {Commande::Solve, {"--nouveau-code", "--temps", "10000"}, "le temps en secondes 10000 n'est pas entre 10 et 300"},
    {Commande::Solve, {"--nouveau-code", "--temps", "12.5"}, "« 12.5 » n'est pas un nombre entier"},
    {Commande::Solve, {"--nouveau-code", "--json"}, "--json ne va pas avec --nouveau-code"},
    {Commande::Solve, {"--nouveau-code", "10"}, "« 10 » est de trop : --nouveau-code ne prend pas de valeur"},
    {Commande::Solve, {"--points", "1", "100"},
     "--points attend six nombres, la cible et le résultat trouvé, soit 8 valeurs (reçu 2)"},
    {Commande::Solve, {"--points", "1", "2", "3"},
     "--points attend six nombres, la cible et le résultat trouvé, soit 8 valeurs (reçu 3)"},
    {Commande::Solve, {"--points", "10", "3", "20", "13"},
     "--points attend six nombres, la cible et le résultat trouvé, soit 8 valeurs (reçu 4)"},
    {Commande::Solve, {"--points", "1", "2", "x", "4", "5", "6", "100", "97"}, "« x » n'est pas un nombre entier"},
    {Commande::Solve, {"--points", "1", "2", "3", "4", "5", "6", "10000", "97"}, "la cible 10000 n'est pas entre 0 et 9999"},
    {Commande::Solve, {"--points", "1", "2", "3", "4", "5", "6", "100", "-3"},
     "le résultat -3 n'est pas entre 0 et 2147483647"},
    {Commande::Solve, {"--points", "--all", "1", "2", "3", "4", "5", "6", "100", "97"}, "--all ne va pas avec --points"},
    // The whole standard game.
    {Commande::Stats, {"1", "2", "3"}, "il faut six nombres (reçu 3)"},
    {Commande::Stats, {"1", "2", "3", "4", "5", "6", "7"}, "il faut six nombres (reçu 7)"},
    {Commande::Stats, {"1", "2", "3", "4", "5", "x"}, "« x » n'est pas un nombre entier"},
    {Commande::Stats, {"0", "1", "2", "3", "4", "5"}, "le nombre 0 n'est pas entre 1 et 999"},
    {Commande::Stats, {"1", "2", "3", "4", "5", "1000"}, "le nombre 1000 n'est pas entre 1 et 999"},
    {Commande::Stats, {"--adversaires", "1", "2", "3", "4", "5", "6"},
     "« 1 » est de trop : --adversaires ne prend pas de valeur"},
    {Commande::Stats, {"--difficulte", "1", "2", "3"}, "« 1 » est de trop : --difficulte ne prend pas de valeur"},
    {Commande::Stats, {"--difficulte", "--adversaires"}, "--difficulte et --adversaires ne vont pas ensemble"},
    {Commande::Stats, {"--adversaires", "--adversaires"}, "l'option --adversaires est donnée deux fois"},
    {Commande::Stats, {"--json", "--json"}, "l'option --json est donnée deux fois"},
    {Commande::Stats, {"--series"}, "option inconnue « --series »"},
};

// Every refusal: exit code 2, nothing on the standard output, and one line
// on the error stream that names the command and says what is wrong.
TEST(LigneDeCommande, EveryBadInputOfBothCommandsExitsTwoWithOneClearLine) {
  for (const auto& [commande, arguments, message] : LignesRefusees) {
    const Issue issue = Lance(commande, arguments);
    const std::string nom = commande == Commande::Solve ? "tolvan-solve : " : "tolvan-stats : ";
    EXPECT_EQ(issue.code, 2) << Ligne(arguments);
    EXPECT_EQ(issue.sortie, "") << Ligne(arguments);
    EXPECT_EQ(issue.erreurs, nom + message + "\n") << Ligne(arguments);
  }
}

// What a terminal must not run, nor be flooded with, whichever command and
// whichever place of the line it is refused at.
TEST(LigneDeCommande, ARefusedArgumentIsQuotedSafeAndShort) {
  const std::string echappement = "\x1b]0;titre\x07\x1b[2J\xc3\x28\x9b" + std::string(131072, 'A');
  const std::vector<std::pair<Commande, std::vector<std::string>>> cas = {
      {Commande::Solve, {"--jour", echappement}},
      {Commande::Solve, {"--" + echappement}},
      {Commande::Solve, {"1", "2", echappement, "4", "5", "6", "100"}},
      {Commande::Solve, {"--points", "--" + echappement}},
      {Commande::Solve, {"--nouveau-code", echappement}},
      {Commande::Solve, AvecTirage({"--adversaire", "3", "--temps", echappement})},
      {Commande::Stats, {"--" + echappement}},
      {Commande::Stats, {"1", "2", "3", "4", "5", echappement}},
  };
  for (const auto& [commande, arguments] : cas) {
    const Issue issue = Lance(commande, arguments);
    EXPECT_EQ(issue.code, 2);
    EXPECT_LT(issue.erreurs.size(), 200u) << issue.erreurs.size();
    for (const unsigned char c : issue.erreurs.substr(0, issue.erreurs.size() - 1)) {
      EXPECT_TRUE(c >= 0x20 && c != 0x7f) << issue.erreurs;
    }
    EXPECT_NE(issue.erreurs.find("?]0;titre??[2J?(?AAA"), std::string::npos) << issue.erreurs;
    EXPECT_NE(issue.erreurs.find("AAAA… »"), std::string::npos) << issue.erreurs;
  }
  // A code's refused character is named, never printed raw.
  const Issue code = Lance(Commande::Solve, {"--code", "19\x1b[2J" + std::string(100000, '\x80')});
  EXPECT_EQ(code.erreurs, "tolvan-solve : « U+001B » ne peut pas figurer dans un code de partie.\n");
  const Issue octets = Lance(Commande::Solve, {"--code", "19\xe0" + std::string(100000, '\x80')});
  EXPECT_EQ(octets.erreurs, "tolvan-solve : « \ufffd » ne peut pas figurer dans un code de partie.\n");
  // Letters of any language pass as they are.
  EXPECT_NE(Lance(Commande::Solve, {"--jour", "Noël-été"}).erreurs.find("« Noël-été »"), std::string::npos);
}

TEST(LigneDeCommande, HelpPrintsTheUsageOfEachCommand) {
  for (const Commande commande : {Commande::Solve, Commande::Stats}) {
    for (const char* aide : {"--help", "-h"}) {
      const Issue issue = Lance(commande, {aide});
      EXPECT_EQ(issue.code, 0);
      EXPECT_TRUE(issue.sortie.starts_with("usage : tolvan-")) << issue.sortie;
      EXPECT_EQ(issue.erreurs, "");
    }
  }
  EXPECT_NE(Lance(Commande::Solve, {"--help"}).sortie.find("--points [--json] N1 N2 N3 N4 N5 N6 CIBLE RESULTAT"),
            std::string::npos);
}

}  // namespace
}  // namespace tolvan::solve
