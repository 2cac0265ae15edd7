# Installs the build into a fresh temporary prefix and checks that a desktop finds everything
# there: the two programs, the desktop entry, the file type, the AppStream data and the icons;
# and what a Debian package holds beside: the manual pages, the copyright and the changelog.
# cmake -DBUILD_DIR=... -DPREFIX=... -P CheckInstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()
set(expected
    bin/tavorin
    bin/tavorin-cli
    share/applications/org.tavorin.Tavorin.desktop
    share/metainfo/org.tavorin.Tavorin.metainfo.xml
    share/mime/packages/tavorin.xml
    share/icons/hicolor/scalable/apps/tavorin.svg
    share/man/man1/tavorin.1.gz
    share/man/man1/tavorin-cli.1.gz
    share/doc/tavorin/copyright
    share/doc/tavorin/changelog.gz)
foreach(size 16 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/tavorin.png)
endforeach()
foreach(file ${expected})
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
# The installed programs answer without a display.
execute_process(COMMAND ${PREFIX}/bin/tavorin --version OUTPUT_VARIABLE version RESULT_VARIABLE ran)
if(NOT ran EQUAL 0 OR NOT version MATCHES "^tavorin [0-9]")
    message(FATAL_ERROR "tavorin --version said: ${version}")
endif()
file(REMOVE_RECURSE ${PREFIX})
