// SPDX-License-Identifier: GPL-3.0-or-later
// Must not compile in a widget-free layer (tests/layers/CMakeLists.txt).
#include <QPushButton>
