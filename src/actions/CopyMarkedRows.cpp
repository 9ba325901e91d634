#include "actions/CopyMarkedRows.h"

#include "actions/ActionProgress.h"
#include "actions/MarkedRowRun.h"
#include "platform/FileTransfer.h"
#include "results/ResultModel.h"

CopyMarkedRows::CopyMarkedRows(const ResultModel &model, ErrorReporter &reporter) : m_model(model), m_reporter(reporter)
{}

bool CopyMarkedRows::run(const std::function<QString()> &destination, ActionProgress &progress)
{
    return MarkedRowRun::forEach(m_model, progress, m_reporter, QStringLiteral("Copy Files X"), [&](int row) {
        const QString source = m_model.row(row).fullPath();
        const FileOpResult result =
            FileTransfer::copyNoClobber(source, destination(), [&progress] { progress.yield(); });
        if (!result.ok())
            progress.addError(ActionError::unableToCopy(source));
    });
}
