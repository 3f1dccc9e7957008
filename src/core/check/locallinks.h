// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The file a src or href value names beside the page, as a path relative to
// the page's folder (or absolute for a file: address), decoded and without
// ?query or #fragment. Nothing for what is not a local file: addresses with
// a scheme (http:, https:, mailto:, javascript:, data:, …), //host/…,
// fragments within the page, empty values, and paths from the site's root
// ("/images/…"), whose root only the web server knows.
std::optional<QString> localReference(QStringView value);

// Whether reference (from localReference) names nothing on disk, resolved
// from the page's folder.
bool isMissingLocalFile(const QString &folder, const QString &reference);
