#include "params/parameterrules.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace ParameterRules {

int sliderSteps(double value, double scale)
{
    const double steps = std::round(value * scale);
    if (!std::isfinite(steps))
        return 0;
    return int(
        std::clamp(steps, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}

int exposureLines(double microseconds, double lineUs)
{
    if (!(lineUs > 0.0) || !std::isfinite(lineUs))
        return 0;
    return sliderSteps(microseconds, 1.0 / lineUs);
}

QString exposureRangeText(double microseconds)
{
    return QString::number(microseconds / 1000.0, 'g', 6);
}

QString gainRangeText(int gainX1000)
{
    return QString::number(gainX1000 / 1000);
}

QString colourStyleSheet(std::uint32_t colour)
{
    return QStringLiteral("background-color:rgb(%1,%2,%3)")
        .arg(colour & 0xFF)
        .arg((colour >> 8) & 0xFF)
        .arg((colour >> 16) & 0xFF);
}

std::uint32_t packColour(const QColor &colour)
{
    return std::uint32_t(colour.red()) | std::uint32_t(colour.green()) << 8 |
           std::uint32_t(colour.blue()) << 16;
}

QColor colourOfStyleSheet(const QString &styleSheet)
{
    static const QRegularExpression rgb(
        QStringLiteral("rgb\\(\\s*(\\d{1,3})\\s*,\\s*(\\d{1,3})\\s*,\\s*(\\d{1,3})\\s*\\)"));
    const QRegularExpressionMatch match = rgb.match(styleSheet);
    if (!match.hasMatch())
        return QColor(Qt::black);
    const auto part = [&match](int i) { return std::min(match.captured(i).toInt(), 255); };
    return QColor(part(1), part(2), part(3));
}

std::optional<ExposureRange> exposureRange(const QString &minMs, const QString &maxMs, double lowUs,
                                           double highUs)
{
    bool minOk = false;
    bool maxOk = false;
    const double minValue = minMs.toDouble(&minOk) * 1000.0;
    const double maxValue = maxMs.toDouble(&maxOk) * 1000.0;
    if (!minOk || !maxOk || !std::isfinite(minValue) || !std::isfinite(maxValue) || lowUs > highUs)
        return std::nullopt;
    const ExposureRange range{std::clamp(minValue, lowUs, highUs), std::clamp(maxValue, lowUs, highUs)};
    if (range.minUs > range.maxUs)
        return std::nullopt;
    return range;
}

std::optional<GainRange> gainRange(const QString &minText, const QString &maxText, int lowX1000,
                                   int highX1000)
{
    bool minOk = false;
    bool maxOk = false;
    const long long minValue = minText.toLongLong(&minOk) * 1000;
    const long long maxValue = maxText.toLongLong(&maxOk) * 1000;
    // A typed number beyond a few million multiples is no gain at all.
    constexpr long long kLimit = 1000000000LL;
    if (!minOk || !maxOk || std::llabs(minValue) > kLimit || std::llabs(maxValue) > kLimit ||
        lowX1000 > highX1000)
        return std::nullopt;
    const GainRange range{int(std::clamp<long long>(minValue, lowX1000, highX1000)),
                          int(std::clamp<long long>(maxValue, lowX1000, highX1000))};
    if (range.minX1000 > range.maxX1000)
        return std::nullopt;
    return range;
}

std::optional<std::uint32_t> unsignedNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^\\s*\\d{1,10}\\s*$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const qulonglong value = text.trimmed().toULongLong();
    if (value > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return std::uint32_t(value);
}

int channelMask(const QVector<bool> &checked)
{
    int mask = 0;
    for (int i = 0; i < std::min(int(checked.size()), 31); ++i) {
        if (checked.at(i))
            mask |= 1 << i;
    }
    return mask;
}

bool isListedLutPreset(const QString &name)
{
    return name == QStringLiteral("直线") || name == QStringLiteral("曲线1") ||
           name == QStringLiteral("曲线2");
}

QString exportFileName(const QString &directory, const std::optional<QString> &key,
                       const QString &groupLetter, bool withExtension)
{
    QString base;
    if (key) {
        QString safeKey = *key;
        safeKey.replace(QLatin1Char('/'), QLatin1Char('_'));
        safeKey.remove(QChar(0));
        base = safeKey + QStringLiteral("_Cfg_");
    }
    base += groupLetter;
    if (base.isEmpty())
        return QString();
    return directory + QLatin1Char('/') + base + (withExtension ? QStringLiteral(".bin") : QString());
}

} // namespace ParameterRules
