// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/filemessages.h"

#include "core/document/interruptedsave.h"
#include "core/document/nativepath.h"
#include "core/document/recoveryfile.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// A name with a line end or another control character in it shows that
// character's picture (␊ for a line feed): it cannot start lines of its own
// in a question.
QString quoted(const QString &path)
{
    QString shown = displayedPath(path);
    for (QChar &c : shown) {
        const char16_t u = c.unicode();
        if (u < 0x20)
            c = QChar(char16_t(0x2400 + u));
        else if (u == 0x7F)
            c = QChar(char16_t(0x2421));
        else if (u == 0x2028 || u == 0x2029 || u == 0x85)
            c = QChar(char16_t(0x2424));
    }
    return u"「" + shown + u"」";
}

QString characterName(char32_t character)
{
    const QString code = u"U+%1"_s.arg(uint(character), 4, 16, QChar(u'0')).toUpper();
    if (QChar::isPrint(character) && !QChar::isSpace(character))
        return u"「" + QString::fromUcs4(&character, 1) + u"」（" + code + u"）";
    return code;
}

QString whereList(const WrittenText &written)
{
    QStringList lines;
    for (const UnencodableCharacter &place : written.unencodable)
        lines << u"　%1 行 %2 文字目：%3"_s.arg(place.line).arg(place.column).arg(characterName(place.character));
    const qsizetype more = written.unencodableCount - written.unencodable.size();
    if (more > 0)
        lines << u"　ほか %1 か所"_s.arg(more);
    return lines.join(u'\n');
}

} // namespace

QString saveChangesQuestion(const QString &path)
{
    if (path.isEmpty())
        return u"新しい文書は保存されていません。保存しますか？\n\n保存しないと、変更は失われます。"_s;
    return u"ファイル" + quoted(path) + u"への変更を保存しますか？\n\n保存しないと、変更は失われます。";
}

QString openFailedMessage(const QString &path, const QString &reason)
{
    return u"ファイル" + quoted(path) + u"を開けませんでした。\n\n理由：" + reason + u"\n\n編集中の文書はそのままです。";
}

QString refusedMessage(const QString &path, Refusal refusal, const TextFormat &format)
{
    QString reason;
    switch (refusal) {
    case Refusal::NotText:
        reason = u"テキストファイルではありません（NUL 文字が含まれています）。"_s;
        break;
    case Refusal::BrokenAfterBom:
        reason = u"先頭の BOM は %1 を示していますが、内容が %1 として正しくありません。"_s.arg(encodingName(format.encoding));
        break;
    case Refusal::Undecodable:
    case Refusal::None:
        reason = u"対応している文字コード（UTF-8、UTF-16、Shift_JIS、EUC-JP、ISO-2022-JP）のどれとしても正しく読めません。"_s;
        break;
    }
    return openFailedMessage(path, reason);
}

QString saveFailedMessage(const QString &path, const QString &reason, bool oldFileKept)
{
    QString message = u"ファイル" + quoted(path) + u"に保存できませんでした。\n\n理由：" + reason;
    if (oldFileKept)
        message += u"\n\n元のファイルは変更されていません。";
    return message;
}

QString saveAsUtf8Question(const QString &path, const TextFormat &format, const WrittenText &written, bool declared)
{
    QString question = u"この文書には %1 で書けない文字が %2 か所あります。\n\n"_s.arg(encodingName(format.encoding))
                           .arg(written.unencodableCount)
        + whereList(written) + u"\n\nファイル" + quoted(path) + u"を UTF-8 で保存しますか？";
    if (declared)
        question += u"\nページの文字コードの指定（meta charset）も UTF-8 に直してください。";
    question += u"\n\nキャンセルすると保存しません。";
    return question;
}

QString unsavableMessage(const QString &path, const WrittenText &written)
{
    return u"ファイル" + quoted(path) + u"に保存できませんでした。\n\n理由：どの文字コードでも書けない文字があります。\n\n"
        + whereList(written) + u"\n\nこれらの文字を消してから保存してください。";
}

QString editorBreakersMessage(const QString &path, qsizetype count, bool keptOnSave)
{
    QString message = u"ファイル"_s + quoted(path) + u"には、段落区切り（U+2029）など、エディターが文字のまま表示できない文字が %1 か所あります。"_s.arg(count);
    if (keptOnSave)
        return message + u"\n\n編集中は代わりの記号で表示されますが、保存するとどれも元の文字のまま書き戻されます。"_s;
    return message + u"\n\nこの文書はそれらを保てないため、保存するとそれらは改行になります。"_s;
}

namespace {

QString recordedDocument(const RecoveryRecord &record)
{
    return record.path.isEmpty() ? u"新しい文書（ファイル名なし）"_s : u"ファイル"_s + quoted(record.path);
}

QString recordedContent(const RecoveryRecord &record)
{
    return record.written.toLocalTime().toString(u"yyyy年M月d日 H:mm:ss"_s) + u" の内容（文字コード: "_s
        + formatName(record.format) + u"　改行: "_s + lineEndName(record.format.lineEnd) + u"）"_s;
}

QString problemLines(const QList<RecoveryProblem> &problems)
{
    QStringList lines;
    for (const RecoveryProblem &problem : problems)
        lines << quoted(problem.path) + u"："_s + problem.reason;
    return lines.join(u'\n');
}

} // namespace

QString restoreQuestion(const RecoveryRecord &record)
{
    return u"タグポットが終了したとき保存されていなかった変更が残っています。\n\n"_s + recordedDocument(record) + u"\n"_s
        + recordedContent(record) + u"\n\n復元しますか？ 復元すると、保存されていない文書として開きます。"_s;
}

QString recoveryItem(const RecoveryRecord &record)
{
    return recordedDocument(record) + u"\n"_s + recordedContent(record);
}

QString restoreEachQuestion(qsizetype count)
{
    return u"タグポットが終了したとき保存されていなかった変更が %1 件残っています。\n\n"
           u"それぞれ、復元する・破棄する・あとで決める のどれかを選んでください。"
           u"復元できるのは一度に一つで、復元すると保存されていない文書として開きます。"
           u"あとで決めたものは、次に起動したときにまた表示します。"_s.arg(count);
}

QString brokenRecoveryQuestion(const QList<RecoveryProblem> &problems)
{
    return u"次の復元用のファイルは、読めないか壊れているため復元できません。\n\n"_s + problemLines(problems)
        + u"\n\n削除しますか？ 残すと、次に起動したときにまた確認します。"_s;
}

QString distrustedRecoveryMessage(const QString &folderProblem, const QList<RecoveryProblem> &files)
{
    if (!folderProblem.isEmpty())
        return u"復元用のフォルダーを使えません（"_s + folderProblem
            + u"）。\n\n安全のため、中のファイルは読まず、何も変更していません。"_s;
    return u"復元用のフォルダーにある次のファイルは、安全のため開かずにそのままにしました。\n\n"_s + problemLines(files)
        + u"\n\n心当たりがなければ、削除してください。"_s;
}

QString recoveryFailedMessage(const QString &reason)
{
    return u"復元用の控えを書けませんでした（"_s + reason + u"）。こまめに保存してください。"_s;
}

QString changedOnDiskQuestion(const QString &path, bool modified)
{
    const QString changed = u"ファイル" + quoted(path) + u"が、ほかのプログラムによって変更されました。\n\n";
    if (!modified)
        return changed + u"ディスク上の新しい内容を読み込み直しますか？";
    return changed + u"読み込み直すと、まだ保存していない編集は失われます。\n"
                     u"ディスク上の内容を読み込み直しますか？それとも編集中の内容を残しますか？";
}

QString overwriteChangedQuestion(const QString &path)
{
    return u"ファイル" + quoted(path) + u"は、読み込んだ後（または保存した後）に、ほかのプログラムによって変更されています。\n\n"
           u"上書きすると、ほかのプログラムによる変更は失われます。上書き保存しますか？";
}

QString deletedOnDiskMessage(const QString &path)
{
    return u"ファイル" + quoted(path) + u"は、ディスク上から削除されたか、名前が変更されました。\n\n"
           u"編集中の内容はこのウィンドウの中にだけあります。保存すると、ファイルを新しく書き込みます。";
}

QString recentMissingMessage(const QString &path)
{
    return u"ファイル" + quoted(path) + u"が見つかりません。\n\n"
           u"移動または削除された可能性があります。「最近使ったファイル」の一覧から外します。";
}

QString interruptedSavesMessage(const QList<SaveRepair> &repairs)
{
    QStringList parts;
    for (const SaveRepair &repair : repairs) {
        const QString file = u"ファイル"_s + quoted(repair.path);
        switch (repair.outcome) {
        case SaveRepair::Outcome::NewKept:
            parts << file + u"：新しい内容はすべて書き込まれていました。保存した内容のままです。"_s;
            break;
        case SaveRepair::Outcome::OldKept:
            parts << file + u"：まだ書き換えられていませんでした。保存する前の内容のままです。"_s;
            break;
        case SaveRepair::Outcome::OldPutBack:
            parts << file + u"：書きかけで壊れていたので、保存する前の内容に戻しました。"_s;
            break;
        case SaveRepair::Outcome::Failed:
            parts << file + u"：元に戻せませんでした（"_s + repair.reason + u"）。保存する前の内容は"_s + quoted(repair.copy)
                    + u"に残っています。"_s;
            break;
        }
    }
    return u"前回、ファイルの保存が途中で止まっていました（タグポットが強制終了したか、コンピューターが止まったため）。\n\n"_s
        + parts.join(u"\n\n"_s);
}
