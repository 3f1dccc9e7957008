// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/tablewizard.h"

#include "core/window/apptitle.h"
#include "editor/sourceeditor.h"
#include "color/getcolorcode.h"
#include "table/cellextrasdialog.h"
#include "core/table/tablecounts.h"
#include "table/tableextrasdialog.h"
#include "core/table/tablemarkup.h"
#include "table/tablewizarddialog.h"

#include "core/palette/insertion.h"
#include "core/table/tabledata.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>

namespace {

void showWarning(QWidget *parent, const QString &message)
{
    QMessageBox::warning(parent, appTitle.toString(), message);
}

QString countMessage(const CountError &error)
{
    const QString field = error.field == CountField::Rows ? QStringLiteral("行数") : QStringLiteral("列数");
    if (error.problem == CountError::NotANumber)
        return field + u"には数値を入力してください。";
    return field + u"が大きすぎます。表のセルの数（行数×列数）は "
         + QLocale(QLocale::Japanese, QLocale::Japan).toString(maxTableCells) + u" までです。";
}

} // namespace

TableWizard::TableWizard(QWidget *mainWindow, SourceEditor *source, CommonDialog *colorDialog)
    : QObject(mainWindow)
    , m_mainWindow(mainWindow)
    , m_source(source)
    , m_colorDialog(colorDialog)
    , m_message(&showWarning)
{
}

TableWizard::~TableWizard()
{
    unloadAll();
}

void TableWizard::setMessageHook(MessageHook hook)
{
    m_message = std::move(hook);
}

void TableWizard::show()
{
    if (!m_wizard) {
        m_wizard = new TableWizardDialog(m_mainWindow);
        connect(m_wizard, &TableWizardDialog::okClicked, this, &TableWizard::insertTable);
        connect(m_wizard, &TableWizardDialog::getColorClicked, this, &TableWizard::getColorCode);
        connect(m_wizard, &TableWizardDialog::tableExtrasClicked, this, &TableWizard::showTableExtras);
        connect(m_wizard, &TableWizardDialog::cellExtrasClicked, this, &TableWizard::showCellExtras);
        connect(m_wizard, &TableWizardDialog::pasteDataClicked, this, &TableWizard::pasteData);
    }
    if (QScreen *screen = m_mainWindow->screen())
        m_wizard->fitInto(screen->availableGeometry());
    const int result = m_wizard->exec();
    if (result == WizardDialog::Discarded) {
        delete m_wizard;
        return;
    }
    // OK has inserted the table by now; Cancel leaves the document alone.
    unloadAll();
    if (result == QDialog::Accepted)
        m_source->setFocus(Qt::OtherFocusReason);
}

TableExtrasDialog *TableWizard::tableExtras()
{
    if (!m_tableExtras)
        m_tableExtras = new TableExtrasDialog(m_mainWindow);
    return m_tableExtras;
}

CellExtrasDialog *TableWizard::cellExtras()
{
    if (!m_cellExtras)
        m_cellExtras = new CellExtrasDialog(m_mainWindow);
    return m_cellExtras;
}

void TableWizard::showTableExtras()
{
    runExtras(tableExtras());
}

void TableWizard::showCellExtras()
{
    runExtras(cellExtras());
}

void TableWizard::runExtras(WizardDialog *dialog)
{
    // "閉じる" (and Escape) only hide the dialog; its close box unloads it.
    if (dialog->exec() == WizardDialog::Discarded)
        delete dialog;
}

void TableWizard::insertTable()
{
    // A dialog the user never opened contributes its initial state.
    TableSettings settings;
    m_wizard->readInto(settings);
    tableExtras()->readInto(settings);
    cellExtras()->readInto(settings);

    const auto size = tableSize(settings.rows, settings.cols);
    if (const CountError *error = std::get_if<CountError>(&size)) {
        m_message(m_wizard, countMessage(*error));
        m_wizard->focusCount(error->field);
        return;
    }
    const TableSize counts = std::get<TableSize>(size);
    const QString markup = settings.data.rows.isEmpty() && !settings.headerRow
                               ? tableMarkup(settings, counts)
                               : tableMarkupWithData(settings, counts, settings.data, settings.headerRow);
    const MarkupStyle style = storedInsertOptions().style;
    m_source->setSelText(style == MarkupStyle::Designed ? markup : styledMarkup(style, markup, {}));
    m_wizard->accept();
}

void TableWizard::pasteData()
{
    const TableData data = parseTableData(QGuiApplication::clipboard()->text());
    if (data.rows.isEmpty() || data.cols == 0) {
        m_message(m_wizard, QStringLiteral("クリップボードに表のデータ（タブ区切りまたは CSV の文字列）がありません。"));
        return;
    }
    const auto size = tableSize(QString::number(data.rows.size()), QString::number(data.cols));
    if (const CountError *error = std::get_if<CountError>(&size)) {
        m_message(m_wizard, countMessage(*error));
        return;
    }
    m_wizard->setData(data);
}

void TableWizard::getColorCode()
{
    GetColorCode(*m_colorDialog);
}

void TableWizard::unloadAll()
{
    delete m_wizard;
    delete m_tableExtras;
    delete m_cellExtras;
}
