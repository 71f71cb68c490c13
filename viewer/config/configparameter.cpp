#include "config/configparameter.h"

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

// One key of a settings record: its name in the file, the field it fills
// (a number or a text) and what a read yields when the key is missing.
template<typename Record>
struct Key
{
    const char *name;
    int Record::*number;
    QString Record::*text;
    int numberDefault;
    const char *textDefault;
};

template<typename Record>
constexpr Key<Record> number(const char *name, int Record::*field, int readDefault)
{
    return {name, field, nullptr, readDefault, nullptr};
}

template<typename Record>
constexpr Key<Record> words(const char *name, QString Record::*field, const char *readDefault)
{
    return {name, nullptr, field, 0, readDefault};
}

// The keys of each section in file order, with their read defaults.
const Key<CaptureParameter> kCaptureKeys[] = {
    words("SvaePath", &CaptureParameter::savePath, "D:/"),
    number("AutoSaveState", &CaptureParameter::autoSaveState, 0),
    number("PictureType", &CaptureParameter::pictureType, 0),
    words("NameRulePrefix", &CaptureParameter::nameRulePrefix, "Image_"),
    number("NameRuleFormat", &CaptureParameter::nameRuleFormat, 0),
    number("NameRuleIndex", &CaptureParameter::nameRuleIndex, 0),
    number("CaptureMode", &CaptureParameter::captureMode, 0),
    number("GrapNumberRadix", &CaptureParameter::grapNumberRadix, 1),
    number("GrapNumberStop", &CaptureParameter::grapNumberStop, 0),
    number("GrapNumberCount", &CaptureParameter::grapNumberCount, 1),
    number("GrapTimeRadix", &CaptureParameter::grapTimeRadix, 1),
    number("GrapTimeStop", &CaptureParameter::grapTimeStop, 0),
    number("GrapTimeCount", &CaptureParameter::grapTimeCount, 1),
};

const Key<RecordParameter> kRecordKeys[] = {
    words("SvaePath", &RecordParameter::savePath, "D:/"),
    number("AutoSaveState", &RecordParameter::autoSaveState, 0),
    number("VideoType", &RecordParameter::videoType, 0),
    number("VideoQuality", &RecordParameter::videoQuality, 0),
    number("PlaySpeed", &RecordParameter::playSpeed, 0),
    number("AutoFrameRate", &RecordParameter::autoFrameRate, 0),
    words("NameRulePrefix", &RecordParameter::nameRulePrefix, "Video_"),
    number("NameRuleFormat", &RecordParameter::nameRuleFormat, 0),
    number("NameRuleIndex", &RecordParameter::nameRuleIndex, 0),
};

const Key<HotkeyParameter> kHotkeyKeys[] = {
    words("WindowSize", &HotkeyParameter::windowSize, "Ctrl+P"),
    words("OriginalSize", &HotkeyParameter::originalSize, "Ctrl+W"),
    words("Enlarge", &HotkeyParameter::enlarge, "Ctrl+E"),
    words("Narrow", &HotkeyParameter::narrow, "Ctrl+R"),
    words("Recording", &HotkeyParameter::recording, "Ctrl+T"),
    words("Photogrape", &HotkeyParameter::photogrape, "Ctrl+Y"),
    words("Onoff", &HotkeyParameter::onoff, "Ctrl+U"),
    words("DisplaySwitch", &HotkeyParameter::displaySwitch, "Ctrl+I"),
};

// Writes every key of a record but skip (the running index, which only its
// owner advances).
template<typename Record, std::size_t N>
void writeKeys(QSettings &ini, const char *group, const Key<Record> (&keys)[N], const Record &record,
               const char *skip = nullptr)
{
    ini.beginGroup(text(group));
    for (const Key<Record> &key : keys) {
        if (skip && qstrcmp(key.name, skip) == 0)
            continue;
        if (key.number)
            ini.setValue(text(key.name), record.*key.number);
        else
            ini.setValue(text(key.name), record.*key.text);
    }
    ini.endGroup();
}

// Text that is not a number reads as 0, a missing key as its read default.
template<typename Record, std::size_t N>
void readKeys(QSettings &ini, const char *group, const Key<Record> (&keys)[N], Record &record)
{
    ini.beginGroup(text(group));
    for (const Key<Record> &key : keys) {
        if (key.number)
            record.*key.number = ini.value(text(key.name), key.numberDefault).toInt();
        else
            record.*key.text = ini.value(text(key.name), text(key.textDefault)).toString();
    }
    ini.endGroup();
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
    writeKeys(*iniFile, "CAPTURE", kCaptureKeys, *p, "NameRuleIndex");
    flush();
    capture = *p;
    return true;
}

bool ConfigParameter::writeRecordParameter(RecordParameter *p)
{
    if (!p)
        return false;
    writeKeys(*iniFile, "RECORDINFO", kRecordKeys, *p, "NameRuleIndex");
    flush();
    record = *p;
    return true;
}

bool ConfigParameter::writeHotkeyParameter(HotkeyParameter *p)
{
    if (!p)
        return false;
    writeKeys(*iniFile, "HOTKEYINFO", kHotkeyKeys, *p);
    flush();
    hotkey = *p;
    return true;
}

bool ConfigParameter::ReadCaptureParament(CaptureParameter *p)
{
    if (!p)
        return false;
    readKeys(*iniFile, "CAPTURE", kCaptureKeys, *p);
    return true;
}

bool ConfigParameter::ReadRecordParameter(RecordParameter *p)
{
    if (!p)
        return false;
    readKeys(*iniFile, "RECORDINFO", kRecordKeys, *p);
    return true;
}

bool ConfigParameter::ReadHotkeyParameter(HotkeyParameter *p)
{
    if (!p)
        return false;
    readKeys(*iniFile, "HOTKEYINFO", kHotkeyKeys, *p);
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
    writeKeys(*iniFile, "CAPTURE", kCaptureKeys, firstRunCapture());
    flush();
    capture = firstRunCapture();
}

void ConfigParameter::initRecordParameter()
{
    writeKeys(*iniFile, "RECORDINFO", kRecordKeys, firstRunRecord());
    flush();
    record = firstRunRecord();
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
    const QString names = storedText(iniFile->value(QStringLiteral("CUSTOMWIDGET/names")));
    if (names.isEmpty())
        return layouts;
    for (const QString &name : names.split(QLatin1Char(','), Qt::KeepEmptyParts)) {
        layouts.append(
            layoutFromStored(name, iniFile->value(QStringLiteral("CUSTOMWIDGET/row_") + name),
                             iniFile->value(QStringLiteral("CUSTOMWIDGET/column_") + name),
                             iniFile->value(QStringLiteral("CUSTOMWIDGET/frameLayoutList_") + name)));
    }
    return layouts;
}

bool ConfigParameter::writeSceneFrameLayout(QVector<SceneFrameLayout> layouts)
{
    const QString inUse = storedText(iniFile->value(QStringLiteral("CUSTOMWIDGET/UsedCustomWidget")));
    const QString oldNames = storedText(iniFile->value(QStringLiteral("CUSTOMWIDGET/names")));
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
                          storedFrameList(layout));
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
