// SPDX-License-Identifier: GPL-3.0-or-later
// Which rows the picture viewer shows, and what the preview step does for the selected row.
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

class ResultModel;
struct ResultRow;

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

/// In a list of similar pictures (pictureList) every row is a picture, whatever its name says.
Step previewStep(bool viewerOn, bool listHasRows, const QString &fileName, bool pictureList = false);

/// A picture the viewer shows, with the text under it.
struct Shown
{
    QString path;
    QString caption;

    bool operator==(const Shown &) const = default;
};

/// The pictures side by side in a list of similar pictures: the selected row's, and its group's
/// first (the largest, which Mark All Duplicates keeps), none when the selected row is that one.
struct Pair
{
    Shown selected;
    std::optional<Shown> first;
};

/// The file name, then the size in pixels and the format, and the size in bytes in locale's digits:
/// "beach.jpg\n4032 x 3024 JPEG, 2,345,678 bytes".
QString caption(const ResultRow &row, const QLocale &locale = QLocale());

/// What the viewer shows for row of a list of similar pictures; none in any other list or for no row.
std::optional<Pair> pairOf(const ResultModel &model, int row, const QLocale &locale = QLocale());
} // namespace PicturePreview
