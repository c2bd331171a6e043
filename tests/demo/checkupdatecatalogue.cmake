# What the demo's update description offers, alone and merged with the disc's catalogue, and
# whether every size and hash it states is that of the file the demo server hands out.
#   cmake -DDISCTOOL=<disctool> -DDEMO=<build>/demo -DMACHINE=<scratch folder> -P ...
# Run with TAM_UPDATE_HOST=updates.test and TAM_WEB_HOST=www.tamberlin.com.
cmake_minimum_required(VERSION 3.19) # string(JSON)

set(served ${DEMO}/web/Downloads/demo)

# The applications of one disctool run as "shortName|combined|fromWeb" lines; checks every
# download's URL and size against the served file on the way.
function(read_catalogue out)
    file(REMOVE_RECURSE ${MACHINE})
    file(MAKE_DIRECTORY ${MACHINE})
    execute_process(COMMAND ${DISCTOOL} catalogue ${ARGN} --machine ${MACHINE}
                    OUTPUT_VARIABLE json RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "disctool catalogue ${ARGN} failed (${result}):\n${json}")
    endif()
    string(JSON messages LENGTH "${json}" messages)
    if(NOT messages EQUAL 0)
        message(SEND_ERROR "disctool catalogue ${ARGN} raised messages:\n${json}")
    endif()
    set(rows)
    string(JSON count LENGTH "${json}" applications)
    math(EXPR last "${count} - 1")
    foreach(a RANGE ${last})
        string(JSON name GET "${json}" applications ${a} shortName)
        string(JSON combined GET "${json}" applications ${a} combined)
        string(JSON web GET "${json}" applications ${a} fromWeb)
        list(APPEND rows "${name}|${combined}|${web}")
        string(JSON installers LENGTH "${json}" applications ${a} installers)
        math(EXPR lastInstaller "${installers} - 1")
        foreach(i RANGE ${lastInstaller})
            string(JSON url GET "${json}" applications ${a} installers ${i} url)
            string(JSON size GET "${json}" applications ${a} installers ${i} size)
            string(JSON sha256 GET "${json}" applications ${a} installers ${i} sha256)
            if(NOT url MATCHES "/Downloads/demo/([^/]+\\.exe)$")
                continue() # on the disc, or the disc's cabinet
            endif()
            set(file ${served}/${CMAKE_MATCH_1})
            if(NOT url STREQUAL "https://updates.test/Downloads/demo/${CMAKE_MATCH_1}")
                message(SEND_ERROR "${name}: ${url} does not lead to the update host")
            elseif(NOT EXISTS ${file})
                message(SEND_ERROR "${name}: the server has no ${CMAKE_MATCH_1}")
            else()
                file(SIZE ${file} served_size)
                if(NOT size EQUAL served_size)
                    message(SEND_ERROR "${name}: size ${size}, but ${file} has ${served_size}")
                endif()
                file(SHA256 ${file} served_hash)
                if(NOT sha256 STREQUAL served_hash)
                    message(SEND_ERROR "${name}: sha256 '${sha256}', but ${file} has ${served_hash}")
                endif()
            endif()
        endforeach()
    endforeach()
    set(${out} "${rows}" PARENT_SCOPE)
endfunction()

# Update description only (setup without the disc): three web entries.
read_catalogue(alone - --update ${DEMO}/update/update.xml)
set(expected "ScanUtility|OFF|ON" "CloudConnect|OFF|ON" "TemplateGallery|OFF|ON")
if(NOT alone STREQUAL expected)
    message(SEND_ERROR "Update description alone: ${alone}")
endif()

# With the disc: the scan utility becomes a disc/web pair, the cloud connector is the disc's
# own (the same version), the gallery comes last from the web. --web picks the web variants,
# so the pair's installer is the download checked above.
read_catalogue(merged ${DEMO}/disc/scanner_win.xml --update ${DEMO}/update/update.xml --web)
set(expected "Driver|OFF|OFF" "ScanUtility|ON|OFF" "PaperDesk|OFF|OFF" "TextRecognition|OFF|OFF"
             "ButtonManager|OFF|OFF" "CloudConnect|OFF|OFF" "TemplateGallery|OFF|ON")
if(NOT merged STREQUAL expected)
    message(SEND_ERROR "Disc and update description: ${merged}")
endif()
