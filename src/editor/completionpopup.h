// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/completion/completion.h"

#include <QObject>
#include <QString>

#include <functional>

class QListWidget;
class SourceEditor;

// The completion list under the caret (completionList). The command
// `complete` opens it with what completionsAt() offers there; while it is
// open, typing narrows it, Up and Down choose, Enter or Tab takes the chosen
// offer, Escape, a click elsewhere or leaving the editor closes it. Each row
// shows the offer and its one-line explanation. Nothing is typed that the
// user did not take. Opening by itself as the user types "<", "</", "&", a
// space in a tag or a value's quote is a setting, off until chosen.
//
// Any page kind's provider (see core/completion/completion.h) is shown the
// same way: the popup knows nothing of HTML.
class CompletionPopup : public QObject
{
    Q_OBJECT
public:
    explicit CompletionPopup(SourceEditor *editor);

    // The folder of the open page's file, empty for a page never saved.
    void setPageFolder(std::function<QString()> folder) { m_pageFolder = std::move(folder); }
    void setPageKind(std::function<PageKind()> kind) { m_pageKind = std::move(kind); }
    void setOpensWhileTyping(bool on) { m_opensWhileTyping = on; }

    bool isOpen() const;
    QListWidget *list() const { return m_list; }

public slots:
    // The `complete` command: the list for the caret's place, or a word in
    // the status bar when there is nothing to offer.
    void open();

signals:
    // A word for the status bar (why nothing is offered, say).
    void noteChanged(const QString &note);
    // An offer was taken: `length` characters from `position` are new.
    void inserted(int position, int length);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool show(bool sayWhenEmpty);
    void take();
    void close();
    void place(int rowWidth);

    SourceEditor *m_editor;
    QListWidget *m_list;
    std::function<QString()> m_pageFolder;
    std::function<PageKind()> m_pageKind;
    bool m_opensWhileTyping = false;
    bool m_triggerTyped = false;
    bool m_taking = false;
    // What the open list offers, in document positions.
    Completions m_shown;
    int m_windowStart = 0;
};
