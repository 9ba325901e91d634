// SPDX-License-Identifier: GPL-3.0-or-later
#include "Shooter.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPixmap>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

namespace
{
// How long a command may take to open its window, generously for a loaded machine.
constexpr int kModalWaitMs = 20000;
} // namespace

Shooter::Shooter(const QString &folder) : m_folder(folder) {}

void Shooter::settle(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool Shooter::save(QWidget *window, const QString &name)
{
    settle();
    if (!window || !window->isVisible())
    {
        m_failures << name + QStringLiteral(" (window not showing)");
        return false;
    }
    const QString path = m_folder + u'/' + name + QStringLiteral(".png");
    QImageWriter writer(path, "png");
    writer.setQuality(0); // the PNG writer's strongest compression
    if (!writer.write(compact(framed(window))))
    {
        m_failures << name + QStringLiteral(" (") + writer.errorString() + u')';
        return false;
    }
    m_written << path;
    return true;
}

bool Shooter::modalOf(const QMetaObject &type, const QString &what, const std::function<void()> &trigger,
                      const std::function<void(QWidget *)> &shoot)
{
    bool seen = false;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && modal->metaObject()->inherits(&type))
        {
            poll.stop();
            seen = true;
            shoot(modal);
            // The command is still inside the window's exec(), so the window is alive here.
            if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && dialog->isVisible())
                dialog->reject();
            return;
        }
        if (clock.elapsed() > kModalWaitMs)
        {
            poll.stop();
            // Something else holds the command (an unexpected window): let it go.
            if (auto *other = qobject_cast<QDialog *>(modal))
                other->reject();
        }
    });
    poll.start();
    trigger();
    poll.stop();
    if (!seen)
        m_failures << what + QStringLiteral(" (no window opened)");
    return seen;
}

QImage Shooter::framed(QWidget *window)
{
    const QImage content = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (window->windowType() == Qt::Popup)
        return content;

    QFont font = window->font();
    font.setBold(true);
    const int bar = QFontMetrics(font).height() + 10;
    QImage out(content.width() + 2, content.height() + bar + 1, QImage::Format_RGB32);
    QPainter p(&out);
    p.fillRect(out.rect(), QColor(0x50, 0x54, 0x5a));
    p.fillRect(QRect(1, 1, content.width(), bar - 1), QColor(0x3a, 0x3e, 0x45));
    const QPixmap icon = window->windowIcon().pixmap(16, 16);
    int textLeft = 9;
    if (!icon.isNull())
    {
        p.drawPixmap(8, (bar - 16) / 2, icon);
        textLeft = 30;
    }
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(textLeft, 0, content.width() - textLeft - 8, bar), Qt::AlignVCenter | Qt::AlignLeft,
               window->windowTitle());
    p.drawImage(1, bar, content);
    return out;
}

QImage Shooter::compact(const QImage &image)
{
    QHash<QRgb, qsizetype> counts;
    for (int y = 0; y < image.height(); ++y)
    {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++counts[line[x]];
    }
    std::vector<std::pair<qsizetype, QRgb>> byCount;
    byCount.reserve(static_cast<size_t>(counts.size()));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.emplace_back(it.value(), it.key());
    std::sort(byCount.begin(), byCount.end(), std::greater<>());

    // A window is mostly a few flat colours and the shades of its text: those take the first
    // entries. The rest go to the colours least like any entry yet, weighted by how often they
    // occur, so that a small red or green icon keeps its hue.
    constexpr size_t kTable = 256;
    constexpr size_t kCommon = 192;
    QList<QRgb> table;
    for (size_t i = 0; i < std::min(byCount.size(), kCommon); ++i)
        table << byCount[i].second;
    auto distance = [](QRgb a, QRgb b) {
        const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
        return static_cast<qint64>(r * r + g * g + bl * bl);
    };
    std::vector<qint64> nearest(byCount.size(), 0);
    for (size_t i = kCommon; i < byCount.size(); ++i)
    {
        nearest[i] = std::numeric_limits<qint64>::max();
        for (QRgb entry : table)
            nearest[i] = std::min(nearest[i], distance(byCount[i].second, entry));
    }
    while (static_cast<size_t>(table.size()) < std::min(byCount.size(), kTable))
    {
        size_t best = kCommon;
        for (size_t i = kCommon; i < byCount.size(); ++i)
        {
            if (nearest[i] * byCount[i].first > nearest[best] * byCount[best].first)
                best = i;
        }
        const QRgb chosen = byCount[best].second;
        table << chosen;
        for (size_t i = kCommon; i < byCount.size(); ++i)
            nearest[i] = std::min(nearest[i], distance(byCount[i].second, chosen));
    }
    return image.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
}
