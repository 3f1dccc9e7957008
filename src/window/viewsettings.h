// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class CommonDialog;
class QAction;
class SourceEditor;

// The view menu's font and alignment commands. The current editor font name
// and size live here; the two font items show them in their captions.
// Nothing of this reaches the document: font and alignment are display only.
class ViewSettings : public QObject
{
    Q_OBJECT
public:
    ViewSettings(SourceEditor *source, CommonDialog *dialog, QAction *fontNameItem, QAction *fontSizeItem,
                 QObject *parent = nullptr);

    QString strFont() const { return m_strFont; }
    int nFontSize() const { return m_nFontSize; }

    // Takes the font the dialog will open on as the current one, its size
    // rounded to whole points (halves to even). The editor and the captions
    // stay as they are until the user runs the font dialog.
    void readDialogFont();

    // Shows name and size as if just chosen in the font dialog, which opens
    // on them next: for the font remembered from an earlier run.
    void useFont(const QString &name, double size);

Q_SIGNALS:
    // The user chose a font in the dialog: the name and size it gave.
    void fontChosen(const QString &name, double size);

public Q_SLOTS:
    // Shows the font dialog on the last chosen font; on OK the captions and
    // the whole editor follow the chosen name and whole size. Cancel changes nothing.
    void setEditorFont();

    // The paragraph at the caret, or every paragraph the selection touches.
    void alignLeft();
    void alignCenter();
    void alignRight();

private:
    void showDialogFont();

    SourceEditor *m_source;
    CommonDialog *m_dialog;
    QAction *m_fontNameItem;
    QAction *m_fontSizeItem;
    QString m_strFont;
    int m_nFontSize = 0;
};
