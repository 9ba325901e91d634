// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutFrm.h"

#include "app/ToolbarIcons.h"
#include "core/Version.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

AboutFrm::AboutFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutFrm"));
    setWindowTitle(tr("About Corvina"));

    auto *picture = new QLabel(this);
    picture->setPixmap(ToolbarIcons::icon(ToolbarIcons::Picture::Program).pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);

    auto *text = new QLabel(this);
    text->setObjectName(QStringLiteral("lblAbout"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    // One translatable text per paragraph; the markup stays out of the translations.
    const QString paragraphs[] = {
        tr("Finds the files that are the same on your disks and network shares, and helps you remove the copies "
           "you do not need."),
        tr("Corvina is free software: you may share and change it under the GNU General Public License, version 3 "
           "or (at your option) any later version. It comes with no warranty."),
        //: %1 is the Qt version Corvina was built with, %2 the one it runs on.
        tr("Built with Qt %1, running on Qt %2.").arg(QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion())),
        tr("Qt is used under the GNU Lesser General Public License, version 3. The end sound is played through "
           "libcanberra (GNU LGPL 2.1 or later); CRC32 checksums come from zlib (zlib licence) and block digests "
           "from xxHash (BSD 2-Clause licence)."),
        tr("Corvina sends nothing over the network."),
    };
    QString html =
        QStringLiteral("<h3>%1</h3>").arg(tr("Corvina v%1").arg(QLatin1String(CorvinaVersion)).toHtmlEscaped());
    for (const QString &paragraph : paragraphs)
        html += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
    text->setText(html);
    text->setMinimumWidth(360);

    auto *body = new QHBoxLayout;
    body->addWidget(picture);
    body->addWidget(text, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
}
