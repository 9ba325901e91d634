// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/PictureRows.h"

#include "results/ResultModel.h"

namespace PictureRows
{
bool isPictureList(const ResultModel &model)
{
    return model.anchors().origin.kind == ListKind::SimilarPictures;
}

qint64 pixels(QStringView dimensions)
{
    const qsizetype times = dimensions.indexOf(u" x ");
    if (times <= 0)
        return 0;
    const qsizetype end = dimensions.indexOf(u' ', times + 3);
    bool wideOk = false;
    bool highOk = false;
    const qint64 width = dimensions.first(times).toLongLong(&wideOk);
    const qint64 height = dimensions.mid(times + 3, end < 0 ? -1 : end - times - 3).toLongLong(&highOk);
    return wideOk && highOk && width > 0 && height > 0 ? width * height : 0;
}

bool largerPicture(const ResultRow &a, const ResultRow &b)
{
    const qint64 pa = pixels(a.version);
    const qint64 pb = pixels(b.version);
    return pa != pb ? pa > pb : a.size > b.size;
}

int firstOfGroup(const ResultModel &model, int row)
{
    if (row < 0 || row >= model.size() || model.row(row).group <= 0)
        return -1;
    const qint32 group = model.row(row).group;
    int first = -1;
    for (int r = 0; r < model.size(); ++r)
    {
        if (model.row(r).group == group && (first < 0 || largerPicture(model.row(r), model.row(first))))
            first = r;
    }
    return first;
}
} // namespace PictureRows
