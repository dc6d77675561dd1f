#include "SolutionText.h"

#include <array>

namespace tolvan {

namespace {

bool EstAdditive(longint oper) { return oper == OperAddition || oper == OperSoustraction; }
bool EstMultiplicative(longint oper) { return oper == OperMultiplication || oper == OperDivision; }

// Brackets grow with nesting: ( ), then [ ], then { } for every deeper level.
void Entoure(std::string& expression, int& niveau) {
  ++niveau;
  static constexpr std::array<const char*, 3> ouvrantes = {"(", "[", "{"};
  static constexpr std::array<const char*, 3> fermantes = {")", "]", "}"};
  const int forme = niveau < 3 ? niveau - 1 : 2;
  expression = ouvrantes[forme] + expression + fermantes[forme];
}

}  // namespace

longint Calcule(longint op1, longint op2, longint oper) {
  // Wide arithmetic so that operands read from a file can never overflow.
  const std::int64_t a = op1;
  const std::int64_t b = op2;
  switch (oper) {
    case OperAddition: return static_cast<longint>(a + b);
    case OperSoustraction: return static_cast<longint>(a - b);
    case OperDivision: return b == 0 ? op1 : static_cast<longint>(a / b);
    case OperMultiplication: return static_cast<longint>(a * b);
    default: return op1;
  }
}

std::string TexteEtape(const TEtape& etape) {
  std::string texte = std::to_string(etape.Op1);
  texte += TexteOper(etape.Oper);
  texte += std::to_string(etape.Op2);
  texte += '=';
  texte += std::to_string(Calcule(etape));
  return texte;
}

std::string TexteSolution(const TSolution& s) {
  const int n = s.NbEtapes;
  if (n == 0) return "Pas de solution";

  // Each result must be taken up by the very next step; note whether it comes
  // in as that step's first operand (looked for before the second).
  std::array<bool, NbEtapesMax + 1> premierOperande{};
  for (int k = 1; k < n; ++k) {
    const longint resultat = Calcule(s.Etapes[k]);
    int suivante = 0;
    for (int j = k + 1; j <= n && suivante == 0; ++j) {
      if (s.Etapes[j].Op1 == resultat) {
        suivante = j;
        premierOperande[k] = true;
      } else if (s.Etapes[j].Op2 == resultat) {
        suivante = j;
        premierOperande[k] = false;
      }
    }
    if (suivante != k + 1) return "?";
  }

  const TEtape& premiere = s.Etapes[1];
  std::string expression = std::to_string(premiere.Op1);
  expression += TexteOper(premiere.Oper);
  expression += std::to_string(premiere.Op2);
  int niveau = 0;
  for (int k = 1; k < n; ++k) {
    const longint oper = s.Etapes[k].Oper;
    const TEtape& suivante = s.Etapes[k + 1];
    if (EstAdditive(oper) && EstMultiplicative(suivante.Oper)) Entoure(expression, niveau);
    if (premierOperande[k]) {
      expression += TexteOper(suivante.Oper);
      expression += std::to_string(suivante.Op2);
    } else {
      // Read left to right, a-(b+c) and a/(bxc) need brackets of their own.
      const bool soustraitUneSomme = suivante.Oper == OperSoustraction && EstAdditive(oper);
      const bool diviseUnProduit = suivante.Oper == OperDivision && EstMultiplicative(oper);
      if (soustraitUneSomme || diviseUnProduit) Entoure(expression, niveau);
      expression = std::to_string(suivante.Op1) + std::string(TexteOper(suivante.Oper)) + expression;
    }
  }
  return std::to_string(Calcule(s.Etapes[n])) + "=" + expression;
}

}  // namespace tolvan
