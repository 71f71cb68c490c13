#pragma once

#include "VexoCameraSDK.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

// The cameras the library finds, as the device tree shows them: a group for
// network and one for USB cameras, an item per camera holding its record,
// and the marks of an item (opened, lost). The tree widget belongs to the
// window; this class fills it and looks things up in it.
class DeviceTree final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeviceTree)

public:
    explicit DeviceTree(QTreeWidget *tree, QObject *parent = nullptr);
    ~DeviceTree() override;

    // Enumerates the cameras again and rebuilds the tree; the cameras of
    // lostSerials (open ones that are away) are marked lost.
    void rebuild(const QStringList &lostSerials);
    void retranslate();

    QTreeWidgetItem *findItem(const QString &serial) const;
    // The record behind an item; null for the groups and for no item.
    static stDeviceInfo *recordOf(const QTreeWidgetItem *item);
    static bool isGige(const stDeviceInfo &info);
    static QString serialOf(const stDeviceInfo &info);

    // Marks an item opened or closed; either way it is not lost.
    static void markOpened(QTreeWidgetItem *item, bool opened);
    // An open camera's item, marked lost or not.
    static void markLost(QTreeWidgetItem *item, bool lost);
    static bool isLost(const QTreeWidgetItem *item);
    // "已打开", "未打开", or "已断开" for an open camera that is lost.
    static QString openStateText(const QTreeWidgetItem *item);

private:
    QTreeWidget *m_tree;
    QTreeWidgetItem *m_networkGroup = nullptr;
    QTreeWidgetItem *m_usbGroup = nullptr;
    // The tree items point at these records; a rebuild frees them.
    std::vector<std::unique_ptr<stDeviceInfo>> m_records;
};
