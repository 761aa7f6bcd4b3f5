#pragma once

#include <QWidget>

class QToolButton;

// A spin button: an up arrow over a down arrow beside a box it steps. It keeps no value of its
// own; its owner does the arithmetic when spinUp or spinDown arrives. Held down, an arrow
// repeats until released or until a step opens a message; with the focus, the Up and Down keys
// step as well.
class SpinButton : public QWidget
{
    Q_OBJECT

public:
    explicit SpinButton(const QString& name, QWidget* parent = nullptr);

    // Names the button and its arrows for assistive tools, after the box it steps: "Lower"
    // gives "Lower spin button", "Lower up" and "Lower down".
    void setStepName(const QString& boxName);

    QToolButton* upArrow() const { return m_up; }
    QToolButton* downArrow() const { return m_down; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void spinUp();
    void spinDown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
};
