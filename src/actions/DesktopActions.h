// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop services the file commands use, behind an interface that tests replace.
#pragma once

#include "platform/Desktop.h"

#include <QString>

class DesktopActions
{
public:
    virtual ~DesktopActions() = default;
    virtual Desktop::OpenResult openFile(const QString &path) = 0;
    virtual bool openFolder(const QString &folder) = 0;
    virtual void showInFileManager(const QString &path) = 0;
    virtual void setClipboardText(const QString &text) = 0;
};

/// The real desktop.
class SystemDesktop : public DesktopActions
{
public:
    Desktop::OpenResult openFile(const QString &path) override { return Desktop::openFile(path); }
    bool openFolder(const QString &folder) override { return Desktop::openFolder(folder); }
    void showInFileManager(const QString &path) override { Desktop::showInFileManager(path); }
    void setClipboardText(const QString &text) override { Desktop::setClipboardText(text); }
};
