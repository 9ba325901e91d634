// SPDX-License-Identifier: GPL-3.0-or-later
// Which rows the picture viewer shows, and what the preview step does for the selected row.
#pragma once

#include <QString>

namespace PicturePreview
{
/// True when the last four characters of the name, in lower case, occur in
/// ".bmp .dib .gif .jpg .wmf .emf .ico .cur" (so photo.JPG is a picture), or when the name ends
/// in ".jpeg" or ".png", the photo formats of today's cameras and phones.
bool isPictureFile(const QString &fileName);

enum class Step
{
    Nothing, // the viewer is off or the list is empty
    Show,    // load the picture and show the viewer
    Hide,    // not a picture: hide the viewer
};

Step previewStep(bool viewerOn, bool listHasRows, const QString &fileName);
} // namespace PicturePreview
