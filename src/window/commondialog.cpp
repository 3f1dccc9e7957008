// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/commondialog.h"

#include "core/document/filefilter.h"
#include "core/settings/settingkeys.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>

namespace {

// Qt's own dialogs, never the desktop's native ones: they behave the same
// everywhere and can be driven by the program's own tests.
class QtDialogs : public CommonDialog::Backend
{
public:
    std::optional<QString> openFile(QWidget *parent, const QString &fileName, const QStringList &nameFilters) override
    {
        return runFileDialog(parent, QFileDialog::AcceptOpen, fileName, nameFilters);
    }

    std::optional<QString> saveFile(QWidget *parent, const QString &fileName, const QStringList &nameFilters) override
    {
        return runFileDialog(parent, QFileDialog::AcceptSave, fileName, nameFilters);
    }

    std::optional<CommonDialog::Font> font(QWidget *parent, const CommonDialog::Font &initial) override
    {
        QFont start(initial.name);
        if (initial.size > 0)
            start.setPointSizeF(initial.size);
        // A family this system lacks, such as the design font, opens on the face drawn in its place.
        if (!QFontDatabase::hasFamily(initial.name))
            start.setFamily(QFontInfo(start).family());
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, start, parent, QString(), QFontDialog::DontUseNativeDialog);
        if (!ok)
            return std::nullopt;
        return CommonDialog::Font{chosen.family(), chosen.pointSizeF()};
    }

    std::optional<QColor> color(QWidget *parent, const QColor &initial) override
    {
        const QColor chosen = QColorDialog::getColor(initial, parent, QString(), QColorDialog::DontUseNativeDialog);
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    }

private:
    static std::optional<QString> runFileDialog(QWidget *parent, QFileDialog::AcceptMode mode, const QString &fileName,
                                                const QStringList &nameFilters)
    {
        QFileDialog dialog(parent);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        // The descriptions carry their patterns already, as the program's filter writes them.
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setNameFilters(nameFilters);
        if (!nameFilters.isEmpty())
            dialog.selectNameFilter(nameFilters.first());
        if (!fileName.isEmpty()) {
            dialog.selectFile(fileName);
        } else {
            // Without a name to offer, the dialog starts where the last one ended.
            const QString folder = Settings::fileDialogFolder.value();
            if (!folder.isEmpty() && QFileInfo(folder).isDir())
                dialog.setDirectory(folder);
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const QString chosen = dialog.selectedFiles().first();
        Settings::fileDialogFolder.setValue(QFileInfo(chosen).absolutePath());
        return chosen;
    }
};

QColor fromBgr(quint32 color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

quint32 toBgr(const QColor &color)
{
    return quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
}

} // namespace

CommonDialog::CommonDialog(QWidget *owner)
    : QObject(owner)
    , m_backend(std::make_unique<QtDialogs>())
{
}

CommonDialog::~CommonDialog() = default;

QWidget *CommonDialog::owner() const
{
    return qobject_cast<QWidget *>(parent());
}

bool CommonDialog::showOpen()
{
    const auto chosen = m_backend->openFile(owner(), m_fileName, nameFiltersFrom(m_filter));
    if (!chosen)
        return false;
    m_fileName = *chosen;
    return true;
}

bool CommonDialog::showSave()
{
    const auto chosen = m_backend->saveFile(owner(), m_fileName, nameFiltersFrom(m_filter));
    if (!chosen)
        return false;
    m_fileName = *chosen;
    return true;
}

bool CommonDialog::showFont()
{
    const auto chosen = m_backend->font(owner(), m_font);
    if (!chosen)
        return false;
    m_font = *chosen;
    return true;
}

bool CommonDialog::showColor()
{
    const auto chosen = m_backend->color(owner(), fromBgr(m_color));
    if (!chosen)
        return false;
    m_color = toBgr(*chosen);
    return true;
}

void CommonDialog::setBackend(std::unique_ptr<Backend> backend)
{
    m_backend = std::move(backend);
}
