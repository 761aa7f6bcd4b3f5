#include "data/CsvText.h"

#include <algorithm>

#include <QCoreApplication>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CsvText)
};

} // namespace

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Reads the text from one position on, counting lines for the messages.
class Reader
{
public:
    explicit Reader(const QString& text) : m_text(text) {}

    bool atEnd() const { return m_at == m_text.size(); }
    bool next(QChar c) const { return !atEnd() && m_text.at(m_at) == c; }
    // Takes the character expected next, when it is there.
    bool take(QChar c)
    {
        if (!next(c))
            return false;
        ++m_at;
        return true;
    }
    // Takes one line end, CRLF counting as one.
    void takeLineEnd()
    {
        take(u'\r');
        take(u'\n');
        ++m_line;
    }
    int line() const { return m_line; }

    // A quoted field after its opening quote, up to its closing quote.
    bool readQuoted(QString* field)
    {
        for (;;) {
            if (atEnd())
                return false;
            if (take(u'"')) {
                if (!take(u'"'))
                    return true;
                *field += u'"';
            } else if (isLineEnd(m_text.at(m_at))) {
                const qsizetype start = m_at;
                takeLineEnd();
                *field += m_text.mid(start, m_at - start);
            } else {
                *field += m_text.at(m_at++);
            }
        }
    }
    // Text up to the next comma or line end. After a closing quote it is not valid CSV, but it
    // is the writer's text and is kept.
    void readPlain(QString* field)
    {
        const qsizetype start = m_at;
        while (!atEnd() && m_text.at(m_at) != u',' && !isLineEnd(m_text.at(m_at)))
            ++m_at;
        *field += m_text.mid(start, m_at - start);
    }

private:
    const QString& m_text;
    qsizetype m_at = 0;
    int m_line = 1;
};

bool needsQuotes(const QString& field)
{
    return field.startsWith(QChar::ByteOrderMark) ||
           std::any_of(field.cbegin(), field.cend(),
                       [](QChar c) { return c == u',' || c == u'"' || isLineEnd(c); });
}

QString quoted(const QString& field)
{
    if (!needsQuotes(field))
        return field;
    return u'"' + QString(field).replace(QLatin1String("\""), QLatin1String("\"\"")) + u'"';
}

} // namespace

std::optional<QList<QStringList>> CsvText::rows(const QString& text, QString* problem)
{
    Reader reader(text);
    QList<QStringList> rows;
    while (!reader.atEnd()) {
        reader.take(QChar::ByteOrderMark);
        QStringList fields;
        do {
            QString field;
            const int opened = reader.line();
            if (reader.take(u'"') && !reader.readQuoted(&field)) {
                *problem =
                    Texts::tr("the quoted text that opens on line %1 is never closed").arg(opened);
                return std::nullopt;
            }
            reader.readPlain(&field);
            fields << field;
        } while (reader.take(u','));
        rows << fields;
        if (!reader.atEnd())
            reader.takeLineEnd();
    }
    return rows;
}

QString CsvText::row(const QStringList& fields)
{
    QStringList written;
    std::transform(fields.cbegin(), fields.cend(), std::back_inserter(written), quoted);
    return written.join(u',');
}
