#ifndef VEXO_TESTS_FORMCHILD_H
#define VEXO_TESTS_FORMCHILD_H

#include <QLatin1String>
#include <QObject>
#include <QtGlobal>

// A named object of a window's form; a missing one ends the test at once
// with its name, instead of a null pointer crashing somewhere later.
template<typename T>
T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (found == nullptr)
        qFatal("missing form object %s", name);
    return found;
}

#endif // VEXO_TESTS_FORMCHILD_H
