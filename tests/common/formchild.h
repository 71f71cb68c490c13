#ifndef VEXO_TESTS_FORMCHILD_H
#define VEXO_TESTS_FORMCHILD_H

#include <QLatin1String>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <initializer_list>

// A named object of a window's form; a missing one ends the test at once
// with its name, instead of a null pointer crashing somewhere later.
template<typename T = QWidget>
T *child(const QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (found == nullptr)
        qFatal("missing form object %s", name);
    return found;
}

template<typename T = QWidget>
T *child(const QObject &parent, const char *name)
{
    return child<T>(&parent, name);
}

// The names of a form that are missing below root or are not of the kind
// their prefix says ("pushButton_" a QPushButton, ...), as "name" or
// "name: kind"; empty when all are there.
template<typename Names>
QStringList formNameProblems(const QObject &root, const Names &names)
{
    static const QList<QPair<QLatin1String, const char *>> kinds = {
        {QLatin1String("action_"), "QAction"},           {QLatin1String("pushButton_"), "QPushButton"},
        {QLatin1String("radioButton_"), "QRadioButton"}, {QLatin1String("checkBox_"), "QCheckBox"},
        {QLatin1String("comboBox"), "QComboBox"},        {QLatin1String("lineEdit_"), "QLineEdit"},
        {QLatin1String("horizontalSlider_"), "QSlider"}, {QLatin1String("doubleSpinBox_"), "QDoubleSpinBox"},
        {QLatin1String("spinBox_"), "QSpinBox"},         {QLatin1String("label_"), "QLabel"},
        {QLatin1String("groupBox_"), "QGroupBox"},       {QLatin1String("stackedWidget_"), "QStackedWidget"},
        {QLatin1String("gridLayout_"), "QGridLayout"},   {QLatin1String("tabWidget"), "QTabWidget"},
        {QLatin1String("toolBox_"), "QToolBox"},         {QLatin1String("splitter"), "QSplitter"},
        {QLatin1String("treeWidget_"), "QTreeWidget"},   {QLatin1String("toolBar"), "QToolBar"},
    };
    QStringList problems;
    for (const char *name : names) {
        const QString objectName = QLatin1String(name);
        const QObject *found = root.findChild<QObject *>(objectName);
        if (found == nullptr) {
            problems << objectName;
            continue;
        }
        for (const auto &kind : kinds) {
            if (objectName.startsWith(kind.first)) {
                if (!found->inherits(kind.second))
                    problems << objectName + QStringLiteral(": ") +
                                    QLatin1String(found->metaObject()->className());
                break;
            }
        }
    }
    return problems;
}

#endif // VEXO_TESTS_FORMCHILD_H
