# Debian's hardening as dpkg-buildflags gives it (fortified C library functions, stack protector,
# format checks, relocations read-only and bound at start; Debian's compiler makes PIE by default),
# for the builds that are shipped. The sanitizer and fuzz builds go without: the fortified
# functions would slip past their instrumentation. The optimisation and debug flags stay the build
# type's. Fortifying needs an optimised build: without one the C library only warns. The file-path
# mapping is left out, as it would depend on the folder cmake was started from.
# Sets DURCISSEMENT_DEBIAN when the flags are applied, DURCISSEMENT_FORTIFIE when fortifying too.
if(AMORTIX_SANITIZE OR AMORTIX_FUZZ)
    return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
    message(STATUS "Sans le durcissement de Debian : dpkg-buildflags (paquet dpkg-dev) manque")
    return()
endif()

set(durcissement hardening=+all)
set(DURCISSEMENT_FORTIFIE ON)
if(NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    string(APPEND durcissement ",-fortify")
    set(DURCISSEMENT_FORTIFIE OFF)
endif()
foreach(variable CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env
            "DEB_BUILD_MAINT_OPTIONS=${durcissement} reproducible=-fixfilepath,-fixdebugpath"
            "DEB_CXXFLAGS_MAINT_STRIP=-g -O2" ${DPKG_BUILDFLAGS} --get ${variable}
        OUTPUT_VARIABLE dpkg_${variable} OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE echec)
    if(echec)
        message(STATUS "Sans le durcissement de Debian : dpkg-buildflags --get ${variable} échoue")
        return()
    endif()
endforeach()

separate_arguments(drapeauxCompilation UNIX_COMMAND "${dpkg_CPPFLAGS} ${dpkg_CXXFLAGS}")
separate_arguments(drapeauxEdition UNIX_COMMAND "${dpkg_LDFLAGS}")
add_compile_options(${drapeauxCompilation})
add_link_options(${drapeauxEdition})
set(DURCISSEMENT_DEBIAN ON)
message(STATUS "Durcissement de Debian : ${dpkg_CPPFLAGS} ${dpkg_CXXFLAGS} ${dpkg_LDFLAGS}")
