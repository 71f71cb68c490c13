#pragma once

#include <QObject>
#include <QString>

class QAbstractSpinBox;
class QLineEdit;
class QTimer;

// What is typed into a field reaches the camera once, when the operator has
// finished typing: on Enter, on leaving the field, or after a short pause.
// Typing "20" sends 20, never 2 first. Steps (arrow keys, the spin buttons,
// the wheel, a partner slider) still act at once, one call per step.
//
// A spin box keeps its valueChanged signal: keyboard tracking is turned off,
// so only a finished text changes the value, and a pause finishes it. A line
// edit gets a TypedEntry child named like the edit, whose committed() signal
// fires once per finished edit (Enter and then leaving the field is one).
class TypedEntry final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TypedEntry)

public:
    static constexpr int PauseMs = 500;

    static void watch(QAbstractSpinBox *box, int pauseMs = PauseMs);
    static TypedEntry *watch(QLineEdit *edit, int pauseMs = PauseMs);
    // The entry watching edit, if any.
    static TypedEntry *of(const QLineEdit *edit);

    // Drops an edit in progress (the field was filled anew).
    void reset();

signals:
    void committed(const QString &text);

private:
    TypedEntry(QLineEdit *edit, int pauseMs);
    void commit();

    QLineEdit *m_edit;
    QTimer *m_pause;
    bool m_pending = false;
};
