// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/FileInfoFrm.h"

#include "core/Prompter.h"
#include "platform/ReadOnlyFile.h"
#include "platform/Settings.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QStatusBar>
#include <QVBoxLayout>

namespace
{
constexpr int kTwipsPerPixel = 15;
constexpr qint64 kLargestPicture = 512LL * 1024 * 1024;

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
} // namespace

FileInfoFrm::FileInfoFrm(Prompter &prompter, Settings &settings, QWidget *owner)
    : QWidget(owner, Qt::Tool), picture(new QLabel(this)), statusBar(new QStatusBar(this)), m_prompter(prompter),
      m_settings(settings), m_panel(new QLabel(this))
{
    setObjectName(QStringLiteral("FileInfoFrm"));
    setWindowTitle(tr("Picture Viewer"));
    picture->setObjectName(QStringLiteral("pic"));
    picture->setScaledContents(true);
    picture->setMinimumSize(1, 1);
    picture->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    statusBar->setObjectName(QStringLiteral("Stbar"));
    statusBar->setSizeGripEnabled(false);
    m_panel->setTextFormat(Qt::PlainText);
    statusBar->addWidget(m_panel, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(picture, 1);
    layout->addWidget(statusBar);
    setGeometry(m_settings.viewerLeft() / kTwipsPerPixel, m_settings.viewerTop() / kTwipsPerPixel,
                m_settings.viewerWidth() / kTwipsPerPixel, m_settings.viewerHeight() / kTwipsPerPixel);
}

void FileInfoFrm::loadPicture(const QString &fileName)
{
    m_panel->setText(fileName.mid(fileName.lastIndexOf(u'/') + 1));
    QByteArray data = readPicture(fileName);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QImage image = reader.read();
    if (!image.isNull())
        picture->setPixmap(QPixmap::fromImage(image));
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
