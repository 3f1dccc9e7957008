// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/keysetpage.h"

#include "core/settings/keyset.h"
#include "core/settings/settingkeys.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

static QString itemCaption(QWidget *window, QStringView name)
{
    const auto *action = window->findChild<QAction *>(name.toString());
    if (!action)
        return name.toString();
    QString caption = action->text();
    // "保存(&S)" reads "保存(S)" in a list.
    caption.remove(u'&');
    return caption;
}

KeySetPage::KeySetPage(QWidget *window, QWidget *parent)
    : SettingsPage(parent)
    , m_designed(new QRadioButton(u"設計どおり（Ctrl+C でセンタリング、Ctrl+F でフォント）"_s, this))
    , m_standard(new QRadioButton(u"標準（Ctrl+C でコピー、Ctrl+F で検索、Ctrl+S で上書き保存）"_s, this))
    , m_table(new QTableWidget(this))
    , m_closingTags(new QCheckBox(u"「</」を入力したとき、閉じていない要素の終了タグを候補に出す"_s, this))
    , m_completeWhileTyping(new QCheckBox(u"「<」「&」や属性の位置を入力したとき、入力候補の一覧を自動で出す（Ctrl+Space でいつでも出せます）"_s, this))
{
    setObjectName(u"keySetPage"_s);
    m_designed->setObjectName(u"keySetDesigned"_s);
    m_standard->setObjectName(u"keySetStandard"_s);
    m_table->setObjectName(u"keyTable"_s);
    m_closingTags->setObjectName(u"closingTags"_s);
    m_completeWhileTyping->setObjectName(u"completeWhileTyping"_s);

    const QList<KeyBinding> &bindings = keyBindings();
    m_table->setColumnCount(3);
    m_table->setRowCount(int(bindings.size()));
    m_table->setHorizontalHeaderLabels({u"メニュー項目"_s, u"設計どおり"_s, u"標準"_s});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    for (int row = 0; row < bindings.size(); ++row) {
        const KeyBinding &binding = bindings[row];
        m_table->setItem(row, 0, new QTableWidgetItem(itemCaption(window, binding.item)));
        for (KeySet set : {KeySet::Designed, KeySet::Standard}) {
            const QString key = keyFor(binding, set).toString(QKeySequence::NativeText);
            m_table->setItem(row, set == KeySet::Designed ? 1 : 2, new QTableWidgetItem(key.isEmpty() ? u"—"_s : key));
        }
    }
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->resizeColumnsToContents();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(u"メニューのショートカットキー:"_s, this));
    layout->addWidget(m_designed);
    layout->addWidget(m_standard);
    layout->addWidget(m_table);
    layout->addWidget(m_closingTags);
    layout->addWidget(m_completeWhileTyping);
}

QString KeySetPage::title() const
{
    return u"キーと入力"_s;
}

void KeySetPage::load()
{
    const KeySet set = keySetNamed(Settings::keySet.value());
    m_designed->setChecked(set == KeySet::Designed);
    m_standard->setChecked(set == KeySet::Standard);
    m_closingTags->setChecked(Settings::closingTags.value());
    m_completeWhileTyping->setChecked(Settings::completeWhileTyping.value());
}

void KeySetPage::apply()
{
    Settings::keySet.setValue(keySetName(m_standard->isChecked() ? KeySet::Standard : KeySet::Designed));
    Settings::closingTags.setValue(m_closingTags->isChecked());
    Settings::completeWhileTyping.setValue(m_completeWhileTyping->isChecked());
}
