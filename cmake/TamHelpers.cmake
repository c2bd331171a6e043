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

# tam_gtest(NAME SOURCES... LIBS ...): a GoogleTest program registered with CTest. Under a
# cross build CTest runs it through CMAKE_CROSSCOMPILING_EMULATOR (Wine).
function(tam_gtest name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    add_test(NAME ${name} COMMAND ${name})
endfunction()

# tam_qtest(NAME SOURCES... LIBS ...): a QtTest program registered with CTest, run offscreen.
function(tam_qtest name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} Qt5::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
