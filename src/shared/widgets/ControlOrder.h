#pragma once

#include <QList>
#include <QObject>
#include <QString>

// A window's "control order" is the order in which the window creates its controls: the
// routines that walk a window visit its objects depth first, each container's children in the
// order they were created (or placed into that container). A window that wants a particular
// order for the prefix walks creates its controls in that order.
//
// Every object of the window whose name begins with the prefix, in control order.
QList<QObject*> controlsWithPrefix(const QObject* window, const QString& prefix,
                                   Qt::CaseSensitivity caseSensitivity = Qt::CaseSensitive);

// Controls of a given type whose name begins with the prefix, in control order.
template <typename T> QList<T*> controlsWithPrefix(const QObject* window, const QString& prefix)
{
    QList<T*> result;
    for (QObject* object : controlsWithPrefix(window, prefix))
        if (auto* control = qobject_cast<T*>(object))
            result.append(control);
    return result;
}
