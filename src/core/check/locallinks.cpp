// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/check/locallinks.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// "name:" at the start, RFC 3986's scheme: a letter, then letters, digits, + - .
qsizetype schemeLength(QStringView value)
{
    if (value.isEmpty() || !(value.front().isLetter() && value.front().unicode() < 128))
        return 0;
    for (qsizetype i = 1; i < value.size(); ++i) {
        const char16_t c = value.at(i).unicode();
        if (c == u':')
            return i;
        const bool schemeChar = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')
            || c == u'+' || c == u'-' || c == u'.';
        if (!schemeChar)
            return 0;
    }
    return 0;
}

} // namespace

std::optional<QString> localReference(QStringView value)
{
    value = value.trimmed();
    if (const qsizetype end = value.indexOf(u'#'); end >= 0)
        value = value.first(end);
    if (const qsizetype end = value.indexOf(u'?'); end >= 0)
        value = value.first(end);
    if (value.isEmpty() || value.startsWith(u"//"))
        return std::nullopt;
    if (const qsizetype scheme = schemeLength(value)) {
        // A drive letter ("C:\…") reads as a scheme too: such a path means
        // nothing on this system, so it is not judged either.
        if (value.first(scheme).compare(u"file", Qt::CaseInsensitive) != 0)
            return std::nullopt;
        const QString path = QUrl(value.toString()).toLocalFile();
        return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
    }
    if (value.startsWith(u'/'))
        return std::nullopt;
    return QUrl::fromPercentEncoding(value.toUtf8());
}

bool isMissingLocalFile(const QString &folder, const QString &reference)
{
    return !QFileInfo::exists(QDir(folder).filePath(reference));
}
