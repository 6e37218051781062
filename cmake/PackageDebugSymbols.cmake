# Run by CPack once the packages are made: puts the -dbgsym package right, as Debian's own
# tools make one. CPack lists its files in DEBIAN/md5sums by their absolute paths in the
# staging folder (so the list names no file of the package, and changes with the folder the
# package is built in); here the list names them relative to the root, the debug files are
# not executable, and /usr/share/doc/lotcraft-dbgsym is a link to the documentation of the
# lotcraft package it depends on. Every date in it is SOURCE_DATE_EPOCH, when set.
find_program(LOTCRAFT_DPKG_DEB dpkg-deb REQUIRED)
set(debug_packages ${CPACK_PACKAGE_FILES})
list(FILTER debug_packages INCLUDE REGEX "\\.ddeb$")
if(NOT debug_packages)
    file(GLOB debug_packages "${CPACK_PACKAGE_DIRECTORY}/*.ddeb")
endif()

foreach(package IN LISTS debug_packages)
    set(tree "${CPACK_TOPLEVEL_DIRECTORY}/dbgsym-tree")
    file(REMOVE_RECURSE "${tree}")
    execute_process(COMMAND ${LOTCRAFT_DPKG_DEB} -R "${package}" "${tree}" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "dpkg-deb could not open ${package}")
    endif()

    file(GLOB_RECURSE files RELATIVE "${tree}" LIST_DIRECTORIES false "${tree}/usr/*")
    list(SORT files)
    set(sums "")
    foreach(file IN LISTS files)
        file(CHMOD "${tree}/${file}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
        file(MD5 "${tree}/${file}" sum)
        string(APPEND sums "${sum}  ${file}\n")
    endforeach()
    file(WRITE "${tree}/DEBIAN/md5sums" "${sums}")

    file(MAKE_DIRECTORY "${tree}/usr/share/doc")
    file(CREATE_LINK lotcraft "${tree}/usr/share/doc/lotcraft-dbgsym" SYMBOLIC)

    if(DEFINED ENV{SOURCE_DATE_EPOCH})
        execute_process(COMMAND find "${tree}" -exec touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +)
    endif()
    file(REMOVE "${package}")
    execute_process(COMMAND ${LOTCRAFT_DPKG_DEB} --root-owner-group -Zgzip --build "${tree}" "${package}"
                    OUTPUT_QUIET RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "dpkg-deb could not make ${package}")
    endif()
    file(REMOVE_RECURSE "${tree}")
endforeach()
