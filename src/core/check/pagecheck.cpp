// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/check/pagecheck.h"

#include "core/check/checkmessages.h"
#include "core/check/locallinks.h"
#include "core/check/todayshtml.h"

#include <tidy.h>
#include <tidybuffio.h>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int checkerTabSize = 8;

struct TidyDocDeleter {
    void operator()(TidyDoc doc) const { tidyRelease(doc); }
};
using TidyDocument = std::unique_ptr<std::remove_pointer_t<TidyDoc>, TidyDocDeleter>;

struct TidyBufferHolder {
    TidyBuffer buffer{};
    TidyBufferHolder() { tidyBufInit(&buffer); }
    ~TidyBufferHolder() { tidyBufFree(&buffer); }
};

// A message as the checker reports it, its column still the checker's.
struct RawProblem {
    qsizetype line;
    qsizetype column;
    PageProblem::Kind kind;
    QString code;
    QString message;
};

struct Collector {
    QList<RawProblem> problems;
};

QString argumentText(TidyMessage message, TidyMessageArgument *argument)
{
    switch (tidyGetArgType(message, argument)) {
    case tidyFormatType_STRING:
        return QString::fromUtf8(tidyGetArgValueString(message, argument));
    case tidyFormatType_INT:
        return QString::number(tidyGetArgValueInt(message, argument));
    case tidyFormatType_UINT:
        return QString::number(tidyGetArgValueUInt(message, argument));
    case tidyFormatType_DOUBLE:
        return QString::number(tidyGetArgValueDouble(message, argument));
    default:
        return {};
    }
}

Bool collectMessage(TidyMessage message)
{
    const TidyReportLevel level = tidyGetMessageLevel(message);
    const bool error = level == TidyError || level == TidyBadDocument || level == TidyFatal;
    const int line = tidyGetMessageLine(message);
    // Information and the closing summary stay out; so do messages about no place in the page.
    if ((level != TidyWarning && !error) || line <= 0)
        return no;
    const QString key = QString::fromUtf8(tidyGetMessageKey(message));
    QStringList arguments;
    TidyIterator it = tidyGetMessageArguments(message);
    while (it) {
        TidyMessageArgument argument = tidyGetNextMessageArgument(message, &it);
        arguments << japaneseArgument(argumentText(message, &argument));
    }
    if (isTodaysMarkup(key, arguments))
        return no;
    QString text = obsoleteMarkupMessage(key, arguments);
    if (text.isEmpty())
        text = japaneseCheckMessage(key, arguments);
    // The checker's own words otherwise, without its "line 1 column 1 - Warning: ".
    if (text.isEmpty())
        text = QString::fromUtf8(tidyGetMessageOutput(message)).section(u": "_s, 1, -1).trimmed();
    auto *collector = static_cast<Collector *>(tidyGetAppData(tidyGetMessageDoc(message)));
    collector->problems.append({line, std::max(1, tidyGetMessageColumn(message)),
                                error ? PageProblem::Kind::Error : PageProblem::Kind::Warning, key, text});
    return no;
}

void collectMissingFiles(TidyNode node, const QString &folder, QList<RawProblem> *problems)
{
    for (TidyNode child = tidyGetChild(node); child; child = tidyGetNext(child)) {
        for (TidyAttr attribute = tidyAttrFirst(child); attribute; attribute = tidyAttrNext(attribute)) {
            const char *name = tidyAttrName(attribute);
            const char *value = tidyAttrValue(attribute);
            if (!name || !value)
                continue;
            const QByteArrayView nameView(name);
            if (nameView.compare("src", Qt::CaseInsensitive) != 0 && nameView.compare("href", Qt::CaseInsensitive) != 0
                && nameView.compare("background", Qt::CaseInsensitive) != 0)
                continue;
            const QString written = QString::fromUtf8(value);
            const std::optional<QString> reference = localReference(written);
            if (!reference || !isMissingLocalFile(folder, *reference))
                continue;
            problems->append({qsizetype(tidyNodeLine(child)), qsizetype(std::max(1, int(tidyNodeColumn(child)))),
                              PageProblem::Kind::MissingFile, missingFileCode.toString(),
                              u"ファイルが見つかりません: " + written});
        }
        collectMissingFiles(child, folder, problems);
    }
}

} // namespace

QString problemKindName(PageProblem::Kind kind)
{
    switch (kind) {
    case PageProblem::Kind::Error:
        return u"エラー"_s;
    case PageProblem::Kind::Warning:
        return u"警告"_s;
    case PageProblem::Kind::MissingFile:
        return u"ファイルなし"_s;
    }
    return {};
}

qsizetype editorColumn(QStringView line, qsizetype checkerColumn)
{
    qsizetype counted = 1;
    qsizetype i = 0;
    while (i < line.size() && counted < checkerColumn) {
        if (line.at(i) == u'\t')
            counted = (counted - 1) / checkerTabSize * checkerTabSize + checkerTabSize + 1;
        else
            ++counted;
        i += (line.at(i).isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate()) ? 2 : 1;
    }
    return i + 1;
}

QList<PageProblem> checkPage(QStringView text, const QString &folder)
{
    Collector collector;
    TidyDocument doc(tidyCreate());
    TidyBufferHolder errors;
    tidySetErrorBuffer(doc.get(), &errors.buffer);
    tidySetAppData(doc.get(), &collector);
    tidySetMessageCallback(doc.get(), collectMessage);
    tidyOptSetValue(doc.get(), TidyInCharEncoding, "utf8");
    tidyOptSetInt(doc.get(), TidyTabSize, checkerTabSize);
    // Every message, not the first six errors the checker shows by default.
    tidyOptSetInt(doc.get(), TidyShowErrors, 1 << 30);
    tidyOptSetBool(doc.get(), TidyShowWarnings, yes);
    tidyOptSetBool(doc.get(), TidyShowInfo, no);
    tidyOptSetBool(doc.get(), TidyQuiet, yes);
    // Today's elements the parser's release does not know, and custom
    // elements (<my-card>), are declared so that it keeps their content.
    tidyOptSetValue(doc.get(), TidyUseCustomTags, "blocklevel");
    const UndeclaredElements &undeclared = undeclaredElements();
    if (!undeclared.inlineNames.isEmpty())
        tidyOptSetValue(doc.get(), TidyInlineTags, undeclared.inlineNames.constData());
    if (!undeclared.blockNames.isEmpty())
        tidyOptSetValue(doc.get(), TidyBlockTags, undeclared.blockNames.constData());

    const QByteArray bytes = text.toUtf8();
    tidyParseString(doc.get(), bytes.constData());
    QList<RawProblem> raw = std::move(collector.problems);
    collector.problems.clear();
    if (!folder.isEmpty())
        collectMissingFiles(tidyGetRoot(doc.get()), folder, &raw);
    // Obsolete elements and attributes are reported while the tree is repaired;
    // the repaired tree is thrown away, the page's text is never touched.
    tidyCleanAndRepair(doc.get());
    raw.append(collector.problems);

    std::stable_sort(raw.begin(), raw.end(), [](const RawProblem &a, const RawProblem &b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });

    // Line starts, to turn the checker's columns into the editor's.
    QList<qsizetype> lineStarts{0};
    for (qsizetype i = text.indexOf(u'\n'); i >= 0; i = text.indexOf(u'\n', i + 1))
        lineStarts.append(i + 1);

    QList<PageProblem> problems;
    problems.reserve(raw.size());
    for (RawProblem &problem : raw) {
        qsizetype column = problem.column;
        if (problem.line <= lineStarts.size()) {
            const qsizetype start = lineStarts.at(problem.line - 1);
            const qsizetype end = problem.line < lineStarts.size() ? lineStarts.at(problem.line) - 1 : text.size();
            column = editorColumn(text.sliced(start, end - start), problem.column);
        }
        problems.append({problem.line, column, problem.kind, std::move(problem.code), std::move(problem.message)});
    }
    return problems;
}
