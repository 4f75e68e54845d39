# cmake -DCONFIGURATION=CPackConfig.cmake -DCHANGELOG=paquet/changelog -P VerifieControlePaquet.cmake
# The package's control fields as CPack will write them, checked against what a user and Debian
# expect: the changelog's latest entry is this version; what the program loads at run time is a
# Depends; a plain installation does not pull LibreOffice, which is only suggested.
cmake_minimum_required(VERSION 3.25)
include(${CONFIGURATION})

execute_process(COMMAND dpkg-parsechangelog -l ${CHANGELOG} -S Version
                OUTPUT_VARIABLE versionChangelog OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(version "${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
if(NOT versionChangelog STREQUAL version)
    message(SEND_ERROR "changelog ${versionChangelog}, paquet ${version}")
endif()

function(relations champ sortie)
    string(REGEX REPLACE " *\\([^)]*\\)" "" liste "${${champ}}")
    string(REGEX REPLACE " *[,|] *" ";" liste "${liste}")
    set(${sortie} "${liste}" PARENT_SCOPE)
endfunction()
relations(CPACK_DEBIAN_PACKAGE_DEPENDS depends)
relations(CPACK_DEBIAN_PACKAGE_RECOMMENDS recommends)
relations(CPACK_DEBIAN_PACKAGE_SUGGESTS suggests)
foreach(attendu qt6-translations-l10n qt6-qpa-plugins libqt6svg6 fonts-liberation)
    if(NOT attendu IN_LIST depends)
        message(SEND_ERROR "${attendu} manque dans Depends : ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
    endif()
endforeach()
foreach(paquet IN LISTS depends recommends)
    if(paquet MATCHES "^libreoffice")
        message(SEND_ERROR "${paquet} installé d'office")
    endif()
endforeach()
if(NOT libreoffice-calc IN_LIST suggests)
    message(SEND_ERROR "libreoffice-calc manque dans Suggests : ${CPACK_DEBIAN_PACKAGE_SUGGESTS}")
endif()
