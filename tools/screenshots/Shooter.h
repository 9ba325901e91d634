// SPDX-License-Identifier: GPL-3.0-or-later
// Saves pictures of Corvina's windows: each window as it draws itself, under a plain title bar
// that carries its caption (a virtual X server has no window manager to draw one).
#pragma once

#include <QMetaObject>
#include <QString>
#include <QStringList>

#include <functional>

class QImage;
class QWidget;

class Shooter
{
public:
    /// Pictures go to folder as <name>.png.
    explicit Shooter(const QString &folder);

    /// Lets the window settle, then writes its picture. False (noted in failures()) when it
    /// could not.
    bool save(QWidget *window, const QString &name);

    /// Runs trigger, which opens a modal window of type T. Once that window shows, shoot runs on
    /// it: it takes the pictures and closes the window (a window it leaves open is cancelled).
    /// False (noted in failures() under what) when no such window opened.
    template <typename T>
    bool modal(const QString &what, const std::function<void()> &trigger, const std::function<void(T *)> &shoot)
    {
        return modalOf(T::staticMetaObject, what, trigger, [&shoot](QWidget *w) { shoot(static_cast<T *>(w)); });
    }

    /// Notes something that went wrong on the way.
    void fail(const QString &what) { m_failures << what; }
    /// What could not be taken.
    const QStringList &failures() const { return m_failures; }
    /// The pictures written, in order.
    const QStringList &written() const { return m_written; }

    /// Runs the event loop for a moment, so that layouts, queued calls and painting are done.
    static void settle(int milliseconds = 80);

private:
    bool modalOf(const QMetaObject &type, const QString &what, const std::function<void()> &trigger,
                 const std::function<void(QWidget *)> &shoot);
    /// The window's picture under a title bar with its caption; pop-up menus as they are.
    static QImage framed(QWidget *window);
    /// The picture with a table of 256 colours chosen from its own (a third of the size).
    static QImage compact(const QImage &image);

    QString m_folder;
    QStringList m_failures;
    QStringList m_written;
};
