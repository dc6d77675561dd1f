// The mini calculator of the hints band: a calculation such as 12+34 typed
// with the digits and operators of the keypad or of the main row, its two
// operands and operator picked out as they come, and its result on Enter.
#pragma once

#include <string>

namespace tolvan {

class MiniCalculatrice {
 public:
  // How the calculator tells the keys apart.
  enum class Touche { Chiffre, Fois, Plus, Moins, Divise, Entree, Autre };

  // `separateurDecimal`: how a quotient writes its decimals ("," in French).
  explicit MiniCalculatrice(std::string separateurDecimal = ",") : separateur_(std::move(separateurDecimal)) {}

  // A key goes down: after a result, a new calculation starts (the last
  // result stays shown until the next one).
  void Enfonce();
  // The character a key types: shown in the calculation; a digit also goes
  // to the left operand until an operator is chosen, then to the right one.
  void Tape(char caractere);
  // Once the key is typed: operators are chosen, Enter computes, and any
  // key that is neither a digit nor an operator wipes the calculation.
  void Relache(Touche touche);

  const std::string& Saisie() const { return saisie_; }
  const std::string& Nombre1() const { return nombre1_; }
  const std::string& Operateur() const { return operateur_; }
  const std::string& Nombre2() const { return nombre2_; }
  const std::string& Resultat() const { return resultat_; }

 private:
  void Efface();
  void Calcule();

  std::string separateur_;
  std::string saisie_;
  std::string nombre1_;
  std::string operateur_;
  std::string nombre2_;
  std::string resultat_;
  char operation_ = 0;  // '+', '-', 'x', '/' or none
  bool resultatAffiche_ = false;
};

// A quotient with four significant digits: fixed notation while it is at
// least 0.00001 and its whole part has at most four digits, otherwise
// scientific with a four-digit exponent ("3,333E+0004").
std::string QuatreChiffres(double valeur, const std::string& separateurDecimal);

}  // namespace tolvan
