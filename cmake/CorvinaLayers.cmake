# The widget-free layers (src/CMakeLists.txt draws them): each subsystem's static library below
# cv_ui declares itself with corvina_logic_layer(target).
function(corvina_logic_layer target)
    set_property(GLOBAL APPEND PROPERTY CORVINA_LOGIC_LAYERS ${target})
endfunction()
