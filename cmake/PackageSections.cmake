# Run by CPack after it has installed into its staging folder, before the package is made:
# removes from the programs the sections no installed program needs (.comment, the
# compilers' names; .note, not the build id's note), as Debian's own packaging does.
find_program(LOTCRAFT_OBJCOPY objcopy REQUIRED)
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(program IN LISTS staged)
    if(NOT program MATCHES "/usr/bin/[^/]+$" OR IS_SYMLINK "${program}")
        continue()
    endif()
    execute_process(COMMAND ${LOTCRAFT_OBJCOPY} --remove-section=.comment --remove-section=.note
                            "${program}" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "objcopy could not clean ${program}")
    endif()
endforeach()
