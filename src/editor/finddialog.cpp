// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/finddialog.h"

#include "editor/pagetext.h"
#include "editor/sourceeditor.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

FindDialog::FindDialog(SourceEditor *editor, QWidget *parent)
    : QDialog(parent)
    , m_editor(editor)
    , m_findText(new QLineEdit(this))
    , m_replaceText(new QLineEdit(this))
    , m_replaceLabel(new QLabel(u"置換後(&P):"_s, this))
    , m_regularExpression(new QCheckBox(u"正規表現(&X)"_s, this))
    , m_matchCase(new QCheckBox(u"大文字と小文字を区別する(&C)"_s, this))
    , m_wholeWord(new QCheckBox(u"単語単位で探す(&W)"_s, this))
    , m_wrapAround(new QCheckBox(u"末尾まで来たら先頭から続ける(&R)"_s, this))
    , m_replace(new QPushButton(u"置換(&E)"_s, this))
    , m_replaceAll(new QPushButton(u"すべて置換(&A)"_s, this))
    , m_status(new QLabel(this))
{
    setObjectName(u"findDialog"_s);
    setWindowTitle(u"検索と置換"_s);
    setModal(false);
    m_findText->setObjectName(u"findText"_s);
    m_replaceText->setObjectName(u"replaceText"_s);
    m_regularExpression->setObjectName(u"findRegularExpression"_s);
    m_matchCase->setObjectName(u"findMatchCase"_s);
    m_wholeWord->setObjectName(u"findWholeWord"_s);
    m_wrapAround->setObjectName(u"findWrapAround"_s);
    m_wrapAround->setChecked(true);
    m_replace->setObjectName(u"replaceButton"_s);
    m_replaceAll->setObjectName(u"replaceAllButton"_s);
    m_status->setObjectName(u"findStatus"_s);
    m_status->setWordWrap(true);

    auto *findLabel = new QLabel(u"検索する文字列(&N):"_s, this);
    findLabel->setBuddy(m_findText);
    m_replaceLabel->setBuddy(m_replaceText);
    auto *next = new QPushButton(u"次を検索(&F)"_s, this);
    next->setObjectName(u"findNextButton"_s);
    next->setDefault(true);
    auto *previous = new QPushButton(u"前を検索(&B)"_s, this);
    previous->setObjectName(u"findPreviousButton"_s);
    auto *close = new QPushButton(u"閉じる"_s, this);
    close->setObjectName(u"findClose"_s);

    auto *fields = new QGridLayout;
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(m_findText, 0, 1);
    fields->addWidget(m_replaceLabel, 1, 0);
    fields->addWidget(m_replaceText, 1, 1);
    auto *checks = new QVBoxLayout;
    for (QCheckBox *check : {m_regularExpression, m_matchCase, m_wholeWord, m_wrapAround})
        checks->addWidget(check);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {next, previous, m_replace, m_replaceAll, close})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(checks);
    left->addWidget(m_status);
    left->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(next, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(previous, &QPushButton::clicked, this, &FindDialog::findPrevious);
    connect(m_replace, &QPushButton::clicked, this, &FindDialog::replace);
    connect(m_replaceAll, &QPushButton::clicked, this, &FindDialog::replaceAll);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
}

void FindDialog::showFind()
{
    open(false);
}

void FindDialog::showReplace()
{
    open(true);
}

void FindDialog::open(bool replacing)
{
    const QString selected = PageText(m_editor).selection();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator) && !selected.contains(u'\n'))
        m_findText->setText(selected);
    for (QWidget *widget : {static_cast<QWidget *>(m_replaceLabel), static_cast<QWidget *>(m_replaceText),
                            static_cast<QWidget *>(m_replace), static_cast<QWidget *>(m_replaceAll)})
        widget->setVisible(replacing);
    setWindowTitle(replacing ? u"置換"_s : u"検索"_s);
    show();
    raise();
    activateWindow();
    m_findText->setFocus();
    m_findText->selectAll();
}

SearchOptions FindDialog::options() const
{
    return {m_findText->text(), m_regularExpression->isChecked(), m_matchCase->isChecked(), m_wholeWord->isChecked()};
}

QString FindDialog::status() const
{
    return m_status->text();
}

void FindDialog::showStatus(const QString &message)
{
    m_status->setText(message);
}

QStringView FindDialog::text()
{
    QTextDocument *document = m_editor->document();
    if (document != m_textDocument || document->revision() != m_textRevision) {
        m_text = PageText(m_editor).all();
        m_textDocument = document;
        m_textRevision = document->revision();
    }
    return m_text;
}

bool FindDialog::findNext()
{
    return find(false);
}

bool FindDialog::findPrevious()
{
    return find(true);
}

bool FindDialog::find(bool backward)
{
    const SearchPattern pattern = compileSearch(options());
    if (!pattern.ok()) {
        showStatus(pattern.error);
        return false;
    }
    const QStringView page = text();
    const QTextCursor cursor = m_editor->textCursor();
    const auto match = findMatch(page, pattern.expression, backward ? cursor.selectionStart() : cursor.selectionEnd(),
                                 backward, m_wrapAround->isChecked());
    if (!match) {
        showStatus(u"「%1」は見つかりません。"_s.arg(m_findText->text()));
        return false;
    }
    QTextCursor found(m_editor->document());
    found.setPosition(int(match->start));
    found.setPosition(int(match->start + match->length), QTextCursor::KeepAnchor);
    m_editor->setTextCursor(found);
    m_editor->ensureCursorVisible();
    // Counting reads the whole page: done again only for a new search or
    // after an edit, and after the match is shown.
    const QString countKey = pattern.expression.pattern() + QString::number(pattern.expression.patternOptions());
    if (countKey == m_countKey && m_countRevision == m_textRevision) {
        showStatus(u"%1 件見つかりました。"_s.arg(m_count));
        return true;
    }
    showStatus(u"見つかりました。"_s);
    QTimer::singleShot(0, this, [this, countKey, expression = pattern.expression] {
        const QStringView page = text();
        m_count = countMatches(page, expression);
        m_countKey = countKey;
        m_countRevision = m_textRevision;
        showStatus(u"%1 件見つかりました。"_s.arg(m_count));
    });
    return true;
}

bool FindDialog::replace()
{
    const SearchPattern pattern = compileSearch(options());
    if (!pattern.ok()) {
        showStatus(pattern.error);
        return false;
    }
    QTextCursor cursor = m_editor->textCursor();
    if (cursor.hasSelection()) {
        const QStringView page = text();
        const QRegularExpressionMatch match = pattern.expression.match(
            page, cursor.selectionStart(), QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        if (match.hasMatch() && match.capturedEnd() == cursor.selectionEnd()) {
            cursor.insertText(expandReplacement(match, m_replaceText->text(), m_regularExpression->isChecked()));
            m_editor->setTextCursor(cursor);
        }
    }
    return find(false);
}

qsizetype FindDialog::replaceAll()
{
    const SearchPattern pattern = compileSearch(options());
    if (!pattern.ok()) {
        showStatus(pattern.error);
        return 0;
    }
    const QList<TextReplacement> replacements =
        replacementsFor(text(), pattern.expression, m_replaceText->text(), m_regularExpression->isChecked());
    if (replacements.isEmpty()) {
        showStatus(u"「%1」は見つかりません。"_s.arg(m_findText->text()));
        return 0;
    }
    // Each line's matches are replaced where they stand, from the last line to
    // the first so that the positions found stay right, all in one edit: one
    // undo step. The line breaks between them stay, and with them the
    // paragraphs' alignment.
    // Writing the page anew instead would lose the paragraphs' alignment and
    // cost the time of loading it.
    const QList<TextReplacement> edits = joinedByLine(text(), replacements);
    QTextCursor cursor(m_editor->document());
    cursor.beginEditBlock();
    for (auto it = edits.crbegin(); it != edits.crend(); ++it) {
        cursor.setPosition(int(it->start));
        cursor.setPosition(int(it->start + it->length), QTextCursor::KeepAnchor);
        cursor.insertText(it->text);
    }
    cursor.endEditBlock();
    m_editor->setTextCursor(cursor);
    showStatus(u"%1 件置換しました。"_s.arg(replacements.size()));
    return replacements.size();
}
