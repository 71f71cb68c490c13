#include "typedentry.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QTimer>

void TypedEntry::watch(QAbstractSpinBox *box, int pauseMs)
{
    if (!box || box->property("typedEntry").toBool())
        return;
    box->setProperty("typedEntry", true);
    box->setKeyboardTracking(false);
    auto *pause = new QTimer(box);
    pause->setSingleShot(true);
    pause->setInterval(pauseMs);
    // The spin box's own line edit reports the keystrokes; a pause takes the
    // text as finished, as Enter would.
    if (auto *line = box->findChild<QLineEdit *>()) {
        connect(line, &QLineEdit::textEdited, pause, qOverload<>(&QTimer::start));
        connect(pause, &QTimer::timeout, box, [box] {
            if (box->hasFocus())
                box->interpretText();
        });
        connect(box, &QAbstractSpinBox::editingFinished, pause, &QTimer::stop);
    }
}

TypedEntry *TypedEntry::watch(QLineEdit *edit, int pauseMs)
{
    if (!edit)
        return nullptr;
    if (TypedEntry *existing = of(edit))
        return existing;
    return new TypedEntry(edit, pauseMs);
}

TypedEntry *TypedEntry::of(const QLineEdit *edit)
{
    return edit ? edit->findChild<TypedEntry *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

TypedEntry::TypedEntry(QLineEdit *edit, int pauseMs) : QObject(edit), m_edit(edit), m_pause(new QTimer(this))
{
    // Named like its field, so handlers that look rows up by the sender's
    // name find the field's row.
    setObjectName(edit->objectName());
    m_pause->setSingleShot(true);
    m_pause->setInterval(pauseMs);
    // Only the operator's own edits count; a fill from the camera does not.
    connect(edit, &QLineEdit::textEdited, this, [this] {
        m_pending = true;
        m_pause->start();
    });
    connect(m_pause, &QTimer::timeout, this, &TypedEntry::commit);
    connect(edit, &QLineEdit::editingFinished, this, &TypedEntry::commit);
}

void TypedEntry::reset()
{
    m_pause->stop();
    m_pending = false;
}

void TypedEntry::commit()
{
    m_pause->stop();
    if (!m_pending)
        return;
    m_pending = false;
    emit committed(m_edit->text());
}
