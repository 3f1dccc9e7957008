// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/documentfiles.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The questions and messages of the document commands, answered from a
// script (an empty queue is the safe answer: cancel, keep), and what each
// question said.
struct PromptScript {
    QList<DocumentFiles::Answer> saveAnswers;
    bool utf8Answer = false;
    std::function<void()> whileAsked;
    QStringList saveQuestions;
    QStringList utf8Questions;
    QStringList errors;
    QList<bool> reloadAnswers;
    bool overwriteAnswer = false;
    QStringList reloadQuestions;
    QStringList overwriteQuestions;
    QStringList warnings;
};

class ScriptedPrompts : public DocumentFiles::Backend
{
public:
    explicit ScriptedPrompts(PromptScript *script) : m_script(script) {}

    DocumentFiles::Answer askToSave(QWidget *, const QString &question) override
    {
        m_script->saveQuestions << question;
        return m_script->saveAnswers.isEmpty() ? DocumentFiles::Answer::Cancel : m_script->saveAnswers.takeFirst();
    }
    bool askToSaveAsUtf8(QWidget *, const QString &question) override
    {
        m_script->utf8Questions << question;
        if (m_script->whileAsked)
            m_script->whileAsked();
        return m_script->utf8Answer;
    }
    void showError(QWidget *, const QString &message) override { m_script->errors << message; }
    bool askToReload(QWidget *, const QString &question, bool) override
    {
        m_script->reloadQuestions << question;
        return !m_script->reloadAnswers.isEmpty() && m_script->reloadAnswers.takeFirst();
    }
    bool askToOverwrite(QWidget *, const QString &question) override
    {
        m_script->overwriteQuestions << question;
        return m_script->overwriteAnswer;
    }
    void showWarning(QWidget *, const QString &message) override { m_script->warnings << message; }

private:
    PromptScript *m_script;
};
