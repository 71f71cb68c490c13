#include "params/featuretree.h"

#include <QCoreApplication>

#include <cstring>
#include <limits>

namespace {

QString field(const char *text, size_t size)
{
    return QString::fromUtf8(text, static_cast<int>(strnlen(text, size)));
}

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

} // namespace

bool FeatureRow::editable() const
{
    return access == CAMERA_FEATURE_ACCESS_READ_WRITE &&
           (type == CAMERA_FEATURE_INTEGER || type == CAMERA_FEATURE_FLOAT ||
            type == CAMERA_FEATURE_BOOLEAN || type == CAMERA_FEATURE_ENUMERATION ||
            type == CAMERA_FEATURE_STRING);
}

QString FeatureRow::shownValue() const
{
    if (type == CAMERA_FEATURE_BOOLEAN && !value.isEmpty()) {
        return value == QLatin1String("0") ? QStringLiteral("false") : QStringLiteral("true");
    }
    return value;
}

namespace featuretree {

CameraSdkStatus read(CameraHandle handle, QVector<FeatureRow> *rows)
{
    rows->clear();
    int count = 0;
    CameraSdkStatus status = CameraGetFeatureCount(handle, &count);
    if (status != CAMERA_STATUS_SUCCESS) {
        return status;
    }
    rows->reserve(count);
    for (int i = 0; i < count; ++i) {
        stFeatureInfo info{};
        status = CameraGetFeatureInfo(handle, i, &info);
        if (status != CAMERA_STATUS_SUCCESS) {
            return status;
        }
        FeatureRow row;
        row.name = field(info.acName, sizeof info.acName);
        row.displayName = field(info.acDisplayName, sizeof info.acDisplayName);
        row.category = field(info.acCategory, sizeof info.acCategory);
        row.unit = field(info.acUnit, sizeof info.acUnit);
        row.description = field(info.acDescription, sizeof info.acDescription);
        row.value = field(info.acValue, sizeof info.acValue);
        row.type = info.iType;
        row.access = info.iAccess;
        row.intMin = info.iMin;
        row.intMax = info.iMax;
        row.intIncrement = info.iIncrement;
        row.floatMin = info.dMin;
        row.floatMax = info.dMax;
        row.floatIncrement = info.dIncrement;
        for (int e = 0; e < info.iEntries; ++e) {
            stFeatureEntry entry{};
            if (CameraGetFeatureEntry(handle, i, e, &entry) == CAMERA_STATUS_SUCCESS) {
                row.entries << field(entry.acName, sizeof entry.acName);
                row.entryAvailable << (entry.iAvailable != 0);
            }
        }
        rows->push_back(std::move(row));
    }
    return CAMERA_STATUS_SUCCESS;
}

QString lastError(CameraHandle handle)
{
    char reason[512] = {};
    if (CameraGetFeatureError(handle, reason, sizeof reason) != CAMERA_STATUS_SUCCESS) {
        return {};
    }
    return QString::fromUtf8(reason);
}

QString typeText(int type)
{
    switch (type) {
    case CAMERA_FEATURE_CATEGORY:
        return QCoreApplication::translate("FeatureBrowser", "类别");
    case CAMERA_FEATURE_INTEGER:
        return QCoreApplication::translate("FeatureBrowser", "整数");
    case CAMERA_FEATURE_FLOAT:
        return QCoreApplication::translate("FeatureBrowser", "浮点数");
    case CAMERA_FEATURE_BOOLEAN:
        return QCoreApplication::translate("FeatureBrowser", "布尔");
    case CAMERA_FEATURE_ENUMERATION:
        return QCoreApplication::translate("FeatureBrowser", "枚举");
    case CAMERA_FEATURE_STRING:
        return QCoreApplication::translate("FeatureBrowser", "字符串");
    case CAMERA_FEATURE_COMMAND:
        return QCoreApplication::translate("FeatureBrowser", "命令");
    default:
        return QCoreApplication::translate("FeatureBrowser", "寄存器");
    }
}

QString accessText(int access)
{
    switch (access) {
    case CAMERA_FEATURE_ACCESS_READ:
        return QCoreApplication::translate("FeatureBrowser", "只读");
    case CAMERA_FEATURE_ACCESS_WRITE:
        return QCoreApplication::translate("FeatureBrowser", "只写");
    case CAMERA_FEATURE_ACCESS_READ_WRITE:
        return QCoreApplication::translate("FeatureBrowser", "读写");
    default:
        return QCoreApplication::translate("FeatureBrowser", "当前不可用");
    }
}

QString rangeText(const FeatureRow &row)
{
    switch (row.type) {
    case CAMERA_FEATURE_INTEGER:
        // No limits at all (a computed value) is shown as none, not as the
        // ends of the 64-bit range.
        if (row.intMin > row.intMax || (row.intMin == std::numeric_limits<qint64>::min() &&
                                        row.intMax == std::numeric_limits<qint64>::max())) {
            return {};
        }
        return row.intIncrement > 1
                   ? QCoreApplication::translate("FeatureBrowser", "%1 ~ %2，步长 %3")
                         .arg(row.intMin)
                         .arg(row.intMax)
                         .arg(row.intIncrement)
                   : QCoreApplication::translate("FeatureBrowser", "%1 ~ %2").arg(row.intMin).arg(row.intMax);
    case CAMERA_FEATURE_FLOAT:
        if (row.floatMin > row.floatMax || (row.floatMin <= -std::numeric_limits<double>::max() &&
                                            row.floatMax >= std::numeric_limits<double>::max())) {
            return {};
        }
        return row.floatIncrement > 0.0
                   ? QCoreApplication::translate("FeatureBrowser", "%1 ~ %2，步长 %3")
                         .arg(number(row.floatMin), number(row.floatMax), number(row.floatIncrement))
                   : QCoreApplication::translate("FeatureBrowser", "%1 ~ %2")
                         .arg(number(row.floatMin), number(row.floatMax));
    case CAMERA_FEATURE_ENUMERATION: {
        QStringList available;
        for (int i = 0; i < row.entries.size(); ++i) {
            if (row.entryAvailable.value(i, true)) {
                available << row.entries.at(i);
            }
        }
        return available.join(QStringLiteral(", "));
    }
    case CAMERA_FEATURE_BOOLEAN:
        return QStringLiteral("true, false");
    default:
        return {};
    }
}

bool matches(const FeatureRow &row, const QString &search)
{
    const QString text = search.trimmed();
    return text.isEmpty() || row.name.contains(text, Qt::CaseInsensitive) ||
           row.displayName.contains(text, Qt::CaseInsensitive);
}

} // namespace featuretree
