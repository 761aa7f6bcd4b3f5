#include "support/TestEnvironment.h"

#include "shared/Clock.h"
#include "shared/Random.h"

#include <QCheckBox>
#include <QFile>
#include <QLocale>
#include <QTest>

TestEnvironment::TestEnvironment(quint32 seed, const QString& tablesFolder) : db(tablesFolder)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    setFixedDateTime(QDateTime(QDate(2026, 12, 6), QTime(9, 30)));
    Random::instance().seed(seed);
}

TestEnvironment::~TestEnvironment()
{
    setFixedDateTime({});
}

bool TestEnvironment::expectMessage(const QString& text, const QString& title,
                                    std::optional<MessageIcon> icon) const
{
    if (desktop.messages.isEmpty()) {
        QTest::qFail(qPrintable("No message; expected: " + text), __FILE__, __LINE__);
        return false;
    }
    const ScriptedDesktop::Message& last = desktop.messages.last();
    if (!QTest::qCompare(last.text, text, "message", "expected", __FILE__, __LINE__))
        return false;
    if (!title.isEmpty() &&
        !QTest::qCompare(last.title, title, "title", "expected", __FILE__, __LINE__))
        return false;
    return !icon ||
           QTest::qCompare(int(last.icon), int(*icon), "icon", "expected", __FILE__, __LINE__);
}

QString TestEnvironment::expectedOutput(const QString& name, bool dropFinalLineFeed)
{
    QFile file(QStringLiteral(QUILLANE_FIXTURES_DIR "/expected/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (dropFinalLineFeed && text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

void tick(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}
