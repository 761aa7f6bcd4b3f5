#pragma once

#include "data/StoreError.h"

#include <QDate>
#include <QList>
#include <QRegularExpression>
#include <QString>

#include <optional>

// Dated copies of a database file in a "backups" folder beside it, one a day at most
// ("backups/quillane97-2026-12-06.mdb"). Only files named that way count as backups: anything
// else in the folder is left alone, the copy kept before an upgrade among them
// ("backups/quillane97-version-1.mdb"), which is neither pruned nor offered in place of the file.
class DatabaseBackup
{
public:
    static constexpr int Kept = 7;

    struct Copy
    {
        QDate day;
        QString path;
    };

    explicit DatabaseBackup(const QString& databasePath);

    QString folder() const;
    QString pathFor(QDate day) const;
    // The backups there are, newest first. Those dated after today (made while the clock was
    // set wrong) come last, so that they are neither offered first nor kept longest.
    QList<Copy> copies(QDate today) const;
    // The newest backup that is a whole database, if any.
    std::optional<Copy> newestWhole(QDate today) const;

    // Copies the open database into the day's backup unless that exists, then removes all but
    // the Kept newest backups and the newest whole one. A database that fails its integrity
    // check is not copied: it would push whole backups out.
    bool keepDaily(QDate today, StoreError* error) const;

    // Copies the open database file byte for byte, as the given layout version left it, to a
    // free name of its own before the file is upgraded, and gives that name.
    bool keepBeforeUpgrade(int version, QString* path, StoreError* error) const;

    // A free name in the backups folder for the database file put aside on that day.
    QString pathForSetAside(QDate today) const;
    // Moves the database file, and any journal left beside it, to setAsidePath, then copies the
    // backup in its place. On failure the database file is back where it was.
    bool restore(const QString& backupPath, const QString& setAsidePath, StoreError* error) const;

    // True when the file is a database SQLite reads without fault and that holds tables.
    static bool isWhole(const QString& path);

private:
    // The day in the name of one of our backups; invalid for any other file name.
    QDate dayOf(const QString& fileName) const;
    bool isOurs(const QString& fileName) const;
    bool copyOpenDatabase(const QString& target, StoreError* error) const;
    // Moves a finished copy to its name once it passes the integrity check.
    static bool placeCopy(const QString& partial, const QString& target, StoreError* error);
    // The stem with the database's suffix, numbered when the name or a journal of it is taken.
    QString freePath(const QString& stem) const;
    void prune(QDate today) const;
    void removeLeftovers() const;

    QString m_databasePath;
    // Our backups' names, with the day in them; compiled once for all the files of the folder.
    QRegularExpression m_backupName;
    QRegularExpression m_beforeUpgradeName;
};
