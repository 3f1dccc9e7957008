// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>

class QTextDocument;
class SourceEditor;

// A copy of the page's whole text (see PageText) taken a few
// milliseconds at a time, so that a page of many megabytes is copied between
// keystrokes instead of stopping them. Edits made meanwhile are followed: one
// inside the part already copied cuts the copy back to where it begins, one
// beyond it is copied as it now is. When done, the copy is the document's
// text as it is at that moment.
class DocumentSnapshot : public QObject
{
    Q_OBJECT
public:
    explicit DocumentSnapshot(SourceEditor *editor, QObject *parent = nullptr);

    // Copies for about budget, all that is left when it is negative; true
    // once the copy is whole. False for good when the document is gone.
    bool copy(std::chrono::milliseconds budget);

    QTextDocument *document() const { return m_document; }
    // The copy, whole once copy() returned true.
    QString takeText() { return std::move(m_text); }

private:
    void followEdit(int position, int removed, int added);

    QPointer<SourceEditor> m_editor;
    QPointer<QTextDocument> m_document;
    QString m_text;
    qsizetype m_copied = 0; // the copy holds the document's first m_copied characters
};
