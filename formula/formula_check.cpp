#include "formula_check.h"

#include "text_utils.h"

namespace kelvo {
namespace {

const QChar kQuote = u'"';
const QChar kRightDoubleQuote = QChar(0x201D);
const QChar kIdeographicSpace = QChar(0x3000);

bool IsDelimiter(QChar c) { return QStringView(u"+-*/^\\(){}").contains(c); }

bool IsNumberToken(const QString& token) { return IsNumberText(token.toStdString()); }

bool IsKnownName(const QString& token) {
  for (const char16_t* name : {u"Now", u"Date", u"Time", u"Timer"})
    if (token.compare(QStringView(name), Qt::CaseInsensitive) == 0) return true;
  const QString call = token + QStringLiteral("()");
  for (const QString& entry : FunctionList())
    if (!entry.isEmpty() && call.compare(entry, Qt::CaseInsensitive) == 0) return true;
  return false;
}

bool IsOperatorWord(const QString& token) {
  for (const char16_t* word : {u"And", u"Or", u"Xor", u"Mod"})
    if (token.compare(QStringView(word), Qt::CaseInsensitive) == 0) return true;
  return false;
}

// One token between the delimiter before it and the one after it (a space for none).
std::optional<QString> CheckToken(const QString& token, QChar before, QChar after) {
  const QString prefix = QStringLiteral("[構文エラー]：");
  if (!token.isEmpty() && token.startsWith(kQuote) && token.endsWith(kQuote))
    return QStringLiteral("E01[構文エラー]：[文字列は扱えません]： ") + token;
  if (token.isEmpty()) {
    if (QStringView(u"*/\\^{").contains(after) && before != u')') return "E02" + prefix + before + after;
    return std::nullopt;
  }
  if (after == u'}') {
    if (before == u'{' && IsOperatorWord(token)) return std::nullopt;
    return (before == u'{' ? "E04" : "E03") + prefix + before + token + after;
  }
  if (IsNumberToken(token)) {
    if (before == u')') return "E07" + prefix + token;
    return std::nullopt;
  }
  if (IsKnownName(token)) {
    if (before == u')') return "E06" + prefix + token;
    return std::nullopt;
  }
  return "E05" + prefix + token;
}

bool IsTrimmed(QChar c) { return c.unicode() <= 0x20; }

}  // namespace

const QStringList& FunctionList() {
  static const QStringList list = {
      "Abs()",  "Atn()", "CByte()", "CCur()", "CDbl()",   "CInt()", "CLng()", "Cos()", "CSng()", "Date",
      "Exp()",  "Fix()", "Hex()",   "Hour()", "Int()",    "Log()",  "Minute()", "Month()", "Now", "Oct()",
      "Second()", "Sgn()", "Sin()", "Sqr()", "Tan()",    "Time",   "Timer",  "",      "",      ""};
  return list;
}

QChar ToHalfWidth(QChar c) {
  const char16_t u = c.unicode();
  if (u >= 0xFF01 && u <= 0xFF5E) return QChar(static_cast<char16_t>(u - 0xFF01 + 0x21));
  if (u == 0x3000) return u' ';
  if (u == 0xFFE5) return u'\\';
  return c;
}

Normalized NormalizeFormula(const QString& typed) {
  qsizetype begin = 0;
  qsizetype end = typed.size();
  while (begin < end && IsTrimmed(typed[begin])) ++begin;
  while (end > begin && IsTrimmed(typed[end - 1])) --end;
  Normalized result;
  if (begin == end) {
    result.empty = true;
    return result;
  }
  QString out;
  bool quoted = false;
  int depth = 0;
  for (qsizetype i = begin; i < end; ++i) {
    QChar c = typed[i];
    if (c == u'\r' && i + 1 < end && typed[i + 1] == u'\n') {
      ++i;
      continue;
    }
    if (c == kQuote || c == kRightDoubleQuote) {
      quoted = !quoted;
      c = kQuote;
    } else if (c == kIdeographicSpace) {
      if (!quoted) c = u' ';
    } else if (!quoted) {
      if (c == QChar(0x00F7)) c = u'/';
      else if (c == QChar(0x00D7)) c = u'*';
      c = ToHalfWidth(c);
    }
    if (!quoted) {
      if (c == u' ' || c == u',' || c == QChar(0xFF0C) || c == QChar(0xFF64)) continue;
      if (c == u'(') {
        ++depth;
      } else if (c == u')') {
        if (!out.isEmpty() && out.back() == u'(') {
          result.error = QStringLiteral("E11[構文エラー]：[ () の中が空白です。]");
          return result;
        }
        --depth;
      }
    }
    out += c;
  }
  if (depth != 0) {
    result.error = QStringLiteral("E12[構文エラー]：[ ( が閉じられていません。]");
    return result;
  }
  if (!out.isEmpty() && QStringView(u"+-*/.\\=").contains(out.back())) out.chop(1);
  result.expression = out;
  return result;
}

std::optional<QString> CheckFormulaTokens(const QString& expression) {
  QString token;
  QChar before = u' ';
  for (QChar c : expression) {
    if (!IsDelimiter(c)) {
      token += c;
      continue;
    }
    if (auto refusal = CheckToken(token, before, c)) return refusal;
    token.clear();
    before = c;
  }
  return CheckToken(token, before, u' ');
}

QString BracesToSpaces(QString expression) {
  expression.replace(u'{', u' ');
  expression.replace(u'}', u' ');
  return expression;
}

}  // namespace kelvo
