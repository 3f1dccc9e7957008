// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/table/tablesettings.h"

#include <QGroupBox>
#include <QList>
#include <QStringView>

#include <span>

class ComboBox;
class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
struct Choice;

// One attribute of the wizard: a frame captioned after it, the "指定する" box
// that alone decides whether the attribute is written, and the value
// controls. The box enables the value controls; unticking only disables them
// and keeps what was typed or chosen.
class AttributeGroup : public QGroupBox
{
    Q_OBJECT
public:
    AttributeGroup(const QString &frameName, const QString &caption, const QString &checkName, QWidget *parent);

    // Colour boxes take six characters; 0 leaves the box unlimited.
    QLineEdit *addTextBox(const QString &name, int maxLength = 0);
    ComboBox *addChoiceBox(const QString &name, std::span<const Choice> choices);
    ComboBox *addUnitBox(const QString &name);
    // A caption before the value; it stays enabled with the box unticked.
    QLabel *addLabel(const QString &name, const QString &caption);

    bool ticked() const;
    TextSetting textSetting() const;
    LengthSetting lengthSetting() const;
    ChoiceSetting choiceSetting() const;

private:
    ComboBox *addComboBox(const QString &name, const QString &prompt, const QStringList &items, int stretch);
    void addValue(QWidget *value, int stretch);
    void enableValues(bool enabled);

    QCheckBox *m_check;
    QHBoxLayout *m_layout;
    QList<QWidget *> m_values;
    QLineEdit *m_text = nullptr;
    ComboBox *m_combo = nullptr;
};
