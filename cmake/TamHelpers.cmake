# Small helpers shared by the folders.

# tam_platform_sources(VAR DIR): the sources of DIR that belong to this platform: every
# *.cpp except those ending in _win.cpp (Windows only) or _posix.cpp (elsewhere).
function(tam_platform_sources var dir)
    file(GLOB all CONFIGURE_DEPENDS "${dir}/*.cpp")
    set(result)
    foreach(f ${all})
        if(f MATCHES "_win\\.cpp$")
            if(WIN32)
                list(APPEND result ${f})
            endif()
        elseif(f MATCHES "_posix\\.cpp$")
            if(NOT WIN32)
                list(APPEND result ${f})
            endif()
        else()
            list(APPEND result ${f})
        endif()
    endforeach()
    set(${var} ${result} PARENT_SCOPE)
endfunction()

# tam_write_if_changed(FILE TEXT): writes TEXT to FILE only when FILE holds something else, so
# that a new configure leaves generated inputs (resource lists) and all that depends on them
# untouched.
function(tam_write_if_changed file text)
    if(EXISTS ${file})
        file(READ ${file} old)
        if(old STREQUAL text)
            return()
        endif()
    endif()
    file(WRITE ${file} "${text}")
endfunction()

# tam_find_linguist_tools(): lrelease and lupdate run on the build machine. A cross build's Qt
# (the static Qt for Windows) brings no Linguist tools, so it takes the host's.
macro(tam_find_linguist_tools)
    if(CMAKE_CROSSCOMPILING)
        file(GLOB _tamHostLinguist /usr/lib/*/cmake/Qt5LinguistTools)
        find_package(Qt5LinguistTools REQUIRED CONFIG NO_CMAKE_FIND_ROOT_PATH
                     PATHS ${_tamHostLinguist})
    else()
        find_package(Qt5LinguistTools REQUIRED)
    endif()
endmacro()

# What a tree cannot build or run (a test that needs a Linux-only peer, a program that needs a
# Qt module this Qt lacks) is left out with a line in the configure output, and listed in
# tam-left-out.txt in the build folder (written by tam_write_left_out() at the end of the
# top-level CMakeLists.txt), which the test scripts print with the counts.
set_property(GLOBAL PROPERTY TAM_LEFT_OUT "")
function(tam_leave_out what reason)
    message(STATUS "Left out of this tree: ${what} (${reason})")
    set_property(GLOBAL APPEND PROPERTY TAM_LEFT_OUT "${what}: ${reason}")
endfunction()
function(tam_write_left_out)
    get_property(leftOut GLOBAL PROPERTY TAM_LEFT_OUT)
    set(text "")
    foreach(line IN LISTS leftOut)
        string(APPEND text "${line}\n")
    endforeach()
    file(WRITE ${CMAKE_BINARY_DIR}/tam-left-out.txt "${text}")
endfunction()

# Whether a test marked LINUX_ONLY <reason> (it needs a Linux-only peer such as nginx, or tests
# the simulated machine) belongs in this tree. Sets SKIP in the caller when it does not.
macro(_tam_test_applies name)
    set(SKIP FALSE)
    if(T_LINUX_ONLY AND WIN32)
        tam_leave_out(${name} "Linux only: ${T_LINUX_ONLY}")
        set(SKIP TRUE)
    endif()
endmacro()

# tam_gtest(NAME SOURCES... LIBS ... [LINUX_ONLY <reason>]): a GoogleTest program registered
# with CTest. Under a cross build CTest runs it through CMAKE_CROSSCOMPILING_EMULATOR (Wine).
function(tam_gtest name)
    cmake_parse_arguments(T "" "LINUX_ONLY" "SOURCES;LIBS" ${ARGN})
    _tam_test_applies(${name})
    if(SKIP)
        return()
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    add_test(NAME ${name} COMMAND ${name})
endfunction()

# The environment a QtTest program runs in: the offscreen platform everywhere. On Windows,
# QtTest and qDebug() write to the debugger instead of stdout when the program has no console
# window (as under ctest), so they are told to use the standard streams; the offscreen platform
# finds no fonts of its own there and gets the host's through Wine's Z: drive. Wine passes no
# QT_* variable on to the program but turns WINEQT_* into QT_*.
set(TAM_QTEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
if(WIN32)
    set(_tamFontDir "Z:\\usr\\share\\fonts\\truetype\\dejavu")
    foreach(_tamPrefix "" "WINE")
        list(APPEND TAM_QTEST_ENVIRONMENT "${_tamPrefix}QT_QPA_PLATFORM=offscreen"
             "${_tamPrefix}QT_FORCE_STDERR_LOGGING=1" "${_tamPrefix}QT_QPA_FONTDIR=${_tamFontDir}")
    endforeach()
    list(REMOVE_DUPLICATES TAM_QTEST_ENVIRONMENT)
    unset(_tamFontDir)
endif()

# tam_qtest(NAME SOURCES... LIBS ... [LINUX_ONLY <reason>]): a QtTest program registered with
# CTest, run offscreen. With a static Qt the offscreen platform is linked in (it only takes
# effect in programs that link Qt5::Gui).
function(tam_qtest name)
    cmake_parse_arguments(T "" "LINUX_ONLY" "SOURCES;LIBS" ${ARGN})
    _tam_test_applies(${name})
    if(SKIP)
        return()
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} Qt5::Test)
    get_target_property(qtType Qt5::Core TYPE)
    if(qtType STREQUAL "STATIC_LIBRARY")
        qt5_import_plugins(${name} INCLUDE Qt5::QOffscreenIntegrationPlugin)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${TAM_QTEST_ENVIRONMENT}")
endfunction()

# tam_shares_machine(TEST...): tests that change the machine's state (Uninstall entries, upgrade
# codes, the maker's keys, the Windows version; directly or through the installers they run) or
# whose results depend on it. On Linux each of them has a simulated machine of its own; the
# Windows tree has one real machine (the Wine prefix), so there they run one at a time and put
# back what they changed (tests/config/catalogtestsupport.h). Tests left out of the tree are
# skipped. Call it in the folder that added the tests.
function(tam_shares_machine)
    if(NOT WIN32)
        return()
    endif()
    foreach(test ${ARGN})
        if(TEST ${test})
            set_tests_properties(${test} PROPERTIES RESOURCE_LOCK tam_machine)
        endif()
    endforeach()
endfunction()

# tam_apply_sanitizers(): the compile and link flags of TAM_SANITIZE and TAM_FUZZ for the whole
# tree. Every report ends the program (no recovery), so a test with a report fails.
macro(tam_apply_sanitizers)
    if(TAM_SANITIZE OR TAM_FUZZ)
        if(WIN32)
            message(FATAL_ERROR "TAM_SANITIZE and TAM_FUZZ are for the Linux build")
        endif()
        set(_tamSanitizers -fsanitize=address,undefined -fno-sanitize-recover=all
                           -fno-omit-frame-pointer)
        add_compile_options(${_tamSanitizers})
        add_link_options(-fsanitize=address,undefined)
        if(TAM_FUZZ)
            if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
                message(FATAL_ERROR "TAM_FUZZ needs clang (CC=clang CXX=clang++)")
            endif()
            add_compile_options(-fsanitize=fuzzer-no-link)
        endif()
    endif()
endmacro()

# tam_fuzz_target(NAME SOURCES ... LIBS ...): one parser's fuzz target under tests/fuzz. Its
# seed inputs are the files in tests/fuzz/corpus/NAME, the inputs that once broke the parser
# in tests/fuzz/regressions/NAME. With TAM_FUZZ it is a libFuzzer program (scripts/fuzz runs
# it); otherwise it replays both folders and CTest runs that replay as fuzz_replay_NAME.
function(tam_fuzz_target name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    set(target fuzz_${name})
    set(fuzzDir ${CMAKE_SOURCE_DIR}/tests/fuzz)
    add_executable(${target} ${T_SOURCES})
    target_link_libraries(${target} PRIVATE ${T_LIBS})
    target_include_directories(${target} PRIVATE ${fuzzDir})
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    set_property(GLOBAL APPEND PROPERTY TAM_FUZZ_TARGETS ${target})
    if(TAM_FUZZ)
        target_link_options(${target} PRIVATE -fsanitize=fuzzer)
        return()
    endif()
    target_sources(${target} PRIVATE ${fuzzDir}/replaymain.cpp)
    add_test(NAME fuzz_replay_${name}
             COMMAND ${target} ${fuzzDir}/corpus/${name} ${fuzzDir}/regressions/${name})
endfunction()
