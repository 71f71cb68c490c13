#include "dialogs/settingsrules.h"

#include <QKeySequence>

namespace SettingsRules {

namespace {

constexpr int SecondMs = 1000;
constexpr int MinuteMs = 60000;
constexpr int HourMs = 3600000;

} // namespace

DurationDisplay displayDuration(int ms)
{
    if (ms < MinuteMs)
        return {ms / SecondMs, 0};
    if (ms > HourMs - 1)
        return {ms / HourMs, 2};
    return {ms / MinuteMs, 1};
}

int durationMs(int value, int unit)
{
    switch (unit) {
    case 1:
        return value * MinuteMs;
    case 2:
        return value * HourMs;
    default:
        return value * SecondMs;
    }
}

QStringList hotkeyTexts(const HotkeyParameter &h)
{
    return {h.windowSize, h.originalSize, h.enlarge, h.narrow,
            h.recording,  h.photogrape,   h.onoff,   h.displaySwitch};
}

bool hasHotkeyConflict(const QStringList &texts)
{
    // An emptied editor means "no hotkey", which several actions may share.
    for (int i = 0; i < texts.size(); ++i) {
        for (int j = i + 1; j < texts.size(); ++j) {
            if (!texts.at(i).isEmpty() && texts.at(i) == texts.at(j))
                return true;
        }
    }
    return false;
}

QString firstCombination(const QString &portableText)
{
    return portableText.split(QStringLiteral(", "), Qt::KeepEmptyParts).constFirst();
}

QString pressedKeyText(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == 0 ||
        key == Qt::Key_unknown)
        return QString();
    int code = key;
    if (modifiers & Qt::ShiftModifier)
        code += Qt::SHIFT;
    if (modifiers & Qt::ControlModifier)
        code += Qt::CTRL;
    if (modifiers & Qt::AltModifier)
        code += Qt::ALT;
    return QKeySequence(code).toString(QKeySequence::PortableText);
}

HotkeyAction matchHotkey(const QString &text, const HotkeyParameter &hotkeys)
{
    if (text.isEmpty())
        return HotkeyAction::None;
    const QStringList texts = hotkeyTexts(hotkeys);
    for (int i = 0; i < texts.size(); ++i) {
        if (texts.at(i) == text)
            return HotkeyAction(i + 1);
    }
    return HotkeyAction::None;
}

} // namespace SettingsRules
