#ifndef CELLCAPTURE_H
#define CELLCAPTURE_H

#include "VexoCameraSDK.h"
#include "capture/captureseries.h"
#include "capture/recordvideothread.h"
#include "capture/snapshotwriter.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class CVideoThread;
class QWidget;

// Snapshots, snapshot series and recordings of one display cell: folders and
// names from the capture and recording settings, the series timer, the
// recorder, and what the operator is told. The cell only forwards its
// buttons, hotkeys and grabber signals here and shows what comes back.
class CellCapture final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CellCapture)

public:
    // cell: parent of the folder dialogs and message boxes.
    explicit CellCapture(QWidget *cell);
    ~CellCapture() override;

    // The camera is playing through grabber.
    void attach(CameraHandle handle, CVideoThread *grabber);
    // The grabber has ended; waits for pictures still being written, which
    // need the camera handle, before the camera is closed.
    void detach();
    // The output size and capture rate of the last status update.
    void setCameraFormat(int width, int height, float captureFps);

    void requestSnapshot();
    // A frame the grabber handed over for a snapshot: chooses folder and name
    // and queues the file; the status line hears the outcome when written.
    void savePicture(const QByteArray &pixels, const stImageInfo &head);

    bool isSeriesRunning() const { return m_series != nullptr; }
    void toggleSeries();
    void endSeries(bool restoreTitle);

    bool isRecording() const { return m_recorder != nullptr; }
    void toggleRecording();
    void stopRecording(bool restoreTitle);
    // The field of the status line that tells what the running recording
    // lost ("录像丢帧: n"); empty when not recording. grew: more were lost
    // since the last call.
    QString recordingLossField(bool *grew);
    // The language changed: the title says again what is running.
    void retranslate();

    // For the benchmarks and tests.
    RecordVideoThread *recorder() const { return m_recorder.get(); }
    SnapshotWriter *writer();
    CaptureSeries *series() const { return m_series.get(); }

signals:
    void statusMessage(const QString &text);
    void titleChanged(const QString &title);
    void mediaVisible(bool visible);
    void seriesRunning(bool running);

private:
    // Where the pictures of a running series go; kept here for the series'
    // length so the stored capture settings are never rewritten.
    struct SeriesTarget
    {
        QString folder;
        QString prefix;
        int nameRuleFormat = 0;
        int pictureType = 0;
        int nextIndex = 0;
    };

    QString friendlyName() const;
    QString chooseFolder() const;
    // Shows why folder and prefix cannot be used; true when they can.
    bool checkTarget(const QString &folder, const QString &prefix) const;
    bool checkName(const QString &fileName) const;
    void showError(const QString &text) const;
    bool seriesReady() const;
    void startSeries();
    void startRecording();
    void takeSeriesPicture(int pictures);
    void onWritten(const QString &fileName, int status, bool series);
    void onRecordingFailed();
    void disconnectRecorder();
    // Ends the recorder and tells the operator what went into the file.
    // Finishes the file and tells how it ended; the title goes back to the
    // camera's name with restoreTitle.
    void closeRecorder(bool failed, bool restoreTitle);
    QString recordingTitle() const;
    void updateMedia();

    QWidget *m_cell;
    CameraHandle m_handle = nullptr;
    QPointer<CVideoThread> m_grabber;
    int m_width = 0;
    int m_height = 0;
    float m_captureFps = 0.0f;
    mutable QString m_name; // the camera's name as last read

    std::unique_ptr<SnapshotWriter> m_writer;
    std::unique_ptr<CaptureSeries> m_series;
    SeriesTarget m_seriesTarget;
    // A series picture was asked for and its frame has not come back yet.
    bool m_seriesShotPending = false;
    // A failed save was shown in a box; the next one waits for a success.
    bool m_saveFailureShown = false;
    std::unique_ptr<RecordVideoThread> m_recorder;
    qint64 m_reportedDrops = 0;
};

#endif // CELLCAPTURE_H
