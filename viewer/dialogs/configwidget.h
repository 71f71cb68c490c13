#ifndef CONFIGWIDGET_H
#define CONFIGWIDGET_H

#include "config/settingsrecords.h"

#include <QWidget>

#include <memory>

class ConfigParameter;
class CustomKeySequenceEdit;

namespace Ui {
class ConfigWidget;
}

// The settings window: snapshot, recording and hotkey pages, each saved on
// its own into the configuration store.
class ConfigWidget final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConfigWidget)

public:
    explicit ConfigWidget(int page, QWidget *parent = nullptr);
    ~ConfigWidget() override;

public slots:
    void on_pushButton_init_clicked();
    void on_pushButton_save_clicked();
    void on_pushButton_openFile_clicked();
    void onRadioClickResult(bool checked);
    void on_pushButton_recordFileSelect_clicked();
    void on_pushButton_recordInit_clicked();
    void on_pushButton_recordSave_clicked();
    void listWidgetCurrentRow(int row);
    void on_pushButton_hotkeySave_clicked();
    void on_pushButton_hoykeyInit_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void readPhotoGraphInfo();
    void writePhotoGraphInfo();
    void readRecordInfo();
    void writeRecordInfo();
    void readHotkeyInfo();
    void writeHotkeyInfo();
    QList<CustomKeySequenceEdit *> keyEditors() const;
    void showResetDone();

    std::unique_ptr<Ui::ConfigWidget> ui;
    int page;
    ConfigParameter *config = nullptr;
    HotkeyParameter hotkey;
};

#endif // CONFIGWIDGET_H
