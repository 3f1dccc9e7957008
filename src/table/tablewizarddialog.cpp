// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/tablewizarddialog.h"

#include "table/attributegroup.h"
#include "core/table/tablecounts.h"
#include "core/table/tablemarkup.h"
#include "core/window/dialogfit.h"
#include "table/updown.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// Colour boxes hold the six hexadecimal digits of a colour code.
constexpr int colorLength = 6;

// The spin controls' range; a typed count may go beyond it.
constexpr int fewestCount = 1;
constexpr int mostCount = 999;
constexpr int startCount = 2;

QGroupBox *frame(const char *name, const QString &caption, QWidget *parent)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1StringView(name));
    return box;
}

QPushButton *button(const char *name, const QString &caption, QWidget *parent)
{
    auto *push = new QPushButton(caption, parent);
    push->setObjectName(QLatin1StringView(name));
    return push;
}

QLineEdit *countBox(const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1StringView(name));
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(u'0') * 8);
    return box;
}

UpDown *upDown(const char *name, QLineEdit *buddy, QWidget *parent)
{
    auto *spin = new UpDown(buddy, fewestCount, mostCount, startCount, parent);
    spin->setObjectName(QLatin1StringView(name));
    return spin;
}

} // namespace

TableWizardDialog::TableWizardDialog(QWidget *parent)
    : WizardDialog(parent)
{
    setObjectName(QStringLiteral("frmTable1"));
    setWindowTitle(wizardTitle());

    m_data = std::make_unique<TableData>();

    // The settings scroll on a screen too small for the dialog; the buttons
    // below them never do. Where the dialog fits, the scroll area is exactly
    // the size of the settings and nothing looks different.
    m_settings = new QWidget;
    m_settings->setObjectName(QStringLiteral("wizardSettings"));
    auto *settings = new QVBoxLayout(m_settings);
    settings->setContentsMargins(0, 0, 0, 0);
    settings->addWidget(createSize());
    settings->addWidget(createTableFrame());
    settings->addWidget(createRowFrame());
    settings->addWidget(createCellFrame());

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("wizardScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(m_settings);
    m_scroll->setMinimumSize(m_settings->sizeHint());

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_scroll);
    layout->addLayout(createButtons());
}

TableWizardDialog::~TableWizardDialog() = default;

QWidget *TableWizardDialog::createPasteData()
{
    auto *row = new QWidget;
    QPushButton *paste = button("cmdPasteData", QStringLiteral("データから作成"), row);
    paste->setToolTip(QStringLiteral("表計算ソフトからコピーした範囲（タブ区切り）や CSV をクリップボードから読み、"
                                     "行数・列数と各セルの文字列にします。"));
    connect(paste, &QPushButton::clicked, this, &TableWizardDialog::pasteDataClicked);
    m_headerRow = new QCheckBox(QStringLiteral("1行目を見出しセル（TH）にする"), row);
    m_headerRow->setObjectName(QStringLiteral("chkHeaderRow"));
    m_dataSize = new QLabel(row);
    m_dataSize->setObjectName(QStringLiteral("lblPasteData"));

    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(paste);
    layout->addWidget(m_headerRow);
    layout->addWidget(m_dataSize);
    layout->addStretch();
    return row;
}

void TableWizardDialog::setData(const TableData &data)
{
    *m_data = data;
    m_rows->setText(QString::number(data.rows.size()));
    m_cols->setText(QString::number(data.cols));
    m_dataSize->setText(QStringLiteral("%1行×%2列").arg(data.rows.size()).arg(data.cols));
}

void TableWizardDialog::fitInto(const QRect &available)
{
    // Before the window is shown its frame is unknown: allow for a title bar.
    QMargins frame = frameGeometry().isValid() && frameGeometry() != geometry() && isVisible()
                         ? QMargins(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                                    frameGeometry().right() - geometry().right(),
                                    frameGeometry().bottom() - geometry().bottom())
                         : QMargins(8, 32, 8, 8);
    m_scroll->setMinimumSize(m_settings->sizeHint());
    QSize wanted = sizeHint();
    DialogFit fit = fitDialog(wanted, available, frame);
    if (!fit.shrunk)
        return;
    // Scrolling down needs room for the scroll bar beside the settings.
    if (fit.geometry.height() < wanted.height()) {
        wanted.rwidth() += m_scroll->verticalScrollBar()->sizeHint().width();
        fit = fitDialog(wanted, available, frame);
    }
    // The settings keep their designed layout and scroll, rather than squeeze.
    m_settings->setMinimumSize(m_settings->sizeHint());
    m_scroll->setMinimumSize(0, 0);
    setGeometry(fit.geometry);
}

AttributeGroup *TableWizardDialog::group(const char *frameName, const QString &caption, const char *check)
{
    return new AttributeGroup(QLatin1StringView(frameName), caption, QLatin1StringView(check), this);
}

QWidget *TableWizardDialog::createSize()
{
    auto *size = new QWidget(this);

    QGroupBox *rows = frame("fmeRows", QString(), size);
    auto *rowsLabel = new QLabel(QStringLiteral("行："), rows);
    rowsLabel->setObjectName(QStringLiteral("lblRows"));
    m_rows = countBox("txtRows", rows);
    m_rowsUpDown = upDown("udRows", m_rows, rows);
    rowsLabel->setBuddy(m_rows);
    auto *rowsLayout = new QHBoxLayout(rows);
    rowsLayout->addWidget(rowsLabel);
    rowsLayout->addWidget(m_rows);
    rowsLayout->addWidget(m_rowsUpDown);

    QGroupBox *cols = frame("fmeCols", QString(), size);
    auto *colsLabel = new QLabel(QStringLiteral("列："), cols);
    colsLabel->setObjectName(QStringLiteral("lblCols"));
    QGroupBox *colsInner = frame("fmeCols2", QString(), cols);
    m_cols = countBox("txtCols", colsInner);
    m_colsUpDown = upDown("udCols", m_cols, colsInner);
    colsLabel->setBuddy(m_cols);
    auto *innerLayout = new QHBoxLayout(colsInner);
    innerLayout->addWidget(m_cols);
    innerLayout->addWidget(m_colsUpDown);
    auto *colsLayout = new QHBoxLayout(cols);
    colsLayout->addWidget(colsLabel);
    colsLayout->addWidget(colsInner);

    auto *layout = new QHBoxLayout(size);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(rows);
    layout->addWidget(cols);
    layout->addStretch();
    // Beside the counts, where the designed dialog has room to spare.
    layout->addWidget(createPasteData());
    return size;
}

QWidget *TableWizardDialog::createTableFrame()
{
    QGroupBox *table = frame("fmeTable", QStringLiteral("テーブルの属性"), this);

    m_tableWidth = group("fmeTWidht", QStringLiteral("幅"), "chkTWidth");
    m_tableWidth->addLabel(QStringLiteral("lblTWcaption"), QStringLiteral("設定値："));
    m_tableWidth->addTextBox(QStringLiteral("txtTWidth"));
    m_tableWidth->addUnitBox(QStringLiteral("comTWidth"));

    m_tableHeight = group("fmeTHeight", QStringLiteral("高さ"), "chkTHeight");
    m_tableHeight->addLabel(QStringLiteral("lblTHcaption"), QStringLiteral("設定値："));
    m_tableHeight->addTextBox(QStringLiteral("txtTHeight"));
    m_tableHeight->addUnitBox(QStringLiteral("comTHeight"));

    m_tableAlign = group("fmeTAlign", QStringLiteral("テキストに対する位置"), "chkTAlign");
    m_tableAlign->addChoiceBox(QStringLiteral("comTAlign"), tableAlignments);

    m_tableBgcolor = group("fmeTBgcolor", QStringLiteral("背景色（16進RGB）"), "chkTBgcolor");
    m_tableBgcolor->addTextBox(QStringLiteral("txtTBgcolor"), colorLength);

    m_tableBackground = group("fmeTBackground", QStringLiteral("背景画像"), "chkTBackground");
    m_tableBackground->addTextBox(QStringLiteral("txtTBackground"));

    m_tableBorderColor = group("fmeTBorderColor", QStringLiteral("境界線の色（16進RGB）"), "chkTBorderColor");
    m_tableBorderColor->addTextBox(QStringLiteral("txtTBorderColor"), colorLength);

    QPushButton *extras = button("cmdKakutyou", QStringLiteral("拡張設定"), table);
    connect(extras, &QPushButton::clicked, this, &TableWizardDialog::tableExtrasClicked);

    auto *layout = new QGridLayout(table);
    layout->addWidget(m_tableWidth, 0, 0);
    layout->addWidget(m_tableHeight, 0, 1);
    layout->addWidget(m_tableAlign, 1, 0);
    layout->addWidget(m_tableBgcolor, 1, 1);
    layout->addWidget(m_tableBackground, 2, 0);
    layout->addWidget(m_tableBorderColor, 2, 1);
    layout->addWidget(extras, 3, 1, Qt::AlignRight);
    return table;
}

QWidget *TableWizardDialog::createRowFrame()
{
    QGroupBox *row = frame("fmeTR", QStringLiteral("行の属性"), this);

    m_rowAlign = group("fmeRAlign", QStringLiteral("テキスト位置（左右）"), "chkRAlign");
    m_rowAlign->addChoiceBox(QStringLiteral("comRAlign"), positions);

    m_rowValign = group("fmeRValign", QStringLiteral("テキスト位置（上下）"), "chkRValign");
    m_rowValign->addChoiceBox(QStringLiteral("comRValign"), verticalAlignments);

    m_rowBackground = group("fmeRBackground", QStringLiteral("背景画像"), "chkRBackground");
    m_rowBackground->addTextBox(QStringLiteral("txtRBackground"));

    m_rowBgcolor = group("fmeRBgcolo", QStringLiteral("背景色（16進RGB）"), "chkRBgcolor");
    m_rowBgcolor->addTextBox(QStringLiteral("txtRBgcolor"), colorLength);

    auto *layout = new QGridLayout(row);
    layout->addWidget(m_rowAlign, 0, 0);
    layout->addWidget(m_rowValign, 0, 1);
    layout->addWidget(m_rowBackground, 1, 0);
    layout->addWidget(m_rowBgcolor, 1, 1);
    return row;
}

QWidget *TableWizardDialog::createCellFrame()
{
    QGroupBox *cell = frame("fmeCell", QStringLiteral("セルの属性"), this);

    m_cellWidth = group("fmeCWidth", QStringLiteral("幅"), "chkCWidth");
    m_cellWidth->addLabel(QStringLiteral("Label1"), QStringLiteral("設定値："));
    m_cellWidth->addTextBox(QStringLiteral("txtCWidth"));
    m_cellWidth->addUnitBox(QStringLiteral("comCWidth"));

    m_cellHeight = group("fmeCHeight", QStringLiteral("高さ"), "chkCHeight");
    m_cellHeight->addLabel(QStringLiteral("Label2"), QStringLiteral("設定値："));
    m_cellHeight->addTextBox(QStringLiteral("txtCHeight"));
    m_cellHeight->addUnitBox(QStringLiteral("comCHeight"));

    m_cellAlign = group("fmeCAlign", QStringLiteral("テキスト位置（左右）"), "chkCAlign");
    m_cellAlign->addChoiceBox(QStringLiteral("comCAlign"), positions);

    m_cellValign = group("fmeCValign", QStringLiteral("テキスト位置（上下）"), "chkCValign");
    m_cellValign->addChoiceBox(QStringLiteral("comCValign"), verticalAlignments);

    m_cellBgcolor = group("fmeCBgcolor", QStringLiteral("背景色（16進RGB）"), "chkCBgcolor");
    m_cellBgcolor->addTextBox(QStringLiteral("txtCBgcolor"), colorLength);

    QPushButton *extras = button("Command1", QStringLiteral("拡張設定"), cell);
    connect(extras, &QPushButton::clicked, this, &TableWizardDialog::cellExtrasClicked);

    auto *layout = new QGridLayout(cell);
    layout->addWidget(m_cellWidth, 0, 0);
    layout->addWidget(m_cellHeight, 0, 1);
    layout->addWidget(m_cellAlign, 1, 0);
    layout->addWidget(m_cellValign, 1, 1);
    layout->addWidget(m_cellBgcolor, 2, 0);
    layout->addWidget(extras, 2, 1, Qt::AlignRight | Qt::AlignBottom);
    return cell;
}

QLayout *TableWizardDialog::createButtons()
{
    QPushButton *ok = button("cmdOK", QStringLiteral("Ｏ Ｋ"), this);
    QPushButton *cancel = button("cmdCancel", QStringLiteral("キャンセル"), this);
    QPushButton *getColor = button("cmdGetColor", QStringLiteral("色取得"), this);
    // Enter in a field means OK, not the first button on the way.
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TableWizardDialog::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(getColor, &QPushButton::clicked, this, &TableWizardDialog::getColorClicked);

    auto *layout = new QHBoxLayout;
    layout->addWidget(getColor);
    layout->addStretch();
    layout->addWidget(ok);
    layout->addWidget(cancel);
    return layout;
}

void TableWizardDialog::readInto(TableSettings &s) const
{
    s.rows = m_rows->text();
    s.cols = m_cols->text();

    s.tableWidth = m_tableWidth->lengthSetting();
    s.tableHeight = m_tableHeight->lengthSetting();
    s.tableAlign = m_tableAlign->choiceSetting();
    s.tableBgcolor = m_tableBgcolor->textSetting();
    s.tableBackground = m_tableBackground->textSetting();
    s.tableBorderColor = m_tableBorderColor->textSetting();

    s.rowAlign = m_rowAlign->choiceSetting();
    s.rowValign = m_rowValign->choiceSetting();
    s.rowBackground = m_rowBackground->textSetting();
    s.rowBgcolor = m_rowBgcolor->textSetting();

    s.cellWidth = m_cellWidth->lengthSetting();
    s.cellHeight = m_cellHeight->lengthSetting();
    s.cellAlign = m_cellAlign->choiceSetting();
    s.cellValign = m_cellValign->choiceSetting();
    s.cellBgcolor = m_cellBgcolor->textSetting();

    s.data = *m_data;
    s.headerRow = m_headerRow->isChecked();
}

void TableWizardDialog::focusCount(CountField field)
{
    QLineEdit *box = field == CountField::Rows ? m_rows : m_cols;
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}
