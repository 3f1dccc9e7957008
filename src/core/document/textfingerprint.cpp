// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/textfingerprint.h"

#include <QHashFunctions>

#include <algorithm>

namespace {

char16_t asShown(char16_t c)
{
    return c == 0x2029 || c == 0xFDD0 || c == 0xFDD1 ? u'\n' : c;
}

} // namespace

void TextFingerprinter::add(QStringView text)
{
    const char16_t *data = reinterpret_cast<const char16_t *>(text.utf16());
    qsizetype left = text.size();
    m_size += left;
    while (left > 0) {
        const qsizetype take = std::min<qsizetype>(left, qsizetype(m_staged.size()) - m_stagedSize);
        std::transform(data, data + take, m_staged.begin() + m_stagedSize, asShown);
        m_stagedSize += take;
        data += take;
        left -= take;
        if (m_stagedSize == qsizetype(m_staged.size()))
            hashStaged();
    }
}

// The hash runs over whole pieces of a fixed size, so how the text was cut
// into parts makes no difference.
void TextFingerprinter::hashStaged()
{
    m_hash = qHashBits(m_staged.data(), std::size_t(m_stagedSize) * sizeof(char16_t), m_hash);
    m_stagedSize = 0;
}

TextFingerprint TextFingerprinter::result() const
{
    TextFingerprinter last = *this;
    if (last.m_stagedSize > 0)
        last.hashStaged();
    return {m_size, last.m_hash};
}

TextFingerprint fingerprintOf(QStringView text)
{
    TextFingerprinter fingerprinter;
    fingerprinter.add(text);
    return fingerprinter.result();
}
