// Every feature of the dock's camera as a tree: categories as branches, each
// feature with its value, unit, type, access and range, its description as a
// tooltip. A typed value is written once when editing is finished (Enter or
// leaving the field) and read back; a refusal shows the camera's reason.
// Commands are buttons. The tree is read again when it is shown, on
// "刷新" and after every write, so what the camera greys out follows it.
#pragma once

#include "params/featuretree.h"

#include <QWidget>

#include <memory>

class QTreeWidgetItem;

namespace Ui {
class FeatureBrowser;
}

class FeatureBrowser final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FeatureBrowser)

public:
    explicit FeatureBrowser(QWidget *parent = nullptr);
    ~FeatureBrowser() override;

    // nullptr: no camera; the tree empties. The same camera again keeps the
    // tree unless it went away meanwhile (markStale()).
    void setCamera(CameraHandle handle);
    // The camera was lost: what the tree shows is read anew once it is back.
    void markStale() { m_stale = true; }
    CameraHandle camera() const { return m_camera; }
    // Reads the whole tree again, keeping what was expanded and the search.
    void refresh();
    // Writes text into the named feature and reads the tree back; false
    // (after telling the operator why) when the camera refused it.
    bool writeFeature(const QString &name, const QString &text);
    bool executeFeature(const QString &name);

    // The row of a feature as last read, for the editors.
    const FeatureRow *row(const QString &name) const;

signals:
    // A write or a command changed the camera: other views of it read again.
    void cameraChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_pushButton_featureRefresh_clicked();
    void on_lineEdit_featureSearch_textChanged(const QString &text);

private:
    void rebuild();
    void applySearch();
    void refused(const QString &name, CameraSdkStatus status);

    std::unique_ptr<Ui::FeatureBrowser> ui;
    CameraHandle m_camera = nullptr;
    QVector<FeatureRow> m_rows;
    bool m_stale = false;
};
