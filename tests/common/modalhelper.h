#ifndef VEXO_TESTS_MODALHELPER_H
#define VEXO_TESTS_MODALHELPER_H

// Answers the next modal box while the code under test waits in its exec():
// a timer looks for qApp->activeModalWidget(), records its title and text and
// presses the button with the given text (or the first one). Check fired(),
// title() and text() afterwards.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class ModalAnswer final : public QObject
{
public:
    explicit ModalAnswer(QString buttonText = QString(), int intervalMs = 20)
        : m_buttonText(std::move(buttonText))
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswer::poll);
        m_timer.start(intervalMs);
    }

    bool fired() const { return m_fired; }
    int count() const { return m_count; }
    QString title() const { return m_title; }
    QString text() const { return m_text; }
    QString pressed() const { return m_pressed; }
    QMessageBox::Icon icon() const { return m_icon; }
    void stop() { m_timer.stop(); }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == m_lastAnswered)
            return;
        m_lastAnswered = modal;
        m_title = modal->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            m_text = box->text();
            m_icon = box->icon();
            QAbstractButton *target = nullptr;
            for (QAbstractButton *button : box->buttons()) {
                if (m_buttonText.isEmpty() || button->text() == m_buttonText) {
                    target = button;
                    break;
                }
            }
            if (target == nullptr && !box->buttons().isEmpty())
                target = box->buttons().constFirst();
            m_pressed = target != nullptr ? target->text() : QString();
            ++m_count;
            m_fired = true;
            if (target != nullptr)
                target->click();
            else
                box->reject();
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            ++m_count;
            m_fired = true;
            dialog->reject();
        }
    }

    QString m_buttonText;
    QTimer m_timer;
    QPointer<QWidget> m_lastAnswered;
    bool m_fired = false;
    int m_count = 0;
    QString m_title;
    QString m_text;
    QString m_pressed;
    QMessageBox::Icon m_icon = QMessageBox::NoIcon;
};

#endif // VEXO_TESTS_MODALHELPER_H
