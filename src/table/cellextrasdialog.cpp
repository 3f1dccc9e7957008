// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/cellextrasdialog.h"

#include "table/attributegroup.h"
#include "core/table/tablesettings.h"

#include <QPushButton>
#include <QVBoxLayout>

CellExtrasDialog::CellExtrasDialog(QWidget *parent)
    : WizardDialog(parent)
    , m_nobr(new AttributeGroup(QStringLiteral("fmeCNobr"), QStringLiteral("改行禁止"), QStringLiteral("chkCNobr"),
                                this))
    , m_background(new AttributeGroup(QStringLiteral("fmeCBackground"), QStringLiteral("背景画像"),
                                      QStringLiteral("chkCBackground"), this))
{
    setObjectName(QStringLiteral("frmTable3"));
    // This dialog never had a title of its own.
    setWindowTitle(QStringLiteral("Form1"));

    m_background->addTextBox(QStringLiteral("txtCBackground"));

    auto *close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_nobr);
    layout->addWidget(m_background);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void CellExtrasDialog::readInto(TableSettings &settings) const
{
    settings.cellNobr = m_nobr->ticked();
    settings.cellBackground = m_background->textSetting();
}
