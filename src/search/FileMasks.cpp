// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/FileMasks.h"

namespace FileMasks
{
const QStringList &presets()
{
    static const QStringList list{
        QStringLiteral("All files(*.*)"),
        QStringLiteral("Documents(*.doc *.pdf *.rtf *.xls *.ppt)"),
        QStringLiteral("File archive (*.zip *.cab *.arc *.arj *.rar *.jar)"),
        QStringLiteral("Images  (*.bmp *.gif *.jpg *.jpeg *.pcx *.png *.psd *.tif *.wmf)"),
        QStringLiteral("Music files (*.mpa *.mp2 *.mp3 *.wav *.mid *.midi *.aif *.aiff *.au *.rmi *.snd *.ogg)"),
        QStringLiteral("Program files (*.exe *.dll *.com *.sys *.ocx *.vbx *.bat *.msi)"),
        QStringLiteral("Program source (*.asm *.c *.cpp *.css *.h *.bas *.vba *.dpr *.dfm *.inc *.pas *.js *.java)"),
        QStringLiteral("Text files  (*.txt *.bak)"),
        QStringLiteral("Video clips (*.avi *.mov *.mpg *.m1v *.mpeg *.qt *.wm *.wmv)"),
        QStringLiteral("Web pages  (*.htm *.html *.php *.asp *.xml)"),
    };
    return list;
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
