// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/search/textsearch.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextDocument;
class SourceEditor;

// Find and replace, findDialog: a window beside the page that stays open while
// the user edits. Searches run over the editor's whole text, so a regular
// expression may match across lines. The count of matches is shown with each
// search; a regular expression that does not compile says what is wrong.
class FindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FindDialog(SourceEditor *editor, QWidget *parent = nullptr);

    // Shows the dialog with the find field focused; with replacing, the
    // replace fields are shown too. A selection on one line becomes the text
    // to find.
    void showFind();
    void showReplace();

    // Selects the next or previous match. False when there is none, or the
    // pattern cannot be used; the dialog says which.
    bool findNext();
    bool findPrevious();
    // Replaces the selected match, if the selection is one, and finds the next.
    bool replace();
    // Replaces every match as one undo step; the number replaced.
    qsizetype replaceAll();

    QString status() const;

private:
    SearchOptions options() const;
    bool find(bool backward);
    // The editor's text, read again only after an edit.
    QStringView text();
    void showStatus(const QString &message);
    void open(bool replacing);

    SourceEditor *m_editor;
    QLineEdit *m_findText;
    QLineEdit *m_replaceText;
    QLabel *m_replaceLabel;
    QCheckBox *m_regularExpression;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWord;
    QCheckBox *m_wrapAround;
    QPushButton *m_replace;
    QPushButton *m_replaceAll;
    QLabel *m_status;

    QString m_text;
    QPointer<QTextDocument> m_textDocument;
    int m_textRevision = -1;
    QString m_countKey;
    int m_countRevision = -1;
    qsizetype m_count = 0;
};
