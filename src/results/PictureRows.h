// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of a list of similar pictures: their size in pixels, read from the dimensions column,
// and which row of a group is its first (the picture to keep).
#pragma once

#include <QtGlobal>

#include <QStringView>

#include <optional>

class ResultModel;
struct ResultRow;

namespace PictureRows
{
/// True when the model lists similar pictures.
bool isPictureList(const ResultModel &model);

/// What a picture row's dimensions column reads: "4032 x 3024 JPEG".
struct Dimensions
{
    qint64 width = 0;
    qint64 height = 0;
    QStringView format; ///< "JPEG", a part of the text read
};
/// The dimensions of such a text; nothing for a text that is not one.
std::optional<Dimensions> dimensionsOf(QStringView text);

/// The width and height of a dimensions text multiplied; 0 for a text that is not one.
qint64 pixels(QStringView dimensions);

/// True when a is a better first of a group than b: more pixels, then more bytes. The search puts
/// that picture first in its group.
bool largerPicture(const ResultRow &a, const ResultRow &b);

/// The row of row's group that the search put first: its largest picture (the earliest listed of
/// equals), wherever a sort has moved the rows. -1 for no such row.
int firstOfGroup(const ResultModel &model, int row);
} // namespace PictureRows
