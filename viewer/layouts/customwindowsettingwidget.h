#pragma once

#include "config/sceneframelayout.h"

#include <QDialog>
#include <QMap>
#include <QPixmap>
#include <QPoint>
#include <QVector>

#include <memory>

class QLabel;
class QListWidgetItem;

namespace Ui {
class CustomWindowSettingWidget;
}

// The modal editor of the named custom layouts. It works on copies: nothing
// reaches Config.ini until save, which writes every layout and accepts.
class CustomWindowSettingWidget final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustomWindowSettingWidget)

public:
    explicit CustomWindowSettingWidget(QVector<SceneFrameLayout> layouts, QWidget *parent = nullptr);
    ~CustomWindowSettingWidget() override;

    // Rebuilds the preview from a record.
    void cameraWindowSetting(SceneFrameLayout &layout);
    // The merge test; x = row, y = column of each marked unit cell.
    static bool isFrameMerge(const QVector<QPoint> &points);

    // The frames of the preview in key order, and the cell showing one.
    QStringList previewFrames() const { return frameLabels.keys(); }
    QLabel *previewCell(const QString &frame) const { return frameLabels.value(frame); }
    // The working records in list order, as they are now.
    QVector<SceneFrameLayout> layouts() const;

    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    void on_pushButton_addFram_clicked();
    void on_pushButton_deleteFram_clicked();
    void on_listWidget_itemSelectionChanged();
    void on_comboBox_framdivision_currentIndexChanged(int index);
    void on_pushButton_merge_clicked();
    void on_pushButton_division_clicked();
    void on_pushButton_save_clicked();

private:
    QListWidgetItem *appendItem(const SceneFrameLayout &layout);
    static SceneFrameLayout &recordOf(QListWidgetItem *item);
    QListWidgetItem *firstSelectedItem() const;
    void collectPreview(SceneFrameLayout &layout) const;
    void clearPreview();
    QLabel *addPreviewCell(const FramePlacement &frame);
    void removePreviewCell(const QString &key);
    QVector<QPoint> markedCells(QStringList *keys = nullptr) const;
    void sizeByDivision(SceneFrameLayout &layout) const;

    std::unique_ptr<Ui::CustomWindowSettingWidget> ui;
    QMap<QString, QLabel *> frameLabels;
    QListWidgetItem *previewItem = nullptr;
    // The shown record could not be drawn: the preview is empty and must not
    // be taken back into the record.
    bool previewRefused = false;
    QLabel *faultLabel = nullptr;
    QPixmap m_fadedLogo;
};
