// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/previewloader.h"

#include "preview/previewpane.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

using namespace Qt::StringLiterals;

namespace {

QStringList moduleFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList folders{programFolder, QDir(programFolder).filePath(QStringLiteral(TAGPOT_PREVIEW_MODULE_DIR))};
    folders << QCoreApplication::libraryPaths();
    folders.removeDuplicates();
    return folders;
}

PreviewFactory *loadFactory(QString *error)
{
    static PreviewFactory *factory = nullptr;
    if (factory)
        return factory;
    QStringList reasons;
    for (const QString &folder : moduleFolders()) {
        const QString path = QDir(folder).filePath(QStringLiteral(TAGPOT_PREVIEW_MODULE));
        if (!QFileInfo::exists(path))
            continue;
        // The engine cannot be unloaded: the loader is never destroyed.
        auto *loader = new QPluginLoader(path, qApp);
        factory = qobject_cast<PreviewFactory *>(loader->instance());
        if (factory)
            return factory;
        reasons << loader->errorString();
        delete loader;
    }
    *error = reasons.isEmpty() ? u"プレビューのモジュール (%1) が見つかりません。"_s.arg(QStringLiteral(TAGPOT_PREVIEW_MODULE))
                               : reasons.join(u'\n');
    return nullptr;
}

} // namespace

PreviewPane *createPreviewPane(QWidget *parent, QString *error)
{
    PreviewFactory *factory = loadFactory(error);
    return factory ? factory->createPreview(parent) : nullptr;
}
