// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every checked option combination of the 今の HTML catalogue as a page
// of its own, the empty values filled as a user would fill them, for the Nu
// Html Checker (scripts/webdata/check-today-catalogue.sh runs both and writes
// the verdicts into tst_todaycatalogue's table). Not a test: it needs Java.
//
//   write_today_pages FOLDER
#include "todaycombinations.h"

#include "core/palette/todaymarkup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cstdio>

namespace {

// The start tag around `at`: its element name and its type="…", both lower case.
struct Around {
    QString element;
    QString type;
};

Around tagAround(const QString &markup, qsizetype at)
{
    const qsizetype open = markup.lastIndexOf(u'<', at);
    const qsizetype close = markup.indexOf(u'>', at);
    const QString tag = markup.mid(open, close - open);
    static const QRegularExpression name(u"^<([a-z0-9]+)"_s);
    static const QRegularExpression type(uR"x( type="([^"]*)")x"_s);
    return {name.match(tag).captured(1), type.match(tag).captured(1)};
}

QString sampleValue(const QString &attribute, const Around &around, const QString &markup)
{
    const QString &e = around.element;
    const QString &t = around.type;
    if (attribute == u"id" || attribute == u"for" || attribute == u"list" || attribute == u"popovertarget")
        return u"item1"_s;
    if (attribute == u"headers")
        return u"head1"_s;
    if (attribute == u"name")
        return e == u"map" ? u"map1"_s : e == u"meta" ? u"description"_s : u"field1"_s;
    if (attribute == u"rel")
        return u"icon"_s;
    if (attribute == u"dir")
        return u"ltr"_s;
    if (attribute == u"usemap")
        return u"#map1"_s;
    if (attribute == u"class")
        return u"note"_s;
    if (attribute == u"title" || attribute == u"alt" || attribute == u"placeholder" || attribute == u"abbr")
        return u"説明"_s;
    if (attribute == u"lang" || attribute == u"hreflang")
        return u"en"_s;
    if (attribute == u"srclang")
        return u"ja"_s;
    if (attribute == u"label")
        return u"日本語"_s;
    if (attribute == u"charset")
        return u"utf-8"_s;
    if (attribute == u"href")
        return e == u"link" ? u"style.css"_s : e == u"base" ? u"https://example.com/"_s : u"page.html"_s;
    if (attribute == u"action" || attribute == u"cite")
        return u"https://example.com/"_s;
    if (attribute == u"src") {
        if (e == u"video" || (e == u"source" && markup.contains(u"<video")))
            return u"movie.mp4"_s;
        if (e == u"audio")
            return u"sound.mp3"_s;
        if (e == u"track")
            return u"subtitles.vtt"_s;
        if (e == u"iframe")
            return u"page.html"_s;
        if (e == u"script")
            return u"script.js"_s;
        if (e == u"embed")
            return u"movie.mp4"_s;
        return u"image.png"_s;
    }
    if (attribute == u"data")
        return u"file.pdf"_s;
    if (attribute == u"poster")
        return u"poster.png"_s;
    if (attribute == u"srcset") // widths go with sizes, densities without
        return markup.contains(u" sizes=") ? u"image-480.png 480w, image-800.png 800w"_s : u"image.png 1x, image-2x.png 2x"_s;
    if (attribute == u"sizes")
        return u"(max-width: 600px) 480px, 800px"_s;
    if (attribute == u"media")
        return e == u"source" ? u"(min-width: 800px)"_s : u"screen"_s;
    if (attribute == u"type") {
        if (e == u"source")
            return markup.contains(u"<video") ? u"video/mp4"_s : u"image/webp"_s;
        if (e == u"link")
            return u"text/css"_s;
        if (e == u"embed")
            return u"video/mp4"_s;
        if (e == u"object")
            return u"application/pdf"_s;
        return u"text/html"_s;
    }
    if (attribute == u"width" || attribute == u"height")
        return u"100"_s;
    if (attribute == u"allow")
        return u"fullscreen"_s;
    if (attribute == u"sandbox")
        return u"allow-scripts"_s;
    if (attribute == u"datetime")
        return u"2024-04-01"_s;
    if (attribute == u"content") {
        static const QRegularExpression name(uR"x(name="([^"]*)")x"_s);
        const QString kind = name.match(markup).captured(1);
        if (kind == u"robots")
            return u"noindex"_s;
        if (kind == u"theme-color")
            return u"#ffffff"_s;
        if (kind == u"color-scheme")
            return u"light dark"_s;
        if (kind == u"referrer")
            return u"no-referrer"_s;
        return u"ページの説明"_s;
    }
    if (attribute == u"integrity")
        return u"sha384-oqVuAfXRKap7fdgcCY5uykM6+R9GqQ8K/uxy9rx7HNQlGYl1kPzQho1wx4JwY8wC"_s;
    if (attribute == u"coords") {
        if (markup.contains(uR"(shape="circle")"))
            return u"5,5,5"_s;
        if (markup.contains(uR"(shape="poly")"))
            return u"0,0,10,0,10,10"_s;
        return u"0,0,10,10"_s;
    }
    if (attribute == u"maxlength" || attribute == u"size" || attribute == u"cols")
        return e == u"select" ? u"3"_s : u"20"_s;
    if (attribute == u"minlength" || attribute == u"span" || attribute == u"colspan" || attribute == u"rowspan")
        return u"2"_s;
    if (attribute == u"rows")
        return u"4"_s;
    if (attribute == u"start")
        return u"1"_s;
    if (attribute == u"pattern")
        return u"[0-9]+"_s;
    if (attribute == u"autocomplete")
        return u"on"_s;
    if (attribute == u"accept")
        return u"image/*"_s;
    if (e == u"meter") {
        const QHash<QString, QString> meter{{u"value"_s, u"0.5"_s}, {u"min"_s, u"0"_s}, {u"max"_s, u"1"_s},
                                            {u"low"_s, u"0.2"_s}, {u"high"_s, u"0.8"_s}, {u"optimum"_s, u"0.5"_s}};
        return meter.value(attribute);
    }
    if (e == u"progress")
        return attribute == u"max" ? u"100"_s : u"50"_s;
    if (t == u"date" || t == u"month" || t == u"week" || t == u"time" || t == u"datetime-local") {
        if (attribute == u"step")
            return u"1"_s;
        const QHash<QString, QStringList> dates{{u"date"_s, {u"2024-01-01"_s, u"2024-12-31"_s, u"2024-04-01"_s}},
                                                {u"month"_s, {u"2024-01"_s, u"2024-12"_s, u"2024-04"_s}},
                                                {u"week"_s, {u"2024-W01"_s, u"2024-W52"_s, u"2024-W14"_s}},
                                                {u"time"_s, {u"08:00"_s, u"18:00"_s, u"09:00"_s}},
                                                {u"datetime-local"_s, {u"2024-01-01T00:00"_s, u"2024-12-31T23:59"_s, u"2024-04-01T09:00"_s}}};
        const QStringList values = dates.value(t);
        return attribute == u"min" ? values[0] : attribute == u"max" ? values[1] : values[2];
    }
    if (t == u"number" || t == u"range") {
        const QHash<QString, QString> numbers{{u"min"_s, u"0"_s}, {u"max"_s, u"10"_s}, {u"step"_s, u"1"_s}, {u"value"_s, u"5"_s}};
        return numbers.value(attribute);
    }
    if (t == u"color" && attribute == u"value")
        return u"#ff0000"_s;
    if (attribute == u"value")
        return e == u"button" || t == u"submit" || t == u"reset" || t == u"button" ? u"送信"_s : u"1"_s;
    return {};
}

// What the user types into the places the markup leaves empty.
QString filled(QString markup, QString &unfilled)
{
    static const QRegularExpression empty(uR"(([a-z-]+)="")"_s);
    qsizetype from = 0;
    for (auto m = empty.match(markup); m.hasMatch(); m = empty.match(markup, from)) {
        const QString value = sampleValue(m.captured(1), tagAround(markup, m.capturedStart()), markup);
        from = m.capturedEnd();
        if (value.isEmpty()) {
            unfilled += m.captured(1) + u' ';
            continue;
        }
        const QString written = m.captured(1) + u"=\"" + value + u'"';
        markup.replace(m.capturedStart(), m.capturedLength(), written);
        from = m.capturedStart() + written.size();
    }
    markup.replace(u"<title></title>"_s, u"<title>確認</title>"_s);
    markup.replace(u"<ruby><"_s, u"<ruby>漢字<"_s);
    markup.replace(u"<rt></rt>"_s, u"<rt>かんじ</rt>"_s);
    static const QRegularExpression emptyOption(u"(<option[^>]*>)(</option>)"_s);
    markup.replace(emptyOption, u"\\1項目\\2"_s);
    return markup;
}

// A page the markup stands in where it belongs: head markup in <head>, a row in a table, …
QString page(const QString &markup)
{
    if (markup.startsWith(u"<!DOCTYPE"))
        return markup;
    QString head = u"<meta charset=\"utf-8\">\n<title>確認</title>\n"_s;
    QString body;
    static const QRegularExpression first(u"^<([a-z0-9]+)"_s);
    const QString element = first.match(markup).captured(1);
    if (QStringList{u"title"_s, u"meta"_s, u"link"_s, u"style"_s, u"base"_s}.contains(element)) {
        if (element == u"title")
            head = u"<meta charset=\"utf-8\">\n"_s;
        if (markup.startsWith(u"<meta charset"))
            head = u"<title>確認</title>\n"_s;
        head += markup;
        body = u"<p>本文</p>"_s;
    } else if (element == u"li") {
        body = u"<ul>\n"_s + markup + u"\n</ul>"_s;
    } else if (element == u"th" || element == u"td") {
        // The cell (two columns wide and two rows high when it spans), a cell
        // beside it, the header its headers name, and a last row in which
        // every column has a cell of its own.
        const int wide = markup.contains(u"colspan=") ? 2 : 1;
        const bool high = markup.contains(u"rowspan=");
        body = u"<table>\n<tr><th id=\"head1\" colspan=\"%1\">見出し</th></tr>\n<tr>"_s.arg(wide + 1) + markup
             + u"<td>c</td></tr>\n"_s + (high ? u"<tr><td>d</td></tr>\n"_s : QString()) + u"<tr>"_s
             + u"<td>e</td>"_s.repeated(wide + 1) + u"</tr>\n</table>"_s;
    } else if (QStringList{u"tr"_s, u"thead"_s, u"tbody"_s, u"tfoot"_s, u"caption"_s}.contains(element)) {
        body = u"<table>\n"_s + markup + u"\n</table>"_s;
    } else if (element == u"colgroup") {
        body = u"<table>\n"_s + markup + u"\n<tr>"_s + u"<td>a</td>"_s.repeated(markup.contains(u"span=") ? 2 : 1)
             + u"</tr>\n</table>"_s;
    } else if (element == u"option" || element == u"optgroup") {
        body = u"<select name=\"s\">\n"_s + markup + u"\n</select>"_s;
    } else if (element == u"track") {
        body = u"<video src=\"movie.mp4\">\n"_s + markup + u"\n</video>"_s;
    } else {
        body = markup;
        if (element == u"label" || element == u"output")
            body += u"\n<input id=\"item1\" name=\"x\">"_s;
        if (markup.contains(u"usemap="))
            body += u"\n<map name=\"map1\"><area shape=\"rect\" coords=\"0,0,1,1\" href=\"a.html\" alt=\"a\"></map>"_s;
    }
    return u"<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n"_s + head + u"\n</head>\n<body>\n"_s + body
         + u"\n</body>\n</html>\n"_s;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_today_pages FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());
    QJsonArray index;
    int written = 0;
    const auto categories = catalogue(CatalogueChoice::Today);
    for (int kind = 0; kind < int(categories.size()); ++kind) {
        for (int tagu = 0; tagu < int(categories[kind].tags.size()); ++tagu) {
            for (const Combination &combination : todayCombinations(categories[kind].tags[tagu])) {
                const QString markup = *paletteMarkup(CatalogueChoice::Today, kind, tagu, combination.state);
                QString unfilled;
                const QString file = u"%1.html"_s.arg(written++, 4, 10, QChar(u'0'));
                QFile out(folder.filePath(file));
                if (!out.open(QIODevice::WriteOnly))
                    return 1;
                out.write(page(filled(markup, unfilled)).toUtf8());
                index.append(QJsonObject{{u"file"_s, file}, {u"kind"_s, kind}, {u"tagu"_s, tagu},
                                         {u"category"_s, categories[kind].name.toString()},
                                         {u"label"_s, categories[kind].tags[tagu].label.toString()},
                                         {u"combination"_s, combination.name}, {u"markup"_s, markup},
                                         {u"unfilled"_s, unfilled.trimmed()}});
            }
        }
    }
    QFile list(folder.filePath(u"index.json"_s));
    if (!list.open(QIODevice::WriteOnly))
        return 1;
    list.write(QJsonDocument(index).toJson());
    std::printf("%d pages\n", written);
    return 0;
}
