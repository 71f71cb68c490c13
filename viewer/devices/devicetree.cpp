#include "devices/devicetree.h"

#include "stream/cameraconnection.h"
#include "textfields.h"

#include <QIcon>
#include <QTreeWidget>
#include <QTreeWidgetItem>

namespace {

// Marks an item whose camera is lost; the record itself is under Qt::UserRole.
constexpr int LostRole = Qt::UserRole + 1;

QIcon icon(const char *name)
{
    return QIcon(QStringLiteral(":/images/ICO/") + QLatin1String(name));
}

} // namespace

DeviceTree::DeviceTree(QTreeWidget *tree, QObject *parent) : QObject(parent), m_tree(tree) {}

// The window's tree may already be gone; its items go with it.
DeviceTree::~DeviceTree() = default;

void DeviceTree::rebuild(const QStringList &lostSerials)
{
    // The items point into the records: drop the items first.
    m_tree->clear();
    m_records.clear();
    m_networkGroup = new QTreeWidgetItem(m_tree, {tr("网络相机")});
    m_usbGroup = new QTreeWidgetItem(m_tree, {tr("USB相机")});

    int count = 0;
    if (CameraEnumerateDevice(&count) != CAMERA_STATUS_SUCCESS)
        return;
    for (int index = 0; index < count; ++index) {
        auto record = std::make_unique<stDeviceInfo>();
        if (CameraGetEnumIndexInfo(index, record.get()) != CAMERA_STATUS_SUCCESS)
            continue;
        auto *item = new QTreeWidgetItem(isGige(*record) ? m_networkGroup : m_usbGroup);
        item->setData(0, Qt::UserRole, QVariant::fromValue<void *>(record.get()));
        item->setText(0, vexo::fromLocalField(record->acFriendlyName));
        item->setIcon(0, icon(record->iOpened ? "cameraOn.png" : "cameraOff.png"));
        m_records.push_back(std::move(record));
    }
    m_tree->expandAll();
    for (const QString &serial : lostSerials) {
        if (QTreeWidgetItem *item = findItem(serial))
            markLost(item, true);
    }
}

void DeviceTree::retranslate()
{
    m_networkGroup->setText(0, tr("网络相机"));
    m_usbGroup->setText(0, tr("USB相机"));
}

QTreeWidgetItem *DeviceTree::findItem(const QString &serial) const
{
    for (QTreeWidgetItem *group : {m_networkGroup, m_usbGroup}) {
        for (int i = 0; group && i < group->childCount(); ++i) {
            QTreeWidgetItem *item = group->child(i);
            const stDeviceInfo *info = recordOf(item);
            if (info && serialOf(*info) == serial)
                return item;
        }
    }
    return nullptr;
}

stDeviceInfo *DeviceTree::recordOf(const QTreeWidgetItem *item)
{
    if (!item)
        return nullptr;
    return static_cast<stDeviceInfo *>(item->data(0, Qt::UserRole).value<void *>());
}

bool DeviceTree::isGige(const stDeviceInfo &info)
{
    return vexo::fromLocalField(info.acPortType).contains(QLatin1String("GigE"), Qt::CaseSensitive);
}

QString DeviceTree::serialOf(const stDeviceInfo &info)
{
    return vexo::fromLocalField(info.acSn);
}

void DeviceTree::markOpened(QTreeWidgetItem *item, bool opened)
{
    recordOf(item)->iOpened = opened ? 1 : 0;
    markLost(item, false);
    item->setIcon(0, icon(opened ? "cameraOn.png" : "cameraOff.png"));
}

void DeviceTree::markLost(QTreeWidgetItem *item, bool lost)
{
    item->setIcon(0, icon(lost ? "cameraLost.png" : "cameraOn.png"));
    item->setToolTip(0, lost ? CameraConnection::lostText() : QString());
    item->setData(0, LostRole, lost);
}

bool DeviceTree::isLost(const QTreeWidgetItem *item)
{
    return item != nullptr && item->data(0, LostRole).toBool();
}

QString DeviceTree::openStateText(const QTreeWidgetItem *item)
{
    const stDeviceInfo *info = recordOf(item);
    if (info == nullptr || !info->iOpened)
        return tr("未打开");
    return isLost(item) ? tr("已断开") : tr("已打开");
}
