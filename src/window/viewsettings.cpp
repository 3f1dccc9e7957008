// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/viewsettings.h"

#include "window/commondialog.h"
#include "editor/sourceeditor.h"
#include "core/window/viewcaptions.h"
#include "core/window/wholenumber.h"

#include <QAction>

#include <algorithm>
#include <limits>

// Screen and printer fonts.
static constexpr int fontDialogFlags = 3;

// The size is kept as a 16-bit whole number of points, and a font needs at
// least one point to be shown at all.
static int wholePoints(double size)
{
    const long long rounded = roundHalfEven(size);
    return int(std::clamp<long long>(rounded, 1, std::numeric_limits<qint16>::max()));
}

ViewSettings::ViewSettings(SourceEditor *source, CommonDialog *dialog, QAction *fontNameItem,
                           QAction *fontSizeItem, QObject *parent)
    : QObject(parent)
    , m_source(source)
    , m_dialog(dialog)
    , m_fontNameItem(fontNameItem)
    , m_fontSizeItem(fontSizeItem)
{
}

void ViewSettings::readDialogFont()
{
    m_strFont = m_dialog->fontName();
    m_nFontSize = wholePoints(m_dialog->fontSize());
}

void ViewSettings::setEditorFont()
{
    m_dialog->setFlags(fontDialogFlags);
    if (!m_dialog->showFont())
        return;
    showDialogFont();
    Q_EMIT fontChosen(m_dialog->fontName(), m_dialog->fontSize());
}

void ViewSettings::useFont(const QString &name, double size)
{
    m_dialog->setFontName(name);
    m_dialog->setFontSize(size);
    showDialogFont();
}

void ViewSettings::showDialogFont()
{
    readDialogFont();
    m_fontNameItem->setText(fontNameCaption(m_strFont));
    m_fontSizeItem->setText(fontSizeCaption(m_nFontSize));
    // The widget's own font: the whole text is shown in it at once.
    QFont font = m_source->font();
    font.setFamily(m_strFont);
    font.setPointSize(m_nFontSize);
    m_source->setFont(font);
}

void ViewSettings::alignLeft()
{
    m_source->setSelAlignment(SourceEditor::AlignLeft);
}

void ViewSettings::alignCenter()
{
    m_source->setSelAlignment(SourceEditor::AlignCenter);
}

void ViewSettings::alignRight()
{
    m_source->setSelAlignment(SourceEditor::AlignRight);
}
