#pragma once

#include <QString>
#include <QVariant>

// How the data layer compares and converts field values. SQLite keeps whatever type it is given,
// so a control's text "5" and a stored 5 are the same value, and so are Null and an empty text.
namespace FieldValue {
bool same(const QVariant& a, const QVariant& b);
// Text as a control writes it: an empty text becomes Null, so that emptied fields never collide
// in a unique index.
QVariant fromText(const QString& text);
} // namespace FieldValue
