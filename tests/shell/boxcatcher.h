#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Answers every modal message box that opens while it lives (including boxes
// shown from a constructor) by pressing its first button, and records what
// the box showed.
class BoxCatcher final : public QObject
{
public:
    struct Box
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QStringList buttons;
    };

    BoxCatcher()
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &BoxCatcher::poll);
        m_timer.start();
    }

    const QList<Box> &boxes() const { return m_boxes; }
    void clear() { m_boxes.clear(); }

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        Box seen{box->icon(), box->windowTitle(), box->text(), {}};
        for (QAbstractButton *button : box->buttons())
            seen.buttons << button->text();
        m_boxes.append(seen);
        if (!box->buttons().isEmpty())
            box->buttons().first()->click();
        else
            box->reject();
    }

    QTimer m_timer;
    QList<Box> m_boxes;
};
