// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QLabel;
class SourceEditor;

// When the user types "</", a small note below the caret (closingTagOffer)
// offers the closing tag of the innermost open element. Enter or Tab accepts
// it and types the rest ("TABLE>"); Escape, any other key, a click or a caret
// move dismisses it. Nothing is typed that the user did not accept. Off until
// the user turns it on in the settings.
class ClosingTagOffer : public QObject
{
    Q_OBJECT
public:
    explicit ClosingTagOffer(SourceEditor *editor);

    void setEnabled(bool enabled);
    bool isOffering() const;
    // The element on offer, empty when none.
    QString offered() const { return m_element; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void textChanged();
    void offer(const QString &element);
    void dismiss();

    SourceEditor *m_editor;
    QLabel *m_note;
    bool m_enabled = false;
    bool m_slashTyped = false;
    int m_offeredAt = -1;
    QString m_element;
};
