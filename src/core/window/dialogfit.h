// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

// Where a dialog goes on a screen whose free area (without task bars) is
// `available`, when its contents want `wanted` and the window frame around
// them takes `frame`. A dialog that fits keeps exactly its wanted size and is
// centred; one that does not is shrunk to the free area (its contents then
// scroll) and placed at its top left.
struct DialogFit {
    QRect geometry; // of the dialog without its frame
    bool shrunk = false;

    friend bool operator==(const DialogFit &, const DialogFit &) = default;
};

DialogFit fitDialog(QSize wanted, const QRect &available, const QMargins &frame);
