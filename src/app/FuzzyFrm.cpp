// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FuzzyFrm.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
// Two files drawn as rows of blocks; one block differs.
QPixmap examplePicture(const QString &fileA, const QString &fileB)
{
    const int block = 22;
    const int blocks = 10;
    QPixmap pixmap(blocks * block + 90, 2 * block + 30);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    for (int file = 0; file < 2; ++file)
    {
        const int y = 8 + file * (block + 14);
        p.setPen(Qt::black);
        p.drawText(QRect(4, y, 80, block), Qt::AlignVCenter, file == 0 ? fileA : fileB);
        for (int b = 0; b < blocks; ++b)
        {
            const bool differs = file == 1 && b == 6;
            p.setBrush(differs ? QColor(230, 80, 60) : QColor(120, 170, 230));
            p.drawRect(80 + b * block, y, block - 3, block);
        }
    }
    return pixmap;
}
} // namespace

FuzzyFrm::FuzzyFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FuzzyFrm"));
    setWindowTitle(tr("Fuzzy  match"));
    auto *explanation =
        new QLabel(tr("Fuzzy match tolerate files with little difference. File transmission errors over network can "
                      "be ignored in this mode. Files downloaded by P2P program e.g. eMule/Kazaa may contain this "
                      "kind of files. (see example below)"),
                   this);
    explanation->setObjectName(QStringLiteral("Label1"));
    explanation->setWordWrap(true);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    //: The names of the two example files in the picture.
    picture->setPixmap(examplePicture(tr("File A"), tr("File B")));
    picture->setAlignment(Qt::AlignCenter);
    auto *exampleNote =
        new QLabel(tr("File A is identical to file B though there is little difference between them."), this);
    exampleNote->setObjectName(QStringLiteral("Label2"));
    exampleNote->setWordWrap(true);
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(picture);
    layout->addWidget(exampleNote);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setMinimumWidth(420);
}
