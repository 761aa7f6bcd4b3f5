#include "support/TestEnvironment.h"

#include "shared/Clock.h"
#include "shared/Random.h"

#include <QCheckBox>
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

QString TestEnvironment::headerLine(const QString& caption)
{
    return QStringLiteral("Quillane -- ") + caption + QStringLiteral(" 12/6/26 9:30 AM");
}

void tick(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}
