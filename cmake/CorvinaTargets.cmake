# Compile settings shared by every Corvina target: warnings (errors on request), sanitizers on request.
add_library(corvina_options INTERFACE)
target_compile_options(corvina_options INTERFACE -Wall -Wextra -Wpedantic)
# Warnings fail the build in the tests and CI, where the compiler is the one we know; a newer
# compiler in a user's `make run` may warn about things we have not seen yet, and must still build.
if(CORVINA_WERROR)
    target_compile_options(corvina_options INTERFACE -Werror)
endif()
target_compile_definitions(corvina_options INTERFACE
    QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING QT_USE_QSTRINGBUILDER)
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
