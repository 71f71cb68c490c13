#include "dialogs/customkeysequenceedit.h"

#include "dialogs/settingsrules.h"

#include <QKeyEvent>
#include <QLineEdit>

CustomKeySequenceEdit::CustomKeySequenceEdit(QWidget *parent) : QKeySequenceEdit(parent)
{
    showPlaceholder();
}

void CustomKeySequenceEdit::showPlaceholder()
{
    // The toolkit's own placeholder is not translated with our texts, and
    // the toolkit puts it back whenever an edit ends.
    auto *line = findChild<QLineEdit *>();
    const QString text = tr("请按下快捷键");
    if (line && line->placeholderText() != text)
        line->setPlaceholderText(text);
}

bool CustomKeySequenceEdit::event(QEvent *event)
{
    const bool handled = QKeySequenceEdit::event(event);
    showPlaceholder();
    return handled;
}

void CustomKeySequenceEdit::keyPressEvent(QKeyEvent *event)
{
    // Backspace and Delete alone empty the field (no hotkey for this action)
    // instead of becoming the hotkey.
    const bool erase = (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) &&
                       (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (erase) {
        clear();
        showPlaceholder();
        if (keyAddress != nullptr)
            keyAddress->clear();
        event->accept();
        return;
    }
    QKeySequenceEdit::keyPressEvent(event);
    const QString first = SettingsRules::firstCombination(keySequence().toString(QKeySequence::PortableText));
    setKeySequence(QKeySequence::fromString(first, QKeySequence::PortableText));
    // An editor not bound to a slot has nowhere to put its text.
    if (keyAddress != nullptr)
        *keyAddress = keySequence().toString(QKeySequence::PortableText);
}
