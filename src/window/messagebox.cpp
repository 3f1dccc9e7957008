// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/messagebox.h"

#include "core/window/apptitle.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

int askChoice(QWidget *parent, QMessageBox::Icon icon, const QString &text, std::initializer_list<ChoiceButton> buttons,
              int defaultIndex, int escapeIndex)
{
    QMessageBox box(icon, appTitle.toString(), text, QMessageBox::NoButton, parent);
    QList<QPushButton *> added;
    for (const ChoiceButton &button : buttons)
        added << box.addButton(button.caption, button.role);
    box.setDefaultButton(added.at(defaultIndex));
    box.setEscapeButton(added.at(escapeIndex));
    box.exec();
    const qsizetype pressed = added.indexOf(box.clickedButton());
    return pressed < 0 ? escapeIndex : int(pressed);
}

void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    askChoice(parent, icon, text, {{u"OK"_s, QMessageBox::AcceptRole}}, 0, 0);
}

QList<int> askChoiceForEach(QWidget *parent, const QString &text, const QStringList &items, const QStringList &choices,
                            const QList<int> &defaults, int exclusive, int fallback)
{
    QDialog dialog(parent);
    dialog.setObjectName(u"choiceForEach"_s);
    dialog.setWindowTitle(appTitle.toString());
    auto *layout = new QVBoxLayout(&dialog);
    auto *question = new QLabel(text, &dialog);
    question->setWordWrap(true);
    layout->addWidget(question);
    auto *table = new QTableWidget(int(items.size()), 2, &dialog);
    table->setObjectName(u"choiceItems"_s);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(true);
    QList<QComboBox *> boxes;
    for (int row = 0; row < items.size(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(items[row]));
        auto *box = new QComboBox(table);
        box->setObjectName(u"choice%1"_s.arg(row));
        box->addItems(choices);
        box->setCurrentIndex(defaults.value(row, 0));
        table->setCellWidget(row, 1, box);
        boxes << box;
    }
    for (QComboBox *box : std::as_const(boxes)) {
        QObject::connect(box, &QComboBox::currentIndexChanged, &dialog, [box, boxes, exclusive, fallback](int index) {
            if (index != exclusive)
                return;
            for (QComboBox *other : boxes) {
                if (other != box && other->currentIndex() == exclusive)
                    other->setCurrentIndex(fallback);
            }
        });
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setMinimumWidth(std::min(900, table->horizontalHeader()->length() + 24));
    // As tall as its rows, up to about ten of them.
    const int rows = table->verticalHeader()->length() + 2 * table->frameWidth();
    table->setFixedHeight(std::min(rows, 10 * table->verticalHeader()->defaultSectionSize() * 2));
    layout->addWidget(table);
    auto *buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(u"OK"_s, QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(u"キャンセル"_s, QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    QList<int> chosen;
    for (const QComboBox *box : std::as_const(boxes))
        chosen << box->currentIndex();
    return chosen;
}
