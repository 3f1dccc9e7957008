// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// A dialog of the table wizard. Its buttons end it with Accepted or Rejected;
// the window's close box ends it with Discarded, which tells the wizard to
// throw the dialog and its settings away.
class WizardDialog : public QDialog
{
    Q_OBJECT
public:
    enum { Discarded = 2 };

    using QDialog::QDialog;

protected:
    void closeEvent(QCloseEvent *event) override;
};

// The title of the wizard and of its table settings.
QString wizardTitle();
