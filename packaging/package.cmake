# Installation and the Debian package: cmake --build --preset release --target package
# writes lesko_<version>_<architecture>.deb into the build folder.
include(GNUInstallDirs)

# The installed programs. Each has its manual page in English,
# packaging/<name>.1, and in Bulgarian, packaging/man/bg/<name>.1; to install
# another program, add its target here and write both pages.
set(LESKO_INSTALLED_PROGRAMS lesko lesko_config lesko_report lesko_check)

set(LESKO_APP_ID bg.lesko.funkr)  # reverse-DNS name of the desktop entry, icon and metainfo
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME})
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)

# Manual pages and the changelog are installed compressed with gzip -9n (no
# name or time stamp, so the package is reproducible).
find_program(GZIP gzip REQUIRED)
function(lesko_gzip source output)
    add_custom_command(OUTPUT ${output}
        COMMAND ${GZIP} -9n -c ${source} > ${output}
        DEPENDS ${source} VERBATIM)
endfunction()

set(compressed)
foreach(program IN LISTS LESKO_INSTALLED_PROGRAMS)
    foreach(language IN ITEMS en bg)
        if(language STREQUAL en)
            set(page ${packaging}/${program}.1)
            set(mandir ${CMAKE_INSTALL_MANDIR}/man1)
        else()
            set(page ${packaging}/man/${language}/${program}.1)
            set(mandir ${CMAKE_INSTALL_MANDIR}/${language}/man1)
        endif()
        if(NOT EXISTS ${page})
            message(FATAL_ERROR "${page}: the ${language} manual page of ${program} is missing")
        endif()
        set(gz ${CMAKE_CURRENT_BINARY_DIR}/man/${language}/${program}.1.gz)
        file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/man/${language})
        lesko_gzip(${page} ${gz})
        list(APPEND compressed ${gz})
        install(FILES ${gz} DESTINATION ${mandir})
    endforeach()
endforeach()
lesko_gzip(${packaging}/changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
list(APPEND compressed ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_target(package_files ALL DEPENDS ${compressed})

install(TARGETS ${LESKO_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The checker's sandbox runner, found by the programs beside them or in
# ../libexec/lesko; no user starts it.
install(TARGETS lesko_runner RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/lesko)
install(FILES ${packaging}/${LESKO_APP_ID}.desktop ${packaging}/${LESKO_APP_ID}.setup.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${LESKO_APP_ID}.results.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${LESKO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${packaging}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
        FILES_MATCHING PATTERN "*.png" PATTERN "*.svg")
install(FILES ${packaging}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${docdir})
# The teacher's guide, also shown from the setup window's help.
install(FILES ${PROJECT_SOURCE_DIR}/docs/teacher-guide.md DESTINATION ${docdir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Lesko developers <lesko@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmed school informatics lesson on functions")
set(CPACK_PACKAGE_DESCRIPTION
    "One complete secondary school informatics lesson (C++), all of it in Bulgarian.\n"
    "The main window presents the topic, the plan and the text and picture of each\n"
    "point and times the reading. The task window gives twenty C++ tasks with a\n"
    "clock, a hint after a set time and the author's solution when the time is\n"
    "over, and saves the student's work. The teacher sets the lesson up for a\n"
    "class with a configuration file.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The answer checker compiles with g++ and runs the answer in a bubblewrap sandbox.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "g++, bubblewrap")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
