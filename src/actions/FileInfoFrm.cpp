// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/FileInfoFrm.h"

#include "core/Prompter.h"
#include "platform/ReadOnlyFile.h"
#include "platform/Settings.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace
{
constexpr int kTwipsPerPixel = 15;
constexpr qint64 kLargestPicture = 512LL * 1024 * 1024;
// The smallest viewer that shows a picture beside its group's first, in pixels.
constexpr int kPairWidth = 640;
constexpr int kPairHeight = 360;

// The file's bytes, read under its exact name.
QByteArray readPicture(const QString &path)
{
    ReadOnlyFile file;
    if (!file.open(path) || file.size() > kLargestPicture)
        return {};
    QByteArray data(file.size(), Qt::Uninitialized);
    if (file.readAt(data.data(), data.size(), 0) != data.size())
        return {};
    return data;
}

// Shows the file's picture in label; a file that cannot be read as one leaves the label as it was.
void showPicture(QLabel *label, const QString &path)
{
    QByteArray data = readPicture(path);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QImage image = reader.read();
    if (!image.isNull())
        label->setPixmap(QPixmap::fromImage(image));
}

QLabel *pictureLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setScaledContents(true);
    label->setMinimumSize(1, 1);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return label;
}

QLabel *captionLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->hide();
    return label;
}
} // namespace

FileInfoFrm::FileInfoFrm(Prompter &prompter, Settings &settings, QWidget *owner)
    : QWidget(owner, Qt::Tool), picture(pictureLabel(this, "pic")), caption(captionLabel(this, "lblCaption")),
      firstPicture(pictureLabel(this, "picFirst")), firstCaption(captionLabel(this, "lblFirstCaption")),
      statusBar(new QStatusBar(this)), m_prompter(prompter), m_settings(settings), m_panel(new QLabel(this))
{
    setObjectName(QStringLiteral("FileInfoFrm"));
    setWindowTitle(tr("Picture Viewer"));
    firstPicture->hide();
    statusBar->setObjectName(QStringLiteral("Stbar"));
    statusBar->setSizeGripEnabled(false);
    m_panel->setTextFormat(Qt::PlainText);
    statusBar->addWidget(m_panel, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *pictures = new QGridLayout;
    pictures->setContentsMargins(0, 0, 0, 0);
    pictures->addWidget(picture, 0, 0);
    pictures->addWidget(firstPicture, 0, 1);
    pictures->addWidget(caption, 1, 0);
    pictures->addWidget(firstCaption, 1, 1);
    pictures->setRowStretch(0, 1);
    layout->addLayout(pictures, 1);
    layout->addWidget(statusBar);
    setGeometry(m_settings.viewerLeft() / kTwipsPerPixel, m_settings.viewerTop() / kTwipsPerPixel,
                m_settings.viewerWidth() / kTwipsPerPixel, m_settings.viewerHeight() / kTwipsPerPixel);
}

void FileInfoFrm::loadPicture(const QString &fileName)
{
    m_panel->setText(fileName.mid(fileName.lastIndexOf(u'/') + 1));
    showPicture(picture, fileName);
    for (QWidget *w : {caption, firstPicture, firstCaption})
        w->hide();
}

void FileInfoFrm::loadPair(const PicturePreview::Pair &pair)
{
    const QString &path = pair.selected.path;
    m_panel->setText(path.mid(path.lastIndexOf(u'/') + 1));
    showPicture(picture, path);
    caption->setText(pair.selected.caption);
    caption->show();
    if (pair.first)
    {
        showPicture(firstPicture, pair.first->path);
        firstCaption->setText(pair.first->caption);
    }
    firstPicture->setVisible(pair.first.has_value());
    firstCaption->setVisible(pair.first.has_value());
    // The remembered size is often that of one small picture; two side by side need room to be
    // told apart.
    if (pair.first)
        resize(std::max(width(), kPairWidth), std::max(height(), kPairHeight));
}

QString FileInfoFrm::panelText() const
{
    return m_panel->text();
}

void FileInfoFrm::unload()
{
    m_closingForProgram = true;
    close();
    m_closingForProgram = false;
}

void FileInfoFrm::storePlacement()
{
    const QRect g = geometry();
    m_settings.setViewerWidth(g.width() * kTwipsPerPixel);
    m_settings.setViewerHeight(g.height() * kTwipsPerPixel);
    m_settings.setViewerTop(g.top() * kTwipsPerPixel);
    m_settings.setViewerLeft(g.left() * kTwipsPerPixel);
}

void FileInfoFrm::closeEvent(QCloseEvent *event)
{
    storePlacement();
    if (!m_closingForProgram &&
        m_prompter.confirm(tr("Confirm"), tr("Do you want to disable picture viewer?"), PromptIcon::Question))
        m_settings.setShowViewer(false);
    event->accept();
}
