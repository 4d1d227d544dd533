#pragma once
// The shared game variables that live on the game root for the whole run. A variable that was never
// written is unset: it compares unequal to every number and is never greater than one.

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace valdorn {

using Value = std::optional<double>;

// The shortest decimal form of a number, as the points fields show it: 0, 12, 3.5, -2.
QString formatNumber(double value);
// Text form of a possibly unset value; unset shows as an empty text.
QString formatValue(const Value& value);
// Reads a text field's text back as a value: a number, or unset when the text is no number.
Value parseValue(const QString& text);

inline bool isGreater(const Value& value, double than) { return value.has_value() && *value > than; }
inline bool isNumber(const Value& value, double number) { return value.has_value() && *value == number; }

class SharedVariables {
public:
    // Every variable the game knows, in the order the driver reports them.
    static const QStringList& knownNames();

    [[nodiscard]] Value get(const QString& name) const {
        auto it = values_.constFind(name);
        return it == values_.constEnd() ? Value() : Value(*it);
    }
    void set(const QString& name, Value value);
    void unset(const QString& name) { values_.remove(name); }
    [[nodiscard]] bool isSet(const QString& name) const { return values_.contains(name); }

private:
    QMap<QString, double> values_;
};

}  // namespace valdorn
