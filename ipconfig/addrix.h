#pragma once

#include "gigecameraentry.h"

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QTranslator>
#include <QWidget>

#include <memory>
#include <vector>

class QListWidgetItem;
class QTableWidgetItem;

namespace Ui {
class Addrix;
}

// The address tool's window: host interfaces on the left, the GigE cameras
// the SDK finds on the right; renames a camera and opens the address dialog.
class Addrix final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Addrix)

public:
    // A host interface as the list needs it.
    struct HostInterface
    {
        QString name; // human-readable
        bool loopback = false;
        QList<QHostAddress> addresses;
    };
    // One entry of the interface list: "    name[address]" and the address.
    struct HostItem
    {
        QString text;
        QString address;
    };

    explicit Addrix(QWidget *parent = nullptr);
    ~Addrix() override;

    // The translation file tried at start and whether it was installed.
    QString translationFile() const { return m_translationFile; }
    bool translationInstalled() const { return m_translationInstalled; }

    // The interfaces that can reach a camera, by their first IPv4 address;
    // loopback interfaces and those without IPv4 are left out.
    static QList<HostItem> hostItems(const QList<HostInterface> &interfaces);
    static QList<HostInterface> systemInterfaces();

    void initDeviceList();
    void initDeviceInfo();
    void initDeviceTable();
    void modifyIp(int row);

public slots:
    void on_pushButton_modifyIP_clicked();
    void on_listWidget_itemDoubleClicked(QListWidgetItem *item);
    void on_pushButton_refresh_clicked();
    void on_tableWidget_itemDoubleClicked(QTableWidgetItem *item);
    void on_pushButton_clicked();
    void on_tableWidget_itemClicked(QTableWidgetItem *item);

protected:
    // The address dialogs of the cameras go with the window that opened them.
    void closeEvent(QCloseEvent *event) override;
    // Grows the window once, when first shown, to show the whole table.
    void showEvent(QShowEvent *event) override;

private:
    QString serialOfRow(int row) const;

    std::unique_ptr<Ui::Addrix> ui;
    std::vector<std::unique_ptr<GigeCameraEntry>> gigeCameras;
    QTranslator m_translator;
    QString m_translationFile;
    bool m_translationInstalled = false;
    bool m_fitted = false;
};
