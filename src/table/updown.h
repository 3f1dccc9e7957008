// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A whole-number up-down control bound to the text box beside it. A step
// writes the new value into the box as plain decimal text; typing into the
// box changes nothing here, so the typed text stays as typed. A step starts
// from the box's number when it holds one (brought into range), else from the
// control's own value. The Up and Down keys in the box step too.
class UpDown : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged)
public:
    UpDown(QLineEdit *buddy, int minimum, int maximum, int value, QWidget *parent);

    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

public Q_SLOTS:
    // Sets the value (brought into range) and writes it into the box.
    void setValue(int value);
    void stepUp();
    void stepDown();

Q_SIGNALS:
    void valueChanged(int value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stepBy(int steps);

    QLineEdit *m_buddy;
    QToolButton *m_up;
    QToolButton *m_down;
    int m_minimum;
    int m_maximum;
    int m_value;
};
