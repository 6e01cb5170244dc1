#pragma once

#include <QObject>

// Exact run-time class test: a derived class does not pass.
inline bool IsClass(const QObject *object, const char *className)
{
    return object && qstrcmp(object->metaObject()->className(), className) == 0;
}

// The class itself or any class derived from it.
inline bool InheritsClass(const QObject *object, const char *className)
{
    if (!object)
        return false;
    for (const QMetaObject *mo = object->metaObject(); mo; mo = mo->superClass()) {
        if (qstrcmp(mo->className(), className) == 0)
            return true;
    }
    return false;
}
