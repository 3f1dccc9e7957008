// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/updown.h"

#include "core/table/tablecounts.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

static QToolButton *arrowButton(Qt::ArrowType arrow, const QString &name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    return button;
}

UpDown::UpDown(QLineEdit *buddy, int minimum, int maximum, int value, QWidget *parent)
    : QWidget(parent)
    , m_buddy(buddy)
    , m_up(arrowButton(Qt::UpArrow, QStringLiteral("up"), this))
    , m_down(arrowButton(Qt::DownArrow, QStringLiteral("down"), this))
    , m_minimum(minimum)
    , m_maximum(maximum)
    , m_value(std::clamp(value, minimum, maximum))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    // As tall as the box it belongs to.
    setFixedHeight(m_buddy->sizeHint().height());
    connect(m_up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(m_down, &QToolButton::clicked, this, &UpDown::stepDown);
    m_buddy->installEventFilter(this);
    m_buddy->setText(QString::number(m_value));
}

void UpDown::setValue(int value)
{
    const int bounded = std::clamp(value, m_minimum, m_maximum);
    m_buddy->setText(QString::number(bounded));
    if (bounded == m_value)
        return;
    m_value = bounded;
    Q_EMIT valueChanged(m_value);
}

void UpDown::stepUp()
{
    stepBy(1);
}

void UpDown::stepDown()
{
    stepBy(-1);
}

void UpDown::stepBy(int steps)
{
    int from = m_value;
    if (const std::optional<long long> typed = wholeCount(m_buddy->text()))
        from = int(std::clamp<long long>(*typed, m_minimum, m_maximum));
    setValue(from + steps);
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
