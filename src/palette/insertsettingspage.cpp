// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette/insertsettingspage.h"

#include "core/palette/catalogue.h"
#include "core/palette/insertion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

InsertSettingsPage::InsertSettingsPage(QWidget *parent)
    : SettingsPage(parent)
{
    setObjectName(u"insertPage"_s);
    m_wrap = new QCheckBox(u"選択した文字列をタグで囲む（開始タグと終了タグの間に入れる）"_s, this);
    m_wrap->setObjectName(u"chkWrapSelection"_s);
    m_caret = new QCheckBox(u"挿入後、カーソルを最初の空の属性値（''）に、なければ開始タグと終了タグの間に置く"_s, this);
    m_caret->setObjectName(u"chkCaretIntoValue"_s);
    m_style = new QComboBox(this);
    m_style->setObjectName(u"cboMarkupStyle"_s);
    m_style->addItems({u"設計どおり"_s, u"HTML5"_s});
    m_style->setToolTip(u"HTML5：要素名・属性名を小文字に、属性値を \" で囲みます。ベースは <!DOCTYPE html>、"
                        u"<html lang=\"ja\"> と文書の文字コードの <meta charset> を書きます。テーブル作成も同じ書き方になります。"_s);

    m_catalogue = new QComboBox(this);
    m_catalogue->setObjectName(u"cboCatalogue"_s);
    m_catalogue->addItems({u"設計どおり"_s, u"今の HTML"_s});
    m_catalogue->setToolTip(u"今の HTML：HTML Living Standard の要素（header・nav・ruby・picture・video・"
                            u"すべての input の種類など）を今の書き方で挿入します。タグの書き方の設定は使われません。"_s);

    auto *form = new QFormLayout;
    form->addRow(u"タグの一覧(&C)："_s, m_catalogue);
    form->addRow(u"タグの書き方(&S)："_s, m_style);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_wrap);
    layout->addWidget(m_caret);
    layout->addLayout(form);
    layout->addStretch();
}

QString InsertSettingsPage::title() const
{
    return u"挿入"_s;
}

void InsertSettingsPage::load()
{
    const InsertOptions options = storedInsertOptions();
    m_wrap->setChecked(options.wrapSelection);
    m_caret->setChecked(options.caretIntoValue);
    m_style->setCurrentIndex(options.style == MarkupStyle::Html5 ? 1 : 0);
    m_catalogue->setCurrentIndex(storedCatalogue() == CatalogueChoice::Today ? 1 : 0);
}

void InsertSettingsPage::apply()
{
    InsertOptions options;
    options.wrapSelection = m_wrap->isChecked();
    options.caretIntoValue = m_caret->isChecked();
    options.style = m_style->currentIndex() == 1 ? MarkupStyle::Html5 : MarkupStyle::Designed;
    storeInsertOptions(options);
    storeCatalogue(m_catalogue->currentIndex() == 1 ? CatalogueChoice::Today : CatalogueChoice::Designed);
}
