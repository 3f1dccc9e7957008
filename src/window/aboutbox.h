// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// The About box, frmAbout: title, version, rights notice, home page and the
// program icon, with one OK button that closes it.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);
};

// Shows a fresh About box modally over parent and returns once it is closed.
void showAboutBox(QWidget *parent);
