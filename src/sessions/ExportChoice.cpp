// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/ExportChoice.h"

#include "platform/NativePath.h"

ExportChoice::ExportChoice(const ResultModel &model, ExportRows rows, const std::vector<int> &selectedRows)
    : m_model(model), m_rows(rows)
{
    if (rows != ExportRows::Selected)
        return;
    m_selected.assign(static_cast<size_t>(model.size()), false);
    for (const int r : selectedRows)
    {
        if (r >= 0 && r < model.size())
            m_selected[static_cast<size_t>(r)] = true;
    }
}

bool ExportChoice::exports(int row) const
{
    switch (m_rows)
    {
    case ExportRows::Selected:
        return m_selected[static_cast<size_t>(row)];
    case ExportRows::Marked:
        return m_model.isMarked(row);
    case ExportRows::All:
        break;
    }
    return true;
}

namespace ExportText
{
QString readable(const QString &text)
{
    if (!NativePath::hasEscapedBytes(text))
        return text;
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i)
    {
        if (NativePath::isEscapedByte(text, i))
            out[i] = QChar::ReplacementCharacter;
    }
    return out;
}
} // namespace ExportText
