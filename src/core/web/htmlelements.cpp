// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/web/htmlelements.h"

#include <algorithm>

namespace WebData {

namespace {

bool lessByName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

template <typename Row>
const Row *findByName(std::span<const Row> rows, QStringView name)
{
    const auto at = std::lower_bound(rows.begin(), rows.end(), name,
                                     [](const Row &row, QStringView wanted) { return lessByName(row.name, wanted); });
    if (at == rows.end() || at->name.compare(name, Qt::CaseInsensitive) != 0)
        return nullptr;
    return &*at;
}

constexpr AttributeInfo dataAttribute{.name = u"data-*", .explanation = u"スクリプトや CSS から使う独自のデータ（data- に続けて名前を付ける）"};

} // namespace

std::span<const ElementInfo> elements()
{
    return Generated::elements();
}

std::span<const AttributeInfo> globalAttributes()
{
    return Generated::globalAttributes();
}

std::span<const DataSource> sources()
{
    return Generated::sources();
}

const ElementInfo *findElement(QStringView name)
{
    return findByName(elements(), name);
}

const AttributeInfo *findAttribute(QStringView element, QStringView attribute)
{
    const ElementInfo *info = findElement(element);
    if (!info)
        return nullptr;
    if (const AttributeInfo *own = findByName(info->attributes, attribute))
        return own;
    if (const AttributeInfo *global = findByName(globalAttributes(), attribute))
        return global;
    if (attribute.size() > 5 && attribute.startsWith(u"data-", Qt::CaseInsensitive))
        return &dataAttribute;
    return nullptr;
}

bool isCustomElementName(QStringView name)
{
    return !name.isEmpty() && name.front() >= u'a' && name.front() <= u'z' && name.contains(u'-');
}

} // namespace WebData
