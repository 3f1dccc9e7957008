// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/textfingerprint.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class SourceEditor;

// Fills the editor's document with a page of many megabytes a piece at a time
// between events: the first screen shows at once, the window repaints, scrolls
// and closes while the rest goes in, and the page is read-only until complete.
// No undo step and no unsaved change come of it.
class PageFiller : public QObject
{
    Q_OBJECT
public:
    // Pages shorter than this go in at once: they take less than a blink.
    static constexpr qsizetype piecewiseFrom = 2 * 1024 * 1024;
    // Whether text is a page to fill a piece at a time: long, and in more
    // than one piece (pieces end lines, or at the soft breaks of long lines).
    static bool takesPieces(const QString &text, const QList<qsizetype> &softBreaks = {});

    // Starts filling the editor's (empty) document with text, which it takes
    // over: it gives each part back to the system as soon as it is in. The
    // long lines are cut at softBreaks (see PageLines).
    PageFiller(SourceEditor *editor, QString &&text, QList<qsizetype> &&softBreaks = {});
    ~PageFiller() override;

    bool isFilling() const { return m_filling; }

    // Puts in all that is left now: for whoever needs the whole text at once.
    void finish();
    // Stops, leaving the document as far as it got: another page replaces it.
    void abandon();

signals:
    // After each piece, characters in so far of the total.
    void progressed(qsizetype done, qsizetype total);
    // All the text is in; its fingerprint, worked out on the way.
    void filled(const TextFingerprint &text);
    // Filled or abandoned.
    void finished();

private:
    void splitRest();
    void fillSome();
    void insert(QString piece);
    void complete(bool filled);

    QPointer<SourceEditor> m_editor;
    QString m_whole;          // the text not yet cut into pieces
    QList<QString> m_pieces;  // the rest, in order, waiting to go in
    QList<qsizetype> m_softBreaks;
    bool m_groupsLines = false;
    TextFingerprinter m_fingerprinter;
    qsizetype m_total = 0;
    qsizetype m_done = 0;
    bool m_filling = true;
    bool m_wasReadOnly = false;
    bool m_undoWasEnabled = true;
};
