// SPDX-License-Identifier: GPL-3.0-or-later
// Answers a modal window from a queued call, once it is open and ready.
#pragma once

#include "support/TestScope.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace ModalAnswer
{
/// Waits (inside whatever event loop runs) for a modal window of type T for which ready() holds,
/// then runs answer on it. Fails the test when none appears within a generous time. The wait
/// belongs to the running test and ends with it.
template <typename T>
void when(
    std::function<void(T *)> answer, std::function<bool(T *)> ready = [](T *) { return true; })
{
    auto *timer = new QTimer(TestScope::object());
    QElapsedTimer clock;
    clock.start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer, ready] {
        auto *modal = qobject_cast<T *>(QApplication::activeModalWidget());
        if (modal && ready(modal))
        {
            timer->stop();
            timer->deleteLater();
            answer(modal);
            return;
        }
        if (clock.elapsed() > 60000)
        {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal " << T::staticMetaObject.className() << " appeared";
        }
    });
    timer->start();
}

/// Closes the next modal window of type T (its reject()).
template <typename T> void close()
{
    when<T>([](T *w) { w->reject(); });
}
} // namespace ModalAnswer
