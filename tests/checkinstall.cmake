# Installs the build into a temporary DESTDIR and checks the tree a package would hold:
#   cmake -DBUILD=<build dir> -DDEST=<empty folder> -P checkinstall.cmake
file(REMOVE_RECURSE ${DEST})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DEST}
                        ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    usr/bin/quelvanto
    usr/share/quelvanto/data/bd
    usr/share/quelvanto/manual-qv.pdf
    usr/share/quelvanto/media/system/ui/background.png
    usr/share/quelvanto/media/system/menus/letras.png
    usr/share/quelvanto/media/system/cooper/min/a.png
    usr/share/applications/quelvanto.desktop
    usr/share/metainfo/org.quelvanto.Quelvanto.metainfo.xml
    usr/share/icons/hicolor/48x48/apps/quelvanto.png
    usr/share/icons/hicolor/256x256/apps/quelvanto.png
    usr/share/doc/quelvanto/copyright)
foreach(path ${expected})
    if(NOT EXISTS ${DEST}/${path})
        message(FATAL_ERROR "missing from the install: /${path}")
    endif()
endforeach()
file(GLOB letters ${DEST}/usr/share/quelvanto/media/languages/*/Letras)
if(NOT letters)
    message(FATAL_ERROR "no language media under /usr/share/quelvanto/media/languages")
endif()

# Nothing outside /usr, and no build tools or tests.
file(GLOB top RELATIVE ${DEST} ${DEST}/*)
if(NOT top STREQUAL "usr")
    message(FATAL_ERROR "installed outside /usr: ${top}")
endif()
file(GLOB programs RELATIVE ${DEST}/usr/bin ${DEST}/usr/bin/*)
if(NOT programs STREQUAL "quelvanto")
    message(FATAL_ERROR "unexpected programs in /usr/bin: ${programs}")
endif()
# The installed database is the demo one: no users of a developer's own.
file(SIZE ${DEST}/usr/share/quelvanto/data/bd db_size)
if(db_size EQUAL 0)
    message(FATAL_ERROR "empty database installed")
endif()

find_program(DESKTOP_VALIDATE desktop-file-validate)
if(DESKTOP_VALIDATE)
    execute_process(COMMAND ${DESKTOP_VALIDATE} ${DEST}/usr/share/applications/quelvanto.desktop
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0 OR NOT out STREQUAL "")
        message(FATAL_ERROR "desktop-file-validate: ${out}")
    endif()
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net
                            ${DEST}/usr/share/metainfo/org.quelvanto.Quelvanto.metainfo.xml
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "appstreamcli validate: ${out}")
    endif()
endif()
file(REMOVE_RECURSE ${DEST})
