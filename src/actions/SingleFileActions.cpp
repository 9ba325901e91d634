// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/SingleFileActions.h"

#include "actions/ActionDriver.h"
#include "actions/DesktopActions.h"
#include "actions/MarkedRowRun.h"
#include "actions/RemovalGuard.h"
#include "core/Prompter.h"
#include "results/ResultModel.h"

#include <cerrno>

namespace
{
constexpr char16_t kForbidden[] = u"\\/:*?\"<>|";
}

SingleFileActions::SingleFileActions(ResultModel &model, Prompter &prompter, DesktopActions &desktop)
    : m_model(model), m_prompter(prompter), m_desktop(desktop)
{}

bool SingleFileActions::validRow(int row) const
{
    return row >= 0 && row < m_model.size();
}

bool SingleFileActions::hasForbiddenCharacter(const QString &name)
{
    for (const char16_t c : std::u16string_view(kForbidden))
    {
        if (name.contains(QChar(c)))
            return true;
    }
    return false;
}

QString SingleFileActions::forbiddenCharactersMessage()
{
    return tr("A file name cannot contain any of the following characters:\n\\ / : * ? \" <> |");
}

void SingleFileActions::renameFile(int row)
{
    for (;;)
    {
        if (!validRow(row))
            return;
        const ResultRow &r = m_model.row(row);
        if (r.reference)
        {
            m_prompter.error(tr("\"%1\" is in a reference location: its files keep their names.").arg(r.name()));
            return;
        }
        const QString answer =
            m_prompter.input(tr("Rename"), tr("Please type new name for\n%1").arg(r.name()), r.name())
                .value_or(QString());
        if (hasForbiddenCharacter(answer))
        {
            m_prompter.error(forbiddenCharactersMessage());
            continue;
        }
        if (answer.trimmed().isEmpty() || answer == r.name())
            return;
        // The file is looked for after the answer, however long the question waited, and renamed
        // in the folder where it was found, as a delete would be.
        const RemovalGuard::Check check = RemovalGuard(m_model).identifyForRemoval(row);
        QString why;
        if (check.verdict == RemovalGuard::Verdict::Proceed)
        {
            const FileOpResult result = AnchoredFiles::renameInFolder(check.file, answer);
            if (result.ok())
            {
                m_model.setName(row, answer);
                return;
            }
            // There is no shell to explain a refusal here, so Corvina does.
            why = result.errorNumber == EEXIST           ? tr("A file named \"%1\" already exists.").arg(answer)
                  : result.error == FileOpError::Changed ? ActionError::changedSinceSearch(QString()).description
                                                         : result.reason();
        }
        else
        {
            const std::optional<ActionError> refusal = MarkedRowRun::refusalOf(check.verdict, QString());
            why = refusal ? refusal->description : tr("The file is no longer there.");
        }
        m_prompter.error(tr("Cannot rename \"%1\".\n%2").arg(r.name(), why));
        return;
    }
}

void SingleFileActions::openFile(int row)
{
    if (!validRow(row))
        return;
    if (m_desktop.openFile(m_model.row(row).fullPath()) == Desktop::OpenResult::NoAssociatedProgram)
        m_prompter.error(tr("There is no program associated with the specified type of file."));
}

void SingleFileActions::openFolder(int row)
{
    if (validRow(row))
        m_desktop.showInFileManager(m_model.row(row).fullPath());
}

void SingleFileActions::copyPath(int row)
{
    if (validRow(row))
        m_desktop.setClipboardText(m_model.row(row).fullPath());
}

void SingleFileActions::openMarkedFiles()
{
    for (int i = 0; i < m_model.size(); ++i)
    {
        if (m_model.isMarked(i))
            m_desktop.openFile(m_model.row(i).fullPath());
    }
}

int SingleFileActions::removeMarkedFromList(bool zeroSizeListing)
{
    const int removed = m_model.removeRowsIf([](const ResultRow &r) { return r.marked; });
    if (removed == 0)
    {
        m_prompter.error(ActionDriver::nothingMarked());
        return 0;
    }
    m_model.dropSingleRowGroups(zeroSizeListing);
    return removed;
}
