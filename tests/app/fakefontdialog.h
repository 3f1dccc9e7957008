// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/commondialog.h"

#include <QList>

#include <optional>

// Stands in for the font dialog: answers with `answer` (nothing means the
// user cancelled) and remembers the fonts it was opened on.
class FakeFontDialog : public CommonDialog::Backend
{
public:
    std::optional<CommonDialog::Font> answer;
    QList<CommonDialog::Font> openedOn;

    std::optional<QString> openFile(QWidget *, const QString &, const QStringList &) override { return {}; }
    std::optional<QString> saveFile(QWidget *, const QString &, const QStringList &) override { return {}; }
    std::optional<QColor> color(QWidget *, const QColor &) override { return {}; }
    std::optional<CommonDialog::Font> font(QWidget *, const CommonDialog::Font &initial) override
    {
        openedOn.append(initial);
        return answer;
    }
};
