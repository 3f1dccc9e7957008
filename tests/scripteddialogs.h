// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/commondialog.h"

#include <QColor>
#include <QList>
#include <QStringList>

#include <optional>

// What the shared dialog's Open, Save, Font and Colour dialogs answer, one
// queued answer per showing (an empty queue or a nothing is the user
// cancelling), and what each showing was opened on.
struct DialogScript {
    QList<std::optional<QString>> opens;
    QList<std::optional<QString>> saves;
    QList<std::optional<CommonDialog::Font>> fonts;
    QList<std::optional<QColor>> colors;

    QStringList offeredOpen;
    QStringList offeredSave;
    QStringList filters; // of the last file dialog
    QList<CommonDialog::Font> offeredFonts;
    QList<QColor> offeredColors;
};

// Stands in for the real dialogs, so no test waits on one. The script
// belongs to the test and outlives every showing.
class ScriptedDialogs : public CommonDialog::Backend
{
public:
    explicit ScriptedDialogs(DialogScript *script) : m_script(script) {}

    std::optional<QString> openFile(QWidget *, const QString &fileName, const QStringList &nameFilters) override
    {
        m_script->offeredOpen << fileName;
        m_script->filters = nameFilters;
        return next(m_script->opens);
    }
    std::optional<QString> saveFile(QWidget *, const QString &fileName, const QStringList &nameFilters) override
    {
        m_script->offeredSave << fileName;
        m_script->filters = nameFilters;
        return next(m_script->saves);
    }
    std::optional<CommonDialog::Font> font(QWidget *, const CommonDialog::Font &initial) override
    {
        m_script->offeredFonts << initial;
        return next(m_script->fonts);
    }
    std::optional<QColor> color(QWidget *, const QColor &initial) override
    {
        m_script->offeredColors << initial;
        return next(m_script->colors);
    }

private:
    template <typename T>
    static std::optional<T> next(QList<std::optional<T>> &answers)
    {
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }

    DialogScript *m_script;
};
