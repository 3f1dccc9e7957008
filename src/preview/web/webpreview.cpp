// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/web/webpreview.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QFile>
#include <QMimeDatabase>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 longLoadMs = 10000;

QUrl withoutFragment(const QUrl &url)
{
    return url.adjusted(QUrl::RemoveFragment | QUrl::RemoveQuery);
}

// A window a link asks for: its first address goes to the system's browser,
// then it goes away.
class OutsideWindow : public QWebEnginePage
{
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool) override
    {
        QDesktopServices::openUrl(PreviewPage::outsideUrl(url));
        deleteLater();
        return false;
    }
};

} // namespace

void PreviewSchemeHandler::setPage(const QUrl &url, const QByteArray &html, bool servesFiles)
{
    m_url = url;
    m_html = html;
    m_servesFiles = servesFiles;
}

void PreviewSchemeHandler::requestStarted(QWebEngineUrlRequestJob *job)
{
    const QUrl url = withoutFragment(job->requestUrl());
    if (url == m_url) {
        auto *buffer = new QBuffer(job);
        buffer->setData(m_html);
        job->reply("text/html;charset=UTF-8", buffer);
        return;
    }
    const QString path = url.path(QUrl::FullyDecoded);
    auto file = std::make_unique<QFile>(path);
    if (!m_servesFiles || !file->open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    const QByteArray type = QMimeDatabase().mimeTypeForFile(path).name().toUtf8();
    file->setParent(job);
    job->reply(type, file.release());
}

QUrl PreviewPage::outsideUrl(const QUrl &url)
{
    if (url.scheme() != QLatin1StringView(previewScheme))
        return url;
    QUrl file = QUrl::fromLocalFile(url.path(QUrl::FullyDecoded));
    file.setFragment(url.fragment(QUrl::FullyDecoded), QUrl::DecodedMode);
    return file;
}

bool PreviewPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (!isMainFrame)
        return true;
    const bool thisPage = withoutFragment(url) == withoutFragment(m_pageUrl);
    if (type == NavigationTypeLinkClicked) {
        if (thisPage && url.hasFragment())
            return true;
        QDesktopServices::openUrl(outsideUrl(url));
        return false;
    }
    // The preview's own loads; anything else (a form, a script moving on)
    // would leave the page being written.
    return thisPage;
}

QWebEnginePage *PreviewPage::createWindow(WebWindowType)
{
    return new OutsideWindow(profile(), this);
}

WebPreview::WebPreview(QWidget *parent)
    : PreviewPane(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new QWebEngineView(this);
    layout->addWidget(m_view);
    // A profile of its own, kept in memory: the preview leaves no cookies or
    // caches behind, and its address scheme is served by this pane alone.
    m_profile = new QWebEngineProfile(this);
    m_handler = new PreviewSchemeHandler(this);
    m_profile->installUrlSchemeHandler(previewScheme, m_handler);
    m_page = new PreviewPage(m_profile, this);
    m_page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    m_view->setPage(m_page);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    setFocusProxy(m_view);
    connect(m_page, &QWebEnginePage::loadFinished, this, &WebPreview::loadDone);
}

// The page goes before the profile it was made with.
WebPreview::~WebPreview()
{
    delete m_page;
}

// A page that takes the engine long (a page of megabytes) is shown to the
// end before the next text goes in: a new load would cancel it, and a user
// typing in bursts would never see the preview follow. A load still going
// after a good while waits on something outside (a slow server's image),
// and gives way.
void WebPreview::setHtml(const QString &html, const QUrl &baseUrl)
{
    m_next = Page{html, baseUrl};
    if (!m_loading || m_loadClock.hasExpired(longLoadMs))
        showNext(false);
}

void WebPreview::showNext(bool keepScroll)
{
    const Page next = std::move(*m_next);
    m_next.reset();
    QUrl url;
    url.setScheme(QString::fromLatin1(previewScheme));
    url.setPath(next.baseUrl.isLocalFile() ? next.baseUrl.path() : u"/"_s);
    // The same page shown again keeps its place.
    if (url != m_shownUrl)
        m_scroll = {};
    else if (!keepScroll)
        m_scroll = m_page->scrollPosition();
    m_shownUrl = url;
    m_handler->setPage(url, next.html.toUtf8(), next.baseUrl.isLocalFile());
    m_page->setPageUrl(url);
    m_loading = true;
    m_loadClock.start();
    m_page->load(url);
}

void WebPreview::loadDone(bool ok)
{
    m_loading = false;
    if (m_next) {
        showNext(true);
        return;
    }
    if (ok && !m_scroll.isNull())
        m_page->runJavaScript(u"window.scrollTo(%1, %2)"_s.arg(m_scroll.x()).arg(m_scroll.y()));
}
