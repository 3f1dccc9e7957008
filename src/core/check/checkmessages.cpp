// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/check/checkmessages.h"

#include <array>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

struct CheckMessage {
    std::u16string_view key;
    std::u16string_view text; // %1, %2, … stand for the reported arguments in order
};

// The messages a hand-written page meets most often. Element arguments come
// as the checker writes them ("<img>", "</b>", or a bare name where the
// English text puts the brackets around it).
constexpr std::array checkMessages = std::to_array<CheckMessage>({
    {u"MISSING_DOCTYPE", u"<!DOCTYPE> 宣言がありません"},
    {u"MALFORMED_DOCTYPE", u"<!DOCTYPE> 宣言の書き方が正しくありません"},
    {u"DOCTYPE_AFTER_TAGS", u"<!DOCTYPE> 宣言は要素より前に書きます"},
    {u"MISSING_TITLE_ELEMENT", u"title 要素がありません"},
    {u"INSERTING_TAG", u"<%1> が省略されています（補って解釈します）"},
    {u"MISSING_STARTTAG", u"<%1> がありません"},
    {u"MISSING_ENDTAG_FOR", u"</%1> がありません"},
    {u"MISSING_ENDTAG_BEFORE", u"%2 の前に </%1> がありません"},
    {u"MISSING_ENDTAG_OPTIONAL", u"省略できる終了タグ </%1> がありません"},
    {u"UNEXPECTED_ENDTAG", u"</%1> に対応する開始タグがありません"},
    {u"UNEXPECTED_ENDTAG_IN", u"<%2> の中に、対応する開始タグのない </%1> があります"},
    {u"DISCARDING_UNEXPECTED", u"ここにあってはならない %1 を無視します"},
    {u"NON_MATCHING_ENDTAG", u"%1 は </%2> の誤りと見なします"},
    {u"COERCE_TO_ENDTAG", u"<%1> は </%2> の誤りと思われます"},
    {u"TAG_NOT_ALLOWED_IN", u"%1 は <%2> 要素の中に書けません"},
    {u"CANT_BE_NESTED", u"%1 は入れ子にできません"},
    {u"ILLEGAL_NESTING", u"%1 は入れ子にすべきではありません"},
    {u"NESTED_EMPHASIS", u"強調 %1 が入れ子になっています"},
    {u"TOO_MANY_ELEMENTS", u"%1 要素が多すぎます"},
    {u"TOO_MANY_ELEMENTS_IN", u"<%2> の中の %1 要素が多すぎます"},
    {u"TRIM_EMPTY_ELEMENT", u"空の %1 があります（取り除いて解釈します）"},
    {u"ELEMENT_NOT_EMPTY", u"%1 要素が空でないか、閉じられていません"},
    {u"UNKNOWN_ELEMENT", u"%1 は知られていない要素です"},
    {u"UNKNOWN_ELEMENT_LOOKS_CUSTOM", u"%1 は知られていない要素です"},
    {u"PROPRIETARY_ELEMENT", u"%1 は標準にない要素です"},
    {u"REMOVED_HTML5", u"%1 要素は HTML5 で廃止されました"},
    {u"ELEMENT_VERS_MISMATCH_WARN", u"%1 要素は %2 にはありません"},
    {u"ELEMENT_VERS_MISMATCH_ERROR", u"%1 要素は %2 にはありません"},
    {u"OBSOLETE_ELEMENT", u"古い要素 %1 は %2 に置き換わりました"},
    {u"MISSING_ATTRIBUTE", u"%1 に %2 属性がありません"},
    {u"PROPRIETARY_ATTRIBUTE", u"%1 の \"%2\" は標準にない属性です"},
    {u"MISMATCHED_ATTRIBUTE_WARN", u"%1 の属性 \"%2\" は %3 では使えません"},
    {u"MISMATCHED_ATTRIBUTE_ERROR", u"%1 の属性 \"%2\" は %3 では使えません"},
    {u"BAD_ATTRIBUTE_VALUE", u"%1 の属性 \"%2\" の値 \"%3\" は正しくありません"},
    {u"INVALID_ATTRIBUTE", u"%1 の属性名 \"%2\"（値 \"%3\"）は正しくありません"},
    {u"REPEATED_ATTRIBUTE", u"%1 の属性 \"%3\" が重複しています（値 \"%2\" を捨てます）"},
    {u"JOINING_ATTRIBUTE", u"%1 の属性 \"%2\" が重複しています（値をつなげます）"},
    {u"ANCHOR_NOT_UNIQUE", u"%1 のアンカー \"%2\" はすでに使われています"},
    {u"ID_NAME_MISMATCH", u"%1 の id 属性と name 属性の値が違います"},
    {u"BAD_SUMMARY_HTML5", u"%1 要素の summary 属性は HTML5 で廃止されました"},
    {u"MISSING_QUOTEMARK", u"%1 の属性値の終わりに引用符がありません"},
    {u"UNEXPECTED_QUOTEMARK", u"%1 に余分な引用符があります"},
    {u"UNEXPECTED_GT", u"%1 の終わりに '>' がありません"},
    {u"UNEXPECTED_EQUALSIGN", u"%1 に余分な '=' があります（属性名が来るところです）"},
    {u"UNEXPECTED_END_OF_FILE", u"ファイルが途中で終わっています %1"},
    {u"UNEXPECTED_END_OF_FILE_ATTR", u"%1 の属性の途中でファイルが終わっています"},
    {u"UNKNOWN_ENTITY", u"& がエスケープされていないか、\"%1\" は知られていない文字参照です"},
    {u"UNESCAPED_AMPERSAND", u"& は &amp; と書きます"},
    {u"MISSING_SEMICOLON", u"文字参照 \"%1\" が ';' で終わっていません"},
    {u"APOS_UNDEFINED", u"&apos; は XML と XHTML にだけある文字参照です"},
    {u"MALFORMED_COMMENT", u"コメントの中に \"--\" があります"},
    {u"BAD_CDATA_CONTENT", u"ここには '</' に続けて英字を書けません"},
    {u"CONTENT_AFTER_BODY", u"</body> の後に内容があります"},
    {u"MISSING_ATTR_VALUE", u"%1 の属性 \"%2\" に値がありません"},
    {u"ESCAPED_ILLEGAL_URI", u"%1 のアドレスに使えない文字があります（エスケープして解釈します）"},
    {u"ILLEGAL_URI_CODEPOINT", u"%1 のアドレスに使えない文字があります"},
    {u"ILLEGAL_URI_REFERENCE", u"%1 のアドレスのエスケープが正しくありません"},
    {u"WHITE_IN_URI", u"%1 のアドレスに空白があります（取り除いて解釈します）"},
    {u"NEWLINE_IN_URI", u"%1 のアドレスに改行があります（取り除いて解釈します）"},
    {u"BACKSLASH_IN_URI", u"%1 のアドレスに \\ があります。/ の誤りではありませんか"},
    {u"FIXED_BACKSLASH", u"%1 のアドレスの \\ を / と解釈します"},
    {u"MISSING_IMAGEMAP", u"%1 はクライアントサイドのイメージマップを使うべきです"},
    {u"NESTED_QUOTATION", u"q 要素が入れ子になっています。書き誤りではありませんか"},
    {u"INVALID_UTF8", u"%1 UTF-8 として正しくないバイトがあります（文字コード %2）"},
    {u"ADDED_MISSING_CHARSET", u"%1 に <meta charset> がありません"},
    {u"ATTRIBUTE_IS_NOT_ALLOWED", u"%1 のような独自の要素には is 属性を書けません"},
    {u"ATTRIBUTE_VALUE_REPLACED", u"%1 の属性 \"%2\" の値 \"%3\" は正しくありません（置き換えて解釈します）"},
    {u"ATTR_VALUE_NOT_LCASE", u"%1 の属性値 \"%2\" は XHTML では小文字で書きます"},
    {u"BAD_ATTRIBUTE_VALUE_REPLACED", u"%1 の属性 \"%2\" の値 \"%3\" は正しくありません（置き換えて解釈します）"},
    {u"BAD_SURROGATE_LEAD", u"サロゲートペアの前半がありません（U+FFFD に置き換えて解釈します）"},
    {u"BAD_SURROGATE_PAIR", u"範囲外のサロゲートペアがあります（U+FFFD に置き換えて解釈します）"},
    {u"BAD_SURROGATE_TAIL", u"サロゲートペアの後半がありません（U+FFFD に置き換えて解釈します）"},
    {u"CUSTOM_TAG_DETECTED", u"独自の要素 %1 を %2 として扱います"},
    {u"DUPLICATE_FRAMESET", u"FRAMESET 要素が重複しています"},
    {u"ENCODING_MISMATCH", u"指定された文字コード（%1）と実際の文字コード（%2）が違います"},
    {u"FOUND_STYLE_IN_BODY", u"<style> 要素が <body> の中にあります"},
    {u"INSERTING_AUTO_ATTRIBUTE", u"%1 に属性 \"%2\"（値 \"%3\"）を補って解釈します"},
    {u"INVALID_NCR", u"数値文字参照 %2 は正しくありません（%1）"},
    {u"INVALID_SGML_CHARS", u"使えない文字コード %2 があります（%1）"},
    {u"INVALID_UTF16", u"正しくない UTF-16 のサロゲートペアがあります（文字コード %2、%1）"},
    {u"INVALID_XML_ID", u"%1 の name 属性を id 属性に写せません"},
    {u"MALFORMED_COMMENT_DROPPING", u"ハイフンが足りないため、コメントらしい部分を無視します"},
    {u"MALFORMED_COMMENT_EOS", u"コメントが終わらないうちにファイルが終わっています"},
    {u"MALFORMED_COMMENT_WARN", u"コメントの中にハイフンが続いています（--）"},
    {u"MISSING_QUOTEMARK_OPEN", u"属性 \"%1\" の値が引用符で囲まれていません"},
    {u"MISSING_SEMICOLON_NCR", u"数値文字参照 \"%1\" が ';' で終わっていません"},
    {u"MOVED_STYLE_TO_HEAD", u"<style> 要素は <head> の中に書きます"},
    {u"NOFRAMES_CONTENT", u"%1 が noframes 要素の中にありません"},
    {u"PREVIOUS_LOCATION", u"<%1> は前にも出てきています"},
    {u"PROPRIETARY_ATTR_VALUE", u"%1 の属性値 \"%2\" は標準にありません"},
    {u"REPLACING_ELEMENT", u"%1 を %2 に置き換えて解釈します"},
    {u"REPLACING_UNEX_ELEMENT", u"ここにあってはならない %1 を %2 に置き換えて解釈します"},
    {u"SPACE_PRECEDING_XMLDECL", u"XML 宣言の前に空白があります"},
    {u"SUSPECTED_MISSING_QUOTE", u"属性値の引用符が足りないようです"},
    {u"UNEXPECTED_ENDTAG_ERR", u"</%1> に対応する開始タグがありません"},
    {u"USING_BR_INPLACE_OF", u"%1 の代わりに <br> として解釈します"},
    {u"VENDOR_SPECIFIC_CHARS", u"特定の環境だけの文字コード %2 があります（%1）"},
    {u"XML_DECLARATION_DETECTED", u"XML 宣言があります。HTML のページには書きません"},
    {u"XML_ID_SYNTAX", u"%1 の ID \"%2\" は XML の ID の書き方です"},
});

} // namespace

QString japaneseCheckMessage(QStringView key, const QStringList &arguments)
{
    for (const CheckMessage &message : checkMessages) {
        if (QStringView(message.key.data(), qsizetype(message.key.size())) != key)
            continue;
        QString text = QString::fromUtf16(message.text.data(), qsizetype(message.text.size()));
        // Substituted in one pass, so that an argument holding "%2" stays as written.
        QString result;
        result.reserve(text.size() + 32);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == u'%' && i + 1 < text.size() && text.at(i + 1).isDigit()) {
                const int index = text.at(i + 1).digitValue() - 1;
                result += index < arguments.size() ? arguments.at(index) : QString();
                ++i;
            } else {
                result += c;
            }
        }
        return result;
    }
    return {};
}
