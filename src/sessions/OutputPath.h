// SPDX-License-Identifier: GPL-3.0-or-later
// The file a save or an export writes to, as the user typed or chose it.
#pragma once

#include <QString>
#include <QStringList>

class Prompter;

namespace OutputPath
{
/// The path with the extension of the chosen format (".cvf", ".csv", ".htm"): a name without an
/// extension gets it, a name with the extension of another format of the same dialog (others) has
/// it changed, and any other extension the user typed stays. A leading "." starts no extension
/// (".profile" has none); an empty path, or one that ends with "/", stays as it is.
QString withExtension(const QString &path, const QString &extension, const QStringList &others = {});

/// True when nothing is at path, or when the user agreed to replace what is there ("Confirm",
/// Yes/No, No by default). A path the file dialog returned was confirmed there: pass it as
/// confirmed to ask only when the user has changed the path since.
bool mayReplace(Prompter &prompter, const QString &path, const QString &confirmed = {});
} // namespace OutputPath
