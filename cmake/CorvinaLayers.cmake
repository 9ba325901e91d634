# SPDX-License-Identifier: GPL-3.0-or-later
# The widget-free layers (src/CMakeLists.txt draws them): each subsystem's static library below
# cv_ui declares itself with corvina_logic_layer(target), which keeps widgets out of it twice.
#
# At compile time. Not linking Qt6::Widgets is not enough: Qt's headers share one include root, so
# <QtWidgets/QPushButton> resolves in any target that sees QtCore. But every QtWidgets header
# begins by including <QtWidgets/qtwidgetsglobal.h>, and a layer finds that name first (BEFORE,
# and as -I ahead of Qt's -isystem folders) in cmake/no-widgets, where it is an #error. So a widget
# include fails to compile in a layer however it is spelt, even with Qt6::Widgets linked; the
# probe tests test_layers_widget_probe_* hold the guard to that.
#
# By the test test_layers (cmake/CheckLayers.cmake), which reads what CMake resolved for each
# layer: it fails on an include of a Corvina header from a layer that is not linked below (an
# upward include, or a window's header), on a QtWidgets include also in headers no .cpp compiles,
# and on a layer that links Qt6::Widgets, a non-layer target or itself round a cycle.

# A source folder, not a generated one, so that every build folder compiles with the same flags
# and ccache serves them all.
set(CORVINA_NO_WIDGETS_DIR ${CMAKE_CURRENT_LIST_DIR}/no-widgets)

# The compile-time guard alone (the probe uses it too).
function(corvina_no_widgets target)
    target_include_directories(${target} BEFORE PRIVATE ${CORVINA_NO_WIDGETS_DIR})
endfunction()

function(corvina_logic_layer target)
    corvina_no_widgets(${target})
    set_property(GLOBAL APPEND PROPERTY CORVINA_LOGIC_LAYERS ${target})
endfunction()

# Writes what cmake/CheckLayers.cmake reads: per layer its folder, sources, direct links and
# include folders (those after CMake followed the links), the same for cv_ui, and Qt's.
function(corvina_layer_manifest output)
    get_property(layers GLOBAL PROPERTY CORVINA_LOGIC_LAYERS)
    set(text "set(LAYERS \"${layers}\")\nset(WINDOWS cv_ui)\n")
    string(APPEND text "set(NO_WIDGETS_DIR \"${CORVINA_NO_WIDGETS_DIR}\")\n")
    string(APPEND text "set(WIDGETS_INCLUDE \"$<TARGET_PROPERTY:Qt6::Widgets,INTERFACE_INCLUDE_DIRECTORIES>\")\n")
    foreach(target IN LISTS layers ITEMS cv_ui)
        string(APPEND text "set(${target}_DIR \"$<TARGET_PROPERTY:${target},SOURCE_DIR>\")\n")
        string(APPEND text "set(${target}_SOURCES \"$<TARGET_PROPERTY:${target},SOURCES>\")\n")
        string(APPEND text "set(${target}_LINKS \"$<TARGET_PROPERTY:${target},LINK_LIBRARIES>\")\n")
        string(APPEND text "set(${target}_INCLUDES \"$<TARGET_PROPERTY:${target},INCLUDE_DIRECTORIES>\")\n")
    endforeach()
    file(GENERATE OUTPUT ${output} CONTENT "${text}")
endfunction()
