// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

enum class LineEnd { CrLf, Lf, Cr };

// "CRLF", "LF" or "CR".
QStringView lineEndName(LineEnd end);

// Turns every CR LF, lone CR and lone LF of text into "\n", in place, and
// returns the style most of its lines end with. Ties and text without any line
// end give CR LF, the line end of generated markup.
LineEnd unifyLineEnds(QString &text);

// text with each "\n" written as end, in one pass.
QString withLineEnds(QStringView text, LineEnd end);
