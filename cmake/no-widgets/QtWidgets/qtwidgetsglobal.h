// SPDX-License-Identifier: GPL-3.0-or-later
// A widget-free layer finds this file in place of Qt's (cmake/CorvinaLayers.cmake), and every
// QtWidgets header includes Qt's first thing: a widget include stops here.
#error "a QtWidgets header in a widget-free layer: windows belong in cv_ui (src/CMakeLists.txt)"
