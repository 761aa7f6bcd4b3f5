#include "shared/desktop/Clock.h"

namespace {
QDateTime fixedMoment;
}

QDateTime currentDateTime()
{
    return fixedMoment.isValid() ? fixedMoment : QDateTime::currentDateTime();
}

void setFixedDateTime(const QDateTime& moment)
{
    fixedMoment = moment;
}
