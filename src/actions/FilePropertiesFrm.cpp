// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/FilePropertiesFrm.h"

#include "core/ShownSize.h"
#include "platform/FileStatus.h"
#include "results/LocaleText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

FilePropertiesFrm::FilePropertiesFrm(const QString &path, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FilePropertiesFrm"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    setWindowTitle(tr("%1 Properties").arg(name));

    const FileDetails d = fileDetails(path);
    // Each value is found by its caption's English name (value()), whatever the language shown.
    auto *form = new QFormLayout;
    auto add = [&](const char *caption, const QString &text) {
        auto *label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(caption));
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        //: A caption before its value: "Size:".
        form->addRow(tr("%1:").arg(tr(caption)), label);
    };
    auto when = [this](const QDateTime &t) {
        return t.isValid() ? LocaleText::dateTime(t.toLocalTime(), locale()) : tr("Not recorded");
    };
    add(QT_TR_NOOP("Path"), path);
    if (!d.exists)
    {
        add(QT_TR_NOOP("Status"), tr("The file no longer exists."));
    }
    else
    {
        add(QT_TR_NOOP("Size"),
            tr("%1 (%2 bytes)").arg(ShownSize::text(static_cast<double>(d.size)), LocaleText::bytes(d.size, locale())));
        add(QT_TR_NOOP("Modified"), when(d.modified));
        add(QT_TR_NOOP("Accessed"), when(d.accessed));
        add(QT_TR_NOOP("Changed"), when(d.changed));
        add(QT_TR_NOOP("Created"), when(d.created));
        add(QT_TR_NOOP("Permissions"), d.permissions);
        add(QT_TR_NOOP("Owner"), d.owner);
        //: The group that owns the file.
        add(QT_TR_NOOP("Group"), d.group);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QString FilePropertiesFrm::value(const QString &caption) const
{
    const auto *label = findChild<QLabel *>(caption);
    return label ? label->text() : QString();
}
