// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/document/textfile.h"

#include <QList>
#include <QString>
#include <QStringView>

// The Japanese texts of the document commands' questions and messages. A
// document without a file is named by an empty path.

QString saveChangesQuestion(const QString &path);

QString openFailedMessage(const QString &path, const QString &reason);
QString refusedMessage(const QString &path, Refusal refusal, const TextFormat &format);
QString saveFailedMessage(const QString &path, const QString &reason, bool oldFileKept);

// Which characters do not fit and where, with the offer to write UTF-8
// instead. declared is set when the page declares a charset of its own, which
// would then be wrong.
QString saveAsUtf8Question(const QString &path, const TextFormat &format, const WrittenText &written, bool declared);
// For characters that fit no encoding at all.
QString unsavableMessage(const QString &path, const WrittenText &written);

// For a file holding U+2029, U+FDD0 or U+FDD1, which the editor cannot show as
// characters: keptOnSave tells whether saving writes them back as they were.
QString editorBreakersMessage(const QString &path, qsizetype count, bool keptOnSave);

struct SaveRepair;
// What was found and done about saves that did not finish (the program was
// killed, or the machine stopped, while a page was written into its file).
QString interruptedSavesMessage(const QList<SaveRepair> &repairs);

struct RecoveryRecord;
// Whether to restore the unsaved text a program no longer running left.
QString restoreQuestion(const RecoveryRecord &record);
// One line about a recovery file, for the list of several.
QString recoveryItem(const RecoveryRecord &record);
// Above that list: what to choose for each of count recovery files.
QString restoreEachQuestion(qsizetype count);
struct RecoveryProblem;
// Recovery files that cannot be restored, each with why: delete them?
QString brokenRecoveryQuestion(const QList<RecoveryProblem> &problems);
// The recovery folder cannot be used (folderProblem), or files in it were
// left alone, each with why.
QString distrustedRecoveryMessage(const QString &folderProblem, const QList<RecoveryProblem> &files);
// Why the unsaved text could not be kept for recovery.
QString recoveryFailedMessage(const QString &reason);
// The open file was changed by another program: read it again? modified
// says that reading it again loses unsaved edits.
QString changedOnDiskQuestion(const QString &path, bool modified);
// Saving would write over a change another program made to the file.
QString overwriteChangedQuestion(const QString &path);
// The open file is gone from disk.
QString deletedOnDiskMessage(const QString &path);
// A page of the recent files list is no longer where it was.
QString recentMissingMessage(const QString &path);
