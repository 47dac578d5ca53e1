#include "sushiki_buttons.h"

namespace kelvo {
namespace {

QString FunctionTip(const char* name, const QString& what) {
  return QStringLiteral("%1関数:【%1(x)】:%2").arg(QLatin1String(name), what);
}

}  // namespace

const std::vector<InsertButton>& InsertButtons() {
  static const std::vector<InsertButton> buttons = [] {
    const QString angle = QStringLiteral("角度を表す数値x(単位はラジアン)の");
    std::vector<InsertButton> list = {
        {"btInBekijyou", "^", 1000, QStringLiteral("べき乗:【x^e】:指数eのべき乗を計算します。"), 1},
        {"btInRoute", QStringLiteral("√"), 1002, QStringLiteral("平方根:【Sqr(x)】:数値xの平方根を計算します。"), 1},
        {"btInHidariKakko", QStringLiteral("（"), 1008, QString(), 1},
        {"btInMigiKakko", QStringLiteral("）"), 1009, QString(), 1},
        {"btInWaruInt", "\\", 1003,
         QStringLiteral("￥除算:【x\\y】:数値xを数値yで除算し、結果を整数で返します。"), 1},
        {"btInMod", "Mod", 1011, QStringLiteral("Mod演算子:【x{Mod}y】:数値xを数値yで除算し、その剰余を返します。"), 1},
        {"btInAnd", "And", 1012, QStringLiteral("And演算子:【x{And}y】:xとyの論理積を返します。"), 1},
        {"btInOr", "Or", 1013, QStringLiteral("Or演算子:【x{Or}y】:xとyの論理和を返します。"), 1},
        {"btInNot", "Not", 1014, QStringLiteral("Not演算子:【x{Not}y】:xとyの論理否定を返します。"), 1},
        {"btInXor", "Xor", 1015, QStringLiteral("Xor演算子:【x{Xor}y】:xとyの排他的論理和を返します。"), 1},
        {"btInSin", "Sin", 100, FunctionTip("Sin", angle + QStringLiteral("サインを返します。")), 2},
        {"btInCos", "Cos", 101, FunctionTip("Cos", angle + QStringLiteral("コサインを返します。")), 2},
        {"btInTan", "Tan", 102, FunctionTip("Tan", angle + QStringLiteral("タンジェントを返します。")), 2},
        {"btInLog", "Log", 103, FunctionTip("Log", QStringLiteral("数値xの自然対数を返します。")), 2},
        {"btInHex", "Hex", 104, FunctionTip("Hex", QStringLiteral("数値xを16進数の文字列で返します。")), 2},
        {"btInOct", "Oct", 105, FunctionTip("Oct", QStringLiteral("数値xを8進数の文字列で返します。")), 2},
        {"btInAbs", "Abs", 106, FunctionTip("Abs", QStringLiteral("数値xの絶対値を返します。")), 2},
        {"btInExp", "Exp", 107, FunctionTip("Exp", QStringLiteral("数値xの指数関数を返します。")), 2},
        {"btInInt", "Int", 108,
         FunctionTip("Int", QStringLiteral("数値xの小数部分を取り除いた整数値を返します。xが負の値の場合、数値x以下の最大の負の整数を返します。")),
         2},
        {"btInFix", "Fix", 109,
         FunctionTip("Fix", QStringLiteral("数値xの小数部分を取り除いた整数値を返します。xが負の値の場合、数値x以上の最小の負の整数を返します。")),
         2},
    };
    static const char* const kDigitNames[] = {"btIn0", "btIn1", "btIn2", "btIn3", "btIn4",
                                              "btIn5", "btIn6", "btIn7", "btIn8", "btIn9"};
    for (int digit = 1; digit <= 10; ++digit) {
      const int d = digit % 10;  // 1 ... 9, then 0
      list.push_back({kDigitNames[d], QString::number(d), d, QString(), 3});
    }
    list.push_back({"btCanma", ".", 10, QString(), 3});
    list.push_back({"btInPlus", "+", 11, QString(), 3});
    list.push_back({"btInMinus", "-", 12, QString(), 3});
    list.push_back({"btInKakeru", "*", 13, QString(), 3});
    list.push_back({"btInWaru", "/", 14, QString(), 3});
    return list;
  }();
  return buttons;
}

QString TextOfTag(int tag) {
  if (tag >= 0 && tag <= 9) return QString::number(tag);
  switch (tag) {
    case 10: return ".";
    case 11: return "+";
    case 12: return "-";
    case 13: return "*";
    case 14: return "/";
    case 1000: return "^";
    case 1002: return "Sqr(";
    case 1003: return "\\";
    case 1008: return "(";
    case 1009: return ")";
    case 1011: return "{Mod}";
    case 1012: return "{And}";
    case 1013: return "{Or}";
    case 1014: return "{Not}";
    case 1015: return "{Xor}";
    default: break;
  }
  static const char* const kFunctions[] = {"Sin(", "Cos(", "Tan(", "Log(", "Hex(", "Oct(", "Abs(", "Exp(", "Int(", "Fix("};
  if (tag >= 100 && tag <= 109) return QString::fromLatin1(kFunctions[tag - 100]);
  return QString();
}

}  // namespace kelvo
