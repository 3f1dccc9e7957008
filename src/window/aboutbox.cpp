// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/aboutbox.h"

#include "core/window/abouttext.h"
#include "core/window/apptitle.h"
#include "core/window/twips.h"
#include "window/uifonts.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView rightsNotice = u"© タグポットの作者たち\n"
                                     u"GPL 第3版以降の条件で再配布・改変できます。";
constexpr QStringView homePage = u"https://tagpot.example.org/";

} // namespace

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"frmAbout"_s);
    setWindowTitle(aboutCaption(appTitle));
    setModal(true);
    setWindowFlags((windowFlags() & ~Qt::WindowContextHelpButtonHint) | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twips(5730), twips(2385));
    setFont(designFont(9));

    auto *pic = new QLabel(this);
    pic->setObjectName(u"Pic"_s);
    pic->setGeometry(twipsRect(240, 240, 480, 480));
    pic->setPixmap(QIcon(u":/icons/tagpot.svg"_s).pixmap(32, 32));

    auto *title = new QLabel(appTitle.toString(), this);
    title->setObjectName(u"lblTitle"_s);
    title->setGeometry(twipsRect(1080, 240, 4410, 360));
    title->setFont(designFont(12, true));

    auto *version = new QLabel(versionLine(appVersion), this);
    version->setObjectName(u"lblVersion"_s);
    version->setGeometry(twipsRect(1080, 660, 4410, 300));
    version->setFont(designFont(9.75));

    auto *rights = new QLabel(rightsNotice.toString(), this);
    rights->setObjectName(u"lblRights"_s);
    rights->setGeometry(twipsRect(1080, 1020, 4410, 480));
    rights->setWordWrap(true);

    auto *address = new QLineEdit(homePage.toString(), this);
    address->setObjectName(u"Text1"_s);
    address->setGeometry(twipsRect(1080, 1620, 3150, 330));
    address->setReadOnly(true);

    auto *ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"cmdOK"_s);
    ok->setGeometry(twipsRect(4410, 1860, 1080, 375));
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void showAboutBox(QWidget *parent)
{
    AboutBox box(parent);
    box.exec();
}
