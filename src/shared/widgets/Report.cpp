#include "shared/widgets/Report.h"

#include "shared/desktop/Clock.h"

#include <QLocale>

Report::Report(const QString& caption)
{
    addLine(QStringLiteral("Quillane -- ") + caption + u' ' +
            QLocale().toString(currentDateTime(), QLocale::ShortFormat));
    addRule();
}

void Report::addLine(const QString& line)
{
    m_text += u'\n';
    m_text += line;
}

void Report::addLabelled(const QString& label, const QString& value)
{
    addLine(label + QStringLiteral(": ") + value);
}

void Report::addRule()
{
    addLine(QString(80, u'-'));
}
