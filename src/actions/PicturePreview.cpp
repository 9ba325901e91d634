#include "actions/PicturePreview.h"

namespace PicturePreview
{
bool IsPictureFile(const QString &fileName)
{
    static const QString extensions = QStringLiteral(".bmp .dib .gif .jpg .wmf .emf .ico .cur");
    return !fileName.isEmpty() && extensions.contains(fileName.right(4).toLower());
}

Step PreviewStep(bool viewerOn, bool listHasRows, const QString &fileName)
{
    if (!viewerOn || !listHasRows)
        return Step::Nothing;
    return IsPictureFile(fileName) ? Step::Show : Step::Hide;
}
} // namespace PicturePreview
