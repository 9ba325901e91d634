// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/FilePropertiesFrm.h"

#include "core/TextFormat.h"
#include "platform/FileStatus.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace
{
QString when(const QDateTime &t)
{
    return t.isValid() ? TextFormat::dateText(t.toLocalTime()) : QStringLiteral("Not recorded");
}
} // namespace

FilePropertiesFrm::FilePropertiesFrm(const QString &path, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FilePropertiesFrm"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    setWindowTitle(tr("%1 Properties").arg(name));

    const FileDetails d = fileDetails(path);
    auto *form = new QFormLayout;
    auto add = [&](const QString &caption, const QString &text) {
        auto *label = new QLabel(text, this);
        label->setObjectName(caption);
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(caption + u':', label);
    };
    add(QStringLiteral("Path"), path);
    if (!d.exists)
    {
        add(QStringLiteral("Status"), QStringLiteral("The file no longer exists."));
    }
    else
    {
        add(QStringLiteral("Size"), TextFormat::sizeText(static_cast<double>(d.size)) + QStringLiteral(" (") +
                                        QString::number(d.size) + QStringLiteral(" bytes)"));
        add(QStringLiteral("Modified"), when(d.modified));
        add(QStringLiteral("Accessed"), when(d.accessed));
        add(QStringLiteral("Changed"), when(d.changed));
        add(QStringLiteral("Created"), when(d.created));
        add(QStringLiteral("Permissions"), d.permissions);
        add(QStringLiteral("Owner"), d.owner);
        add(QStringLiteral("Group"), d.group);
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
