// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/PictureRows.h"

#include "results/ResultModel.h"

namespace PictureRows
{
bool isPictureList(const ResultModel &model)
{
    return model.anchors().origin.kind == ListKind::SimilarPictures;
}

std::optional<Dimensions> dimensionsOf(QStringView text)
{
    const qsizetype times = text.indexOf(u" x ");
    if (times <= 0)
        return std::nullopt;
    const qsizetype end = text.indexOf(u' ', times + 3);
    bool wideOk = false;
    bool highOk = false;
    Dimensions d;
    d.width = text.first(times).toLongLong(&wideOk);
    d.height = text.mid(times + 3, end < 0 ? -1 : end - times - 3).toLongLong(&highOk);
    if (!wideOk || !highOk || d.width <= 0 || d.height <= 0)
        return std::nullopt;
    d.format = end < 0 ? QStringView() : text.mid(end + 1);
    return d;
}

qint64 pixels(QStringView dimensions)
{
    const std::optional<Dimensions> d = dimensionsOf(dimensions);
    return d ? d->width * d->height : 0;
}

bool largerPicture(const ResultRow &a, const ResultRow &b)
{
    const qint64 pa = pixels(a.version());
    const qint64 pb = pixels(b.version());
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
