#include "formula_answer.h"

#include <QDir>
#include <QRegularExpression>
#include <chrono>

#include "shell_paths.h"

namespace kelvo {

std::uint32_t MillisecondClock() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

QString FormatAnswer(const QString& answer) {
  if (answer.contains(u'E')) return answer;
  const qsizetype point = answer.indexOf(u'.');
  const QString whole = point < 0 ? answer : answer.left(point);
  const QString rest = point < 0 ? QString() : answer.mid(point);
  // The leading number of the part before the point: a sign, then digits.
  qsizetype i = 0;
  bool negative = false;
  if (i < whole.size() && (whole[i] == u'-' || whole[i] == u'+')) negative = whole[i++] == u'-';
  QString digits;
  while (i < whole.size() && whole[i].isDigit() && whole[i].unicode() < 0x80) digits += whole[i++];
  while (digits.size() > 1 && digits.front() == u'0') digits.remove(0, 1);
  if (digits.isEmpty()) digits = QStringLiteral("0");
  QString grouped;
  for (qsizetype n = 0; n < digits.size(); ++n) {
    if (n > 0 && (digits.size() - n) % 3 == 0) grouped += u',';
    grouped += digits[n];
  }
  // A zero keeps its sign when digits after the point make the value non-zero.
  const bool nonZero = digits != QStringLiteral("0") ||
                       rest.mid(1).contains(QRegularExpression(QStringLiteral("[1-9]")));
  if (negative && nonZero) grouped.prepend(u'-');
  return grouped + rest;
}

FormulaFiles FormulaFiles::Current() {
  return {QDir(QString::fromStdString(ProgramFolder())).absolutePath().toStdString(), FormulaScriptFile(),
          AnswerFile()};
}

}  // namespace kelvo
