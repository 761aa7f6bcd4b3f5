#include "data/FieldValue.h"

namespace {
bool isEmpty(const QVariant& value)
{
    return value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty());
}
} // namespace

bool FieldValue::same(const QVariant& a, const QVariant& b)
{
    if (isEmpty(a) || isEmpty(b))
        return isEmpty(a) && isEmpty(b);
    return a == b || a.toString() == b.toString();
}

QVariant FieldValue::fromText(const QString& text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}
