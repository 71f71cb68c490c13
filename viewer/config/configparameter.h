#pragma once

#include "config/sceneframelayout.h"
#include "config/settingsrecords.h"

#include <QString>
#include <QVariant>
#include <QVector>

#include <memory>

class QSettings;

// The viewer's configuration: Config.ini in the user's application-data
// directory, shared with the two tools (which read only the language key).
// One instance, built during static initialisation, before the application
// object; it creates or resets the file and keeps the capture, recording and
// hotkey records in memory for the rest of the viewer.
class ConfigParameter final
{
public:
    // Opens (and if needed creates or resets) the INI file at iniPath. The
    // program uses only the static instance; tests build their own on
    // temporary files.
    explicit ConfigParameter(const QString &iniPath);
    ~ConfigParameter();
    ConfigParameter(const ConfigParameter &) = delete;
    ConfigParameter &operator=(const ConfigParameter &) = delete;

    static ConfigParameter *getInstance();
    // AppDataLocation + "/Config.ini", with no organisation or application name set.
    static QString defaultPath();

    QString getSavePath() const;

    // The stored value of group/key, or an invalid QVariant when it is missing.
    QVariant value(const QString &group, const QString &key) const;
    // Writes group/key and re-reads the capture and recording records (not the hotkeys).
    void setValue(const QString &group, const QString &key, const QVariant &value);

    CaptureParameter *getCaptureParameter();
    RecordParameter *getRecordParament();
    HotkeyParameter *getHotkeyParameter();

    bool writeCaptureParament(CaptureParameter *parameter);
    bool writeRecordParameter(RecordParameter *parameter);
    bool writeHotkeyParameter(HotkeyParameter *parameter);

    bool ReadCaptureParament(CaptureParameter *parameter);
    bool ReadRecordParameter(RecordParameter *parameter);
    bool ReadHotkeyParameter(HotkeyParameter *parameter);

    // Reset steps, run on a missing file or another configuration version.
    void initEdition();
    void initWidgetInfo();
    void initCaptureParameter();
    void initRecordParameter();
    void initHotkeyParameter();

    // The CUSTOMWIDGET section: saved custom layouts in stored order.
    QVector<SceneFrameLayout> readSceneFrameLayout();
    bool writeSceneFrameLayout(QVector<SceneFrameLayout> layouts);

    static const CaptureParameter &firstRunCapture();
    static const RecordParameter &firstRunRecord();
    static const HotkeyParameter &defaultHotkeys();

private:
    void rereadCaptureAndRecord();
    // Settings must survive a crash or a killed process: write through at once.
    void flush();

    std::unique_ptr<QSettings> iniFile;
    QString version;
    RecordParameter record;
    CaptureParameter capture;
    HotkeyParameter hotkey;

    static ConfigParameter setting;
};
