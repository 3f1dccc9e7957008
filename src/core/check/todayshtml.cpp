// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/check/todayshtml.h"

#include "core/web/htmlelements.h"

#include <tidy.h>
#include <tidybuffio.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Of the elements the parser may not know, those that hold flow content
// (paragraphs, lists) and must be declared as blocks.
constexpr QStringView flowElements[] = {u"search", u"hgroup", u"main", u"dialog", u"details", u"menu", u"template"};

// Elements the living standard lets stand empty, which the parser would "trim".
constexpr QStringView emptyAllowed[] = {u"audio", u"canvas", u"data", u"i", u"iframe", u"meter", u"object", u"output",
                                        u"progress", u"slot", u"span", u"template", u"time", u"video"};

constexpr QStringView elementKeys[] = {u"UNKNOWN_ELEMENT", u"UNKNOWN_ELEMENT_LOOKS_CUSTOM", u"PROPRIETARY_ELEMENT",
                                       u"REMOVED_HTML5", u"ELEMENT_VERS_MISMATCH_WARN", u"ELEMENT_VERS_MISMATCH_ERROR",
                                       u"OBSOLETE_ELEMENT"};
constexpr QStringView attributeKeys[] = {u"PROPRIETARY_ATTRIBUTE", u"MISMATCHED_ATTRIBUTE_WARN",
                                         u"MISMATCHED_ATTRIBUTE_ERROR", u"BAD_SUMMARY_HTML5"};

template <std::size_t N>
bool among(const QStringView (&list)[N], QStringView value)
{
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

// "<img>", "img" or "</img>" → img
QString elementName(QString argument)
{
    argument.remove(u'<').remove(u'>').remove(u'/');
    return argument.trimmed().toLower();
}

Bool collectUnknown(TidyMessage message)
{
    const QByteArrayView key(tidyGetMessageKey(message));
    if (key == "UNKNOWN_ELEMENT" || key == "UNKNOWN_ELEMENT_LOOKS_CUSTOM" || key == "PROPRIETARY_ELEMENT") {
        TidyIterator it = tidyGetMessageArguments(message);
        if (it) {
            TidyMessageArgument argument = tidyGetNextMessageArgument(message, &it);
            auto *names = static_cast<QStringList *>(tidyGetAppData(tidyGetMessageDoc(message)));
            names->append(elementName(QString::fromUtf8(tidyGetArgValueString(message, &argument))));
        }
    }
    return no;
}

} // namespace

const UndeclaredElements &undeclaredElements()
{
    // Measured once: the parser reads a page holding every current element.
    static const UndeclaredElements undeclared = [] {
        QString page = u"<!DOCTYPE html><html><head><title>x</title></head><body>"_s;
        for (const WebData::ElementInfo &element : WebData::elements()) {
            if (element.obsolete || element.isVoid || element.name == u"html" || element.name == u"head"
                || element.name == u"body" || element.name == u"title")
                continue;
            page += u'<' + element.name + u">x</" + element.name + u'>';
        }
        page += u"</body></html>"_s;
        QStringList names;
        TidyDoc doc = tidyCreate();
        TidyBuffer errors{};
        tidyBufInit(&errors);
        tidySetErrorBuffer(doc, &errors);
        tidySetAppData(doc, &names);
        tidySetMessageCallback(doc, collectUnknown);
        tidyOptSetValue(doc, TidyInCharEncoding, "utf8");
        tidyParseString(doc, page.toUtf8().constData());
        tidyBufFree(&errors);
        tidyRelease(doc);
        names.removeDuplicates();
        UndeclaredElements result;
        for (const QString &name : names) {
            const WebData::ElementInfo *element = WebData::findElement(name);
            if (!element || element->obsolete)
                continue;
            QByteArray &list = among(flowElements, name) ? result.blockNames : result.inlineNames;
            list += (list.isEmpty() ? "" : " ") + name.toLatin1();
        }
        return result;
    }();
    return undeclared;
}

bool isTodaysMarkup(QStringView key, const QStringList &arguments)
{
    if (arguments.isEmpty())
        return false;
    const QString element = elementName(arguments.at(0));
    if (key == u"TRIM_EMPTY_ELEMENT")
        return among(emptyAllowed, element);
    if (among(elementKeys, key)) {
        const WebData::ElementInfo *info = WebData::findElement(element);
        return (info && !info->obsolete) || WebData::isCustomElementName(element);
    }
    if (among(attributeKeys, key) && arguments.size() >= 2) {
        if (WebData::isCustomElementName(element))
            return true;
        const WebData::AttributeInfo *info = WebData::findAttribute(element, arguments.at(1));
        return info && !info->obsolete;
    }
    return false;
}

QString obsoleteMarkupMessage(QStringView key, const QStringList &arguments)
{
    if (arguments.isEmpty())
        return {};
    const QString element = elementName(arguments.at(0));
    if (among(elementKeys, key)) {
        const WebData::ElementInfo *info = WebData::findElement(element);
        if (!info || !info->obsolete)
            return {};
        return u"<%1> 要素は HTML から削除されました。%2"_s.arg(element, info->instead);
    }
    if (among(attributeKeys, key)) {
        // BAD_SUMMARY_HTML5 names the element only: its attribute is summary.
        const QString attribute = key == u"BAD_SUMMARY_HTML5" ? u"summary"_s : arguments.value(1).toLower();
        const WebData::AttributeInfo *info = WebData::findAttribute(element, attribute);
        if (!info || !info->obsolete)
            return {};
        return u"<%1> の %2 属性は HTML から削除されました。%3"_s.arg(element, attribute, info->instead);
    }
    return {};
}

QString japaneseArgument(const QString &argument)
{
    struct Word {
        QStringView english;
        QStringView japanese;
    };
    static constexpr Word words[] = {
        {u"plain text", u"文字列"},
        {u"XML declaration", u"XML 宣言"},
        {u"HTML Proprietary", u"独自拡張の HTML"},
        {u"discarding", u"取り除きます"},
        {u"replacing", u"置き換えます"},
        {u"specified", u"指定された"},
    };
    for (const Word &word : words) {
        if (argument == word.english)
            return word.japanese.toString();
    }
    return argument;
}
