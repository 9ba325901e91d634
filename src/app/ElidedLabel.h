// SPDX-License-Identifier: GPL-3.0-or-later
// A one-line label that shortens its text with an ellipsis when it has less room than the text
// needs, and shows the whole text as its tool tip then.
#pragma once

#include <QLabel>

class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    /// The text as painted at the label's present width.
    QString shownText() const;
    /// Small enough for a status bar at its narrowest; the text shortens instead of the bar
    /// growing past the window.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QRect textRect() const;
};
