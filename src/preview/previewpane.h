// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>
#include <QtPlugin>

// The preview of the page being written, shown beside the editor. The web
// engine behind it lives in a module of its own, loaded when the preview is
// first shown: the program does not pay for the engine until it is used.
class PreviewPane : public QWidget
{
public:
    using QWidget::QWidget;

    // Shows html, the page's own text as the editor holds it. baseUrl is the
    // page's folder as a file: address ending in "/", or empty for a page
    // never saved: then relative addresses lead nowhere. Showing the same
    // page again keeps the scroll position; links the user clicks open in
    // the system's browser.
    virtual void setHtml(const QString &html, const QUrl &baseUrl) = 0;
};

// What the preview module provides.
class PreviewFactory
{
public:
    virtual ~PreviewFactory() = default;
    virtual PreviewPane *createPreview(QWidget *parent) = 0;
};

#define PreviewFactory_iid "jp.tagpot.PreviewFactory/1"
Q_DECLARE_INTERFACE(PreviewFactory, PreviewFactory_iid)

// The module's file name without prefix and suffix, found through the
// library paths: next to the program, or in its lib folder once installed.
inline constexpr QStringView previewModuleName = u"tagpot_preview";
