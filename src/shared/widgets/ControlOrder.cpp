#include "shared/widgets/ControlOrder.h"

QList<QObject*> controlsWithPrefix(const QObject* window, const QString& prefix,
                                   Qt::CaseSensitivity caseSensitivity)
{
    QList<QObject*> result;
    // findChildren walks depth first, in creation order within each parent.
    for (QObject* object : window->findChildren<QObject*>()) {
        if (object->objectName().startsWith(prefix, caseSensitivity))
            result.append(object);
    }
    return result;
}
