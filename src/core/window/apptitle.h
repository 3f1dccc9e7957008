// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// The application title: window caption, About box, wizard titles.
inline constexpr QStringView appTitle = u"タグポット";

struct AppVersion {
    int major;
    int minor;
    int revision;
};

inline constexpr AppVersion appVersion{TAGPOT_VERSION_MAJOR, TAGPOT_VERSION_MINOR, TAGPOT_VERSION_PATCH};
