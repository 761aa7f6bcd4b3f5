#include "data/SettingsRow.h"

#include "data/Database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

std::optional<double> number(const QVariant& value)
{
    bool ok = false;
    const double result = value.toDouble(&ok);
    if (value.isNull() || !ok || !std::isfinite(result))
        return std::nullopt;
    return result;
}

} // namespace

SettingsRow SettingsRow::fromValues(const QVariant& timerInterval, const QVariant& personalReminder,
                                    const QVariant& toolBar, const QVariant& startForm,
                                    const QVariant& sideBySide)
{
    SettingsRow row;
    if (const auto seconds = number(timerInterval))
        row.intervalSeconds = int(std::lround(
            std::clamp(*seconds, double(MinimumIntervalSeconds), double(MaximumIntervalSeconds))));
    if (!personalReminder.isNull())
        row.personalReminder = personalReminder.toString();
    if (const auto flag = number(toolBar))
        row.toolBarShown = *flag != 0;
    if (const auto form = number(startForm)) {
        // Anything but a whole number in range opens no start window.
        const bool usable = *form == std::floor(*form) && *form >= 0 && *form <= 10;
        row.startWindow = usable ? int(*form) : -1;
        row.startOption = int(std::lround(std::clamp(*form, 0.0, 10.0)));
    }
    if (const auto flag = number(sideBySide))
        row.sideBySide = *flag != 0;
    return row;
}

namespace {

// A file an older version made, kept read-only because it could not be brought up to date,
// lacks the later settings: they read as their defaults there and are never written.
bool hasSideBySide()
{
    return Database::connection()
        .record(QStringLiteral("customize"))
        .contains(QStringLiteral("sideBySide"));
}

} // namespace

bool readSettingsRow(SettingsRow* row, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT timerInterval, personalReminder, toolBar, startForm, %1 "
                           "FROM customize ORDER BY rowid LIMIT 1")
                .arg(hasSideBySide() ? QStringLiteral("sideBySide") : QStringLiteral("NULL")))) {
        *error = StoreError::fromSql(query.lastError(), QStringLiteral("getCustomization"));
        return false;
    }
    *row = query.next() ? SettingsRow::fromValues(query.value(0), query.value(1), query.value(2),
                                                  query.value(3), query.value(4))
                        : SettingsRow();
    return true;
}

bool writeSettingsRow(const SettingsRow& row, StoreError* error)
{
    QSqlQuery query(Database::connection());
    const bool stored =
        query.exec(QStringLiteral("SELECT 1 FROM customize LIMIT 1")) && query.next();
    // No option stands for such a number, so the user never chose it: the stored one stays.
    const bool keepStartForm = row.startWindow < 0 || row.startWindow > 10;
    const bool sideBySide = hasSideBySide();
    query.prepare(stored ? QStringLiteral("UPDATE customize SET timerInterval = ?, "
                                          "personalReminder = ?, toolBar = ?, "
                                          "startForm = coalesce(?, startForm)%1 "
                                          "WHERE rowid = (SELECT min(rowid) FROM customize)")
                               .arg(sideBySide ? QStringLiteral(", sideBySide = ?") : QString())
                         : QStringLiteral("INSERT INTO customize (timerInterval, "
                                          "personalReminder, toolBar, startForm%1) "
                                          "VALUES (?, ?, ?, ?%2)")
                               .arg(sideBySide ? QStringLiteral(", sideBySide") : QString(),
                                    sideBySide ? QStringLiteral(", ?") : QString()));
    query.addBindValue(double(row.intervalSeconds));
    query.addBindValue(row.personalReminder);
    query.addBindValue(row.toolBarShown ? -1 : 0);
    query.addBindValue(keepStartForm ? QVariant() : QVariant(row.startWindow));
    if (sideBySide)
        query.addBindValue(row.sideBySide ? -1 : 0);
    if (!query.exec()) {
        *error = StoreError::fromSql(query.lastError(), QStringLiteral("saveCustomization"));
        return false;
    }
    return true;
}
