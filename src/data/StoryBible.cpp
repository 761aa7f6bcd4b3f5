#include "data/StoryBible.h"

#include "data/Database.h"
#include "data/MarkdownText.h"
#include "data/Relationships.h"

#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// One linked item: its name and its other fields, in table order.
struct Entry
{
    qint64 key = -1;
    QString name;
    QList<std::pair<QString, QString>> fields;
};

struct Section
{
    QString heading;
    QString nameField;
    QString untitled; // the heading of an item without a name
    QString sql;      // the item's fields, then the link's own; bound to the story's key
    QList<Entry> entries;
    QString omittedWhenEmpty = {};      // a field left out of an item that has no value in it
    QHash<QString, QString> units = {}; // of fields holding plain numbers, by field
    bool withRelationships = false;     // an item's relationships follow its fields
};

// A plain whole number with its unit ("70 in"); any other text as it is.
QString withUnit(const QString& value, const QString& unit)
{
    bool number = false;
    value.toLongLong(&number);
    return number && !unit.isEmpty() ? value + u' ' + unit : value;
}

const QString CatalogueDescription = QStringLiteral(
    "(SELECT plot_description FROM plots WHERE plot_name = item.\"Plot Name\" COLLATE NOCASE "
    "ORDER BY id LIMIT 1) AS Description");

QList<Section> sections()
{
    return {
        {QStringLiteral("Characters"),
         QStringLiteral("Name"),
         QStringLiteral("Untitled character"),
         QStringLiteral("SELECT item.*, link.Note FROM Story_Character AS link JOIN character AS "
                        "item ON item.ID = link.Character_ID WHERE link.Story_ID = ? ORDER BY "
                        "link.ID"),
         {},
         QStringLiteral("Notes"),
         {{QStringLiteral("Height"), QStringLiteral("in")},
          {QStringLiteral("Weight"), QStringLiteral("lb")}},
         true},
        {QStringLiteral("Plots"),
         QStringLiteral("Plot Name"),
         QStringLiteral("Untitled plot"),
         QStringLiteral("SELECT item.*, %1, link.Comment FROM Story_Plot AS link JOIN \"Plot "
                        "Profile\" AS item ON item.ID = link.Plot_ID WHERE link.Story_ID = ? "
                        "ORDER BY link.Id")
             .arg(CatalogueDescription),
         {}},
        {QStringLiteral("Scenes"),
         QStringLiteral("Scene Name"),
         QStringLiteral("Untitled scene"),
         QStringLiteral("SELECT item.* FROM Story_Scene AS link JOIN \"Scene Profile\" AS item ON "
                        "item.ID = link.Scene_ID WHERE link.Story_ID = ? ORDER BY link.ID"),
         {}},
    };
}

struct Story
{
    QString name;
    QString description;
    QString notes;
    QList<Section> sections;
};

bool run(QSqlQuery& query, const QString& sql, qint64 storyKey, StoreError* error)
{
    query.setForwardOnly(true);
    query.prepare(sql);
    query.addBindValue(storyKey);
    if (query.exec())
        return true;
    *error = StoreError::fromSql(query.lastError(), QStringLiteral("StoryBible.write"));
    return false;
}

QString untitled(const QString& name, const QString& untitledName = QStringLiteral("Untitled"))
{
    return name.isEmpty() ? untitledName : name;
}

// Each relationship of the item as a field: "Mentor of", the other's name and the note.
bool addRelationships(Entry* entry, const QString& untitledName, StoreError* error)
{
    QList<Relationships::Relationship> relationships;
    if (!Relationships::of(entry->key, &relationships, error))
        return false;
    for (const Relationships::Relationship& relationship : std::as_const(relationships)) {
        QString kind = relationship.kind;
        if (!kind.isEmpty())
            kind[0] = kind.at(0).toUpper();
        const QString name = untitled(relationship.toName, untitledName);
        entry->fields.append({kind, relationship.note.isEmpty()
                                        ? name
                                        : name + QStringLiteral(" — ") + relationship.note});
    }
    return true;
}

bool read(qint64 storyKey, Story* story, StoreError* error)
{
    QSqlQuery query(Database::connection());
    if (!run(query,
             QStringLiteral("SELECT \"Story Name\", \"Story Description\", Notes FROM \"Story "
                            "Profile\" WHERE ID = ?"),
             storyKey, error))
        return false;
    if (query.next()) {
        story->name = query.value(0).toString();
        story->description = query.value(1).toString();
        story->notes = query.value(2).toString();
    }
    story->sections = sections();
    for (Section& section : story->sections) {
        if (!run(query, section.sql, storyKey, error))
            return false;
        while (query.next()) {
            Entry entry;
            const QSqlRecord fields = query.record();
            for (int i = 0; i < fields.count(); ++i) {
                const QString field = fields.fieldName(i);
                if (field.compare(QStringLiteral("ID"), Qt::CaseInsensitive) == 0)
                    entry.key = query.value(i).toLongLong();
                if (field.compare(QStringLiteral("ID"), Qt::CaseInsensitive) == 0 ||
                    field.compare(QStringLiteral("visible"), Qt::CaseInsensitive) == 0)
                    continue;
                // Of the roll that filled the item, only its seed means anything to a reader.
                if (field == QLatin1String("RollLists") || field == QLatin1String("RollLocked"))
                    continue;
                const QString value =
                    withUnit(query.value(i).toString(), section.units.value(field));
                const bool isSeed = field == QLatin1String("RollSeed");
                if (field == section.nameField)
                    entry.name = value;
                else if (!value.isEmpty() || !(isSeed || field == section.omittedWhenEmpty))
                    entry.fields.append({isSeed ? QStringLiteral("Seed") : field, value});
            }
            section.entries.append(entry);
        }
        if (section.withRelationships) {
            for (Entry& entry : section.entries) {
                if (!addRelationships(&entry, section.untitled, error))
                    return false;
            }
        }
    }
    return true;
}

QString markdown(const Story& story)
{
    using namespace MarkdownText;
    QString text =
        QStringLiteral("# ") + escapedLine(untitled(story.name)) + QStringLiteral("\n\n");
    if (!story.description.isEmpty())
        text += escaped(story.description) + QStringLiteral("\n\n");
    if (!story.notes.isEmpty())
        text += QStringLiteral("## Notes\n\n") + escaped(story.notes) + QStringLiteral("\n\n");
    for (const Section& section : story.sections) {
        text += QStringLiteral("## ") + section.heading + QStringLiteral("\n\n");
        if (section.entries.isEmpty())
            text += QStringLiteral("None.\n\n");
        for (const Entry& entry : section.entries) {
            text += QStringLiteral("### ") + escapedLine(untitled(entry.name, section.untitled)) +
                    QStringLiteral("\n\n");
            // A value of several lines stays within its list item.
            for (const auto& [field, value] : entry.fields)
                text += QStringLiteral("- **%1:** %2")
                            .arg(escapedLine(field),
                                 escaped(value).replace(u'\n', QStringLiteral("\n  ")))
                            .trimmed() +
                        u'\n';
            text += u'\n';
        }
    }
    return text.trimmed() + u'\n';
}

QString paragraphs(const QString& text)
{
    QString html;
    for (const QString& paragraph : text.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts))
        html += QStringLiteral("<p>") +
                paragraph.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")) +
                QStringLiteral("</p>\n");
    return html;
}

// Light or dark as the browser is, black on white when printed.
const char* const Style = R"(<style>
:root { color-scheme: light dark; --rule: #8888; --label: #666; }
@media (prefers-color-scheme: dark) { :root { --label: #aaa; } }
body { font-family: Georgia, serif; max-width: 42em; margin: 2em auto; padding: 0 1em;
       line-height: 1.5; }
h1, h2, h3 { font-family: sans-serif; }
h2 { border-bottom: 1px solid var(--rule); margin-top: 2em; }
section { break-inside: avoid; }
dl { display: grid; grid-template-columns: max-content auto; gap: 0.2em 1em; }
dt { color: var(--label); }
dd { margin: 0; }
.cast-map { margin: 1em 0; background: #fff; overflow-x: auto; }
.cast-map svg { max-width: 100%; height: auto; }
@media print { :root { color-scheme: light; } body { margin: 0; max-width: none; } }
</style>
)";

QString html(const Story& story, const QString& castMapSvg)
{
    const QString title = untitled(story.name).toHtmlEscaped();
    QString text = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta "
                                  "charset=\"utf-8\">\n<title>%1</title>\n")
                       .arg(title);
    text += QLatin1String(Style) + QStringLiteral("</head>\n<body>\n<h1>%1</h1>\n").arg(title);
    text += paragraphs(story.description);
    if (!story.notes.isEmpty())
        text += QStringLiteral("<h2>Notes</h2>\n") + paragraphs(story.notes);
    for (const Section& section : story.sections) {
        text += QStringLiteral("<h2>%1</h2>\n").arg(section.heading);
        if (section.entries.isEmpty())
            text += QStringLiteral("<p>None.</p>\n");
        for (const Entry& entry : section.entries) {
            text += QStringLiteral("<section>\n<h3>%1</h3>\n<dl>\n")
                        .arg(untitled(entry.name, section.untitled).toHtmlEscaped());
            for (const auto& [field, value] : entry.fields)
                text += QStringLiteral("<dt>%1</dt><dd>%2</dd>\n")
                            .arg(field.toHtmlEscaped(), value.toHtmlEscaped());
            text += QStringLiteral("</dl>\n</section>\n");
        }
        if (section.withRelationships && !castMapSvg.isEmpty())
            text += QStringLiteral("<h2>Cast Map</h2>\n<figure class=\"cast-map\">\n") +
                    castMapSvg + QStringLiteral("\n</figure>\n");
    }
    return text + QStringLiteral("</body>\n</html>\n");
}

} // namespace

StoryBible::Format StoryBible::formatOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    return suffix.compare(QStringLiteral("md"), Qt::CaseInsensitive) == 0 ? Format::Markdown
                                                                          : Format::Html;
}

bool StoryBible::write(qint64 storyKey, Format format, QString* text, StoreError* error,
                       const QString& castMapSvg)
{
    Story story;
    if (!read(storyKey, &story, error))
        return false;
    *text = format == Format::Markdown ? markdown(story) : html(story, castMapSvg);
    return true;
}
