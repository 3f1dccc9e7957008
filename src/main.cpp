// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sourceeditor.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SourceEditor editor;
    editor.show();
    return app.exec();
}
