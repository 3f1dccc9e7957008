// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class PreviewPane;
class QWidget;

// Loads the preview module (once; it stays loaded) and makes a pane. Looks
// next to the program, in its lib folder once installed, then in the
// library paths. Null with the reason in error when the module is missing
// or broken.
PreviewPane *createPreviewPane(QWidget *parent, QString *error);
