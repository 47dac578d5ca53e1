#include "screen_scaling.h"

#include <QGuiApplication>

#include <cmath>

namespace {

constexpr double kLargestFactor = 64;  // beyond any screen; larger values are mistakes

void MakeWhole(const char* variable, QByteArray (*whole)(const QByteArray&)) {
  if (!qEnvironmentVariableIsSet(variable)) return;
  const QByteArray value = whole(qgetenv(variable));
  if (value.isEmpty())
    qunsetenv(variable);
  else
    qputenv(variable, value);
}

}  // namespace

QByteArray WholeScaleFactor(const QByteArray& factor) {
  bool ok = false;
  const double value = factor.trimmed().toDouble(&ok);
  if (!ok || !(value >= 1 && value <= kLargestFactor)) return {};
  return QByteArray::number(static_cast<int>(std::floor(value)));
}

QByteArray WholeScreenScaleFactors(const QByteArray& factors) {
  QByteArrayList entries;
  for (const QByteArray& entry : factors.split(';')) {
    const qsizetype equals = entry.indexOf('=');
    const QByteArray whole = WholeScaleFactor(entry.mid(equals + 1));
    if (!whole.isEmpty()) entries.append(entry.left(equals + 1) + whole);
  }
  return entries.join(';');
}

void UseWholeNumberScaling() {
  MakeWhole("QT_SCALE_FACTOR", WholeScaleFactor);
  MakeWhole("QT_SCREEN_SCALE_FACTORS", WholeScreenScaleFactors);
  // The variable would take precedence over the program's own rounding.
  qunsetenv("QT_SCALE_FACTOR_ROUNDING_POLICY");
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Floor);
}
