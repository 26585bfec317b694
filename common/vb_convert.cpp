#include "common/vb_convert.h"

#include "common/error_report.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>
#include <limits>
#include <optional>

namespace corvander {

namespace {

std::optional<double> parseNumber(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eEdD][+-]?\\d+)?\\s*$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    QString plain = text.trimmed();
    plain.replace(QLatin1Char('d'), QLatin1Char('e')).replace(QLatin1Char('D'), QLatin1Char('e'));
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

template <typename Int> Int toRoundedInteger(const QString& text) {
    const auto value = parseNumber(text);
    if (!value)
        raiseError(QCoreApplication::translate("corvander::ErrorReport", "Type mismatch"));
    const double rounded = roundHalfEven(*value);
    if (rounded < double(std::numeric_limits<Int>::min()) ||
        rounded > double(std::numeric_limits<Int>::max()))
        raiseError(QCoreApplication::translate("corvander::ErrorReport", "Overflow"));
    return static_cast<Int>(rounded);
}

} // namespace

bool isNumeric(const QString& text) {
    return parseNumber(text).has_value();
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

std::int16_t toInt16(const QString& text) {
    return toRoundedInteger<std::int16_t>(text);
}

std::int32_t toInt32(const QString& text) {
    return toRoundedInteger<std::int32_t>(text);
}

bool toBoolean(const QString& text) {
    const QString word = text.trimmed();
    if (word.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    const auto value = parseNumber(text);
    if (!value)
        raiseError(QCoreApplication::translate("corvander::ErrorReport", "Type mismatch"));
    return *value != 0.0;
}

QString booleanText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace corvander
