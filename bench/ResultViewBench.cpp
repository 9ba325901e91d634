// SPDX-License-Identifier: GPL-3.0-or-later
// The result list as the window shows it: a million rows in the view, the first paint, scrolling
// to the end, and header sorts with their repaint, which is how long the window stands still.
#include "Bench.h"
#include "ResultListRows.h"

#include "results/ResultModel.h"
#include "results/ResultSort.h"
#include "results/ResultView.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>

namespace
{
Bench::Register resultView("resultview", [](QTextStream &out) {
    constexpr int n = 1000000;
    CHive hive;
    ResultListRows::fill(hive, n);
    ResultModel model;
    ResultView view;
    view.setResultModel(&model);
    view.resize(1000, 600);
    view.show();
    QCoreApplication::processEvents();

    auto line = [&out](const QString &what, const std::function<void()> &fn) {
        out << "  " << what.leftJustified(52) << QString::number(Bench::seconds(fn), 'f', 3) << " s" << Qt::endl;
    };
    ResultLoadHooks hooks;
    hooks.fileExists = [](const QString &) { return true; };
    out << "1,000,000 rows in the result view (offscreen), each step until painted:" << Qt::endl;
    line(QStringLiteral("LoadResultList into the shown view"), [&] {
        model.loadResultList(hive, hooks);
        view.repaint();
    });
    std::vector<ResultRow> copy = model.rows();
    line(QStringLiteral("replace every row at once (one reset)"), [&] {
        model.setRows(std::move(copy));
        view.repaint();
    });
    line(QStringLiteral("scroll to the last row"), [&] {
        view.scrollToBottom();
        view.repaint();
    });
    line(QStringLiteral("scroll one page at a time, 100 pages"), [&] {
        QScrollBar *bar = view.verticalScrollBar();
        for (int i = 0; i < 100; ++i)
        {
            bar->setValue(bar->value() - bar->pageStep());
            view.repaint();
        }
    });
    view.selectRow(n / 2);
    const std::pair<int, const char *> headers[] = {{1, "File Name"},    {2, "Size(Bytes)"}, {3, "Last Modified."},
                                                    {4, "File Version"}, {5, "Group"},       {6, "Path"},
                                                    {10, "Ext"}};
    for (const auto &[col, header] : headers)
    {
        line(QStringLiteral("header sort by \"%1\" + reband + paint").arg(QString::fromLatin1(header)), [&] {
            model.sortByColumn(*ResultSort::keyColumn(col), true);
            model.rebandRows();
            view.setSortMark(col - 1, true);
            view.repaint();
        });
    }
});
} // namespace
