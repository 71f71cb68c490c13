#pragma once

#include <QColor>
#include <QString>
#include <QVector>

#include <cstdint>
#include <optional>

// The parameter dock's conversions between the camera's units and what its
// controls show, and the checks on typed values, kept apart from the widgets
// so they can be checked without a window.
namespace ParameterRules {

// A spin box value to its slider's integer scale: value x scale, to the
// nearest step, so that a value the spin box shows comes back unchanged
// (1.15 x 100 is 114.999... in binary).
int sliderSteps(double value, double scale);

// Exposure in whole sensor lines, the nearest to microseconds; 0 when the
// line time is not a positive time.
int exposureLines(double microseconds, double lineUs);

// Auto-exposure time range bound, microseconds shown in milliseconds with
// six significant digits: 100000 -> "100".
QString exposureRangeText(double microseconds);

// Auto-exposure gain range bound, x1000 shown in whole multiples, truncated
// towards zero: 1999 -> "1".
QString gainRangeText(int gainX1000);

// The colour buttons: "background-color:rgb(r,g,b)" from a colour packed as
// red | green << 8 | blue << 16, and back.
QString colourStyleSheet(std::uint32_t colour);
std::uint32_t packColour(const QColor &colour);
// The colour a style sheet of colourStyleSheet() names; black when none.
QColor colourOfStyleSheet(const QString &styleSheet);

struct ExposureRange
{
    double minUs = 0.0;
    double maxUs = 0.0;
};
// Typed auto-exposure range in milliseconds, each bound brought into the
// camera's limits (microseconds); none when a text is not a number or the
// minimum exceeds the maximum.
std::optional<ExposureRange> exposureRange(const QString &minMs, const QString &maxMs, double lowUs,
                                           double highUs);

struct GainRange
{
    int minX1000 = 0;
    int maxX1000 = 0;
};
// Typed auto-exposure gain range in whole multiples, each bound brought into
// the camera's limits (x1000); none when a text is not a whole number or the
// minimum exceeds the maximum.
std::optional<GainRange> gainRange(const QString &minText, const QString &maxText, int lowX1000,
                                   int highX1000);

// A typed unsigned 32-bit decimal number (times, counts, sizes); none for
// anything else, negative numbers included.
std::optional<std::uint32_t> unsignedNumber(const QString &text);

// Bit i set when box i is checked; boxes past bit 30 cannot be expressed.
int channelMask(const QVector<bool> &checked);

// The LUT presets the dock lists, by the name the camera gives them.
bool isListedLutPreset(const QString &name);

// Name of an exported parameter file: directory + "/" + key + "_Cfg_" +
// group letter, + ".bin" when asked. No key leaves out key and "_Cfg_", no
// letter leaves out the letter. A "/" in the key (a nickname is free text)
// becomes "_" so the file stays in the chosen directory. Empty when nothing
// would name the file.
QString exportFileName(const QString &directory, const std::optional<QString> &key,
                       const QString &groupLetter, bool withExtension);

} // namespace ParameterRules
