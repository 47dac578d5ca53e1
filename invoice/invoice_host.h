#pragma once

#include <string>
#include <vector>

#include "invoice.h"
#include "tape_record_result.h"

// What the tax per rate window asks of the calculator beside what every side window asks
// (kelvo::SideWindowHost). The main window implements it.
class InvoiceHost {
 public:
  virtual ~InvoiceHost() = default;

  // The engine's tax registers, as the tax keys have filled them.
  virtual const kelvo::InvoiceRegisters& TaxRegisters() = 0;
  virtual void ClearTaxRegisters() = 0;
  // The standard and the reduced rate set now (fractions), which name the rows still empty.
  virtual double StandardTaxRate() = 0;
  virtual double ReducedTaxRate() = 0;
  // Appends one calculation (tape lines: a figure and a two-character mark each) to the paper
  // tape.
  virtual kelvo::TapeRecordResult RecordCalculation(const std::vector<std::string>& lines) = 0;
};
