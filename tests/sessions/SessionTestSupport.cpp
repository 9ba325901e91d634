// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionTestSupport.h"

#include "core/CHive.h"
#include "core/TextFormat.h"

#include <QFile>

#include <gtest/gtest.h>

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

void loadScanned(ResultModel &model, const std::vector<ScannedFile> &files, const QString &date)
{
    CHive hive;
    for (const ScannedFile &f : files)
        hive.add(TextFormat::pad12(f.size), f.name, f.folder, QStringLiteral("N/A"), f.shade, date);
    ResultLoadHooks hooks;
    hooks.fileExists = [](const QString &) { return true; };
    model.loadResultList(hive, hooks);
}

std::vector<QStringList> allColumns(const ResultModel &model)
{
    std::vector<QStringList> out;
    for (const ResultRow &r : model.rows())
    {
        QStringList cols;
        for (int c = 0; c < ResultRow::ColumnCount; ++c)
            cols << r.column(c);
        out.push_back(cols);
    }
    return out;
}
