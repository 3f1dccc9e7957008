// SPDX-License-Identifier: GPL-3.0-or-later
// 今の HTML › 画像とメディア: images, responsive images, video, audio and embedded pages.
#include "core/palette/todaycategories.h"
#include "core/palette/todaymarkup.h"

using namespace Qt::StringLiterals;

namespace {

constexpr Option imageOptions[] = {
    {u"幅と高さ（width・height）", uR"( width="" height="")"},
    {u"候補の画像（srcset・sizes）", uR"( srcset="" sizes="")"},
    {u"イメージマップ（usemap）", uR"( usemap="")"},
    {u"補足（title）", uR"( title="")"},
    {u"ID（id）", uR"( id="")"},
    {u"クラス（class）", uR"( class="")"},
};

constexpr Choice decodings[] = {
    {u"表示を待たせない（async）", u"async"},
    {u"表示と同時に（sync）", u"sync"},
    {u"ブラウザーに任せる（auto）", u"auto"},
};

constexpr Choice priorities[] = {
    {u"高い（high）", u"high"},
    {u"低い（low）", u"low"},
    {u"ブラウザーに任せる（auto）", u"auto"},
};

constexpr Option pictureOptions[] = {
    {u"画像の形式（type）", uR"( type="")", 0, u"source に画像の形式（image/webp など）を書きます。"},
    {u"表示する幅（sizes）", uR"( sizes="")", 0, u"source に画像を表示する幅の目安を書きます（srcset は幅 w で）。"},
    {u"幅と高さ（width・height）", uR"( width="" height="")", 0, u"img に画像の幅と高さを書きます。"},
};

// One <source> for the condition, the <img> every browser falls back to.
QString pictureMarkup(const Tag &tag, const PaletteState &state)
{
    QString source = uR"(<source srcset="" media="")"_s;
    if (state.ticked(1))
        source += tag.checks[0].written;
    if (state.ticked(2))
        source += tag.checks[1].written;
    QString image = uR"(<img src="" alt="")"_s;
    if (state.ticked(3))
        image += tag.checks[2].written;
    const QString lines[] = {u"<picture>"_s, source + u'>', image + u'>', u"</picture>"_s};
    return joinLines(std::vector<QStringView>(std::begin(lines), std::end(lines)));
}

constexpr Option videoOptions[] = {
    {u"操作部（controls）", u" controls"},
    {u"自動再生（autoplay）", u" autoplay"},
    {u"消音（muted）", u" muted"},
    {u"繰り返し（loop）", u" loop"},
    {u"ページの中で再生（playsinline）", u" playsinline"},
    {u"再生前の画像（poster）", uR"( poster="")"},
    {u"幅と高さ（width・height）", uR"( width="" height="")"},
    {u"ID（id）", uR"( id="")"},
    {u"クラス（class）", uR"( class="")"},
};

constexpr Option audioOptions[] = {
    {u"操作部（controls）", u" controls"},
    {u"自動再生（autoplay）", u" autoplay"},
    {u"消音（muted）", u" muted"},
    {u"繰り返し（loop）", u" loop"},
    {u"ID（id）", uR"( id="")"},
    {u"クラス（class）", uR"( class="")"},
};

constexpr Choice preloads[] = {
    {u"読み込まない（none）", u"none"},
    {u"情報だけ（metadata）", u"metadata"},
    {u"全体（auto）", u"auto"},
};

constexpr Choice trackKinds[] = {
    {u"字幕（subtitles）", u"subtitles"},
    {u"聴覚障害者向け字幕（captions）", u"captions"},
    {u"説明（descriptions）", u"descriptions"},
    {u"チャプター（chapters）", u"chapters"},
};

constexpr Option trackOptions[] = {
    {u"既定で表示（default）", u" default"},
};

constexpr Option frameOptions[] = {
    {u"幅と高さ（width・height）", uR"( width="" height="")"},
    {u"名前（name）", uR"( name="")"},
    {u"許す機能（allow）", uR"( allow="")"},
    {u"全画面表示を許す（allowfullscreen）", u" allowfullscreen"},
    {u"制限（sandbox）", uR"( sandbox="")"},
    {u"ID（id）", uR"( id="")"},
    {u"クラス（class）", uR"( class="")"},
};

constexpr Choice referrers[] = {
    {u"送らない（no-referrer）", u"no-referrer"},
    {u"サイトの名前だけ（origin）", u"origin"},
    {u"同じサイトにだけ（same-origin）", u"same-origin"},
    {u"別のサイトにはサイトの名前だけ（strict-origin-when-cross-origin）", u"strict-origin-when-cross-origin"},
};

constexpr Option embedOptions[] = {
    {u"幅と高さ（width・height）", uR"( width="" height="")"},
};

constexpr Choice shapes[] = {
    {u"四角形（rect）", u"rect"},
    {u"円（circle）", u"circle"},
    {u"多角形（poly）", u"poly"},
};

constexpr Tag tags[] = {
    {.label = u"画像",
     .checks = imageOptions,
     .ticked = box(1),
     .labels = {u"読み込む時期（loading）", u"展開の仕方（decoding）", u"優先度（fetchpriority）"},
     .combos = {loadingChoices, decodings, priorities},
     .open = uR"(<img src="" alt="")",
     .leads = {uR"( loading=")", uR"( decoding=")", uR"( fetchpriority=")"},
     .close = u">",
     .markup = &chosenOnlyMarkup},
    {.label = u"画面に合わせた画像（picture）", .checks = pictureOptions, .markup = &pictureMarkup},
    {.label = u"動画（video）",
     .checks = videoOptions,
     .ticked = box(1),
     .labels = {u"先読み（preload）"},
     .combos = {preloads},
     .open = uR"(<video src="")",
     .leads = {uR"( preload=")"},
     .close = u"></video>",
     .markup = &chosenOnlyMarkup},
    {.label = u"動画（複数の形式）",
     .checks = videoOptions,
     .ticked = box(1),
     .open = u"<video",
     .close = u">\r\n<source src=\"\" type=\"\">\r\n</video>"},
    {.label = u"音声（audio）",
     .checks = audioOptions,
     .ticked = box(1),
     .labels = {u"先読み（preload）"},
     .combos = {preloads},
     .open = uR"(<audio src="")",
     .leads = {uR"( preload=")"},
     .close = u"></audio>",
     .markup = &chosenOnlyMarkup},
    {.label = u"字幕・説明（track）",
     .checks = trackOptions,
     .labels = {u"種類（kind）"},
     .combos = {trackKinds},
     .open = uR"(<track src="" srclang="" label="")",
     .leads = {uR"( kind=")"},
     .close = u">",
     .markup = &chosenOnlyMarkup},
    {.label = u"埋め込みページ（iframe）",
     .checks = frameOptions,
     .labels = {u"読み込む時期（loading）", u"参照元の送り方（referrerpolicy）"},
     .combos = {loadingChoices, referrers},
     .open = uR"(<iframe src="" title="")",
     .leads = {uR"( loading=")", uR"( referrerpolicy=")"},
     .close = u"></iframe>",
     .markup = &chosenOnlyMarkup},
    {.label = u"埋め込み（embed）", .checks = embedOptions, .open = uR"(<embed src="" type="")", .close = u">"},
    {.label = u"外部ファイル（object）", .checks = embedOptions, .open = uR"(<object data="" type="")", .close = u"></object>"},
    {.label = u"イメージマップ（map）",
     .labels = {u"領域の形（shape）"},
     .combos = {shapes},
     .open = u"<map name=\"\">\r\n<area",
     .leads = {uR"( shape=")"},
     .close = uR"( coords="" href="" alt="">)" u"\r\n</map>",
     .markup = &chosenOnlyMarkup},
};
static_assert(std::size(tags) == 10);

constexpr TagNotes notes[] = {
    {.elements = u"IMG", .explanation = u"画像を表示します。alt には画像の代わりになる文字列を書きます。", .words = u"画像 イメージ 写真"},
    {.elements = u"PICTURE SOURCE IMG", .explanation = u"画面の大きさや形式に合わせて画像を選ばせます。", .words = u"レスポンシブ srcset webp"},
    {.elements = u"VIDEO", .explanation = u"動画を再生します。", .words = u"動画 ムービー"},
    {.elements = u"VIDEO SOURCE", .explanation = u"形式の違う動画ファイルを並べ、再生できるものを選ばせます。"},
    {.elements = u"AUDIO", .explanation = u"音声を再生します。", .words = u"音 サウンド"},
    {.elements = u"TRACK", .explanation = u"動画に字幕や説明（WebVTT ファイル）を付けます（video の中に書きます）。", .words = u"字幕"},
    {.elements = u"IFRAME", .explanation = u"ページの中に別のページ（地図や動画など）を表示します。", .words = u"フレーム インラインフレーム"},
    {.elements = u"EMBED", .explanation = u"外部のコンテンツを埋め込みます。"},
    {.elements = u"OBJECT", .explanation = u"PDF など外部のファイルを埋め込みます。"},
    {.elements = u"MAP AREA", .explanation = u"画像の中にクリックできる領域を作ります（img の usemap で指します）。"},
};
static_assert(std::size(notes) == std::size(tags));

} // namespace

std::span<const Tag> todayMediaTags()
{
    return tags;
}

std::span<const TagNotes> todayMediaNotes()
{
    return notes;
}
