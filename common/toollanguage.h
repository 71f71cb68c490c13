#pragma once

#include <QString>
#include <QVariant>

class QTranslator;

// Language of the two tools. They share the viewer's Config.ini, which lies in
// the application-data directory without the per-program folder, and read only
// its "EDITION/Language" key: 0 means Chinese, anything else (or no key) English.
namespace vexo {

// The tool's application-data location without its trailing "/" + application
// name, + "/Config.ini". Call after the QApplication exists.
QString sharedConfigPath();

// True when the stored language value stands for Chinese (the integer 0).
bool isChineseLanguage(const QVariant &value);

struct ToolLanguage
{
    QString configPath;
    QVariant value; // invalid when the key is missing
    QString qmFile; // the translation file tried
    bool installed = false;
};

// Loads "<appdir>/<program>_zh_CN.qm" or "<appdir>/<program>_en_CN.qm" into
// translator and installs it. The caller reports a failure to the user.
ToolLanguage installToolTranslation(QTranslator &translator, const QString &program);

} // namespace vexo
