# The project's compiler settings, one interface target that every target of the tree links
# (tam_apply_settings_everywhere() at the end of the top-level CMakeLists.txt adds it to each
# target built from our sources, so a new folder or test gets it without asking).
#
# Warnings: -Wall -Wextra -Wpedantic; the tree builds without a single one, on gcc, clang and
# MinGW-w64. TAM_WERROR turns them into errors: off by default so that a warning does not stop
# a developer in the middle of a change, on in every tree the test scripts build, so that a new
# warning fails the run.
#
# Qt: connects refuse a narrowing conversion between a signal's and a slot's arguments; a
# QString does not become a QUrl behind our back (an address is parsed where we say how); no
# implicit QByteArray to const char * or QString (the encoding is always named); nothing that
# Qt 5.15 deprecates.
option(TAM_WERROR "Treat compiler warnings as errors" OFF)

add_library(tam_settings INTERFACE)
target_compile_options(tam_settings INTERFACE
                       $<$<COMPILE_LANGUAGE:C,CXX>:-Wall -Wextra -Wpedantic>
                       # Qt 5's qCDebug(category) leaves its "..." empty, which only C++20
                       # allows; clang's pedantic mode says so at every use.
                       $<$<COMPILE_LANG_AND_ID:CXX,Clang>:-Wno-gnu-zero-variadic-macro-arguments>
                       # Under the sanitizers gcc's flow analysis sees the instrumentation and
                       # warns of values "maybe uninitialized" inside the standard library
                       # (std::regex's std::function, gcc 12); the plain build keeps the warning.
                       $<$<AND:$<BOOL:${TAM_SANITIZE}>,$<COMPILE_LANG_AND_ID:CXX,GNU>>:-Wno-maybe-uninitialized>
                       $<$<AND:$<BOOL:${TAM_WERROR}>,$<COMPILE_LANGUAGE:C,CXX>>:-Werror>)
target_compile_definitions(tam_settings INTERFACE
                           QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
                           QT_NO_URL_CAST_FROM_STRING
                           QT_NO_CAST_FROM_BYTEARRAY
                           QT_DISABLE_DEPRECATED_BEFORE=0x050F00)

# _tam_targets_of(VAR DIR): the targets defined in DIR and the folders below it.
function(_tam_targets_of var dir)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir ${subdirs})
        _tam_targets_of(below ${subdir})
        list(APPEND targets ${below})
    endforeach()
    set(${var} ${targets} PARENT_SCOPE)
endfunction()

# tam_apply_settings_everywhere(): links tam_settings into every library and program built from
# this tree's sources; code built from elsewhere (GoogleTest's sources in the Windows trees) keeps
# its own settings.
function(tam_apply_settings_everywhere)
    _tam_targets_of(targets ${CMAKE_SOURCE_DIR})
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        get_target_property(sourceDir ${target} SOURCE_DIR)
        string(FIND "${sourceDir}/" "${CMAKE_SOURCE_DIR}/" atRoot)
        if(NOT atRoot EQUAL 0)
            continue()
        endif()
        if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
            target_link_libraries(${target} PRIVATE tam_settings)
        endif()
    endforeach()
endfunction()
