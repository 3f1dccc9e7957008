// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/attributegroup.h"

#include "window/combobox.h"
#include "core/table/tablemarkup.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

AttributeGroup::AttributeGroup(const QString &frameName, const QString &caption, const QString &checkName,
                               QWidget *parent)
    : QGroupBox(caption, parent)
    , m_check(new QCheckBox(QStringLiteral("指定する"), this))
    , m_layout(new QHBoxLayout(this))
{
    setObjectName(frameName);
    m_check->setObjectName(checkName);
    m_layout->addWidget(m_check);
    connect(m_check, &QCheckBox::toggled, this, &AttributeGroup::enableValues);
}

QLineEdit *AttributeGroup::addTextBox(const QString &name, int maxLength)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(name);
    const int digit = box->fontMetrics().horizontalAdvance(u'W');
    box->setMinimumWidth(digit * 6);
    if (maxLength > 0) {
        box->setMaxLength(maxLength);
        // Wide enough for the six digits and no wider.
        box->setMaximumWidth(digit * (maxLength + 2));
    }
    m_text = box;
    addValue(box, maxLength > 0 ? 0 : 1);
    if (maxLength > 0)
        m_layout->addStretch(1);
    return box;
}

ComboBox *AttributeGroup::addComboBox(const QString &name, const QString &prompt, const QStringList &items,
                                      int stretch)
{
    auto *combo = new ComboBox(this);
    combo->setObjectName(name);
    combo->setEditText(prompt);
    combo->addListItems(items);
    m_combo = combo;
    addValue(combo, stretch);
    return combo;
}

ComboBox *AttributeGroup::addChoiceBox(const QString &name, std::span<const Choice> choices)
{
    QStringList items;
    for (const Choice &choice : choices)
        items << choice.item.toString();
    return addComboBox(name, QStringLiteral("位置"), items, 1);
}

ComboBox *AttributeGroup::addUnitBox(const QString &name)
{
    QStringList items;
    for (QStringView unit : lengthUnits)
        items << unit.toString();
    ComboBox *combo = addComboBox(name, QStringLiteral("単位"), items, 0);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QLabel *AttributeGroup::addLabel(const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(name);
    m_layout->addWidget(label);
    return label;
}

void AttributeGroup::addValue(QWidget *value, int stretch)
{
    value->setEnabled(m_check->isChecked());
    m_values << value;
    m_layout->addWidget(value, stretch);
}

void AttributeGroup::enableValues(bool enabled)
{
    for (QWidget *value : std::as_const(m_values))
        value->setEnabled(enabled);
}

bool AttributeGroup::ticked() const
{
    return m_check->isChecked();
}

TextSetting AttributeGroup::textSetting() const
{
    return {ticked(), m_text ? m_text->text() : QString()};
}

LengthSetting AttributeGroup::lengthSetting() const
{
    return {ticked(), m_text ? m_text->text() : QString(), m_combo ? m_combo->listIndex() : -1};
}

ChoiceSetting AttributeGroup::choiceSetting() const
{
    return {ticked(), m_combo ? m_combo->listIndex() : -1};
}
