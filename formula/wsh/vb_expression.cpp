#include "vb_expression.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "ascii.h"
#include "vb_ops.h"

namespace kelvo::wsh {
namespace {

struct SyntaxError {};

enum class Tok { Number, Name, Op, Mod, And, Or, Xor, Not, End };

struct Token {
  Token(Tok k = Tok::End) : kind(k) {}  // NOLINT: a kind converts to its token
  Tok kind;
  char op = 0;
  wsh::Value number;
  std::string_view name;
};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsWord(std::string_view word, std::string_view keyword) {
  if (word.size() != keyword.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if ((word[i] | 0x20) != keyword[i]) return false;
  return true;
}

class Lexer {
 public:
  explicit Lexer(std::string_view text) : text_(text) {}

  Token Next() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    // A comment runs to the end of the line.
    if (pos_ >= text_.size() || text_[pos_] == '\'') return {};
    const char c = text_[pos_];
    if (IsAsciiDigit(c) || (c == '.' && pos_ + 1 < text_.size() && IsAsciiDigit(text_[pos_ + 1]))) return ReadNumber();
    if (IsLetter(c)) {
      const std::size_t start = pos_;
      while (pos_ < text_.size() && (IsLetter(text_[pos_]) || IsAsciiDigit(text_[pos_]) || text_[pos_] == '_')) ++pos_;
      const std::string_view word = text_.substr(start, pos_ - start);
      if (IsWord(word, "mod")) return {Tok::Mod};
      if (IsWord(word, "and")) return {Tok::And};
      if (IsWord(word, "or")) return {Tok::Or};
      if (IsWord(word, "xor")) return {Tok::Xor};
      if (IsWord(word, "not")) return {Tok::Not};
      if (!IsBuiltin(word)) throw SyntaxError{};
      Token t{Tok::Name};
      t.name = word;
      return t;
    }
    if (std::string_view("+-*/\\^(),").find(c) != std::string_view::npos) {
      ++pos_;
      Token t{Tok::Op};
      t.op = c;
      return t;
    }
    throw SyntaxError{};
  }

 private:
  // Digits alone are an Integer up to 32767, a Long up to 2147483647 and a Double beyond; a
  // point or an exponent makes a Double ("10." and ".5" included).
  Token ReadNumber() {
    const std::size_t start = pos_;
    bool real = false;
    while (pos_ < text_.size() && IsAsciiDigit(text_[pos_])) ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '.') {
      real = true;
      ++pos_;
      while (pos_ < text_.size() && IsAsciiDigit(text_[pos_])) ++pos_;
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      std::size_t at = pos_ + 1;
      if (at < text_.size() && (text_[at] == '+' || text_[at] == '-')) ++at;
      if (at < text_.size() && IsAsciiDigit(text_[at])) {
        real = true;
        pos_ = at;
        while (pos_ < text_.size() && IsAsciiDigit(text_[pos_])) ++pos_;
      }
    }
    const std::string_view digits = text_.substr(start, pos_ - start);
    Token t{Tok::Number};
    if (!real) {
      std::uint64_t whole = 0;
      auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), whole);
      if (error == std::errc{} && end == digits.data() + digits.size()) {
        if (whole <= 32767) t.number = wsh::Value::Integer(static_cast<std::int64_t>(whole));
        else if (whole <= 2147483647) t.number = wsh::Value::Long(static_cast<std::int64_t>(whole));
        else t.number = wsh::Value::Double(static_cast<double>(whole));
        return t;
      }
    }
    double value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range && digits.find("e-") != std::string_view::npos) value = 0;
    else if (error != std::errc{} || end != digits.data() + digits.size() || !std::isfinite(value)) throw SyntaxError{};
    t.number = wsh::Value::Double(value);
    return t;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// The compiled expression: nodes in one array, children by index. A chain of one precedence
// level ("1+2-3") is one node with its operands in order, so left-grouped chains of any length
// are evaluated by a loop, and the depth of the tree stays bounded by the nesting limit.
struct Node {
  enum Kind { Literal, Name, Call, Chain, Negate, Not };
  explicit Node(Kind k) : kind(k) {}
  Kind kind;
  wsh::Value literal;
  std::string_view name;
  std::vector<int> children;     // Call: callee then arguments; Chain: operands; Negate/Not: operand
  std::vector<BinaryOp> ops;     // Chain: the operator before each operand after the first
};

class Parser {
 public:
  explicit Parser(std::string_view text) : lexer_(text) {}

  int ParseAll() {
    Advance();
    const int root = ParseXor();
    if (token_.kind != Tok::End) throw SyntaxError{};
    return root;
  }

  std::vector<Node> nodes;

 private:
  void Advance() { token_ = lexer_.Next(); }
  bool AtOp(char op) const { return token_.kind == Tok::Op && token_.op == op; }

  int Add(Node node) {
    nodes.push_back(std::move(node));
    return static_cast<int>(nodes.size()) - 1;
  }

  void Enter() {
    if (++depth_ > kMaxNesting) throw SyntaxError{};
  }
  void Leave() { --depth_; }

  // One left-grouped level: operands from `next`, joined by the operators `match` accepts.
  template <typename Next, typename Match>
  int Chain(Next next, Match match) {
    const int first = (this->*next)();
    std::optional<BinaryOp> op = match(token_);
    if (!op) return first;
    Node chain{Node::Chain};
    chain.children.push_back(first);
    while (op) {
      Advance();
      chain.ops.push_back(*op);
      chain.children.push_back((this->*next)());
      op = match(token_);
    }
    return Add(std::move(chain));
  }

  static std::optional<BinaryOp> Keyword(const Token& t, Tok kind, BinaryOp op) {
    return t.kind == kind ? std::optional<BinaryOp>(op) : std::nullopt;
  }

  int ParseXor() { return Chain(&Parser::ParseOr, [](const Token& t) { return Keyword(t, Tok::Xor, BinaryOp::Xor); }); }
  int ParseOr() { return Chain(&Parser::ParseAnd, [](const Token& t) { return Keyword(t, Tok::Or, BinaryOp::Or); }); }
  int ParseAnd() { return Chain(&Parser::ParseNot, [](const Token& t) { return Keyword(t, Tok::And, BinaryOp::And); }); }

  int ParseNot() {
    if (token_.kind != Tok::Not) return ParseAdditive();
    Advance();
    Enter();
    Node node{Node::Not};
    node.children.push_back(ParseNot());
    Leave();
    return Add(std::move(node));
  }

  int ParseAdditive() {
    return Chain(&Parser::ParseMod, [](const Token& t) -> std::optional<BinaryOp> {
      if (t.kind != Tok::Op) return std::nullopt;
      if (t.op == '+') return BinaryOp::Add;
      if (t.op == '-') return BinaryOp::Subtract;
      return std::nullopt;
    });
  }
  int ParseMod() { return Chain(&Parser::ParseIntDiv, [](const Token& t) { return Keyword(t, Tok::Mod, BinaryOp::Mod); }); }
  int ParseIntDiv() {
    return Chain(&Parser::ParseMultiplicative, [](const Token& t) -> std::optional<BinaryOp> {
      if (t.kind == Tok::Op && t.op == '\\') return BinaryOp::IntDivide;
      return std::nullopt;
    });
  }
  int ParseMultiplicative() {
    return Chain(&Parser::ParseSign, [](const Token& t) -> std::optional<BinaryOp> {
      if (t.kind != Tok::Op) return std::nullopt;
      if (t.op == '*') return BinaryOp::Multiply;
      if (t.op == '/') return BinaryOp::Divide;
      return std::nullopt;
    });
  }
  // A sign binds looser than "^" and tighter than "*": -3^2 is -(3^2), 2*-3^2 is 2*(-(3^2)).
  int ParseSign() { return Signed(&Parser::ParsePower); }

  int ParsePower() {
    return Chain(&Parser::ParseExponent, [](const Token& t) -> std::optional<BinaryOp> {
      if (t.kind == Tok::Op && t.op == '^') return BinaryOp::Power;
      return std::nullopt;
    });
  }

  // An operand of "^". Only the one after a "^" can carry a sign (2^-2); a sign before the first
  // one has been taken by ParseSign.
  int ParseExponent() { return Signed(&Parser::ParseOperand); }

  // Any number of signs before what `next` reads.
  int Signed(int (Parser::*next)()) {
    if (!AtOp('-') && !AtOp('+')) return (this->*next)();
    const bool minus = AtOp('-');
    Advance();
    Enter();
    const int operand = Signed(next);
    Leave();
    if (!minus) return operand;
    Node node{Node::Negate};
    node.children.push_back(operand);
    return Add(std::move(node));
  }

  int ParseOperand() {
    int node = -1;
    if (token_.kind == Tok::Number) {
      Node literal{Node::Literal};
      literal.literal = token_.number;
      Advance();
      return Add(std::move(literal));  // a number takes no argument list
    }
    if (token_.kind == Tok::Name) {
      Node name{Node::Name};
      name.name = token_.name;
      Advance();
      node = Add(std::move(name));
    } else if (AtOp('(')) {
      Advance();
      Enter();
      node = ParseXor();
      Leave();
      if (!AtOp(')')) throw SyntaxError{};
      Advance();
      return node;  // a bracketed value takes no argument list: "(1)(2)" does not compile
    } else {
      throw SyntaxError{};
    }
    while (AtOp('(')) node = ParseArguments(node);
    return node;
  }

  int ParseArguments(int callee) {
    Advance();
    Enter();
    Node call{Node::Call};
    call.children.push_back(callee);
    if (!AtOp(')')) {
      call.children.push_back(ParseXor());
      while (AtOp(',')) {
        Advance();
        call.children.push_back(ParseXor());
      }
    }
    Leave();
    if (!AtOp(')')) throw SyntaxError{};
    Advance();
    return Add(std::move(call));
  }

  Lexer lexer_;
  Token token_;
  int depth_ = 0;
};

class Evaluator {
 public:
  Evaluator(const std::vector<Node>& nodes, const Clock& clock) : nodes_(nodes), clock_(clock) {}

  wsh::Value Eval(int index) const {
    const Node& node = nodes_[static_cast<std::size_t>(index)];
    switch (node.kind) {
      case Node::Literal: return node.literal;
      case Node::Name: return CallBuiltin(node.name, {}, clock_);
      case Node::Negate: return Negate(Eval(node.children[0]));
      case Node::Not: return wsh::Not(Eval(node.children[0]));
      case Node::Chain: {
        wsh::Value result = Eval(node.children[0]);
        for (std::size_t i = 1; i < node.children.size(); ++i)
          result = Binary(node.ops[i - 1], result, Eval(node.children[i]));
        return result;
      }
      case Node::Call: {
        const Node& callee = nodes_[static_cast<std::size_t>(node.children[0])];
        if (callee.kind != Node::Name) {
          // Only a function takes arguments: a value with a list after it does not.
          Eval(node.children[0]);
          throw VbError{kErrTypeMismatch};
        }
        std::vector<wsh::Value> args;
        for (std::size_t i = 1; i < node.children.size(); ++i) args.push_back(Eval(node.children[i]));
        return CallBuiltin(callee.name, args, clock_);
      }
    }
    return {};
  }

 private:
  const std::vector<Node>& nodes_;
  const Clock& clock_;
};

}  // namespace

Outcome Evaluate(std::string_view expression, const Clock& clock) {
  if (expression.size() > kMaxExpressionBytes) return {};
  Parser parser(expression);
  int root = -1;
  try {
    root = parser.ParseAll();
  } catch (const SyntaxError&) {
    return {};
  }
  try {
    Outcome outcome;
    outcome.kind = Outcome::Value;
    outcome.value = Evaluator(parser.nodes, clock).Eval(root);
    return outcome;
  } catch (const VbError& error) {
    Outcome outcome;
    outcome.kind = Outcome::RuntimeError;
    outcome.error = error.number;
    return outcome;
  }
}

}  // namespace kelvo::wsh
