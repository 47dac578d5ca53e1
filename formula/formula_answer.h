#pragma once

#include <QString>
#include <cstdint>
#include <string>

namespace kelvo {

// The milliseconds of a steady clock as an unsigned 32-bit count: the run stamp of an
// evaluation and the clock the five-second limit is measured with.
std::uint32_t MillisecondClock();

// Groups the digits before the point by thousands ("-1234.5" shows "-1,234.5"); the digits after
// the point and any text in exponent form ("1E+20") are kept as the script host wrote them. The
// sign of a value between -1 and 0 stays ("-0.5").
QString FormatAnswer(const QString& answer);

// The scratch files of one formula window: the program folder and, relative to it, the formula
// script and the answer file (the primary instance's or a child's, by the shell's paths).
struct FormulaFiles {
  std::string programFolder;
  std::string scriptFile;
  std::string answerFile;

  // The files the shell set for this instance.
  static FormulaFiles Current();
  std::string ScriptPath() const { return programFolder + "/" + scriptFile; }
  std::string AnswerPath() const { return programFolder + "/" + answerFile; }
};

}  // namespace kelvo
