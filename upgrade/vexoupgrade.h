#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTranslator>
#include <QWidget>

#include <memory>

class CbUpdateCamera;

namespace Ui {
class VexoUpgrade;
}

// The firmware tool's window: the cameras the SDK finds, a firmware file and
// one upgrade at a time on a worker thread, with its progress and result.
class VexoUpgrade final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VexoUpgrade)

public:
    // What the user is told when an upgrade ends with a status.
    struct ResultMessage
    {
        bool shown = false;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString text;
    };

    explicit VexoUpgrade(QWidget *parent = nullptr);
    ~VexoUpgrade() override;

    // The translation file tried at start and whether it was installed.
    QString translationFile() const { return m_translationFile; }
    bool translationInstalled() const { return m_translationInstalled; }

    static ResultMessage resultMessage(int status);
    // The file chooser's filter.
    static QString upgradeFileFilter();

    bool upgrading() const { return m_worker != nullptr; }

    void Init();

public slots:
    void on_pushButton_open_clicked();
    void on_pushButton_upgrade_clicked();
    void on_pushButton_clicked();
    void SendStatus(int value);
    void SendRes(int code);

protected:
    void closeEvent(QCloseEvent *event) override;
    // Grows the window once, when first shown, to show the whole table.
    void showEvent(QShowEvent *event) override;

private:
    QString chooseUpgradeFile();
    void releaseWorker();

    std::unique_ptr<Ui::VexoUpgrade> ui;
    std::unique_ptr<CbUpdateCamera> m_worker;
    // The "wait for the upgrade" notice while it is shown.
    QPointer<QMessageBox> m_closeNotice;
    QTranslator m_translator;
    QString m_translationFile;
    bool m_translationInstalled = false;
    bool m_fitted = false;
};
