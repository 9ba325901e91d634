# SPDX-License-Identifier: GPL-3.0-or-later
# Compile settings shared by every Corvina target: warnings (errors on request), sanitizers on request.
add_library(corvina_options INTERFACE)
# Beyond -Wall -Wextra: casts that drop const or alignment or hide their kind, a base class
# deleted through a pointer without a virtual destructor, and a virtual hidden by an overload.
target_compile_options(corvina_options INTERFACE -Wall -Wextra -Wpedantic -Wcast-qual -Wcast-align
    -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual)
# Warnings fail the build in the tests and CI, where the compiler is the one we know; a newer
# compiler in a user's `make run` may warn about things we have not seen yet, and must still build.
if(CORVINA_WERROR)
    target_compile_options(corvina_options INTERFACE -Werror)
endif()
# Every conversion between bytes and text is written out, so none guesses an encoding; signals
# never narrow their arguments silently; no Qt foreach copies a container. Test code (targets
# with CORVINA_TEST_CODE set) may still make a QString from an ASCII literal: its hundreds of
# expected texts read better plain.
target_compile_definitions(corvina_options INTERFACE
    $<$<NOT:$<BOOL:$<TARGET_PROPERTY:CORVINA_TEST_CODE>>>:QT_NO_CAST_FROM_ASCII> QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_FOREACH QT_USE_QSTRINGBUILDER)
if(CORVINA_FUZZ)
    # Coverage for libFuzzer in every target; the fuzz executables link the fuzzer itself.
    target_compile_options(corvina_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(corvina_options INTERFACE -fsanitize=address,undefined)
elseif(CORVINA_SANITIZE)
    target_compile_options(corvina_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(corvina_options INTERFACE -fsanitize=address,undefined)
endif()

# corvina_add_test(NAME name SOURCES a.cpp ... LABELS logic|ui [LIBS extra...])
# One executable per test file; ui tests run on the offscreen platform.
function(corvina_add_test)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LABELS;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES CORVINA_TEST_CODE ON)
    set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    if("ui" IN_LIST T_LABELS)
        target_link_libraries(${T_NAME} PRIVATE cv_test_ui ${T_LIBS})
    else()
        target_link_libraries(${T_NAME} PRIVATE cv_test_logic ${T_LIBS})
    endif()
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set(env "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TZ=UTC")
    set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}" ENVIRONMENT "${env}" TIMEOUT 600)
endfunction()
