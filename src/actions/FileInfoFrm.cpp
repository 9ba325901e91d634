// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/FileInfoFrm.h"

#include "core/Prompter.h"
#include "platform/ReadOnlyFile.h"
#include "platform/SettingsStore.h"

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

int pixels(const SettingsStore &settings, const SettingKey &key)
{
    bool ok = false;
    const int twips = settings.value(key).toInt(&ok);
    return (ok ? twips : key.defaultText().toInt()) / kTwipsPerPixel;
}

void storeTwips(SettingsStore &settings, const SettingKey &key, int pixels)
{
    settings.setValue(key, QString::number(pixels * kTwipsPerPixel));
}

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

FileInfoFrm::FileInfoFrm(Prompter &prompter, SettingsStore &settings, QWidget *owner)
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
    setGeometry(pixels(m_settings, Settings::PicL), pixels(m_settings, Settings::PicT),
                pixels(m_settings, Settings::PicW), pixels(m_settings, Settings::PicH));
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
    storeTwips(m_settings, Settings::PicW, g.width());
    storeTwips(m_settings, Settings::PicH, g.height());
    storeTwips(m_settings, Settings::PicT, g.top());
    storeTwips(m_settings, Settings::PicL, g.left());
}

void FileInfoFrm::closeEvent(QCloseEvent *event)
{
    storePlacement();
    if (!m_closingForProgram &&
        m_prompter.confirm(tr("Confirm"), tr("Do you want to disable picture viewer?"), PromptIcon::Question))
    {
        m_settings.setValue(Settings::Display, QString::number(Settings::ViewerOff));
        Q_EMIT pictureViewerDisabled();
    }
    event->accept();
}
