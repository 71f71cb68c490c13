// The main window's share of the parameter dock: it hands the dock the
// selected cell's camera and refits the cell whose resolution changed.
#include "shell/vexocam.h"

#include "params/parameterdock.h"
#include "params/parameterpanel.h"
#include "ui_vexocam.h"
#include "view/camerathread.h"

#include <QSplitter>
#include <QTimer>

#include <algorithm>
#include <memory>

ParameterDock *VexoCam::parameterDock() const
{
    return ui->widget_parameterPanel;
}

ParameterPanel *VexoCam::parameterPanel() const
{
    return parameterDock()->panel();
}

void VexoCam::wireParameterPanel()
{
    ParameterPanel *panel = parameterPanel();
    panel->setDefaultFolder(m_appDir);
    connect(panel, &ParameterPanel::resolutionChanged, this, &VexoCam::refitCellAfterResolutionChange);
    connect(panel, &ParameterPanel::roiEditorRequested, this, &VexoCam::openRoiEditor);
}

void VexoCam::widenParameterDock()
{
    const int missing = parameterDock()->missingWidth();
    if (missing <= 0 || ui->splitter->count() < 2)
        return;
    QList<int> sizes = ui->splitter->sizes();
    const int grid = sizes.size() - 2;
    const int taken =
        std::min(missing, std::max(0, sizes[grid] - ui->splitter->widget(grid)->minimumWidth()));
    sizes[grid] -= taken;
    sizes.last() += taken;
    ui->splitter->setSizes(sizes);
}

void VexoCam::refitCellAfterResolutionChange(void *handle)
{
    CameraThread *cell = nullptr;
    for (CameraThread *candidate : cells()) {
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
    *connection = cell->grabber()->connectFrames(cell, [cell, connection, size](const QImage &image) {
        if (image.size() != size)
            return;
        QObject::disconnect(*connection);
        cell->fullScreenZoom();
    });
}

void VexoCam::closeSlot()
{
    parameterPanel()->closeSlot();
}

void VexoCam::openSlot()
{
    parameterPanel()->openSlot();
}

void VexoCam::initDeviceSetting(void *handle)
{
    parameterPanel()->initDeviceSetting(handle);
    m_cameraHandle = handle;
    // The page's labels report their new sizes once their layout has run.
    QTimer::singleShot(0, this, [this] { widenParameterDock(); });
}
