// What the display cell does with keys and drags: the hotkeys of the
// settings, a camera dropped from the device tree, and one cell dragged onto
// another to swap their places in the grid.
#include "view/camerathread.h"

#include "config/configparameter.h"
#include "dialogs/settingsrules.h"
#include "layouts/customgraphicsscene.h"
#include "view/cameraviewmath.h"

#include <QAction>
#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPushButton>

namespace {

const char *const RowFormat = "ROW";
const char *const ColumnFormat = "COLUMN";

} // namespace

void CameraThread::handleHotkey(const QKeyEvent *event)
{
    using SettingsRules::HotkeyAction;
    const HotkeyAction action =
        SettingsRules::matchHotkey(SettingsRules::pressedKeyText(event->key(), event->modifiers()),
                                   *ConfigParameter::getInstance()->getHotkeyParameter());
    // A held key repeats: zooming may follow it, but a toggle must not flip
    // back and forth, and snapshots must not pile up faster than they are
    // written. The held state is our own: not every X server flags repeats.
    // A press flagged as a repeat is one; the others are judged by the
    // presses and releases seen.
    const bool firstStroke = !event->isAutoRepeat() && m_heldKeys.press(event->key(), event->timestamp());
    const bool once = action != HotkeyAction::Enlarge && action != HotkeyAction::Narrow;
    if (once && !firstStroke)
        return;
    switch (action) {
    case HotkeyAction::None:
        break;
    case HotkeyAction::WindowSize:
        fullScreenZoom();
        break;
    case HotkeyAction::OriginalSize:
        m_actionOriginalSize->trigger();
        break;
    case HotkeyAction::Enlarge:
        m_zoomInButton->click();
        break;
    case HotkeyAction::Narrow:
        m_zoomOutButton->click();
        break;
    case HotkeyAction::Recording:
        on_pushButton_recording_clicked();
        break;
    case HotkeyAction::Photogrape:
        on_pushButton_photogrape_clicked();
        break;
    case HotkeyAction::Onoff:
        on_pushButton_open_clicked();
        break;
    case HotkeyAction::DisplaySwitch:
        m_actionFullScreen->trigger();
        break;
    }
}

void CameraThread::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragStart = event->pos();
        m_dragArmed = true;
    }
    QDockWidget::mousePressEvent(event);
}

void CameraThread::mouseMoveEvent(QMouseEvent *event)
{
    if (CameraViewMath::startsCellDrag(isAttachCamera(), m_dragArmed, event->buttons(), m_dragStart,
                                       event->pos(), QApplication::startDragDistance())) {
        m_dragArmed = false;
        auto *data = new QMimeData;
        data->setData(QString::fromLatin1(RowFormat), QByteArray::number(m_row));
        data->setData(QString::fromLatin1(ColumnFormat), QByteArray::number(m_column));
        auto *drag = new QDrag(this);
        drag->setMimeData(data);
        drag->exec(Qt::MoveAction);
    }
    QDockWidget::mouseMoveEvent(event);
}

void CameraThread::dragEnterEvent(QDragEnterEvent *event)
{
    event->accept();
}

void CameraThread::dragMoveEvent(QDragMoveEvent *event)
{
    event->accept();
}

void CameraThread::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (data->hasFormat(QString::fromLatin1(CustomGraphicsScene::SerialFormat))) {
        const QString serial = CustomGraphicsScene::serialFromMimeData(data);
        if (!serial.isEmpty()) {
            event->accept();
            on_openCamera(serial);
            return;
        }
    }
    if (data->hasFormat(QString::fromLatin1(RowFormat)) ||
        data->hasFormat(QString::fromLatin1(ColumnFormat))) {
        bool rowOk = false;
        bool columnOk = false;
        int fromRow = data->data(QString::fromLatin1(RowFormat)).toInt(&rowOk);
        int fromColumn = data->data(QString::fromLatin1(ColumnFormat)).toInt(&columnOk);
        // A foreign drag with garbage positions must not reorder the grid.
        if (!rowOk || !columnOk)
            return;
        int toRow = m_row;
        int toColumn = m_column;
        emit windowMoving(fromRow, fromColumn, toRow, toColumn);
    }
}
