// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/site/sitelinks.h"

#include "core/check/locallinks.h"
#include "core/document/diskfile.h"
#include "core/document/textfile.h"
#include "core/html/htmlattributes.h"
#include "core/site/webfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QUrl>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Reference {
    QString value;
    qsizetype line;
    qsizetype column;
};

struct PageLinks {
    QString path; // relative to the folder
    bool readable = true;
    QList<Reference> references;
    QSet<QString> anchors;
};

bool is(QStringView written, QStringView name)
{
    return written.compare(name, Qt::CaseInsensitive) == 0;
}

PageLinks readPage(const QString &folder, const QString &path)
{
    PageLinks page;
    page.path = path;
    QByteArray bytes;
    DiskFailure failure;
    if (!readWholeFile(QDir(folder).filePath(path), &bytes, &failure)) {
        page.readable = false;
        return page;
    }
    const ReadText read = readText(bytes);
    bytes = QByteArray();
    if (!read.ok()) {
        page.readable = false;
        return page;
    }
    forEachHtmlAttribute(read.text, [&page](const HtmlAttribute &attribute) {
        if (is(attribute.name, u"href") || is(attribute.name, u"src")) {
            page.references.append({attribute.value, attribute.line, attribute.column});
        } else if (is(attribute.name, u"id") || (is(attribute.name, u"name") && is(attribute.element, u"a"))) {
            page.anchors.insert(attribute.value);
        }
    });
    return page;
}

// The site's files and folders, relative to its folder, and the same in
// lower case to the name on disk.
struct SiteFiles {
    QSet<QString> exact;
    QHash<QString, QString> folded;
    QStringList pages;
};

SiteFiles listSite(const QString &folder)
{
    SiteFiles files;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = root.relativeFilePath(it.next());
        files.exact.insert(path);
        files.folded.insert(path.toLower(), path);
        if (it.fileInfo().isFile() && webFileKind(path) == WebFileKind::Page)
            files.pages.append(path);
    }
    std::sort(files.pages.begin(), files.pages.end());
    return files;
}

bool alwaysThere(QStringView fragment)
{
    return fragment.isEmpty() || is(fragment, u"top");
}

class SiteChecker
{
public:
    explicit SiteChecker(const QString &folder)
        : m_folder(QDir(folder).absolutePath())
        , m_root(m_folder)
        , m_files(listSite(m_folder))
    {
        for (const QString &path : std::as_const(m_files.pages))
            m_pages.insert(path, readPage(m_folder, path));
    }

    QList<SiteLinkProblem> run()
    {
        for (const QString &path : std::as_const(m_files.pages)) {
            const PageLinks &page = m_pages[path];
            if (!page.readable) {
                m_problems.append({path, 0, 0, SiteLinkProblem::Kind::Unreadable, {}, {}});
                continue;
            }
            for (const Reference &reference : page.references)
                check(page, reference);
        }
        return m_problems;
    }

private:
    void check(const PageLinks &page, const Reference &reference)
    {
        const qsizetype hash = reference.value.indexOf(u'#');
        const QString fragment =
            hash < 0 ? QString() : QUrl::fromPercentEncoding(reference.value.sliced(hash + 1).toUtf8());
        if (reference.value.trimmed().startsWith(u'#')) {
            if (!alwaysThere(fragment) && !page.anchors.contains(fragment))
                add(page, reference, SiteLinkProblem::Kind::MissingAnchor);
            return;
        }
        const std::optional<QString> local = localReference(reference.value);
        if (!local)
            return;
        const QString pageFolder = QFileInfo(page.path).path();
        const QString absolute = QDir::isAbsolutePath(*local)
            ? QDir::cleanPath(*local)
            : QDir::cleanPath(m_folder + u'/' + (pageFolder == u"." ? QString() : pageFolder + u'/') + *local);
        QString target = m_root.relativeFilePath(absolute);
        if (target.startsWith(u"../") || target == u".." || QDir::isAbsolutePath(target)) {
            // Outside the site: only whether it is there can be told.
            if (!QFileInfo::exists(absolute))
                add(page, reference, SiteLinkProblem::Kind::MissingFile);
            return;
        }
        if (target == u".")
            return;
        if (!m_files.exact.contains(target)) {
            const auto onDisk = m_files.folded.constFind(target.toLower());
            if (onDisk == m_files.folded.cend()) {
                add(page, reference, SiteLinkProblem::Kind::MissingFile);
                return;
            }
            add(page, reference, SiteLinkProblem::Kind::LetterCase,
                QDir(QDir(m_folder).filePath(pageFolder)).relativeFilePath(m_root.filePath(*onDisk)));
            target = *onDisk;
        }
        if (alwaysThere(fragment))
            return;
        const auto targetPage = m_pages.constFind(target);
        if (targetPage != m_pages.cend() && targetPage->readable && !targetPage->anchors.contains(fragment))
            add(page, reference, SiteLinkProblem::Kind::MissingAnchor);
    }

    void add(const PageLinks &page, const Reference &reference, SiteLinkProblem::Kind kind, const QString &onDisk = {})
    {
        m_problems.append({page.path, reference.line, reference.column, kind, reference.value, onDisk});
    }

    QString m_folder;
    QDir m_root;
    SiteFiles m_files;
    QHash<QString, PageLinks> m_pages;
    QList<SiteLinkProblem> m_problems;
};

} // namespace

QString siteLinkKindName(SiteLinkProblem::Kind kind)
{
    switch (kind) {
    case SiteLinkProblem::Kind::MissingFile:
        return u"ファイルなし"_s;
    case SiteLinkProblem::Kind::MissingAnchor:
        return u"アンカーなし"_s;
    case SiteLinkProblem::Kind::LetterCase:
        return u"大文字小文字"_s;
    case SiteLinkProblem::Kind::Unreadable:
        return u"読めない"_s;
    }
    return {};
}

QString siteLinkMessage(const SiteLinkProblem &problem)
{
    switch (problem.kind) {
    case SiteLinkProblem::Kind::MissingFile:
        return u"「%1」が指すファイルはありません。"_s.arg(problem.reference);
    case SiteLinkProblem::Kind::MissingAnchor:
        return u"「%1」のアンカーはリンク先のページにありません（id または name が見つかりません）。"_s.arg(problem.reference);
    case SiteLinkProblem::Kind::LetterCase:
        return u"「%1」はディスク上では「%2」です。大文字と小文字を区別するサーバーではリンクが切れます。"_s.arg(
            problem.reference, problem.onDisk);
    case SiteLinkProblem::Kind::Unreadable:
        return u"このページは読み込めませんでした。"_s;
    }
    return {};
}

QList<SiteLinkProblem> checkSiteLinks(const QString &folder)
{
    return SiteChecker(folder).run();
}
