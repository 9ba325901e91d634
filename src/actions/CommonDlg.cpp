// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/CommonDlg.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

namespace
{
QString &lastFolder()
{
    static QString folder;
    return folder;
}

QMessageBox::StandardButton toButton(PromptAnswer answer)
{
    switch (answer)
    {
    case PromptAnswer::Ok:
        return QMessageBox::Ok;
    case PromptAnswer::Cancel:
        return QMessageBox::Cancel;
    case PromptAnswer::Yes:
        return QMessageBox::Yes;
    case PromptAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon toIcon(PromptIcon icon)
{
    switch (icon)
    {
    case PromptIcon::None:
        return QMessageBox::NoIcon;
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::Critical:
        return QMessageBox::Critical;
    case PromptIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}
} // namespace

namespace CommonDlg
{
void centerForm(QWidget *form)
{
    QScreen *screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // A window that was never shown nor resized still has Qt's first guess (640 x 480): take the
    // size that show() will give it.
    if (!form->isVisible() && !form->testAttribute(Qt::WA_Resized))
        form->adjustSize();
    const QSize size = form->frameGeometry().size();
    form->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

QString qtFilter(const QString &filter)
{
    QStringList parts = filter.split(u'|');
    if (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
    {
        const QString patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ');
        // A name that shows its patterns already ("Corvina(*.cvf)") is what Qt reads; adding them
        // again would show them twice.
        if (parts[i].endsWith(u'(' + patterns + u')'))
            out << parts[i];
        else
            out << parts[i] + QStringLiteral(" (") + patterns + u')';
    }
    return out.join(QStringLiteral(";;"));
}

QString defaultSuffix(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    if (parts.size() < 2)
        return {};
    const QString first = parts[1].split(u';').first().trimmed();
    const qsizetype dot = first.lastIndexOf(u'.');
    if (dot < 0)
        return {};
    const QString suffix = first.mid(dot + 1);
    return suffix.contains(u'*') ? QString() : suffix;
}
} // namespace CommonDlg

PromptAnswer QtPrompter::message(const MessagePrompt &prompt)
{
    QMessageBox box(toIcon(prompt.icon), prompt.title, prompt.text, QMessageBox::NoButton, m_owner);
    switch (prompt.buttons)
    {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case PromptButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(toButton(prompt.defaultAnswer));
    switch (box.exec())
    {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    default:
        // Closed with Esc or the title bar: the safe answer.
        return prompt.buttons == PromptButtons::Ok ? PromptAnswer::Ok : prompt.defaultAnswer;
    }
}

std::optional<QString> QtPrompter::input(const QString &title, const QString &prompt, const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(m_owner, title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtPrompter::pickFolder(const QString &title, const QString &startFolder, bool newStyle)
{
    Q_UNUSED(newStyle); // the platform's folder dialog can always make new folders
    const QString start = !lastFolder().isEmpty() ? lastFolder() : startFolder;
    QString folder = QFileDialog::getExistingDirectory(m_owner, title, start);
    if (folder.isEmpty())
        return {};
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    lastFolder() = folder;
    return folder;
}

QString QtPrompter::openFile(const QString &title, const QString &filter, const QString &folder)
{
    return QFileDialog::getOpenFileName(m_owner, title, folder, CommonDlg::qtFilter(filter)).trimmed();
}

QString QtPrompter::saveFile(const QString &title, const QString &filter, const QString &folder,
                             const QString &defaultName)
{
    QFileDialog dialog(m_owner, title, folder, CommonDlg::qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(CommonDlg::defaultSuffix(filter));
    if (!defaultName.isEmpty())
        dialog.selectFile(defaultName.left(254));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first().trimmed();
}

QString QtPrompter::lastBrowsedFolder()
{
    return lastFolder();
}
