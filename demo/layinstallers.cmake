# Puts the stand-in installer on the laid-out demo disc: over every placeholder program, and
# packed as the text-recognition cabinet, whose size the catalogue then states (it counts as
# already downloaded only with its exact size). The cloud connector is downloaded as the
# stand-in installer itself (layweb.cmake), so its size is the installer's.
#   cmake -DDISC=<disc folder> -DINSTALLER=<demoinstaller> -DGCAB=<gcab> -P layinstallers.cmake
include(${CMAKE_CURRENT_LIST_DIR}/downloadsizes.cmake)
file(GLOB_RECURSE placeholders "${DISC}/*.exe")
foreach(placeholder ${placeholders})
    get_filename_component(folder ${placeholder} DIRECTORY)
    get_filename_component(name ${placeholder} NAME)
    file(REMOVE ${placeholder})
    file(COPY ${INSTALLER} DESTINATION ${folder} FILE_PERMISSIONS OWNER_READ OWNER_WRITE
         OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    get_filename_component(installer_name ${INSTALLER} NAME)
    file(RENAME ${folder}/${installer_name} ${placeholder})
endforeach()

set(staging ${DISC}/../cabinet-staging)
file(REMOVE_RECURSE ${staging})
file(MAKE_DIRECTORY ${staging})
file(COPY ${INSTALLER} DESTINATION ${staging} FILE_PERMISSIONS OWNER_READ OWNER_WRITE
     OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
get_filename_component(installer_name ${INSTALLER} NAME)
file(RENAME ${staging}/${installer_name} ${staging}/OcrSetup.exe)
set(cabinet ${DISC}/Payload/TextRecognition.cab)
file(REMOVE ${cabinet})
execute_process(COMMAND ${GCAB} -c -z -n ${cabinet} OcrSetup.exe WORKING_DIRECTORY ${staging}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "gcab could not make ${cabinet}")
endif()
file(REMOVE_RECURSE ${staging})
file(SIZE ${cabinet} cabinet_size)
file(READ ${DISC}/scanner_win.xml catalogue)
string(REGEX REPLACE "(TextRecognition\\.cab\" compression=\"cab\" size=\")[0-9]*\""
       "\\1${cabinet_size}\"" catalogue "${catalogue}")
tam_set_download_sha256(catalogue TextRecognition.cab ${cabinet})
file(SIZE ${INSTALLER} installer_size)
tam_set_download_size(catalogue CloudConnectSetup.exe ${installer_size})
# The web serves the stand-in installer itself under this name (layweb.cmake).
tam_set_download_sha256(catalogue CloudConnectSetup.exe ${INSTALLER})
file(WRITE ${DISC}/scanner_win.xml "${catalogue}")
