#ifndef VEXO_TESTS_FILEDIALOGANSWER_H
#define VEXO_TESTS_FILEDIALOGANSWER_H

// Answers the next file dialog while the code under test waits in it: a
// timer looks for a modal QFileDialog, records its caption and name filters,
// selects the given path and accepts (or rejects when the path is empty).

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class FileDialogAnswer final : public QObject
{
public:
    explicit FileDialogAnswer(QString path) : m_path(std::move(path))
    {
        connect(&m_timer, &QTimer::timeout, this, &FileDialogAnswer::poll);
        m_timer.start(20);
    }

    int count() const { return m_count; }
    QString caption() const { return m_caption; }
    QStringList nameFilters() const { return m_nameFilters; }
    QString directory() const { return m_directory; }

private:
    void poll()
    {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog == m_lastAnswered)
            return;
        m_lastAnswered = dialog;
        ++m_count;
        m_caption = dialog->windowTitle();
        m_nameFilters = dialog->nameFilters();
        m_directory = dialog->directory().absolutePath();
        if (m_path.isEmpty()) {
            dialog->reject();
            return;
        }
        // A folder is answered by going into it, a file by typing its name
        // in its folder (selectFile() leaves the name field alone while it
        // has the focus).
        const QFileInfo target(m_path);
        dialog->setDirectory(target.isDir() ? m_path : target.absolutePath());
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!target.isDir() && name)
            name->setText(target.fileName());
        else if (!target.isDir())
            dialog->selectFile(m_path);
        static_cast<QDialog *>(dialog)->accept();
    }

    QString m_path;
    QTimer m_timer;
    QPointer<QFileDialog> m_lastAnswered;
    int m_count = 0;
    QString m_caption;
    QStringList m_nameFilters;
    QString m_directory;
};

#endif // VEXO_TESTS_FILEDIALOGANSWER_H
