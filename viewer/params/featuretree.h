// A camera's feature tree as the feature browser shows it: read through the
// SDK's feature calls, plus the texts of its columns and the search rule,
// kept apart from the widget so a test can check them without a window.
#pragma once

#include "VexoCameraSDK.h"

#include <QString>
#include <QStringList>
#include <QVector>

struct FeatureRow
{
    QString name;
    QString displayName;
    QString category; // categories above it, joined by '/'
    QString unit;
    QString description;
    QString value; // "" when not readable
    int type = CAMERA_FEATURE_INTEGER;
    int access = CAMERA_FEATURE_ACCESS_NONE;
    qint64 intMin = 0, intMax = 0, intIncrement = 0;
    double floatMin = 0.0, floatMax = 0.0, floatIncrement = 0.0;
    QStringList entries;          // enumeration entry names, the texts a write takes
    QVector<bool> entryAvailable; // same order

    bool isCategory() const { return type == CAMERA_FEATURE_CATEGORY; }
    bool editable() const;
    // The value as shown: booleans as true / false.
    QString shownValue() const;
};

namespace featuretree {

// The camera's whole tree now, in tree order; the SDK status on failure.
CameraSdkStatus read(CameraHandle handle, QVector<FeatureRow> *rows);
// The camera's reason for the handle's last failed feature call.
QString lastError(CameraHandle handle);

// Column texts (translated through the browser's context).
QString typeText(int type);
QString accessText(int access);
QString rangeText(const FeatureRow &row);

// The search box: name or display name contains the text, any case; an
// empty text matches everything.
bool matches(const FeatureRow &row, const QString &search);

} // namespace featuretree
