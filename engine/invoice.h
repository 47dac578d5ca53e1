#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state.h"

// Tax per rate, rounded once: what a qualified invoice states. Every first press of a tax key
// adds the figure it worked from to the register of the rate it used; the table sums each
// register and rounds its tax once to whole yen, never line by line. All amounts are decimal
// texts computed exactly (decimal.h); nothing here goes through binary floating point except
// the rate, which arrives as the settings keep it and is turned into a decimal text once.
namespace kelvo {

// How a rate's tax is rounded to whole yen: the values [Invoice] Rounding keeps.
enum class InvoiceRounding : int {
  Down = 0,    // 切り捨て: toward zero
  Up = 1,      // 切り上げ: away from zero
  HalfUp = 2,  // 四捨五入: a half goes away from zero
};

// The rounding a stored value names; anything else is the default, Down.
InvoiceRounding InvoiceRoundingOf(int stored);

// A figure rounded to whole yen by `rounding` (a return, being negative, rounds by its magnitude).
std::string RoundToYen(std::string_view amount, InvoiceRounding rounding);

// One rate's register. The rate is kept as it was when the figures were added: a rate changed
// later starts a register of its own and never rewrites counted figures.
struct TaxRegister {
  double rate = 0;             // a fraction, as the settings held it (for naming it)
  std::string rateText;        // the same as the decimal text the arithmetic uses ("0.1")
  bool reduced = false;        // added while the reduced rate was in use
  std::uint64_t count = 0;     // tax calculations counted
  std::string excluded = "0";  // the figures before 税込: amounts without tax
  std::string included = "0";  // the figures before 税抜: amounts with tax
};

// The registers of a session: they live as long as the program, like the grand total, and
// only Clear empties them.
class InvoiceRegisters {
 public:
  // Counts one tax calculation: `figure` without tax (AddTax) or with it (RemoveTax) at `rate`.
  // A zero figure counts nothing.
  void Add(double rate, bool reduced, TaxDirection direction, const std::string& figure);
  void Clear();

  bool Empty() const { return registers_.empty(); }
  // In the order each rate was first used.
  const std::vector<TaxRegister>& Registers() const { return registers_; }
  // Grows with every change, so that a window showing them knows when to look again.
  std::uint64_t Changes() const { return changes_; }

 private:
  std::vector<TaxRegister> registers_;
  std::uint64_t changes_ = 0;
};

// One row of the table. The amounts are exact decimal texts, or "E" where the amount is beyond
// the 14-digit display (that cell only).
struct InvoiceRow {
  std::string label;  // "10%", "軽8%", "合計"
  std::uint64_t count = 0;
  std::string excluded;  // 税抜金額
  std::string tax;       // 消費税
  std::string included;  // 税込金額
};

inline constexpr std::string_view kInvoiceTotalLabel = "合計";

// The table: a row for each standard rate, then each reduced rate, then the total. The rates in
// use now (`standardRate`, `reducedRate`) always have a row, empty until a figure arrives;
// other rates have one while their register holds figures. Per rate with E without tax and I
// with tax: 消費税 = R(E × r) + R(I × r / (1 + r)), 税込金額 = E + R(E × r) + I,
// 税抜金額 = 税込金額 − 消費税. The total row sums the rate rows.
std::vector<InvoiceRow> InvoiceTable(const InvoiceRegisters& registers, InvoiceRounding rounding, double standardRate,
                                     double reducedRate);

// The table as tab-separated text for a spreadsheet: a heading line, then one line per row,
// figures without digit-group commas. Lines end in LF.
std::string InvoiceCopyText(const std::vector<InvoiceRow>& table);

// The marks of the table on the paper tape; each is exactly two characters.
inline constexpr std::string_view kInvoiceRoundingMark = "端数";  // the rounding used, named in words
inline constexpr std::string_view kInvoiceRateMark = "税率";      // a rate row begins: the rate
inline constexpr std::string_view kInvoiceCountMark = "件数";     // calculations counted
inline constexpr std::string_view kInvoiceExcludedMark = "税抜";  // 税抜金額
inline constexpr std::string_view kInvoiceTaxMark = "税額";       // 消費税
inline constexpr std::string_view kInvoiceIncludedMark = "税込";  // 税込金額
inline constexpr std::string_view kInvoiceTotalMark = "合計";     // the total row begins (the mark alone)

// The table as one calculation on the paper tape: the rounding, then each rate row that counted
// something and the total, figures with digit-group commas. Empty when nothing was counted.
std::vector<std::string> InvoiceTapeLines(const std::vector<InvoiceRow>& table, InvoiceRounding rounding);

// The rounding's name: "切り捨て", "切り上げ", "四捨五入".
std::string_view InvoiceRoundingName(InvoiceRounding rounding);

}  // namespace kelvo
