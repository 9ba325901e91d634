// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/FileMasks.h"

#include <QCoreApplication>

namespace
{
// A translation keeps the patterns in brackets as they are: they are what a file is matched by.
const char *const kPresets[] = {
    QT_TRANSLATE_NOOP("FileMasks", "All files(*.*)"),
    QT_TRANSLATE_NOOP("FileMasks", "Documents(*.doc *.pdf *.rtf *.xls *.ppt)"),
    QT_TRANSLATE_NOOP("FileMasks", "File archive (*.zip *.cab *.arc *.arj *.rar *.jar)"),
    QT_TRANSLATE_NOOP("FileMasks", "Images  (*.bmp *.gif *.jpg *.jpeg *.pcx *.png *.psd *.tif *.wmf)"),
    QT_TRANSLATE_NOOP("FileMasks",
                      "Music files (*.mpa *.mp2 *.mp3 *.wav *.mid *.midi *.aif *.aiff *.au *.rmi *.snd *.ogg)"),
    QT_TRANSLATE_NOOP("FileMasks", "Program files (*.exe *.dll *.com *.sys *.ocx *.vbx *.bat *.msi)"),
    QT_TRANSLATE_NOOP("FileMasks",
                      "Program source (*.asm *.c *.cpp *.css *.h *.bas *.vba *.dpr *.dfm *.inc *.pas *.js *.java)"),
    QT_TRANSLATE_NOOP("FileMasks", "Text files  (*.txt *.bak)"),
    QT_TRANSLATE_NOOP("FileMasks", "Video clips (*.avi *.mov *.mpg *.m1v *.mpeg *.qt *.wm *.wmv)"),
    QT_TRANSLATE_NOOP("FileMasks", "Web pages  (*.htm *.html *.php *.asp *.xml)"),
};

QString translated(const char *preset)
{
    return QCoreApplication::translate("FileMasks", preset);
}
} // namespace

namespace FileMasks
{
const QStringList &presets()
{
    static const QStringList list = [] {
        QStringList masks;
        for (const char *preset : kPresets)
            masks << QString::fromLatin1(preset);
        return masks;
    }();
    return list;
}

QString shown(const QString &mask)
{
    for (const char *preset : kPresets)
    {
        if (mask == QLatin1String(preset))
            return translated(preset);
    }
    return mask;
}

QString stored(const QString &shown)
{
    for (const char *preset : kPresets)
    {
        if (shown == translated(preset))
            return QString::fromLatin1(preset);
    }
    return shown;
}

bool matchesMask(QStringView fileName, QStringView mask)
{
    if (mask.contains(u"*.*"))
        return true;
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0)
        return false;
    return mask.contains(fileName.mid(dot), Qt::CaseInsensitive);
}
} // namespace FileMasks
