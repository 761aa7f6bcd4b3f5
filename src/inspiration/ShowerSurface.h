#pragma once

#include "engines/CircleShower.h"

#include <QWidget>

// The PsychoStimulatron's drawing surface. It keeps the current shower and paints it as
// outlines whenever it is asked to, so a shower stays in view until the next one replaces it.
class ShowerSurface : public QWidget
{
    Q_OBJECT

public:
    explicit ShowerSurface(QWidget* parent = nullptr);

    // Replaces the shower on view.
    void setShower(QList<CircleShower::Circle> shower);
    const QList<CircleShower::Circle>& shower() const { return m_shower; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<CircleShower::Circle> m_shower;
};
