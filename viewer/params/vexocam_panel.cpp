// The main window's share of the parameter dock: it hands the dock the
// selected cell's camera and refits the cell whose resolution changed.
#include "vexocam.h"

#include "camerathread.h"
#include "parameterpanel.h"
#include "ui_vexocam.h"

#include <QTimer>

#include <memory>

void VexoCam::wireParameterPanel()
{
    m_panel = std::make_unique<ParameterPanel>(ui.get(), this, m_appDir);
    connect(m_panel.get(), &ParameterPanel::resolutionChanged, this,
            &VexoCam::refitCellAfterResolutionChange);
    connect(m_panel.get(), &ParameterPanel::roiEditorRequested, this, &VexoCam::openRoiEditor);
}

void VexoCam::refitCellAfterResolutionChange(void *handle)
{
    CameraThread *cell = nullptr;
    for (CameraThread *candidate : qAsConst(m_cells)) {
        if (candidate->cameraHandle() == handle) {
            cell = candidate;
            break;
        }
    }
    if (!cell)
        return;
    cell->fullScreenZoom();
    // The picture still has the old size now; the fit that matters is
    // the one on the first picture of the new size.
    stImageResolution resolution{};
    if (!cell->grabber() || CameraGetResolution(handle, &resolution) != CAMERA_STATUS_SUCCESS)
        return;
    const QSize size(resolution.iWidth, resolution.iHeight);
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection =
        connect(cell->grabber(), &CVideoThread::acquireFrame, cell, [cell, connection, size](QImage image) {
            if (image.size() != size)
                return;
            QObject::disconnect(*connection);
            cell->fullScreenZoom();
        });
}

void VexoCam::closeSlot()
{
    m_panel->closeSlot();
}

void VexoCam::openSlot()
{
    m_panel->openSlot();
}

void VexoCam::initDeviceSetting(void *handle)
{
    m_panel->initDeviceSetting(handle);
    m_cameraHandle = handle;
    // The page's labels report their new sizes once their layout has run.
    QTimer::singleShot(0, this, [this] { widenParameterDock(); });
}
