#include "configparameter.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace {

const char kVersion[] = "v1.3.0";

QString text(const char *s)
{
    return QString::fromUtf8(s);
}

} // namespace

// Built during static initialisation, before the application object exists.
ConfigParameter ConfigParameter::setting(ConfigParameter::defaultPath());

ConfigParameter::ConfigParameter(const QString &iniPath) : version(text(kVersion))
{
    iniFile = std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
    if (QFileInfo::exists(iniPath)) {
        if (value(QStringLiteral("EDITION"), QStringLiteral("Version")).toString() != version) {
            initEdition();
            initWidgetInfo();
            initCaptureParameter();
            initRecordParameter();
            initHotkeyParameter();
        }
    } else {
        initEdition();
        initWidgetInfo();
        initCaptureParameter();
        initRecordParameter();
        initHotkeyParameter();
    }
    ReadCaptureParament(&capture);
    ReadRecordParameter(&record);
    ReadHotkeyParameter(&hotkey);
}

ConfigParameter::~ConfigParameter() = default;

ConfigParameter *ConfigParameter::getInstance()
{
    return &setting;
}

QString ConfigParameter::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Config.ini");
}

QString ConfigParameter::getSavePath() const
{
    return iniFile ? iniFile->fileName() : QString();
}

QVariant ConfigParameter::value(const QString &group, const QString &key) const
{
    if (!iniFile)
        return QVariant();
    const QString path = group + QLatin1Char('/') + key;
    return iniFile->contains(path) ? iniFile->value(path) : QVariant();
}

void ConfigParameter::setValue(const QString &group, const QString &key, const QVariant &value)
{
    if (!iniFile)
        return;
    iniFile->beginGroup(group);
    iniFile->setValue(key, value);
    iniFile->endGroup();
    flush();
    rereadCaptureAndRecord();
}

CaptureParameter *ConfigParameter::getCaptureParameter()
{
    return &capture;
}

RecordParameter *ConfigParameter::getRecordParament()
{
    return &record;
}

HotkeyParameter *ConfigParameter::getHotkeyParameter()
{
    return &hotkey;
}

bool ConfigParameter::writeCaptureParament(CaptureParameter *p)
{
    if (!p)
        return false;
    iniFile->beginGroup(QStringLiteral("CAPTURE"));
    iniFile->setValue(QStringLiteral("SvaePath"), p->savePath);
    iniFile->setValue(QStringLiteral("AutoSaveState"), p->autoSaveState);
    iniFile->setValue(QStringLiteral("PictureType"), p->pictureType);
    iniFile->setValue(QStringLiteral("NameRulePrefix"), p->nameRulePrefix);
    iniFile->setValue(QStringLiteral("NameRuleFormat"), p->nameRuleFormat);
    iniFile->setValue(QStringLiteral("CaptureMode"), p->captureMode);
    iniFile->setValue(QStringLiteral("GrapNumberRadix"), p->grapNumberRadix);
    iniFile->setValue(QStringLiteral("GrapNumberStop"), p->grapNumberStop);
    iniFile->setValue(QStringLiteral("GrapNumberCount"), p->grapNumberCount);
    iniFile->setValue(QStringLiteral("GrapTimeRadix"), p->grapTimeRadix);
    iniFile->setValue(QStringLiteral("GrapTimeStop"), p->grapTimeStop);
    iniFile->setValue(QStringLiteral("GrapTimeCount"), p->grapTimeCount);
    iniFile->endGroup();
    flush();
    capture = *p;
    return true;
}

bool ConfigParameter::writeRecordParameter(RecordParameter *p)
{
    if (!p)
        return false;
    iniFile->beginGroup(QStringLiteral("RECORDINFO"));
    iniFile->setValue(QStringLiteral("SvaePath"), p->savePath);
    iniFile->setValue(QStringLiteral("AutoSaveState"), p->autoSaveState);
    iniFile->setValue(QStringLiteral("VideoType"), p->videoType);
    iniFile->setValue(QStringLiteral("VideoQuality"), p->videoQuality);
    iniFile->setValue(QStringLiteral("PlaySpeed"), p->playSpeed);
    iniFile->setValue(QStringLiteral("AutoFrameRate"), p->autoFrameRate);
    iniFile->setValue(QStringLiteral("NameRulePrefix"), p->nameRulePrefix);
    iniFile->setValue(QStringLiteral("NameRuleFormat"), p->nameRuleFormat);
    iniFile->endGroup();
    flush();
    record = *p;
    return true;
}

bool ConfigParameter::writeHotkeyParameter(HotkeyParameter *p)
{
    if (!p)
        return false;
    iniFile->beginGroup(QStringLiteral("HOTKEYINFO"));
    iniFile->setValue(QStringLiteral("WindowSize"), p->windowSize);
    iniFile->setValue(QStringLiteral("OriginalSize"), p->originalSize);
    iniFile->setValue(QStringLiteral("Enlarge"), p->enlarge);
    iniFile->setValue(QStringLiteral("Narrow"), p->narrow);
    iniFile->setValue(QStringLiteral("Recording"), p->recording);
    iniFile->setValue(QStringLiteral("Photogrape"), p->photogrape);
    iniFile->setValue(QStringLiteral("Onoff"), p->onoff);
    iniFile->setValue(QStringLiteral("DisplaySwitch"), p->displaySwitch);
    iniFile->endGroup();
    flush();
    hotkey = *p;
    return true;
}

bool ConfigParameter::ReadCaptureParament(CaptureParameter *p)
{
    if (!p)
        return false;
    iniFile->beginGroup(QStringLiteral("CAPTURE"));
    p->savePath = iniFile->value(QStringLiteral("SvaePath"), QStringLiteral("D:/")).toString();
    p->autoSaveState = iniFile->value(QStringLiteral("AutoSaveState"), 0).toInt();
    p->pictureType = iniFile->value(QStringLiteral("PictureType"), 0).toInt();
    p->nameRulePrefix = iniFile->value(QStringLiteral("NameRulePrefix"), QStringLiteral("Image_")).toString();
    p->nameRuleFormat = iniFile->value(QStringLiteral("NameRuleFormat"), 0).toInt();
    p->nameRuleIndex = iniFile->value(QStringLiteral("NameRuleIndex"), 0).toInt();
    p->captureMode = iniFile->value(QStringLiteral("CaptureMode"), 0).toInt();
    p->grapNumberRadix = iniFile->value(QStringLiteral("GrapNumberRadix"), 1).toInt();
    p->grapNumberStop = iniFile->value(QStringLiteral("GrapNumberStop"), 0).toInt();
    p->grapNumberCount = iniFile->value(QStringLiteral("GrapNumberCount"), 1).toInt();
    p->grapTimeRadix = iniFile->value(QStringLiteral("GrapTimeRadix"), 1).toInt();
    p->grapTimeStop = iniFile->value(QStringLiteral("GrapTimeStop"), 0).toInt();
    p->grapTimeCount = iniFile->value(QStringLiteral("GrapTimeCount"), 1).toInt();
    iniFile->endGroup();
    return true;
}

bool ConfigParameter::ReadRecordParameter(RecordParameter *p)
{
    if (!p)
        return false;
    iniFile->beginGroup(QStringLiteral("RECORDINFO"));
    p->savePath = iniFile->value(QStringLiteral("SvaePath"), QStringLiteral("D:/")).toString();
    p->autoSaveState = iniFile->value(QStringLiteral("AutoSaveState"), 0).toInt();
    p->videoType = iniFile->value(QStringLiteral("VideoType"), 0).toInt();
    p->videoQuality = iniFile->value(QStringLiteral("VideoQuality"), 0).toInt();
    p->playSpeed = iniFile->value(QStringLiteral("PlaySpeed"), 0).toInt();
    p->autoFrameRate = iniFile->value(QStringLiteral("AutoFrameRate"), 0).toInt();
    p->nameRulePrefix = iniFile->value(QStringLiteral("NameRulePrefix"), QStringLiteral("Video_")).toString();
    p->nameRuleFormat = iniFile->value(QStringLiteral("NameRuleFormat"), 0).toInt();
    p->nameRuleIndex = iniFile->value(QStringLiteral("NameRuleIndex"), 0).toInt();
    iniFile->endGroup();
    return true;
}

bool ConfigParameter::ReadHotkeyParameter(HotkeyParameter *p)
{
    if (!p)
        return false;
    const HotkeyParameter &d = defaultHotkeys();
    iniFile->beginGroup(QStringLiteral("HOTKEYINFO"));
    p->windowSize = iniFile->value(QStringLiteral("WindowSize"), d.windowSize).toString();
    p->originalSize = iniFile->value(QStringLiteral("OriginalSize"), d.originalSize).toString();
    p->enlarge = iniFile->value(QStringLiteral("Enlarge"), d.enlarge).toString();
    p->narrow = iniFile->value(QStringLiteral("Narrow"), d.narrow).toString();
    p->recording = iniFile->value(QStringLiteral("Recording"), d.recording).toString();
    p->photogrape = iniFile->value(QStringLiteral("Photogrape"), d.photogrape).toString();
    p->onoff = iniFile->value(QStringLiteral("Onoff"), d.onoff).toString();
    p->displaySwitch = iniFile->value(QStringLiteral("DisplaySwitch"), d.displaySwitch).toString();
    iniFile->endGroup();
    return true;
}

void ConfigParameter::initEdition()
{
    iniFile->beginGroup(QStringLiteral("EDITION"));
    iniFile->setValue(QStringLiteral("Version"), version);
    iniFile->endGroup();
    flush();
    rereadCaptureAndRecord();
}

void ConfigParameter::initWidgetInfo()
{
    iniFile->beginGroup(QStringLiteral("WIDGETINFO"));
    iniFile->setValue(QStringLiteral("WidgetCount"), QStringLiteral("1"));
    iniFile->endGroup();
    flush();
    rereadCaptureAndRecord();
}

void ConfigParameter::initCaptureParameter()
{
    const CaptureParameter &c = firstRunCapture();
    iniFile->beginGroup(QStringLiteral("CAPTURE"));
    iniFile->setValue(QStringLiteral("SvaePath"), c.savePath);
    iniFile->setValue(QStringLiteral("AutoSaveState"), c.autoSaveState);
    iniFile->setValue(QStringLiteral("PictureType"), c.pictureType);
    iniFile->setValue(QStringLiteral("NameRulePrefix"), c.nameRulePrefix);
    iniFile->setValue(QStringLiteral("NameRuleFormat"), c.nameRuleFormat);
    iniFile->setValue(QStringLiteral("NameRuleIndex"), c.nameRuleIndex);
    iniFile->setValue(QStringLiteral("CaptureMode"), c.captureMode);
    iniFile->setValue(QStringLiteral("GrapNumberRadix"), c.grapNumberRadix);
    iniFile->setValue(QStringLiteral("GrapNumberStop"), c.grapNumberStop);
    iniFile->setValue(QStringLiteral("GrapNumberCount"), c.grapNumberCount);
    iniFile->setValue(QStringLiteral("GrapTimeRadix"), c.grapTimeRadix);
    iniFile->setValue(QStringLiteral("GrapTimeStop"), c.grapTimeStop);
    iniFile->setValue(QStringLiteral("GrapTimeCount"), c.grapTimeCount);
    iniFile->endGroup();
    flush();
    capture = c;
}

void ConfigParameter::initRecordParameter()
{
    const RecordParameter &r = firstRunRecord();
    iniFile->beginGroup(QStringLiteral("RECORDINFO"));
    iniFile->setValue(QStringLiteral("SvaePath"), r.savePath);
    iniFile->setValue(QStringLiteral("AutoSaveState"), r.autoSaveState);
    iniFile->setValue(QStringLiteral("VideoType"), r.videoType);
    iniFile->setValue(QStringLiteral("VideoQuality"), r.videoQuality);
    iniFile->setValue(QStringLiteral("PlaySpeed"), r.playSpeed);
    iniFile->setValue(QStringLiteral("AutoFrameRate"), r.autoFrameRate);
    iniFile->setValue(QStringLiteral("NameRulePrefix"), r.nameRulePrefix);
    iniFile->setValue(QStringLiteral("NameRuleFormat"), r.nameRuleFormat);
    iniFile->setValue(QStringLiteral("NameRuleIndex"), r.nameRuleIndex);
    iniFile->endGroup();
    flush();
    record = r;
}

void ConfigParameter::initHotkeyParameter()
{
    HotkeyParameter h = defaultHotkeys();
    writeHotkeyParameter(&h);
}

const CaptureParameter &ConfigParameter::firstRunCapture()
{
    static const CaptureParameter c{
        QStringLiteral("D:/"), 0, 0, QStringLiteral("Image_"), 0, 1, 0, 1, 0, 1, 1, 0, 1};
    return c;
}

const RecordParameter &ConfigParameter::firstRunRecord()
{
    static const RecordParameter r{QStringLiteral("D:/"), 0, 0, 0, 1, 0, QStringLiteral("Video_"), 0, 1};
    return r;
}

const HotkeyParameter &ConfigParameter::defaultHotkeys()
{
    static const HotkeyParameter h{QStringLiteral("Ctrl+P"), QStringLiteral("Ctrl+W"),
                                   QStringLiteral("Ctrl+E"), QStringLiteral("Ctrl+R"),
                                   QStringLiteral("Ctrl+T"), QStringLiteral("Ctrl+Y"),
                                   QStringLiteral("Ctrl+U"), QStringLiteral("Ctrl+I")};
    return h;
}

QVector<SceneFrameLayout> ConfigParameter::readSceneFrameLayout()
{
    QVector<SceneFrameLayout> layouts;
    const QString names = iniFile->value(QStringLiteral("CUSTOMWIDGET/names")).toString();
    if (names.isEmpty())
        return layouts;
    for (const QString &name : names.split(QLatin1Char(','), Qt::KeepEmptyParts)) {
        SceneFrameLayout layout;
        layout.name = name;
        layout.row = iniFile->value(QStringLiteral("CUSTOMWIDGET/row_") + name).toInt();
        layout.column = iniFile->value(QStringLiteral("CUSTOMWIDGET/column_") + name).toInt();
        layout.frameLayoutList = iniFile->value(QStringLiteral("CUSTOMWIDGET/frameLayoutList_") + name)
                                     .toString()
                                     .split(QLatin1Char('|'), Qt::KeepEmptyParts);
        layouts.append(layout);
    }
    return layouts;
}

bool ConfigParameter::writeSceneFrameLayout(QVector<SceneFrameLayout> layouts)
{
    const QString inUse = iniFile->value(QStringLiteral("CUSTOMWIDGET/UsedCustomWidget")).toString();
    const QString oldNames = iniFile->value(QStringLiteral("CUSTOMWIDGET/names")).toString();
    for (const QString &name : oldNames.split(QLatin1Char(','), Qt::KeepEmptyParts)) {
        iniFile->remove(QStringLiteral("CUSTOMWIDGET/row_") + name);
        iniFile->remove(QStringLiteral("CUSTOMWIDGET/column_") + name);
        iniFile->remove(QStringLiteral("CUSTOMWIDGET/frameLayoutList_") + name);
    }
    QStringList newNames;
    for (const SceneFrameLayout &layout : layouts) {
        newNames << layout.name;
        iniFile->setValue(QStringLiteral("CUSTOMWIDGET/row_") + layout.name, layout.row);
        iniFile->setValue(QStringLiteral("CUSTOMWIDGET/column_") + layout.name, layout.column);
        iniFile->setValue(QStringLiteral("CUSTOMWIDGET/frameLayoutList_") + layout.name,
                          layout.frameLayoutList.join(QLatin1Char('|')));
    }
    iniFile->setValue(QStringLiteral("CUSTOMWIDGET/names"), newNames.join(QLatin1Char(',')));
    if (!newNames.contains(inUse))
        iniFile->setValue(QStringLiteral("CUSTOMWIDGET/UsedCustomWidget"), QString());
    flush();
    return true;
}

void ConfigParameter::rereadCaptureAndRecord()
{
    ReadCaptureParament(&capture);
    ReadRecordParameter(&record);
}

void ConfigParameter::flush()
{
    iniFile->sync();
}
