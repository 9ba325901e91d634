#include "actions/CopyMarkedRows.h"

#include "actions/ActionProgress.h"
#include "core/ErrorReport.h"
#include "platform/FileTransfer.h"
#include "results/ResultModel.h"

CopyMarkedRows::CopyMarkedRows(const ResultModel &model, ErrorReporter &reporter) : m_model(model), m_reporter(reporter)
{}

bool CopyMarkedRows::run(const std::function<QString()> &destination, ActionProgress &progress)
{
    int done = 0;
    for (int i = 0; i < m_model.size(); ++i)
    {
        progress.yield();
        if (progress.cancelRequested())
            break;
        if (!m_model.isMarked(i))
            continue;
        const bool stepDone = runStep(m_reporter, QStringLiteral("Copy Files X"), [&] {
            const QString source = m_model.row(i).fullPath();
            const FileOpResult result =
                FileTransfer::copyNoClobber(source, destination(), [&progress] { progress.yield(); });
            progress.setProgressValue(++done);
            if (!result.ok())
                progress.addError(ActionError::unableToCopy(source));
        });
        if (!stepDone)
            return false;
    }
    return true;
}
