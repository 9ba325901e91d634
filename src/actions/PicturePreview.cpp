// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/PicturePreview.h"

#include "results/LocaleText.h"
#include "results/PictureRows.h"
#include "results/ResultModel.h"

#include <QCoreApplication>

namespace
{
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(PicturePreview)
};
} // namespace

namespace PicturePreview
{
bool isPictureFile(const QString &fileName)
{
    static const QString extensions = QStringLiteral(".bmp .dib .gif .jpg .wmf .emf .ico .cur");
    if (fileName.isEmpty())
        return false;
    const QString lower = fileName.toLower();
    return extensions.contains(lower.right(4)) || lower.endsWith(u".jpeg") || lower.endsWith(u".png");
}

Step previewStep(bool viewerOn, bool listHasRows, const QString &fileName, bool pictureList)
{
    if (!viewerOn || !listHasRows)
        return Step::Nothing;
    return pictureList || isPictureFile(fileName) ? Step::Show : Step::Hide;
}

QString caption(const ResultRow &row, const QLocale &locale)
{
    //: Under a picture in the viewer: its size in pixels and its format ("4032 x 3024 JPEG"), then
    //: its size in bytes.
    return row.name() + u'\n' + Tr::tr("%1, %2 bytes").arg(row.version(), LocaleText::bytes(row.size, locale));
}

std::optional<Pair> pairOf(const ResultModel &model, int row, const QLocale &locale)
{
    if (!PictureRows::isPictureList(model) || row < 0 || row >= model.size())
        return std::nullopt;
    Pair pair{{model.row(row).fullPath(), caption(model.row(row), locale)}, std::nullopt};
    const int first = PictureRows::firstOfGroup(model, row);
    if (first >= 0 && first != row)
        pair.first = Shown{model.row(first).fullPath(), caption(model.row(first), locale)};
    return pair;
}
} // namespace PicturePreview
