#include "data/SchemaUpgrade.h"

#include "data/ShippedFields.h"

#include <QScopeGuard>

#include <algorithm>
#include <iterator>
#include <sqlite3.h>

namespace {

// Gives each shipped value a table holds, however the file spells it, the field the table's file
// lists for it (rows of the value and its field); a user's own values keep none.
#define FILL_SHIPPED(table, field, rows)                                                           \
    "WITH shipped(value, field) AS (VALUES " rows ") UPDATE \"" table "\" SET " field              \
    " = shipped.field FROM shipped WHERE shipped.value = \"" table "\".\"" table                   \
    "\" COLLATE NOCASE;"

struct Step
{
    int toVersion;
    const char* sql;
};

// The one place a column is added: new databases are built through these steps too. A fill of
// shipped values stands among the statements as a literal does, so the layout is kept by hand.
// clang-format off
constexpr Step Steps[] = {
    // The character's free notes, and the customization's side by side choice (Yes -1, No 0).
    {2, "ALTER TABLE \"character\" ADD COLUMN Notes TEXT;"
        "ALTER TABLE customize ADD COLUMN sideBySide INTEGER NOT NULL DEFAULT 0;"},
    // The roll that last filled a character, plot or scene: its seed, the fingerprints of the
    // lists it drew from, and the character's boxes it left alone, by their control names.
    // A verb's frame: "object" when it takes an object, "none" when it takes none, "both" or
    // empty when it can do either; the shipped verbs a file holds, however it spells them, get
    // theirs, a user's own verbs none.
    {3, "ALTER TABLE \"character\" ADD COLUMN RollSeed INTEGER;"
        "ALTER TABLE \"character\" ADD COLUMN RollLists TEXT;"
        "ALTER TABLE \"character\" ADD COLUMN RollLocked TEXT;"
        "ALTER TABLE \"Plot Profile\" ADD COLUMN RollSeed INTEGER;"
        "ALTER TABLE \"Plot Profile\" ADD COLUMN RollLists TEXT;"
        "ALTER TABLE \"Scene Profile\" ADD COLUMN RollSeed INTEGER;"
        "ALTER TABLE \"Scene Profile\" ADD COLUMN RollLists TEXT;"
        "ALTER TABLE verb ADD COLUMN frame TEXT COLLATE NOCASE;"
        FILL_SHIPPED("verb", "frame", SHIPPED_VERB_FRAME)
        // The culture a name comes from, and the one whose names suit a country's people or a
        // language's speakers; empty where none is known, and for a user's own values.
        "ALTER TABLE maleName ADD COLUMN culture TEXT COLLATE NOCASE;"
        "ALTER TABLE femaleName ADD COLUMN culture TEXT COLLATE NOCASE;"
        "ALTER TABLE surnames ADD COLUMN culture TEXT COLLATE NOCASE;"
        "ALTER TABLE country ADD COLUMN culture TEXT COLLATE NOCASE;"
        "ALTER TABLE languages ADD COLUMN culture TEXT COLLATE NOCASE;"
        FILL_SHIPPED("maleName", "culture", SHIPPED_MALENAME_CULTURE)
        FILL_SHIPPED("femaleName", "culture", SHIPPED_FEMALENAME_CULTURE)
        FILL_SHIPPED("surnames", "culture", SHIPPED_SURNAMES_CULTURE)
        FILL_SHIPPED("country", "culture", SHIPPED_COUNTRY_CULTURE)
        FILL_SHIPPED("languages", "culture", SHIPPED_LANGUAGES_CULTURE)},
    // A noun's countability: "count" when it can follow "a" or "an", "mass" when it cannot
    // ("luggage"), "both" or empty when either is right; the shipped nouns get theirs.
    // The practice log: a writing sprint or a drill a record, its start as local ISO time.
    {4, "ALTER TABLE noun ADD COLUMN countability TEXT COLLATE NOCASE;"
        FILL_SHIPPED("noun", "countability", SHIPPED_NOUN_COUNTABILITY)
        "CREATE TABLE practice (ID INTEGER PRIMARY KEY AUTOINCREMENT, kind TEXT NOT NULL, "
        "started TEXT NOT NULL, seconds INTEGER NOT NULL DEFAULT 0, prompts TEXT, responses TEXT, "
        "words INTEGER NOT NULL DEFAULT 0, characters INTEGER NOT NULL DEFAULT 0, seed INTEGER);"
        "CREATE INDEX practice_started ON practice (started);"
        // The kinds of relationship between two characters, a list like the others, each with
        // the kind it reads as from the other side ("mentor of", "student of"); the shipped
        // kinds come with the table, to a new database and an older file alike. A relationship
        // is stored once, from one character to the other, and read from both sides.
        "CREATE TABLE relationship (ID INTEGER PRIMARY KEY, "
        "relationship TEXT COLLATE NOCASE UNIQUE, mirror TEXT COLLATE NOCASE);"
        "INSERT INTO relationship (relationship, mirror) VALUES " SHIPPED_RELATIONSHIP_MIRROR ";"
        "CREATE TABLE character_relationship (ID INTEGER PRIMARY KEY AUTOINCREMENT, "
        "From_ID INTEGER NOT NULL, To_ID INTEGER NOT NULL, Kind TEXT NOT NULL COLLATE NOCASE, "
        "Note TEXT);"
        "CREATE UNIQUE INDEX characterRelationship ON character_relationship "
        "(From_ID, To_ID, Kind);"
        "CREATE INDEX characterRelationshipTo ON character_relationship (To_ID);"},
    // Where the user put a character on a story's cast map, Story_ID 0 for the map of all
    // characters; the rest of the map is laid out around them.
    {5, "CREATE TABLE cast_map_position (Story_ID INTEGER NOT NULL, "
        "Character_ID INTEGER NOT NULL, x REAL NOT NULL, y REAL NOT NULL, "
        "PRIMARY KEY (Story_ID, Character_ID));"
        "CREATE INDEX castMapPositionCharacter ON cast_map_position (Character_ID);"},
};
// clang-format on

// The list tables whose every row a step gives: their files are not loaded again.
constexpr const char* TablesFilledBySteps[] = {"relationship"};

constexpr bool stepsRunInOrder()
{
    int version = 1;
    for (const Step& step : Steps) {
        if (step.toVersion != ++version)
            return false;
    }
    return version == SchemaUpgrade::CurrentVersion;
}
static_assert(stepsRunInOrder(), "one step for each version after the first, up to the current");

bool execute(sqlite3* db, const QByteArray& sql, QString* error)
{
    char* message = nullptr;
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    if (error)
        *error = message ? QString::fromUtf8(message) : QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_free(message);
    return false;
}

} // namespace

bool SchemaUpgrade::stepFillsTable(const QString& table)
{
    return std::any_of(std::begin(TablesFilledBySteps), std::end(TablesFilledBySteps),
                       [&](const char* filled) {
                           return table.compare(QLatin1String(filled), Qt::CaseInsensitive) == 0;
                       });
}

int SchemaUpgrade::versionOf(sqlite3* db)
{
    sqlite3_stmt* statement = nullptr;
    int version = -1;
    if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        version = std::max(sqlite3_column_int(statement, 0), 1);
    sqlite3_finalize(statement);
    return version;
}

bool SchemaUpgrade::runSteps(sqlite3* db, int fromVersion, QString* error)
{
    for (const Step& step : Steps) {
        if (step.toVersion <= fromVersion)
            continue;
        QString why;
        if (!execute(db, step.sql, &why)) {
            if (error)
                *error = QStringLiteral("version %1: %2").arg(step.toVersion).arg(why);
            return false;
        }
    }
    return execute(db, "PRAGMA user_version = " + QByteArray::number(CurrentVersion), error);
}

bool SchemaUpgrade::upgrade(sqlite3* db, StoreError* error)
{
    QString why;
    const auto fail = [&] {
        const int code = sqlite3_extended_errcode(db);
        if (error)
            *error = StoreError::fromSqlite(code == SQLITE_OK ? SQLITE_ERROR : code,
                                            QStringLiteral("SchemaUpgrade"), why);
        return false;
    };
    // Immediate: another program's write cannot slip in between reading the version and the steps.
    if (!execute(db, "BEGIN IMMEDIATE", &why))
        return fail();
    auto rollBack = qScopeGuard([db] { execute(db, "ROLLBACK", nullptr); });
    const int version = versionOf(db);
    if (version < 0 || version > CurrentVersion) {
        why = QStringLiteral("the file's version cannot be brought up to date");
        return fail();
    }
    if (!runSteps(db, version, &why) || !execute(db, "COMMIT", &why))
        return fail();
    rollBack.dismiss();
    return true;
}
