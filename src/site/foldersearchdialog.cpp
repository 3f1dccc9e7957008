// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/foldersearchdialog.h"

#include "core/site/webfiles.h"
#include "editor/editorplaces.h"
#include "editor/pagetext.h"
#include "editor/sourceeditor.h"
#include "site/foldersearcher.h"
#include "site/matchdelegate.h"
#include "site/sitefolder.h"
#include "window/messagebox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

enum Column { FileColumn, LineColumn, CharacterColumn, TextColumn };
constexpr int pathRole = Qt::UserRole;
constexpr int placeRole = Qt::UserRole + 1;

constexpr QStringView defaultPatterns = u"*.html;*.htm;*.css;*.js";
// The files Replace all names in its question; the rest are counted.
constexpr qsizetype filesNamed = 15;

} // namespace

FolderSearchDialog::FolderSearchDialog(SiteFolder *site, OpenPages openPages, OpenAt openAt, QWidget *parent)
    : QDialog(parent)
    , m_site(site)
    , m_openPages(std::move(openPages))
    , m_openAt(std::move(openAt))
    , m_searcher(new FolderSearcher(this))
    , m_findText(new QLineEdit(this))
    , m_replaceText(new QLineEdit(this))
    , m_folder(new QLineEdit(this))
    , m_patterns(new QLineEdit(defaultPatterns.toString(), this))
    , m_regularExpression(new QCheckBox(u"正規表現(&X)"_s, this))
    , m_matchCase(new QCheckBox(u"大文字と小文字を区別する(&C)"_s, this))
    , m_wholeWord(new QCheckBox(u"単語単位で探す(&W)"_s, this))
    , m_searchButton(new QPushButton(u"検索(&F)"_s, this))
    , m_replaceAllButton(new QPushButton(u"すべて置換(&A)"_s, this))
    , m_stopButton(new QPushButton(u"中止(&S)"_s, this))
    , m_status(new QLabel(this))
    , m_results(new QTreeWidget(this))
{
    setObjectName(u"folderSearch"_s);
    setWindowTitle(u"フォルダー内を検索"_s);
    setModal(false);
    m_findText->setObjectName(u"folderFindText"_s);
    m_replaceText->setObjectName(u"folderReplaceText"_s);
    m_folder->setObjectName(u"folderPath"_s);
    m_patterns->setObjectName(u"folderPatterns"_s);
    m_regularExpression->setObjectName(u"folderRegularExpression"_s);
    m_matchCase->setObjectName(u"folderMatchCase"_s);
    m_wholeWord->setObjectName(u"folderWholeWord"_s);
    m_searchButton->setObjectName(u"folderSearchButton"_s);
    m_searchButton->setDefault(true);
    m_replaceAllButton->setObjectName(u"folderReplaceAllButton"_s);
    m_stopButton->setObjectName(u"folderStopButton"_s);
    m_stopButton->setEnabled(false);
    m_status->setObjectName(u"folderStatus"_s);
    m_status->setWordWrap(true);

    m_results->setObjectName(u"folderResults"_s);
    m_results->setRootIsDecorated(false);
    m_results->setUniformRowHeights(true);
    m_results->setHeaderLabels({u"ファイル"_s, u"行"_s, u"桁"_s, u"内容"_s});
    m_results->header()->setStretchLastSection(true);
    m_results->setColumnWidth(FileColumn, 200);
    m_results->setColumnWidth(LineColumn, 50);
    m_results->setColumnWidth(CharacterColumn, 50);
    m_results->setItemDelegateForColumn(TextColumn, new MatchDelegate(m_results));

    auto *browse = new QPushButton(u"参照(&B)..."_s, this);
    browse->setObjectName(u"folderBrowse"_s);
    auto *close = new QPushButton(u"閉じる"_s, this);
    close->setObjectName(u"folderClose"_s);
    close->setAutoDefault(false);

    auto *fields = new QGridLayout;
    const auto addField = [this, fields](int row, const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(field);
        fields->addWidget(label, row, 0);
        fields->addWidget(field, row, 1);
    };
    addField(0, u"検索する文字列(&N):"_s, m_findText);
    addField(1, u"置換後(&P):"_s, m_replaceText);
    addField(2, u"フォルダー(&D):"_s, m_folder);
    fields->addWidget(browse, 2, 2);
    addField(3, u"ファイルの種類(&T):"_s, m_patterns);
    auto *checks = new QHBoxLayout;
    for (QCheckBox *check : {m_regularExpression, m_matchCase, m_wholeWord})
        checks->addWidget(check);
    checks->addStretch();
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_searchButton, m_replaceAllButton, m_stopButton})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(checks);
    layout->addLayout(buttons);
    layout->addWidget(m_status);
    layout->addWidget(m_results, 1);
    resize(720, 480);

    connect(m_searchButton, &QPushButton::clicked, this, &FolderSearchDialog::search);
    connect(m_replaceAllButton, &QPushButton::clicked, this, &FolderSearchDialog::replaceAll);
    connect(m_stopButton, &QPushButton::clicked, this, [this] {
        m_searcher->stop();
        m_replaceWhenDone = false;
        setSearching(false);
        m_status->setText(u"中止しました。%1 ファイルで %2 件見つかりました。"_s.arg(m_found.size()).arg(m_matchCount));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getExistingDirectory(this, u"検索するフォルダー"_s, m_folder->text());
        if (!chosen.isEmpty())
            m_folder->setText(QDir::toNativeSeparators(chosen));
    });
    connect(m_searcher, &FolderSearcher::found, this, &FolderSearchDialog::addFile);
    connect(m_searcher, &FolderSearcher::finished, this, &FolderSearchDialog::finishSearch);
    connect(m_results, &QTreeWidget::itemActivated, this, &FolderSearchDialog::goTo);
}

FolderSearchDialog::~FolderSearchDialog() = default;

void FolderSearchDialog::showSearch()
{
    if (m_folder->text().isEmpty() || !m_site->path().isEmpty())
        m_folder->setText(QDir::toNativeSeparators(m_site->effectivePath()));
    show();
    raise();
    activateWindow();
    m_findText->setFocus();
    m_findText->selectAll();
}

QString FolderSearchDialog::status() const
{
    return m_status->text();
}

bool FolderSearchDialog::isSearching() const
{
    return m_searcher->isRunning();
}

std::optional<SearchPattern> FolderSearchDialog::readPattern()
{
    const SearchPattern pattern = compileSearch(
        {m_findText->text(), m_regularExpression->isChecked(), m_matchCase->isChecked(), m_wholeWord->isChecked()});
    if (!pattern.ok()) {
        m_status->setText(pattern.error);
        return std::nullopt;
    }
    if (!QFileInfo(m_folder->text()).isDir()) {
        m_status->setText(u"検索するフォルダーを指定してください。"_s);
        return std::nullopt;
    }
    return pattern;
}

QString FolderSearchDialog::searchKey() const
{
    return QStringList{m_findText->text(), m_folder->text(), m_patterns->text(),
                       QString::number(m_regularExpression->isChecked()), QString::number(m_matchCase->isChecked()),
                       QString::number(m_wholeWord->isChecked())}
        .join(QChar(0));
}

bool FolderSearchDialog::search()
{
    const std::optional<SearchPattern> pattern = readPattern();
    if (!pattern)
        return false;
    // Pages open in the window are searched as they are there.
    QHash<QString, QString> openPages;
    const QString folder = QDir(m_folder->text()).canonicalPath();
    const QStringList patterns = splitFilePatterns(m_patterns->text());
    m_results->clear();
    m_found.clear();
    m_matchCount = 0;
    m_resultsComplete = false;
    m_resultsKey = searchKey();
    m_expression = pattern->expression;
    const QHash<QString, SourceEditor *> editors = m_openPages();
    for (auto it = editors.cbegin(); it != editors.cend(); ++it)
        openPages.insert(it.key(), PageText(it.value()).all());
    setSearching(true);
    m_status->setText(u"検索しています..."_s);
    m_searcher->start(folder, patterns, m_expression, openPages);
    return true;
}

void FolderSearchDialog::setSearching(bool searching)
{
    m_stopButton->setEnabled(searching);
    m_searchButton->setEnabled(!searching);
    m_replaceAllButton->setEnabled(!searching);
}

void FolderSearchDialog::addFile(const FileMatches &file)
{
    const QDir folder(m_folder->text());
    const QString name = QDir::toNativeSeparators(folder.relativeFilePath(file.path));
    QList<QTreeWidgetItem *> rows;
    if (!file.failure.isEmpty()) {
        auto *row = new QTreeWidgetItem({name, QString(), QString(), u"読めませんでした: "_s + file.failure});
        row->setData(FileColumn, pathRole, file.path);
        rows.append(row);
    }
    for (const FolderMatch &match : file.matches) {
        QString line = match.lineText;
        line.replace(u'\t', u' ');
        auto *row = new QTreeWidgetItem({name, QString::number(match.line), QString::number(match.column), line});
        row->setData(FileColumn, pathRole, file.path);
        row->setData(LineColumn, placeRole, match.line);
        row->setData(CharacterColumn, placeRole, match.column);
        row->setData(TextColumn, MatchDelegate::markStartRole, match.markStart);
        row->setData(TextColumn, MatchDelegate::markLengthRole, match.length);
        row->setToolTip(FileColumn, file.path);
        row->setTextAlignment(LineColumn, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(CharacterColumn, Qt::AlignRight | Qt::AlignVCenter);
        rows.append(row);
    }
    if (file.count > file.matches.size()) {
        rows.append(new QTreeWidgetItem(
            {name, QString(), QString(), u"ほかに %1 件あります。"_s.arg(file.count - file.matches.size())}));
    }
    m_results->addTopLevelItems(rows);
    if (file.count > 0) {
        m_found.append(file);
        m_matchCount += file.count;
    }
    m_status->setText(u"検索しています... %1 ファイルで %2 件"_s.arg(m_found.size()).arg(m_matchCount));
}

void FolderSearchDialog::finishSearch(int files)
{
    setSearching(false);
    m_resultsComplete = true;
    m_status->setText(m_matchCount == 0
                          ? u"「%1」は %2 ファイルのどれにも見つかりません。"_s.arg(m_findText->text()).arg(files)
                          : u"%1 ファイル中 %2 ファイルで %3 件見つかりました。"_s.arg(files).arg(m_found.size()).arg(m_matchCount));
    emit searchFinished();
    if (m_replaceWhenDone) {
        m_replaceWhenDone = false;
        confirmAndReplace();
    }
}

void FolderSearchDialog::replaceAll()
{
    if (m_resultsComplete && m_resultsKey == searchKey()) {
        confirmAndReplace();
        return;
    }
    m_replaceWhenDone = search();
}

void FolderSearchDialog::confirmAndReplace()
{
    if (m_found.isEmpty()) {
        emit replacedAll();
        return;
    }
    const QDir folder(m_folder->text());
    QStringList files;
    for (const FileMatches &file : std::as_const(m_found).first(std::min(m_found.size(), filesNamed)))
        files.append(u"%1（%2 件）"_s.arg(QDir::toNativeSeparators(folder.relativeFilePath(file.path))).arg(file.count));
    if (m_found.size() > filesNamed)
        files.append(u"ほか %1 ファイル"_s.arg(m_found.size() - filesNamed));
    const QString question = u"%1 ファイルの %2 件を「%3」に置換します。よろしいですか？\n\n%4"_s.arg(m_found.size())
                                 .arg(m_matchCount)
                                 .arg(m_replaceText->text(), files.join(u'\n'));
    const int answer = askChoice(this, QMessageBox::Question, question,
                                 {{u"置換する"_s, QMessageBox::AcceptRole}, {u"キャンセル"_s, QMessageBox::RejectRole}}, 0, 1);
    if (answer != 0) {
        emit replacedAll();
        return;
    }

    const bool regularExpression = m_regularExpression->isChecked();
    const QString replacement = m_replaceText->text();
    qsizetype replacedCount = 0;
    int written = 0;
    QList<std::pair<QString, QString>> skipped; // file, why
    QStringList searchedAgain;
    const QHash<QString, SourceEditor *> editors = m_openPages();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (const FileMatches &file : std::as_const(m_found)) {
        const QString name = QDir::toNativeSeparators(folder.relativeFilePath(file.path));
        if (SourceEditor *editor = editors.value(QFileInfo(file.path).canonicalFilePath())) {
            const QString text = PageText(editor).all();
            const QList<TextReplacement> edits = replacementsFor(text, m_expression, replacement, regularExpression);
            if (!edits.isEmpty()) {
                replaceInEditor(editor, text, edits);
                replacedCount += edits.size();
                ++written;
            }
            continue;
        }
        const FileReplacement outcome = replaceInFile(file.path, file.contentHash, m_expression, replacement, regularExpression);
        if (outcome.searchedAgain)
            searchedAgain.append(name);
        switch (outcome.outcome) {
        case FileReplacement::Outcome::Written:
            replacedCount += outcome.count;
            ++written;
            break;
        case FileReplacement::Outcome::NoMatches:
            break;
        case FileReplacement::Outcome::Unencodable:
        case FileReplacement::Outcome::Failed:
            skipped.append({name, outcome.reason});
            break;
        }
    }
    QApplication::restoreOverrideCursor();

    m_results->clear();
    m_found.clear();
    m_matchCount = 0;
    m_resultsComplete = false;
    QString report = u"%1 ファイルで %2 件置換しました。"_s.arg(written).arg(replacedCount);
    m_status->setText(report);
    if (!searchedAgain.isEmpty())
        report += u"\n\n検索の後で変更されていたため、検索し直してから置換したファイル:\n"_s + searchedAgain.join(u'\n');
    if (!skipped.isEmpty())
        report += u"\n\n置換しなかったファイル（元のまま）:"_s;
    for (const auto &[name, why] : std::as_const(skipped)) {
        report += u'\n' + name + u": "_s + why;
        m_results->addTopLevelItem(new QTreeWidgetItem({name, QString(), QString(), u"置換しませんでした: "_s + why}));
    }
    showMessage(this, skipped.isEmpty() ? QMessageBox::Information : QMessageBox::Warning, report);
    emit replacedAll();
}

void FolderSearchDialog::goTo(QTreeWidgetItem *item)
{
    const QString path = item->data(FileColumn, pathRole).toString();
    const qsizetype line = item->data(LineColumn, placeRole).toLongLong();
    if (path.isEmpty() || line <= 0)
        return;
    m_openAt(path, line, item->data(CharacterColumn, placeRole).toLongLong());
}
