// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/wizarddialog.h"

#include "core/window/apptitle.h"

#include <QCloseEvent>

void WizardDialog::closeEvent(QCloseEvent *event)
{
    if (isVisible())
        done(Discarded);
    event->accept();
}

QString wizardTitle()
{
    return appTitle + u"　テーブル作成ツール";
}
