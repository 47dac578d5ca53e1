#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kelvo {

// The entries of the function list lstKansu, in order (the last three are empty).
const QStringList& FunctionList();

// The typed formula made into one line of script expression, or the message that refuses it.
struct Normalized {
  QString expression;     // valid when error is empty and empty is false
  QString error;          // "E11..." or "E12..."
  bool empty = false;     // nothing but blanks and control characters: do nothing at all
};

// Drops line breaks, blanks and thousands commas, maps "×" "÷" and full-width characters to
// their half-width forms (text inside double quotes kept as typed), checks the brackets and
// drops one final "+", "-", "*", "/", ".", backslash or "=". Line breaks are CR LF pairs, as the
// formula box holds them.
Normalized NormalizeFormula(const QString& typed);

// Checks every token between the delimiters + - * / ^ \ ( ) { }; the message of the first
// refusal (E01 to E07), or nothing when the expression passes.
std::optional<QString> CheckFormulaTokens(const QString& expression);

// "2{Mod}3" becomes "2 Mod 3".
QString BracesToSpaces(QString expression);

// The full-width to half-width mapping: U+FF01..U+FF5E to ASCII, the ideographic space to a
// space, the full-width yen sign to a backslash; any other character unchanged.
QChar ToHalfWidth(QChar c);

}  // namespace kelvo
