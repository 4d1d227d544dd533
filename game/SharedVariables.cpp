#include "game/SharedVariables.h"

#include <cmath>

namespace valdorn {

QString formatNumber(double value) {
    if (value == 0) return QStringLiteral("0");  // also for -0
    // 15 significant digits hide binary noise (0.1 + 0.2 shows as 0.3).
    return QString::number(value, 'g', 15);
}

QString formatValue(const Value& value) { return value ? formatNumber(*value) : QString(); }

Value parseValue(const QString& text) {
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number)) return std::nullopt;
    return number;
}

const QStringList& SharedVariables::knownNames() {
    static const QStringList names = {
        "punktid", "zoomlevel", "zoomin", "zoomsize", "scope", "levelscale", "pask",
        "hint1", "hint2", "hint3", "hint4", "hint5", "hint6", "soundfx", "mouseoff", "lets_call_it_cookie"};
    return names;
}

void SharedVariables::set(const QString& name, Value value) {
    if (value)
        values_.insert(name, *value);
    else
        values_.remove(name);
}

}  // namespace valdorn
