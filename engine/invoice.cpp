#include "invoice.h"

#include <algorithm>

#include "decimal.h"
#include "format.h"
#include "tax_rate_name.h"

namespace kelvo {
namespace {

// Whether a decimal text has more whole digits than the display shows.
bool BeyondDisplay(std::string_view amount) {
  std::string_view whole = amount.substr(0, amount.find('.'));
  if (!whole.empty() && whole.front() == '-') whole.remove_prefix(1);
  while (!whole.empty() && whole.front() == '0') whole.remove_prefix(1);
  return whole.size() > static_cast<size_t>(kDisplayDigits);
}

std::string Cell(const std::string& amount) { return BeyondDisplay(amount) ? "E" : amount; }

// A row's exact amounts, before they become cells.
struct Sums {
  std::uint64_t count = 0;
  std::string excluded = "0", tax = "0", included = "0";
};

Sums RegisterSums(const TaxRegister& reg, InvoiceRounding rounding) {
  const std::string onExcluded = RoundToYen(DecMultiply(reg.excluded, reg.rateText), rounding);
  const std::string onePlusRate = DecAdd("1", reg.rateText);
  // A rate of -100 % leaves no amount without tax to take the tax out of.
  const std::string inIncluded =
      IsZeroText(onePlusRate) ? "0"
                              : RoundToYen(DecDivide(DecMultiply(reg.included, reg.rateText), onePlusRate), rounding);
  Sums sums;
  sums.count = reg.count;
  sums.tax = DecAdd(onExcluded, inIncluded);
  sums.included = DecAdd(DecAdd(reg.excluded, onExcluded), reg.included);
  sums.excluded = DecSubtract(sums.included, sums.tax);
  return sums;
}

InvoiceRow RowOf(std::string label, const Sums& sums) {
  return {std::move(label), sums.count, Cell(sums.excluded), Cell(sums.tax), Cell(sums.included)};
}

std::string Grouped(const std::string& cell) { return cell == "E" ? cell : GroupDigits(cell); }

}  // namespace

InvoiceRounding InvoiceRoundingOf(int stored) {
  return stored == 1 ? InvoiceRounding::Up : stored == 2 ? InvoiceRounding::HalfUp : InvoiceRounding::Down;
}

std::string_view InvoiceRoundingName(InvoiceRounding rounding) {
  switch (rounding) {
    case InvoiceRounding::Up: return "切り上げ";
    case InvoiceRounding::HalfUp: return "四捨五入";
    default: return "切り捨て";
  }
}

std::string RoundToYen(std::string_view amount, InvoiceRounding rounding) {
  const size_t point = amount.find('.');
  const std::string cut = DecAdd(amount.substr(0, point), "0");  // "-0" and "" read as 0
  if (point == std::string_view::npos) return cut;
  const std::string_view fraction = amount.substr(point + 1);
  const bool anyFraction = fraction.find_first_not_of('0') != std::string_view::npos;
  const bool raise = rounding == InvoiceRounding::Up ? anyFraction
                     : rounding == InvoiceRounding::HalfUp ? !fraction.empty() && fraction.front() >= '5'
                                                           : false;
  if (!raise) return cut;
  return !amount.empty() && amount.front() == '-' ? DecSubtract(cut, "1") : DecAdd(cut, "1");
}

void InvoiceRegisters::Add(double rate, bool reduced, TaxDirection direction, const std::string& figure) {
  if (direction == TaxDirection::None || IsZeroText(figure)) return;
  const std::string rateText = FormatGeneral15Plain(rate);
  auto reg = std::find_if(registers_.begin(), registers_.end(),
                          [&](const TaxRegister& r) { return r.reduced == reduced && r.rateText == rateText; });
  if (reg == registers_.end()) reg = registers_.insert(registers_.end(), TaxRegister{rate, rateText, reduced});
  ++reg->count;
  std::string& sum = direction == TaxDirection::AddTax ? reg->excluded : reg->included;
  sum = DecAdd(sum, figure);
  ++changes_;
}

void InvoiceRegisters::Clear() {
  registers_.clear();
  ++changes_;
}

std::vector<InvoiceRow> InvoiceTable(const InvoiceRegisters& registers, InvoiceRounding rounding, double standardRate,
                                     double reducedRate) {
  std::vector<InvoiceRow> table;
  Sums total;
  for (const bool reduced : {false, true}) {
    const std::string current = FormatGeneral15Plain(reduced ? reducedRate : standardRate);
    // The rate in use first, then the rates used before it, as they were first used.
    std::vector<const TaxRegister*> group;
    for (const TaxRegister& reg : registers.Registers())
      if (reg.reduced == reduced) group.insert(reg.rateText == current ? group.begin() : group.end(), &reg);
    if (group.empty() || group.front()->rateText != current)
      table.push_back(RowOf(TaxRateName(reduced ? reducedRate : standardRate, reduced), Sums{}));
    for (const TaxRegister* reg : group) {
      const Sums sums = RegisterSums(*reg, rounding);
      table.push_back(RowOf(TaxRateName(reg->rate, reg->reduced), sums));
      total.count += sums.count;
      total.excluded = DecAdd(total.excluded, sums.excluded);
      total.tax = DecAdd(total.tax, sums.tax);
      total.included = DecAdd(total.included, sums.included);
    }
  }
  table.push_back(RowOf(std::string(kInvoiceTotalLabel), total));
  return table;
}

std::string InvoiceCopyText(const std::vector<InvoiceRow>& table) {
  std::string text = "税率\t件数\t税抜金額\t消費税\t税込金額\n";
  for (const InvoiceRow& row : table) {
    text += row.label + '\t' + std::to_string(row.count) + '\t' + row.excluded + '\t' + row.tax + '\t' +
            row.included + '\n';
  }
  return text;
}

std::vector<std::string> InvoiceTapeLines(const std::vector<InvoiceRow>& table, InvoiceRounding rounding) {
  std::vector<std::string> lines;
  if (table.empty() || table.back().count == 0) return lines;
  lines.push_back(std::string(InvoiceRoundingName(rounding)) + std::string(kInvoiceRoundingMark));
  for (const InvoiceRow& row : table) {
    const bool total = &row == &table.back();
    if (!total && row.count == 0) continue;
    lines.push_back(total ? std::string(kInvoiceTotalMark) : row.label + std::string(kInvoiceRateMark));
    lines.push_back(std::to_string(row.count) + std::string(kInvoiceCountMark));
    lines.push_back(Grouped(row.excluded) + std::string(kInvoiceExcludedMark));
    lines.push_back(Grouped(row.tax) + std::string(kInvoiceTaxMark));
    lines.push_back(Grouped(row.included) + std::string(kInvoiceIncludedMark));
  }
  return lines;
}

}  // namespace kelvo
