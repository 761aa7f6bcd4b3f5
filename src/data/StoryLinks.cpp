#include "data/StoryLinks.h"

#include "data/Database.h"
#include "data/TableNotices.h"
#include "data/Transaction.h"

#include <QSqlError>
#include <QSqlQuery>

namespace StoryLinks {

namespace {

const QString StoryOrder = QStringLiteral("ORDER BY story.\"Story Name\" COLLATE NOCASE, story.ID");

bool readStories(QSqlQuery& query, const QString& source, QList<Story>* stories, StoreError* error)
{
    if (!query.exec()) {
        *error = StoreError::fromSql(query.lastError(), source);
        return false;
    }
    stories->clear();
    while (query.next())
        stories->append(
            {query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString()});
    return true;
}

} // namespace

std::optional<Kind> forItemTable(const QString& table)
{
    const QString name = table.toLower();
    if (name == QLatin1String("character"))
        return Kind{QStringLiteral("Story_Character"), QStringLiteral("Character_ID"),
                    QStringLiteral("Note")};
    if (name == QLatin1String("plot profile"))
        return Kind{QStringLiteral("Story_Plot"), QStringLiteral("Plot_ID"),
                    QStringLiteral("Comment")};
    if (name == QLatin1String("scene profile"))
        return Kind{QStringLiteral("Story_Scene"), QStringLiteral("Scene_ID"), {}};
    return std::nullopt;
}

bool allStories(QList<Story>* stories, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT story.ID, story.\"Story Name\", NULL FROM \"Story "
                                 "Profile\" AS story ") +
                  StoryOrder);
    return readStories(query, QStringLiteral("StoryLinks.allStories"), stories, error);
}

bool storiesOf(const Kind& kind, qint64 itemKey, QList<Story>* stories, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT story.ID, story.\"Story Name\", %1 FROM %2 AS link JOIN "
                                 "\"Story Profile\" AS story ON story.ID = link.Story_ID WHERE "
                                 "link.%3 = ? ")
                      .arg(kind.noteField.isEmpty() ? QStringLiteral("NULL")
                                                    : QStringLiteral("link.") +
                                                          Database::quoteIdentifier(kind.noteField),
                           Database::quoteIdentifier(kind.linkTable),
                           Database::quoteIdentifier(kind.itemField)) +
                  StoryOrder);
    query.addBindValue(itemKey);
    return readStories(query, QStringLiteral("StoryLinks.storiesOf"), stories, error);
}

bool link(const Kind& kind, qint64 storyKey, qint64 itemKey, const QString& note, StoreError* error)
{
    const QString source = QStringLiteral("StoryLinks.link");
    Transaction transaction(source);
    if (!transaction.begin(error))
        return false;
    QSqlQuery insert(Database::connection());
    const bool withNote = !kind.noteField.isEmpty() && !note.isEmpty();
    insert.prepare(QStringLiteral("INSERT INTO %1 (Story_ID, %2%3) VALUES (?, ?%4)")
                       .arg(Database::quoteIdentifier(kind.linkTable),
                            Database::quoteIdentifier(kind.itemField),
                            withNote
                                ? QStringLiteral(", ") + Database::quoteIdentifier(kind.noteField)
                                : QString(),
                            withNote ? QStringLiteral(", ?") : QString()));
    insert.addBindValue(storyKey);
    insert.addBindValue(itemKey);
    if (withNote)
        insert.addBindValue(note);
    if (!insert.exec()) {
        *error = StoreError::fromSql(insert.lastError(), source);
        return false;
    }
    if (!transaction.commit(error))
        return false;
    TableNotices::announceLinks(kind.linkTable);
    return true;
}

} // namespace StoryLinks
