// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QStringList>

// Answers the next message boxes by pressing the buttons named, one box per
// caption, and keeps what each box said. Each answer waits in the event
// queue until its box is up.
class MessageAnswers : public QObject
{
public:
    void answer(const QStringList &captions)
    {
        m_captions += captions;
        queue();
    }
    QStringList texts;
    bool pending() const { return !m_captions.isEmpty(); }

private:
    void queue()
    {
        QMetaObject::invokeMethod(this, [this] { press(); }, Qt::QueuedConnection);
    }
    void press()
    {
        if (m_captions.isEmpty())
            return;
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            queue();
            return;
        }
        texts << box->text();
        const QString caption = m_captions.takeFirst();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == caption) {
                button->click();
                break;
            }
        }
        if (!m_captions.isEmpty())
            queue();
    }

    QStringList m_captions;
};
