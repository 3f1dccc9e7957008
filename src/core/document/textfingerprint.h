// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <array>
#include <cstddef>

// A page's text reduced to a few numbers: enough to tell whether the editor
// still holds the text a file was read or written as, without keeping a
// second copy of a page of many megabytes for the whole session.
struct TextFingerprint {
    qsizetype size = -1; // -1: no text was taken
    std::size_t hash = 0;

    friend bool operator==(const TextFingerprint &, const TextFingerprint &) = default;
};

// Takes a text in parts of any size; the fingerprint is that of the whole.
// The editor breaks lines at U+2029, U+FDD0 and U+FDD1 as well as at "\n",
// and gives them back as "\n": they count as "\n" here, so a page read with
// them and saved unedited is still recognised as unedited.
class TextFingerprinter
{
public:
    void add(QStringView text);
    TextFingerprint result() const;

private:
    void hashStaged();

    std::array<char16_t, 16 * 1024> m_staged;
    qsizetype m_stagedSize = 0;
    qsizetype m_size = 0;
    std::size_t m_hash = 0x9e3779b97f4a7c15u;
};

TextFingerprint fingerprintOf(QStringView text);
