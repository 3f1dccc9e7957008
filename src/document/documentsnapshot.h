// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>

class QTextDocument;

// A copy of a document's whole text ("\n" between lines) taken a few
// milliseconds at a time, so that a page of many megabytes is copied between
// keystrokes instead of stopping them. Edits made meanwhile are followed: one
// inside the part already copied cuts the copy back to where it begins, one
// beyond it is copied as it now is. When done, the copy is the document's
// text as it is at that moment.
class DocumentSnapshot : public QObject
{
    Q_OBJECT
public:
    explicit DocumentSnapshot(QTextDocument *document, QObject *parent = nullptr);

    // Copies for about budget, all that is left when it is negative; true
    // once the copy is whole. False for good when the document is gone.
    bool copy(std::chrono::milliseconds budget);

    QTextDocument *document() const { return m_document; }
    // The copy, whole once copy() returned true.
    QString takeText() { return std::move(m_text); }

private:
    void followEdit(int position, int removed, int added);

    QPointer<QTextDocument> m_document;
    QString m_text;
    qsizetype m_copied = 0; // the copy holds the document's first m_copied characters
};
