// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/PicturePreview.h"

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

Step previewStep(bool viewerOn, bool listHasRows, const QString &fileName)
{
    if (!viewerOn || !listHasRows)
        return Step::Nothing;
    return isPictureFile(fileName) ? Step::Show : Step::Hide;
}
} // namespace PicturePreview
