// SPDX-License-Identifier: GPL-3.0-or-later
// The file-action commands of the main window as one controller: Delete, Move, Copy, Rename,
// Open, Open Folder, Copy Path, Properties, Open Mark Files, Remove from result list, and the
// picture viewer's preview step. The window connects its menu entries, toolbar buttons and list
// events to the slots and lends its state through hooks.
#pragma once

#include "actions/ActionDriver.h"
#include "actions/FileInfoFrm.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class DesktopActions;
class ErrorReporter;
class Prompter;
class QWidget;
class ResultModel;
class Settings;

class ActionCommands : public QObject
{
    Q_OBJECT
public:
    /// What the main window lends. Empty hooks mean: no selection, nothing to show.
    struct Hooks
    {
        QWidget *window = nullptr;                   // owner of the dialogs and the viewer
        std::function<void(const QString &)> status; // status-bar panel 1
        std::function<int()> focusedRow;             // the result list's current row, -1 for none
        std::function<int()> pointerTwips;           // last pointer x over the result list, in twips
        KeepOneWarning keepOneWarning;               // shows WarningFrm, returns the answer
        std::function<void()> markSelected;          // MarkingCommands::markSelected
        std::function<void()> unmarkSelected;        // MarkingCommands::unmarkSelected
        std::function<void()> endSound;              // starts the end-of-process sound
        std::function<void()> rowsLeft;              // an act or a removal changed the rows
    };

    /// Deletion follows settings.deletionMode(), the preview settings.showViewer().
    ActionCommands(ResultModel &model, Prompter &prompter, ErrorReporter &reporter, Settings &settings, Hooks hooks,
                   QObject *parent = nullptr);
    ~ActionCommands() override;

    /// Replaces the desktop services (tests).
    void setDesktop(std::unique_ptr<DesktopActions> desktop);
    /// The picture viewer, once it has been shown (null before and after it is unloaded).
    FileInfoFrm *pictureViewer() const { return m_viewer; }

public Q_SLOTS:
    void deleteMarkedFiles();
    void moveMarkedFiles();
    void copyMarkedFiles();
    void replaceWithHardLinks();
    void replaceWithClones();
    void renameFile();
    /// Opens the selected file, or over the mark (300 twips or less from the left edge) toggles
    /// the row's mark; the list's double click runs the same.
    void openFile();
    void openOnDoubleClick() { openFile(); }
    /// Opens this row's file (a double click right of the mark, as MarkingCommands reports it).
    void openRow(int row);
    void openFolder();
    void copyPath();
    void showFileProperties();
    void openMarkedFiles();
    void removeMarkedFromList();

    /// The preview step: when Up or Down is released over the result list, when a mouse button
    /// other than the right one is released over it, and when the viewer is switched on.
    void previewStep();
    /// The preview step with the error report's label of the list event that ran it.
    void previewAfterKey() { runPreview(QStringLiteral("Key Up")); }
    void previewAfterClick() { runPreview(QStringLiteral("MouseUP")); }
    /// Unloads the viewer (the option was switched off, a scan starts, or the window closes).
    void closePictureViewer();

private:
    class Dialogs;
    int focusedRow() const;
    bool zeroSize() const;
    void runDriver(const std::function<void(ActionDriver &)> &command);
    void runPreview(const QString &label);

    ResultModel &m_model;
    Prompter &m_prompter;
    ErrorReporter &m_reporter;
    Settings &m_settings;
    Hooks m_hooks;
    std::unique_ptr<DesktopActions> m_desktop;
    QPointer<FileInfoFrm> m_viewer;
    QString m_outcome; // what the last dialog's run did ("" when none ran)
};
