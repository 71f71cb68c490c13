#ifndef SETTINGSRULES_H
#define SETTINGSRULES_H

#include "config/settingsrecords.h"

#include <QString>
#include <QStringList>
#include <qnamespace.h>

// The rules of the settings dialog and of the hotkeys, kept apart from the
// widgets so they can be checked without a window.
namespace SettingsRules {

// A duration in milliseconds as the dialog shows it: a whole number of
// seconds (unit 0), minutes (1) or hours (2), truncated.
struct DurationDisplay
{
    int value;
    int unit;
};
DurationDisplay displayDuration(int ms);
int durationMs(int value, int unit);

// The eight hotkey texts of a record, in record order.
QStringList hotkeyTexts(const HotkeyParameter &hotkeys);
// Any two equal texts conflict; empty editors (no hotkey) never do.
bool hasHotkeyConflict(const QStringList &texts);
// The first key combination of a sequence in portable text ("Ctrl+E, Ctrl+R" -> "Ctrl+E").
QString firstCombination(const QString &portableText);

// What a matched hotkey does in a display cell, in record order.
enum class HotkeyAction {
    None,
    WindowSize,
    OriginalSize,
    Enlarge,
    Narrow,
    Recording,
    Photogrape,
    Onoff,
    DisplaySwitch
};

// The portable text of a key press as the cell compares it: the key with
// Shift, Control and Alt (not Meta or keypad). Empty for a lone Shift,
// Control or Alt press, which never matches.
QString pressedKeyText(int key, Qt::KeyboardModifiers modifiers);
// The first shortcut of the record equal to text.
HotkeyAction matchHotkey(const QString &text, const HotkeyParameter &hotkeys);

} // namespace SettingsRules

#endif // SETTINGSRULES_H
