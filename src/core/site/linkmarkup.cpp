// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/site/linkmarkup.h"

#include "core/document/diskfile.h"
#include "core/document/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// A title is near the top: this much of a page is read for it.
constexpr qsizetype titleSearched = 64 * 1024;

// A title is written as markup already, its character references with it;
// only a '<', which a title may hold as it is, would start a tag elsewhere.
QString asLinkText(QString title)
{
    return title.replace(u'<', u"&lt;"_s);
}

QString pageTitleOf(const QString &path)
{
    QByteArray bytes;
    DiskFailure failure;
    if (!readWholeFile(path, &bytes, &failure))
        return {};
    const ReadText read = readText(bytes);
    return read.ok() ? pageTitle(QStringView(read.text).first(std::min(read.text.size(), titleSearched))) : QString();
}

} // namespace

LinkTarget describeLinkTarget(const QString &path)
{
    LinkTarget target{QFileInfo(path).absoluteFilePath(), webFileKind(path), {}, {}};
    if (target.kind == WebFileKind::Page)
        target.title = pageTitleOf(path);
    else if (target.kind == WebFileKind::Image)
        target.size = QImageReader(path).size();
    return target;
}

QString pageTitle(QStringView text)
{
    static const QRegularExpression title(u"<title(?:\\s[^>]*)?>(.*?)</title\\s*>"_s,
                                          QRegularExpression::CaseInsensitiveOption
                                              | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression blanks(u"\\s+"_s);
    const QRegularExpressionMatch match = title.match(text);
    if (!match.hasMatch())
        return {};
    return match.captured(1).replace(blanks, u" "_s).trimmed();
}

QString relativeAddress(const QString &pageFolder, const QString &target)
{
    if (pageFolder.isEmpty())
        return QUrl::fromLocalFile(target).toString(QUrl::FullyEncoded);
    const QString relative = QDir(pageFolder).relativeFilePath(target);
    QString address;
    address.reserve(relative.size());
    for (const QChar c : relative) {
        if (c.unicode() < 0x20 || QStringView(u" \"'%#?<>").contains(c))
            address += u'%' + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        else
            address += c;
    }
    return address;
}

QString linkMarkup(const LinkTarget &target, const QString &pageFolder, MarkupStyle style)
{
    const QString address = relativeAddress(pageFolder, target.path);
    QString designed;
    switch (target.kind) {
    case WebFileKind::Image:
        designed = u"<IMG src='%1' alt=''"_s.arg(address);
        if (target.size.isValid())
            designed += u" width='%1' height='%2'"_s.arg(target.size.width()).arg(target.size.height());
        designed += u'>';
        break;
    case WebFileKind::Stylesheet:
        designed = u"<LINK rel='stylesheet' href='%1'>"_s.arg(address);
        break;
    case WebFileKind::Script:
        designed = u"<SCRIPT src='%1' defer></SCRIPT>"_s.arg(address);
        break;
    case WebFileKind::Page:
    case WebFileKind::Other: {
        const QString text = target.title.isEmpty() ? QFileInfo(target.path).fileName() : target.title;
        designed = u"<A href='%1'>%2</A>"_s.arg(address, asLinkText(text));
        break;
    }
    }
    return styledMarkup(style, designed, {});
}
