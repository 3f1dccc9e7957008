// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/site/foldersearch.h"

#include "core/document/diskfile.h"
#include "core/document/disksnapshot.h"
#include "core/search/textsearch.h"

#include <QDir>
#include <QDirIterator>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Around a match on a line of many thousands of characters, this much is shown.
constexpr qsizetype shownAround = 120;

FolderMatch matchOnLine(QStringView line, qsizetype lineNumber, qsizetype column, qsizetype length)
{
    FolderMatch match{lineNumber, column + 1, length, {}, column};
    qsizetype from = 0;
    qsizetype to = line.size();
    if (line.size() > 4 * shownAround) {
        from = std::max<qsizetype>(0, column - shownAround);
        to = std::min(line.size(), column + length + shownAround);
    }
    match.lineText = line.sliced(from, to - from).toString();
    match.markStart = column - from;
    return match;
}

bool statelessAsciiCompatible(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 || encoding == TextEncoding::ShiftJis || encoding == TextEncoding::EucJp;
}

// Where each line of the file's bytes starts (after its byte order mark),
// with one entry more for the end. Line ends as readText counts them: CR LF,
// lone CR, lone LF.
QList<qsizetype> byteLineStarts(QByteArrayView bytes, qsizetype from)
{
    QList<qsizetype> starts{from};
    for (qsizetype i = from; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            starts.append(i + 1);
        } else if (bytes[i] == '\n') {
            starts.append(i + 1);
        }
    }
    starts.append(bytes.size());
    return starts;
}

QByteArrayView lineEndBytes(QByteArrayView line)
{
    if (line.endsWith("\r\n"))
        return line.last(2);
    if (line.endsWith('\r') || line.endsWith('\n'))
        return line.last(1);
    return {};
}

} // namespace

QStringList filesToSearch(const QString &folder, const QStringList &patterns)
{
    QStringList files;
    QDirIterator it(folder, patterns, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    std::sort(files.begin(), files.end());
    return files;
}

FileMatches searchText(QStringView text, const QRegularExpression &expression)
{
    FileMatches result;
    qsizetype lineNumber = 1;
    qsizetype lineStart = 0;
    qsizetype counted = 0; // line ends counted up to here
    QRegularExpressionMatchIterator it = expression.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        if (match.capturedLength() == 0)
            continue;
        ++result.count;
        if (result.matches.size() >= matchesListedPerFile)
            continue;
        const qsizetype start = match.capturedStart();
        const QStringView between = text.sliced(counted, start - counted);
        if (const qsizetype ends = between.count(u'\n')) {
            lineNumber += ends;
            lineStart = counted + between.lastIndexOf(u'\n') + 1;
        }
        counted = start;
        qsizetype lineEnd = text.indexOf(u'\n', start);
        if (lineEnd < 0)
            lineEnd = text.size();
        result.matches.append(matchOnLine(text.sliced(lineStart, lineEnd - lineStart), lineNumber, start - lineStart,
                                          match.capturedLength()));
    }
    return result;
}

FileMatches searchFile(const QString &path, const QRegularExpression &expression)
{
    QByteArray bytes;
    DiskFailure failure;
    if (!readWholeFile(path, &bytes, &failure)) {
        FileMatches result;
        result.path = path;
        result.failure = failure.reason;
        return result;
    }
    const size_t hash = contentHash(bytes);
    const ReadText read = readText(bytes);
    bytes = QByteArray();
    FileMatches result;
    // A picture or a program among the files holds nothing to find.
    if (read.ok())
        result = searchText(read.text, expression);
    else if (read.refusal != Refusal::NotText)
        result.failure = u"文字コードを判別できません。"_s;
    result.path = path;
    result.contentHash = hash;
    return result;
}

std::optional<QByteArray> replacedBytes(QByteArrayView bytes, const ReadText &read,
                                        const QList<TextReplacement> &replacements, WrittenText *unencodable)
{
    const QString &text = read.text;
    const auto wholeText = [&]() -> std::optional<QByteArray> {
        WrittenText written = writeText(replaced(text, replacements), read.format);
        if (!written.ok()) {
            *unencodable = std::move(written);
            return std::nullopt;
        }
        return std::move(written.bytes);
    };
    if (!statelessAsciiCompatible(read.format.encoding))
        return wholeText();

    // The text's line starts, the same lines as the bytes'.
    QList<qsizetype> textStarts{0};
    for (qsizetype at = text.indexOf(u'\n'); at >= 0; at = text.indexOf(u'\n', at + 1))
        textStarts.append(at + 1);
    const qsizetype bomSize = read.format.byteOrderMark ? 3 : 0;
    const QList<qsizetype> byteStarts = byteLineStarts(bytes, bomSize);
    if (byteStarts.size() != textStarts.size() + 1)
        return wholeText();
    const auto lineOf = [&](qsizetype position) {
        return qsizetype(std::upper_bound(textStarts.cbegin(), textStarts.cend(), position) - textStarts.cbegin()) - 1;
    };

    QByteArray result;
    result.reserve(bytes.size() + bytes.size() / 8);
    result.append(bytes.first(bomSize));
    qsizetype nextLine = 0; // the first line not yet in result
    for (qsizetype i = 0; i < replacements.size();) {
        // The lines the next replacements touch, joined while they share a line.
        const qsizetype first = lineOf(replacements[i].start);
        qsizetype last = lineOf(replacements[i].start + replacements[i].length);
        qsizetype j = i + 1;
        while (j < replacements.size() && lineOf(replacements[j].start) <= last) {
            last = std::max(last, lineOf(replacements[j].start + replacements[j].length));
            ++j;
        }
        result.append(bytes.sliced(byteStarts[nextLine], byteStarts[first] - byteStarts[nextLine]));
        const qsizetype textFrom = textStarts[first];
        const qsizetype textTo = last + 1 < textStarts.size() ? textStarts[last + 1] - 1 : text.size();
        QList<TextReplacement> local = replacements.mid(i, j - i);
        for (TextReplacement &edit : local)
            edit.start -= textFrom;
        const QString lines = replaced(QStringView(text).sliced(textFrom, textTo - textFrom), local);
        const QString written = withLineEnds(lines, read.format.lineEnd);
        const std::optional<QByteArray> encoded = encodeStrictly(written, read.format.encoding);
        if (!encoded)
            return wholeText();
        result.append(*encoded);
        const QByteArrayView lastLine = bytes.sliced(byteStarts[last], byteStarts[last + 1] - byteStarts[last]);
        result.append(lineEndBytes(lastLine));
        nextLine = last + 1;
        i = j;
    }
    result.append(bytes.sliced(byteStarts[nextLine]));
    return result;
}

FileReplacement replaceInFile(const QString &path, size_t searchedHash, const QRegularExpression &expression,
                              const QString &replacement, bool regularExpression)
{
    FileReplacement outcome;
    QByteArray bytes;
    DiskFailure failure;
    if (!readWholeFile(path, &bytes, &failure)) {
        outcome.outcome = FileReplacement::Outcome::Failed;
        outcome.reason = failure.reason;
        return outcome;
    }
    outcome.searchedAgain = contentHash(bytes) != searchedHash;
    const ReadText read = readText(bytes);
    if (!read.ok()) {
        outcome.outcome = FileReplacement::Outcome::Failed;
        outcome.reason = u"文字コードを判別できません。"_s;
        return outcome;
    }
    const QList<TextReplacement> replacements = replacementsFor(read.text, expression, replacement, regularExpression);
    outcome.count = replacements.size();
    if (replacements.isEmpty())
        return outcome;
    WrittenText unencodable;
    const std::optional<QByteArray> newBytes = replacedBytes(bytes, read, replacements, &unencodable);
    if (!newBytes) {
        outcome.outcome = FileReplacement::Outcome::Unencodable;
        const UnencodableCharacter &first = unencodable.unencodable.constFirst();
        outcome.reason = u"「%1」（%2 行 %3 桁）は %4 で書けません。"_s.arg(QString::fromUcs4(&first.character, 1))
                             .arg(first.line)
                             .arg(first.column)
                             .arg(encodingName(read.format.encoding));
        return outcome;
    }
    if (!writeFileSafely(path, *newBytes, &failure)) {
        outcome.outcome = FileReplacement::Outcome::Failed;
        outcome.reason = failure.reason;
        return outcome;
    }
    outcome.outcome = FileReplacement::Outcome::Written;
    return outcome;
}
