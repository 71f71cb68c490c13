#include "toollanguage.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

namespace vexo {

QString sharedConfigPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString suffix = QLatin1Char('/') + QCoreApplication::applicationName();
    if (!QCoreApplication::applicationName().isEmpty() && dir.endsWith(suffix))
        dir.chop(suffix.size());
    return dir + QStringLiteral("/Config.ini");
}

bool isChineseLanguage(const QVariant &value)
{
    bool ok = false;
    const int n = value.toInt(&ok);
    return value.isValid() && ok && n == 0;
}

ToolLanguage installToolTranslation(QTranslator &translator, const QString &program)
{
    ToolLanguage result;
    result.configPath = sharedConfigPath();
    QSettings ini(result.configPath, QSettings::IniFormat);
    const QString key = QStringLiteral("EDITION/Language");
    if (ini.contains(key))
        result.value = ini.value(key);
    const QString suffix =
        isChineseLanguage(result.value) ? QStringLiteral("_zh_CN.qm") : QStringLiteral("_en_CN.qm");
    result.qmFile = QCoreApplication::applicationDirPath() + QLatin1Char('/') + program + suffix;
    result.installed = translator.load(result.qmFile) && QCoreApplication::installTranslator(&translator);
    qDebug() << "config" << result.configPath << "language" << result.value << "translation" << result.qmFile
             << (result.installed ? "installed" : "not installed");
    return result;
}

} // namespace vexo
