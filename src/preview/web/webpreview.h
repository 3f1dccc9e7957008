// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preview/previewpane.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QPointF>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineUrlSchemeHandler>

#include <optional>

class QWebEngineProfile;
class QWebEngineView;

// The address scheme the preview serves the page through. The page goes to
// the engine as UTF-8 with the charset said in its content type: a page that
// declares Shift_JIS in a meta element is still read right, whatever its
// size. Beside the page, the handler serves the files of the page's folder,
// so relative images, style sheets and scripts show.
inline constexpr char previewScheme[] = "tagpot-preview";

class PreviewSchemeHandler : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    // url is served as html; other paths as the local files they name
    // when servesFiles, else not at all.
    void setPage(const QUrl &url, const QByteArray &html, bool servesFiles);
    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    QUrl m_url;
    QByteArray m_html;
    bool m_servesFiles = false;
};

// Keeps the preview on the page: a clicked link, or one opening a new
// window, goes to the system's browser; jumps within the page stay.
class PreviewPage : public QWebEnginePage
{
    Q_OBJECT
public:
    using QWebEnginePage::QWebEnginePage;

    void setPageUrl(const QUrl &url) { m_pageUrl = url; }

    // Our own addresses as the file: addresses they stand for.
    static QUrl outsideUrl(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;

private:
    QUrl m_pageUrl;
};

class WebPreview : public PreviewPane
{
    Q_OBJECT
public:
    explicit WebPreview(QWidget *parent = nullptr);
    ~WebPreview() override;

    void setHtml(const QString &html, const QUrl &baseUrl) override;

private:
    struct Page {
        QString html;
        QUrl baseUrl;
    };
    void showNext(bool keepScroll);
    void loadDone(bool ok);

    QWebEngineView *m_view = nullptr;
    QWebEngineProfile *m_profile = nullptr;
    PreviewSchemeHandler *m_handler = nullptr;
    PreviewPage *m_page = nullptr;
    QUrl m_shownUrl;
    QPointF m_scroll;
    bool m_loading = false;
    QElapsedTimer m_loadClock;
    std::optional<Page> m_next;
};
