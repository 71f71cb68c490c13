#pragma once

#include <QString>

// The three settings records of Config.ini, kept in memory by ConfigParameter.
// Plain values: the rest of the viewer reads their fields directly.

// Section CAPTURE: snapshots and continuous capture.
struct CaptureParameter
{
    QString savePath;      // SvaePath
    int autoSaveState = 0; // check state: 0 ask for a folder, 2 save to savePath
    int pictureType = 0;   // 0 BMP, 1 JPG, 2 PNG
    QString nameRulePrefix;
    int nameRuleFormat = 0; // 0 prefix + date and time, 1 prefix + running index
    int nameRuleIndex = 0;  // next running index
    int captureMode = 0;    // 0 by frame count, 1 by time
    int grapNumberRadix = 1;
    int grapNumberStop = 0; // check state
    int grapNumberCount = 1;
    int grapTimeRadix = 1; // ms
    int grapTimeStop = 0;  // check state
    int grapTimeCount = 1; // ms
};

// Section RECORDINFO: video recording.
struct RecordParameter
{
    QString savePath;
    int autoSaveState = 0;
    int videoType = 0;    // 0 MP4, 1 AVI
    int videoQuality = 0; // 0 normal, 1 better, 2 best
    int playSpeed = 0;    // non-zero: the camera's own rate; 0: autoFrameRate
    int autoFrameRate = 0;
    QString nameRulePrefix;
    int nameRuleFormat = 0;
    int nameRuleIndex = 0;
};

// Section HOTKEYINFO: key sequences in QKeySequence::PortableText form.
struct HotkeyParameter
{
    QString windowSize;
    QString originalSize;
    QString enlarge;
    QString narrow;
    QString recording;
    QString photogrape;
    QString onoff;
    QString displaySwitch;
};
