# Lays out what the demo server hands out as the maker's web host (scripts/demo-server): the
# web installers under Downloads/demo, each the stand-in installer, two of them padded with
# zeros that it never reads so that their downloads can be watched, paused and resumed. Then
# writes the update description that offers them, with their sizes and SHA-256 hashes.
#   cmake -DWEB=<served folder> -DINSTALLER=<demoinstaller> -DTRUNCATE=<truncate>
#         -DSOURCE=<update.xml> -DOUTPUT=<update.xml in the build> -P layweb.cmake
include(${CMAKE_CURRENT_LIST_DIR}/downloadsizes.cmake)

# name and padded size in bytes (0: the installer as it is)
set(downloads
    CloudConnectSetup.exe 0
    CaptureSetup_3.4.exe 8388608
    TemplateGallerySetup.exe 25165824)

set(folder ${WEB}/Downloads/demo)
file(REMOVE_RECURSE ${WEB})
file(MAKE_DIRECTORY ${folder})
get_filename_component(installer_name ${INSTALLER} NAME)
file(READ ${SOURCE} catalogue)
list(LENGTH downloads count)
math(EXPR last "${count} - 1")
foreach(index RANGE 0 ${last} 2)
    math(EXPR padded_index "${index} + 1")
    list(GET downloads ${index} name)
    list(GET downloads ${padded_index} padded)
    file(COPY ${INSTALLER} DESTINATION ${folder} FILE_PERMISSIONS OWNER_READ OWNER_WRITE
         GROUP_READ WORLD_READ)
    file(RENAME ${folder}/${installer_name} ${folder}/${name})
    file(SIZE ${folder}/${name} size)
    if(size LESS padded)
        execute_process(COMMAND ${TRUNCATE} -s ${padded} ${folder}/${name}
                        RESULT_VARIABLE result)
        if(NOT result EQUAL 0)
            message(FATAL_ERROR "Could not pad ${folder}/${name}")
        endif()
        file(SIZE ${folder}/${name} size)
    endif()
    tam_set_download_size(catalogue ${name} ${size})
    tam_set_download_sha256(catalogue ${name} ${folder}/${name})
endforeach()
file(WRITE ${OUTPUT} "${catalogue}")
