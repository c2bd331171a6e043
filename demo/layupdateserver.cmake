# Lays out what the demo server hands out as the maker's update server for device selection and
# the self-update (scripts/demo --device):
#   OUT/Downloads/updater/0A41/Windows/   the DS-410's bundle selection file, its scanner file
#                                         for bundle A, and bundle A: the web applications of
#                                         the demo's update description (with their sizes)
#   OUT/Downloads/updater/0B52/Windows/   the DS-520's scanner file, which names no bundle
#   OUT/setupupdate/                      TamberlinUpdate.xml and TamberlinUpdate.exe: a newer
#                                         setup (file version VERSION) in the demo's package,
#                                         with setup_runner, the skin and the licences; the
#                                         description names the package's SHA-256
#   cmake -DOUT=... -DSOURCE=<demo/updateserver> -DUPDATE_XML=<laid-out update.xml> -DDISC=...
#         -DSETUP=... -DRUNNER=... -DPACKAGER=... -DOBJCOPY=... -DVERSION=... -P layupdateserver.cmake
set(models ${OUT}/Downloads/updater/0A41/Windows)
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${models} ${OUT}/Downloads/updater/0B52/Windows ${OUT}/setupupdate
     ${OUT}/staging)
configure_file(${SOURCE}/0B52_1.xml ${OUT}/Downloads/updater/0B52/Windows/0B52_1.xml COPYONLY)
configure_file(${SOURCE}/0A41_SN.xml ${models}/0A41_SN.xml COPYONLY)
configure_file(${SOURCE}/0A41_A.xml ${models}/0A41_A.xml COPYONLY)

# The bundle is the update description's applications (from the first to the last, with the
# comments between them): the merge takes only those.
file(READ ${UPDATE_XML} catalogue)
string(REGEX MATCH "<application .*</application>" applications "${catalogue}")
file(WRITE ${models}/0A41_Bundle_A.xml
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
     "<Bundle SoftwareVersion=\"1.1.0\" MinSetupVersion=\"1.0\">\n  ${applications}\n</Bundle>\n")

# Without debug information the package downloads in a few seconds even at the demo's rate.
set(files)
foreach(program Setup=${SETUP} setup_runner=${RUNNER})
    string(REPLACE "=" ";" pair "${program}")
    list(GET pair 0 name)
    list(GET pair 1 path)
    execute_process(COMMAND ${OBJCOPY} --strip-debug ${path} ${OUT}/staging/${name}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "Could not strip ${path}")
    endif()
    list(APPEND files ${name}=${OUT}/staging/${name})
endforeach()
file(GLOB_RECURSE discFiles RELATIVE ${DISC} ${DISC}/TamSkin* ${DISC}/wait_*.png ${DISC}/EULA/*
     ${DISC}/libdnssd.so)
foreach(file ${discFiles})
    list(APPEND files ${file}=${DISC}/${file})
endforeach()
execute_process(COMMAND ${PACKAGER} build ${OUT}/setupupdate/TamberlinUpdate.exe ${VERSION} ${files}
                RESULT_VARIABLE result)
file(REMOVE_RECURSE ${OUT}/staging)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Could not build the demo's setup package")
endif()
# The description names the package by its hash: setup starts no other package.
file(SHA256 ${OUT}/setupupdate/TamberlinUpdate.exe packageHash)
file(WRITE ${OUT}/setupupdate/TamberlinUpdate.xml
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
     "<Setup Version=\"${VERSION}\" compression=\"self_extr_zip\" sha256=\"${packageHash}\"/>\n")
