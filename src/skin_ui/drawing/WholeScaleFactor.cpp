#include "skin_ui/drawing/WholeScaleFactor.h"

#include <QGuiApplication>
#include <QList>
#include <algorithm>
#include <cmath>

namespace {

QByteArray roundedFactor(const QByteArray& factor) {
    bool isNumber = false;
    const double value = factor.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value)) {
        return factor;
    }
    return QByteArray::number(std::max(1.0, std::floor(value + 0.5)));
}

void roundVariable(const char* name) {
    if (!qEnvironmentVariableIsEmpty(name)) {
        qputenv(name, WholeScaleFactor::rounded(qgetenv(name)));
    }
}

}  // namespace

void WholeScaleFactor::apply() {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    roundVariable("QT_SCALE_FACTOR");
    roundVariable("QT_SCREEN_SCALE_FACTORS");
}

QByteArray WholeScaleFactor::rounded(const QByteArray& factors) {
    QList<QByteArray> entries = factors.split(';');
    for (QByteArray& entry : entries) {
        const qsizetype equals = entry.indexOf('=');
        entry = equals < 0 ? roundedFactor(entry)
                           : entry.left(equals + 1) + roundedFactor(entry.mid(equals + 1));
    }
    return entries.join(';');
}
