// Tax per rate, rounded once: invoices keyed in as a bookkeeper checks them, and the table the
// tax registers then give, row by row as "label count without tax with" joined by " / ".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "invoice.h"
#include "key_script.h"

using namespace kelvo;

namespace {

std::string Rows(const std::vector<InvoiceRow>& table) {
  std::string out;
  for (const InvoiceRow& row : table) {
    if (!out.empty()) out += " / ";
    out += row.label + ' ' + std::to_string(row.count) + ' ' + row.excluded + ' ' + row.tax + ' ' + row.included;
  }
  return out;
}

// The table the "invoice" token reads after the keys.
std::string TableAfter(const std::string& keys) {
  KeyScript script;
  EXPECT_EQ(script.ApplyLine(keys + " invoice"), "");
  return script.InvoiceShown() ? Rows(*script.InvoiceShown()) : "no table";
}

const std::string kThreeLinesOf105 = "1 0 5 tax+ 1 0 5 tax+ 1 0 5 tax+";
const std::string kBigLine = "9 0 9 0 9 0 9 0 9 0 9 0 9 0";  // 14 digits whose tax still fits

struct Invoice {
  const char* name;
  std::string keys;
  std::string table;
};

TEST(InvoiceTable, TaxIsRoundedOncePerRate) {
  const Invoice invoices[] = {
      {"three lines rounded down", kThreeLinesOf105, "10% 3 315 31 346 / 軽8% 0 0 0 0 / 合計 3 315 31 346"},
      {"three lines rounded up", "invoice=UP " + kThreeLinesOf105, "10% 3 315 32 347 / 軽8% 0 0 0 0 / 合計 3 315 32 347"},
      {"three lines rounded half up", "invoice=54 " + kThreeLinesOf105,
       "10% 3 315 32 347 / 軽8% 0 0 0 0 / 合計 3 315 32 347"},
      {"the rounding is chosen after the keys", kThreeLinesOf105 + " invoice=UP",
       "10% 3 315 32 347 / 軽8% 0 0 0 0 / 合計 3 315 32 347"},
      {"mixed standard and reduced", kThreeLinesOf105 + " keigen=on 1 0 0 0 tax+",
       "10% 3 315 31 346 / 軽8% 1 1000 80 1080 / 合計 4 1315 111 1426"},
      {"tax-included lines", "1 1 0 0 tax- 1 1 0 0 tax-", "10% 2 2000 200 2200 / 軽8% 0 0 0 0 / 合計 2 2000 200 2200"},
      {"with and without tax at one rate", "1 0 5 tax+ 1 1 0 tax-", "10% 2 205 20 225 / 軽8% 0 0 0 0 / 合計 2 205 20 225"},
      {"a return", kThreeLinesOf105 + " 1 0 5 +/- tax+", "10% 4 210 21 231 / 軽8% 0 0 0 0 / 合計 4 210 21 231"},
      {"a return alone rounds by its magnitude", "invoice=UP 1 0 5 +/- tax+",
       "10% 1 -105 -11 -116 / 軽8% 0 0 0 0 / 合計 1 -105 -11 -116"},
      {"reduced rate only", "keigen=on 1 2 5 tax+ 1 2 5 tax+ 3 3 tax-",
       "10% 0 0 0 0 / 軽8% 3 281 22 303 / 合計 3 281 22 303"},
      {"fractions of a yen", "1 0 . 5 tax+ 1 0 . 5 tax+", "10% 2 21 2 23 / 軽8% 0 0 0 0 / 合計 2 21 2 23"},
      {"a rate changed later keeps its figures", "1 0 0 0 tax+ rate=0.05 2 0 0 0 tax+",
       "5% 1 2000 100 2100 / 10% 1 1000 100 1100 / 軽8% 0 0 0 0 / 合計 2 3000 200 3200"},
      {"a rate of zero", "rate=0 1 0 0 tax+", "0% 1 100 0 100 / 軽8% 0 0 0 0 / 合計 1 100 0 100"},
      {"an overflowing amount shows E in its cell only", kBigLine + " tax+ " + kBigLine + " tax+",
       "10% 2 E 18181818181818 E / 軽8% 0 0 0 0 / 合計 2 E 18181818181818 E"},
      {"one overflowing rate leaves the other", kBigLine + " tax+ " + kBigLine + " tax+ keigen=on 1 0 0 tax+",
       "10% 2 E 18181818181818 E / 軽8% 1 100 8 108 / 合計 3 E 18181818181826 E"},
      {"nothing counted", "1 0 5 + 3 =", "10% 0 0 0 0 / 軽8% 0 0 0 0 / 合計 0 0 0 0"},
  };
  for (const Invoice& invoice : invoices) {
    SCOPED_TRACE(invoice.name);
    EXPECT_EQ(TableAfter(invoice.keys), invoice.table);
  }
}

TEST(InvoiceTable, EachTaxCalculationCountsOnce) {
  const Invoice invoices[] = {
      {"a second press shows the tax and adds nothing", "1 0 5 tax+ tax+ 1 1 0 tax- tax-", "10% 2 205 20 225"},
      {"the tax shown turned into an amount with tax", "1 0 5 tax+ tax+ tax-", "10% 1 105 10 115"},
      {"the other tax key on a tax result", "1 0 5 tax+ tax-", "10% 1 105 10 115"},
      {"a tax result kept through M+", "1 0 5 tax+ m+ tax-", "10% 1 105 10 115"},
      {"a tax result taken as the first operand", "1 0 5 tax+ + tax-", "10% 1 105 10 115"},
      {"a tax result after =", "1 0 5 tax+ = tax+", "10% 1 105 10 115"},
      {"a sum of tax results is a new figure", "1 0 0 tax+ + 1 0 0 tax+ = tax-", "10% 3 400 40 440"},
      {"the same figure typed again counts", "1 1 0 tax+ ce 1 1 0 tax+", "10% 2 220 22 242"},
      {"a typed figure matching the tax result counts", "round=CUT places=0 1 tax+ 1 tax+", "10% 2 2 0 2"},
      {"C and CA keep the registers", "1 0 5 tax+ c ca 1 0 5 tax+", "10% 2 210 21 231"},
      {"a zero figure is not counted", "tax+ 0 tax-", "10% 0 0 0 0"},
      {"a tax key that overflows is not counted", "9 9 9 9 9 9 9 9 9 9 9 9 9 9 tax+", "10% 0 0 0 0"},
      {"the registers emptied", "1 0 5 tax+ invoice-clear 1 0 tax+", "10% 1 10 1 11"},
  };
  for (const Invoice& invoice : invoices) {
    SCOPED_TRACE(invoice.name);
    const std::string table = TableAfter(invoice.keys);
    EXPECT_EQ(table.substr(0, table.find(" / ")), invoice.table);
  }
}

TEST(InvoiceRounding, WholeYenByMagnitude) {
  struct Case {
    const char* amount;
    const char* down;
    const char* up;
    const char* halfUp;
  };
  const Case cases[] = {
      {"31.5", "31", "32", "32"},          {"31.49999", "31", "32", "31"}, {"31", "31", "31", "31"},
      {"31.000", "31", "31", "31"},        {"-31.5", "-31", "-32", "-32"}, {"-0.4", "0", "-1", "0"},
      {"0.5", "0", "1", "1"},              {"99999999999999.01", "99999999999999", "100000000000000", "99999999999999"},
      {"90.9090909090909090909", "90", "91", "91"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.amount);
    EXPECT_EQ(RoundToYen(c.amount, InvoiceRounding::Down), c.down);
    EXPECT_EQ(RoundToYen(c.amount, InvoiceRounding::Up), c.up);
    EXPECT_EQ(RoundToYen(c.amount, InvoiceRounding::HalfUp), c.halfUp);
  }
  // A stored value outside 0..2 is the default.
  EXPECT_EQ(InvoiceRoundingOf(7), InvoiceRounding::Down);
  EXPECT_EQ(InvoiceRoundingOf(2), InvoiceRounding::HalfUp);
}

// The whole table's copy and tape text are checked through the window and the tape reader; here
// what only some tables show.
TEST(InvoiceText, OnlyRatesThatCountedGoOnTheTape) {
  KeyScript standardOnly, empty;
  ASSERT_EQ(standardOnly.ApplyLine("1 0 0 tax+ invoice"), "");
  ASSERT_EQ(empty.ApplyLine("invoice"), "");
  const std::vector<std::string> lines = InvoiceTapeLines(*standardOnly.InvoiceShown(), InvoiceRounding::HalfUp);
  EXPECT_EQ(lines, (std::vector<std::string>{"四捨五入端数", "10%税率", "1件数", "100税抜", "10税額", "110税込", "合計",
                                             "1件数", "100税抜", "10税額", "110税込"}));
  EXPECT_TRUE(InvoiceTapeLines(*empty.InvoiceShown(), InvoiceRounding::Down).empty());
}

}  // namespace
