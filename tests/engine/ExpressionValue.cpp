#include "ExpressionValue.h"

#include <numeric>

namespace tolvan::test {

namespace {

struct Fraction {
  long long num = 0;
  long long den = 1;
};

Fraction Reduce(long long num, long long den) {
  if (den < 0) {
    num = -num;
    den = -den;
  }
  const long long g = std::gcd(num, den);
  return g > 1 ? Fraction{num / g, den / g} : Fraction{num, den};
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  std::optional<Fraction> Whole() {
    auto value = Sum();
    if (!value || pos_ != text_.size()) return std::nullopt;
    return value;
  }

 private:
  std::optional<Fraction> Sum() {
    auto left = Product();
    while (left && (Peek() == '+' || Peek() == '-')) {
      const char op = text_[pos_++];
      const auto right = Product();
      if (!right) return std::nullopt;
      const long long num = op == '+' ? left->num * right->den + right->num * left->den
                                      : left->num * right->den - right->num * left->den;
      left = Reduce(num, left->den * right->den);
    }
    return left;
  }

  std::optional<Fraction> Product() {
    auto left = Atom();
    while (left && (Peek() == 'x' || Peek() == '/')) {
      const char op = text_[pos_++];
      const auto right = Atom();
      if (!right) return std::nullopt;
      if (op == 'x') {
        left = Reduce(left->num * right->num, left->den * right->den);
      } else {
        if (right->num == 0) return std::nullopt;
        left = Reduce(left->num * right->den, left->den * right->num);
      }
    }
    return left;
  }

  std::optional<Fraction> Atom() {
    const char c = Peek();
    if (c == '(' || c == '[' || c == '{') {
      const char close = c == '(' ? ')' : c == '[' ? ']' : '}';
      ++pos_;
      auto inner = Sum();
      if (!inner || Peek() != close) return std::nullopt;
      ++pos_;
      return inner;
    }
    if (c < '0' || c > '9') return std::nullopt;
    long long value = 0;
    while (Peek() >= '0' && Peek() <= '9') value = value * 10 + (text_[pos_++] - '0');
    return Fraction{value, 1};
  }

  char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<long long> ExpressionValue(std::string_view text) {
  const auto value = Parser(text).Whole();
  if (!value || value->den != 1) return std::nullopt;
  return value->num;
}

}  // namespace tolvan::test
