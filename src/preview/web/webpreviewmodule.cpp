// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/web/webpreview.h"

#include <QCoreApplication>
#include <QObject>
#include <QOpenGLContext>
#include <QWebEngineUrlScheme>

#include <unistd.h>

// Qt's own: the context every OpenGL context of the program shares with.
void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace {

// The engine draws through a context shared with Qt's. A program asks for it
// before it starts (an application attribute), which costs every start the
// set-up of OpenGL; the engine only comes when the preview is first shown,
// so the shared context is made now, as Qt would have made it.
void shareOpenGLContexts()
{
    if (QOpenGLContext::globalShareContext())
        return;
    auto *context = new QOpenGLContext(qApp);
    if (context->create())
        qt_gl_set_global_share_context(context);
    else
        delete context;
}

// Before the engine starts: the address scheme of the preview, and the
// sandbox, which the engine cannot set up for the root user. Run as root the
// preview would stay blank; root already trusts every page it opens.
void prepareEngine()
{
    shareOpenGLContexts();

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
