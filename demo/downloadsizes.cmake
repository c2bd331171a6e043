# A catalogue states the size of every download, and a file counts as already downloaded only
# with exactly that size: the build writes the sizes from the files it lays out.
#
# tam_set_download_size(<variable> <file name> <size>): in the catalogue text held by
# <variable>, sets size="..." of the installer whose url ends in "/<file name>". The url must
# come before size in that installer's attributes; a catalogue without such an installer stops
# the build, so that a renamed file cannot leave a stale size behind.
function(tam_set_download_size variable name size)
    string(REPLACE "." "\\." escaped "${name}")
    set(pattern "(/${escaped}\"[^>]*size=\")[0-9]*\"")
    if(NOT "${${variable}}" MATCHES "${pattern}")
        message(FATAL_ERROR "No installer downloads ${name} with a size to fill in")
    endif()
    string(REGEX REPLACE "${pattern}" "\\1${size}\"" result "${${variable}}")
    set(${variable} "${result}" PARENT_SCOPE)
endfunction()

# tam_set_download_sha256(<variable> <file name> <file>): likewise sets (or adds, right after
# size) sha256="..." of that installer to the SHA-256 of <file>, so that setup and setup_runner
# check the very file the build laid out.
function(tam_set_download_sha256 variable name file)
    file(SHA256 ${file} hash)
    string(REPLACE "." "\\." escaped "${name}")
    set(pattern "(/${escaped}\"[^>]*size=\"[0-9]*\")( sha256=\"[0-9A-Fa-f]*\")?")
    if(NOT "${${variable}}" MATCHES "${pattern}")
        message(FATAL_ERROR "No installer downloads ${name} with a size to hash next to")
    endif()
    string(REGEX REPLACE "${pattern}" "\\1 sha256=\"${hash}\"" result "${${variable}}")
    set(${variable} "${result}" PARENT_SCOPE)
endfunction()
