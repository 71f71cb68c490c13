// The main window's share of the parameter dock: it hands the dock the
// selected cell's camera and refits the cell whose resolution changed.
#include "vexocam.h"

#include "camerathread.h"
#include "parameterpanel.h"
#include "ui_vexocam.h"

void VexoCam::wireParameterPanel()
{
    m_panel = std::make_unique<ParameterPanel>(ui.get(), this, m_appDir);
    connect(m_panel.get(), &ParameterPanel::resolutionChanged, this, [this](void *handle) {
        for (CameraThread *cell : qAsConst(m_cells)) {
            if (cell->cameraHandle() == handle) {
                cell->fullScreenZoom();
                return;
            }
        }
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
}
