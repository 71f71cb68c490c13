#include "dialogs/customkeysequenceedit.h"

#include "dialogs/settingsrules.h"

#include <QKeyEvent>

CustomKeySequenceEdit::CustomKeySequenceEdit(QWidget *parent) : QKeySequenceEdit(parent) {}

void CustomKeySequenceEdit::keyPressEvent(QKeyEvent *event)
{
    QKeySequenceEdit::keyPressEvent(event);
    const QString first = SettingsRules::firstCombination(keySequence().toString(QKeySequence::PortableText));
    setKeySequence(QKeySequence::fromString(first, QKeySequence::PortableText));
    // An editor not bound to a slot has nowhere to put its text.
    if (keyAddress != nullptr)
        *keyAddress = keySequence().toString(QKeySequence::PortableText);
}
