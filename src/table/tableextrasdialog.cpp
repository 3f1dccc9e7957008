// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/tableextrasdialog.h"

#include "table/attributegroup.h"
#include "core/table/tablemarkup.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TableExtrasDialog::TableExtrasDialog(QWidget *parent)
    : WizardDialog(parent)
    , m_frame(new AttributeGroup(QStringLiteral("fmeTFrame"), QStringLiteral("外枠の表示方法"),
                                 QStringLiteral("chkTFrame"), this))
    , m_rules(new AttributeGroup(QStringLiteral("fmeTRules"), QStringLiteral("内側罫線の表示方法"),
                                 QStringLiteral("chkTRules"), this))
    , m_cellpadding(new AttributeGroup(QStringLiteral("fmeTCellpadding"), QStringLiteral("セル内の余白"),
                                       QStringLiteral("chkTCellpadding"), this))
    , m_cellspacing(new AttributeGroup(QStringLiteral("fmeTCellspacing"), QStringLiteral("セルの間隔"),
                                       QStringLiteral("chkTCellspacing"), this))
    , m_border(new AttributeGroup(QStringLiteral("fmeTBorder"), QStringLiteral("外枠の幅"),
                                  QStringLiteral("chkTBorder"), this))
{
    setObjectName(QStringLiteral("frmTable2"));
    setWindowTitle(wizardTitle());

    m_frame->addChoiceBox(QStringLiteral("comTFrame"), outerFrames);
    m_rules->addChoiceBox(QStringLiteral("comTRules"), innerRules);
    m_cellpadding->addTextBox(QStringLiteral("txtTCellpadding"));
    m_cellspacing->addTextBox(QStringLiteral("txtTCellspacing"));
    m_border->addTextBox(QStringLiteral("txtTBorder"))->setText(QStringLiteral("1"));

    auto *close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    for (AttributeGroup *group : {m_frame, m_rules, m_cellpadding, m_cellspacing, m_border})
        layout->addWidget(group);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void TableExtrasDialog::readInto(TableSettings &settings) const
{
    settings.frame = m_frame->choiceSetting();
    settings.rules = m_rules->choiceSetting();
    settings.cellpadding = m_cellpadding->textSetting();
    settings.cellspacing = m_cellspacing->textSetting();
    settings.border = m_border->textSetting();
}
