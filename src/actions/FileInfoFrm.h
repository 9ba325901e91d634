// SPDX-License-Identifier: GPL-3.0-or-later
// The picture viewer: a small tool window that shows the selected row's picture, and in a list of
// similar pictures its group's first beside it.
#pragma once

#include "actions/PicturePreview.h"

#include <QWidget>

class Prompter;
class Settings;
class QLabel;
class QStatusBar;

class FileInfoFrm : public QWidget
{
    Q_OBJECT
public:
    /// A tool window owned by the main window, placed where it was last closed.
    FileInfoFrm(Prompter &prompter, Settings &settings, QWidget *owner);

    QLabel *picture = nullptr;       // the picture, stretched to the window (the aspect ratio is not kept)
    QLabel *caption = nullptr;       // under the picture, in a list of similar pictures
    QLabel *firstPicture = nullptr;  // beside it there: its group's first, unless it is that one
    QLabel *firstCaption = nullptr;  // under the group's first
    QStatusBar *statusBar = nullptr; // panel 1: the file name

    /// Shows the file's name and its picture alone. A file that cannot be read as a picture leaves
    /// the previous picture in place, quietly.
    void loadPicture(const QString &fileName);
    /// Shows the selected picture of a list of similar pictures and its group's first side by side,
    /// each with its caption.
    void loadPair(const PicturePreview::Pair &pair);
    /// The text of the status bar's first panel.
    QString panelText() const;

    /// Closes the window for the program (the option was switched off): no question.
    void unload();

protected:
    /// Closed from its title bar, it asks "Do you want to disable picture viewer?"; Yes turns
    /// Settings::showViewer() off, which the main window's switches follow.
    void closeEvent(QCloseEvent *event) override;

private:
    void storePlacement();

    Prompter &m_prompter;
    Settings &m_settings;
    QLabel *m_panel = nullptr;
    bool m_closingForProgram = false;
};
