#include "practice/PracticeLogCsv.h"

#include "data/CsvText.h"
#include "data/PracticeListModel.h"

#include <QLocale>

QString PracticeLogCsv::text(const QList<PracticeLog::Record>& records)
{
    const QString lineEnd = QStringLiteral("\r\n");
    const QLocale numbers = QLocale::c();
    QString text =
        CsvText::row({QStringLiteral("Date"), QStringLiteral("Kind"), QStringLiteral("Minutes"),
                      QStringLiteral("Words"), QStringLiteral("WPM"), QStringLiteral("First line"),
                      QStringLiteral("Prompts"), QStringLiteral("Responses"),
                      QStringLiteral("Seed")}) +
        lineEnd;
    for (const PracticeLog::Record& record : records)
        text +=
            CsvText::row({record.started.toString(Qt::ISODate), record.kind,
                          PracticeListModel::minutesText(record.seconds, numbers),
                          QString::number(record.words),
                          QString::number(qRound(record.wordsPerMinute())),
                          record.responses.section(u'\n', 0, 0), record.prompts, record.responses,
                          record.seed ? QString::number(*record.seed) : QString()}) +
            lineEnd;
    return text;
}
