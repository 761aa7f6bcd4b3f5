#include "records/StoryCast.h"

#include "data/CastMap.h"
#include "data/Relationships.h"
#include "shared/widgets/CastMapView.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QStyle>
#include <QStyleFactory>

bool StoryCast::read(qint64 storyKey, Cast* cast, StoreError* error)
{
    QList<CastMap::Character> characters;
    QHash<qint64, QPointF> positions;
    QList<Relationships::Relationship> relationships;
    if (!CastMap::characters(storyKey, &characters, error) ||
        !CastMap::positions(storyKey, &positions, error))
        return false;
    QList<qint64> keys;
    cast->nodes.clear();
    for (const CastMap::Character& character : std::as_const(characters)) {
        keys << character.key;
        // A box without a name could be neither told apart nor read out.
        const QString label = character.name.trimmed().isEmpty()
                                  ? QCoreApplication::translate("StoryCast", "Untitled character")
                                  : character.name;
        CastLayout::Node node{character.key, label, {}, std::nullopt};
        if (positions.contains(character.key))
            node.fixedPosition = positions.value(character.key);
        cast->nodes.append(node);
    }
    if (!Relationships::among(keys, &relationships, error))
        return false;
    cast->edges.clear();
    for (const Relationships::Relationship& relationship : std::as_const(relationships))
        cast->edges.append({relationship.fromKey, relationship.toKey, relationship.kind});
    return true;
}

bool StoryCast::svgElement(qint64 storyKey, const QString& title, QString* svg, StoreError* error)
{
    svg->clear();
    Cast cast;
    if (!read(storyKey, &cast, error))
        return false;
    if (cast.nodes.isEmpty())
        return true;
    CastMapView view;
    view.setAccessibleName(title);
    // A page's picture is black on white whatever the desktop's theme.
    const std::unique_ptr<QStyle> paperStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    view.setPalette(paperStyle->standardPalette());
    view.arrange(cast.nodes, cast.edges);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!view.writeSvg(&buffer))
        return true; // the page goes without its picture
    // Inside a web page the picture needs no XML declaration of its own.
    const QString document = QString::fromUtf8(buffer.data());
    *svg = document.mid(std::max(0, int(document.indexOf(QStringLiteral("<svg"))))).trimmed();
    return true;
}
