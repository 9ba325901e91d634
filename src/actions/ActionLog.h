// SPDX-License-Identifier: GPL-3.0-or-later
// The logging category of the file actions: each refusal and failure with its reason. Quiet unless
// asked for, e.g. QT_LOGGING_RULES="corvina.actions.info=true".
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcActions)
