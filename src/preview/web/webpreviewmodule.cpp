// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/web/webpreview.h"

#include <QObject>
#include <QWebEngineUrlScheme>

#include <unistd.h>

namespace {

// Before the engine starts: the address scheme of the preview, and the
// sandbox, which the engine cannot set up for the root user. Run as root the
// preview would stay blank; root already trusts every page it opens.
void prepareEngine()
{
    QWebEngineUrlScheme scheme(previewScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);

    if (geteuid() == 0) {
        QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        if (!flags.contains("--no-sandbox"))
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", QByteArray(flags + " --no-sandbox").trimmed());
    }
}

} // namespace

class WebPreviewModule : public QObject, public PreviewFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PreviewFactory_iid)
    Q_INTERFACES(PreviewFactory)
public:
    PreviewPane *createPreview(QWidget *parent) override
    {
        static const bool prepared = (prepareEngine(), true);
        Q_UNUSED(prepared);
        return new WebPreview(parent);
    }
};

#include "webpreviewmodule.moc"
