#pragma once

#include <QWidget>

#include <memory>

class FeatureBrowser;
class ParameterPanel;
class QLabel;

namespace Ui {
class ParameterDock;
}

// The camera parameter dock beside the cell grid: a title bar and two tabs,
// the tool box of settings pages and the parameter-group buttons. It holds
// the controls; its ParameterPanel fills them from a camera and sends their
// changes to it.
class ParameterDock final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ParameterDock)

public:
    explicit ParameterDock(QWidget *parent = nullptr);
    ~ParameterDock() override;

    ParameterPanel *panel() const { return m_panel.get(); }
    // The "全部特性" tab: every feature of the camera the dock shows.
    FeatureBrowser *featureBrowser() const { return m_features; }

    // The settings tabs alone; a fill enables them again.
    void setSettingsEnabled(bool enabled);
    // The tabs and the title bar, until the next fill enables both.
    void disableUntilFilled();
    // While the dock's camera is away: the controls greyed out and the reason
    // shown above them. The next fill (the camera back) clears it.
    void showCameraLost(const QString &reason);
    // The tool box's tenth page, out of the tool box while the camera has
    // neither channels nor a focus motor.
    QWidget *specialSettingsPage() const { return m_specialPage; }
    // How much wider the dock must become to show its current page whole
    // (long values, English captions); 0 when it fits.
    int missingWidth() const;
    // The form's texts in the language now installed.
    void retranslate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::ParameterDock> ui;
    QWidget *m_specialPage = nullptr;
    QLabel *m_lostNotice = nullptr;
    FeatureBrowser *m_features = nullptr;
    // After ui: goes first, while the controls it handles still exist.
    std::unique_ptr<ParameterPanel> m_panel;
};
