// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class SourceEditor;
class QWidget;

// File → open in browser: the saved page in the system's browser. A browser
// reads the file, so unsaved changes are saved first when the user agrees.
class BrowserOpener : public QObject
{
    Q_OBJECT
public:
    // True to save and go on, false to leave it. Replaced in tests.
    using Question = std::function<bool(QWidget *parent, const QString &question)>;

    // pagePath gives the open page's path, empty for a page never saved;
    // save saves the page (with the Save dialog), false when it was not saved.
    BrowserOpener(QWidget *window, SourceEditor *editor, std::function<QString()> pagePath,
                  std::function<bool()> save);

    void setQuestion(Question question) { m_question = std::move(question); }

public slots:
    // False when nothing was opened: the user cancelled, or saving failed.
    bool openInBrowser();

private:
    QWidget *m_window;
    SourceEditor *m_editor;
    std::function<QString()> m_pagePath;
    std::function<bool()> m_save;
    Question m_question;
};
