// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/search/textsearch.h"

#include <QList>

using namespace Qt::StringLiterals;

SearchPattern compileSearch(const SearchOptions &options)
{
    SearchPattern result;
    if (options.pattern.isEmpty()) {
        result.error = u"検索する文字列を入力してください。"_s;
        return result;
    }
    QString pattern = options.regularExpression ? options.pattern : QRegularExpression::escape(options.pattern);
    // A word is letters, digits and underscores of any script: "本日" is not
    // a whole word inside "本日は".
    if (options.wholeWord)
        pattern = u"(?<![\\w])(?:"_s + pattern + u")(?![\\w])"_s;
    QRegularExpression::PatternOptions flags = QRegularExpression::UseUnicodePropertiesOption;
    if (!options.matchCase)
        flags |= QRegularExpression::CaseInsensitiveOption;
    if (options.regularExpression)
        flags |= QRegularExpression::MultilineOption;
    result.expression = QRegularExpression(pattern, flags);
    if (!result.expression.isValid()) {
        const qsizetype offset = result.expression.patternErrorOffset();
        result.error = u"正規表現が正しくありません（%1 文字目）: %2"_s.arg(offset + 1).arg(result.expression.errorString());
    } else {
        result.expression.optimize();
    }
    return result;
}

static std::optional<TextMatch> firstFrom(QStringView text, const QRegularExpression &expression, qsizetype from)
{
    QRegularExpressionMatchIterator it = expression.globalMatch(text.sliced(0), from);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        if (match.capturedLength() > 0)
            return TextMatch{match.capturedStart(), match.capturedLength()};
    }
    return std::nullopt;
}

// The last non-empty match that ends at or before `until` and starts at or
// after `from`.
static std::optional<TextMatch> lastBetween(QStringView text, const QRegularExpression &expression, qsizetype from,
                                            qsizetype until)
{
    std::optional<TextMatch> last;
    QRegularExpressionMatchIterator it = expression.globalMatch(text.first(until), from);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        if (match.capturedLength() > 0)
            last = TextMatch{match.capturedStart(), match.capturedLength()};
    }
    return last;
}

std::optional<TextMatch> findMatch(QStringView text, const QRegularExpression &expression, qsizetype from,
                                   bool backward, bool wrap)
{
    from = std::clamp<qsizetype>(from, 0, text.size());
    if (!backward) {
        if (auto match = firstFrom(text, expression, from))
            return match;
        return wrap ? firstFrom(text, expression, 0) : std::nullopt;
    }
    // Backwards, the text before the caret is searched in growing windows so
    // that a match near the caret is found without reading the whole page.
    for (qsizetype window = 64 * 1024;; window *= 4) {
        const qsizetype start = std::max<qsizetype>(0, from - window);
        if (auto match = lastBetween(text, expression, start, from)) {
            // A match found from the window's start may hide a longer one
            // starting earlier; the last start is what counts.
            return match;
        }
        if (start == 0)
            break;
    }
    return wrap ? lastBetween(text, expression, 0, text.size()) : std::nullopt;
}

qsizetype countMatches(QStringView text, const QRegularExpression &expression)
{
    qsizetype count = 0;
    QRegularExpressionMatchIterator it = expression.globalMatch(text);
    while (it.hasNext()) {
        if (it.next().capturedLength() > 0)
            ++count;
    }
    return count;
}

QString expandReplacement(const QRegularExpressionMatch &match, const QString &replacement, bool regularExpression)
{
    if (!regularExpression || !replacement.contains(u'\\'))
        return replacement;
    QString result;
    result.reserve(replacement.size());
    for (qsizetype i = 0; i < replacement.size(); ++i) {
        const QChar c = replacement[i];
        if (c == u'\\' && i + 1 < replacement.size()) {
            const QChar next = replacement[i + 1];
            if (next.unicode() >= u'0' && next.unicode() <= u'9') {
                result += match.captured(next.unicode() - u'0');
                ++i;
                continue;
            }
            if (next == u'\\') {
                result += u'\\';
                ++i;
                continue;
            }
            if (next == u'n') {
                result += u'\n';
                ++i;
                continue;
            }
            if (next == u't') {
                result += u'\t';
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

QList<TextReplacement> replacementsFor(QStringView text, const QRegularExpression &expression,
                                       const QString &replacement, bool regularExpression)
{
    QList<TextReplacement> result;
    QRegularExpressionMatchIterator it = expression.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        if (match.capturedLength() > 0)
            result.append({match.capturedStart(), match.capturedLength(),
                           expandReplacement(match, replacement, regularExpression)});
    }
    return result;
}

QList<TextReplacement> joinedByLine(QStringView text, const QList<TextReplacement> &replacements)
{
    QList<TextReplacement> joined;
    const auto crossesLine = [text](qsizetype from, qsizetype to) {
        return text.sliced(from, to - from).contains(u'\n');
    };
    for (const TextReplacement &replacement : replacements) {
        if (!joined.isEmpty()) {
            TextReplacement &last = joined.last();
            const qsizetype lastEnd = last.start + last.length;
            if (!crossesLine(last.start, replacement.start + replacement.length)) {
                last.text += text.sliced(lastEnd, replacement.start - lastEnd);
                last.text += replacement.text;
                last.length = replacement.start + replacement.length - last.start;
                continue;
            }
        }
        joined.append(replacement);
    }
    return joined;
}

QString replaced(QStringView text, const QList<TextReplacement> &replacements)
{
    QString result;
    qsizetype copied = 0;
    for (const TextReplacement &replacement : replacements) {
        result += text.sliced(copied, replacement.start - copied);
        result += replacement.text;
        copied = replacement.start + replacement.length;
    }
    result += text.sliced(copied);
    return result;
}
