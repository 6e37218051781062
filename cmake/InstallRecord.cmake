# The record of an installation: every file it put in place and every folder it had to make,
# written into the data folder, so that `make uninstall` removes exactly those and nothing
# else, whichever prefix they went to. It is not part of the Debian package (its own
# component), where dpkg keeps that record.
#
# Every entry names a path relative to the prefix, so a record written into a staging folder
# (DESTDIR) is the record of the installation the stage stands for:
#   file PATH      a file or link the installation put in place
#   dir PATH       a folder it made ("dir ." when it made the prefix's own folder)
#   parents N      it also made the N folders just above the prefix
# LOTCRAFT_INSTALL_DIRS names every folder that files are installed into; the folders among
# them and their parents that do not exist yet when the installation starts are the ones it
# makes. The installation test finds a folder missing from the list: its uninstall leaves it.

set(LOTCRAFT_INSTALL_RECORD ${LOTCRAFT_INSTALL_DATADIR}/installed-files.txt)

function(lotcraft_install_record_begin)
    install(CODE "
        get_filename_component(_lotcraft_prefix \"\${CMAKE_INSTALL_PREFIX}\" ABSOLUTE)
        set(_lotcraft_root \"\$ENV{DESTDIR}\${_lotcraft_prefix}\")
        get_filename_component(_lotcraft_root \"\${_lotcraft_root}\" ABSOLUTE)
        # What an earlier installation into the same place left and is still there.
        set(_lotcraft_kept)
        if(EXISTS \"\${_lotcraft_root}/${LOTCRAFT_INSTALL_RECORD}\")
            file(STRINGS \"\${_lotcraft_root}/${LOTCRAFT_INSTALL_RECORD}\" _lotcraft_old)
            foreach(_entry IN LISTS _lotcraft_old)
                if(_entry MATCHES \"^parents [0-9]+\$\")
                    list(APPEND _lotcraft_kept \"\${_entry}\")
                    continue()
                endif()
                string(REGEX REPLACE \"^(file|dir) \" \"\" _path \"\${_entry}\")
                if(EXISTS \"\${_lotcraft_root}/\${_path}\" OR IS_SYMLINK \"\${_lotcraft_root}/\${_path}\")
                    list(APPEND _lotcraft_kept \"\${_entry}\")
                endif()
            endforeach()
        endif()
        # The folders this installation is about to make: below the prefix, the prefix
        # itself, and above it.
        set(_lotcraft_new_dirs)
        foreach(_dir ${LOTCRAFT_INSTALL_DIRS})
            while(NOT _dir STREQUAL \"\" AND NOT _dir STREQUAL \".\")
                if(NOT IS_DIRECTORY \"\${_lotcraft_root}/\${_dir}\")
                    list(APPEND _lotcraft_new_dirs \"dir \${_dir}\")
                endif()
                get_filename_component(_dir \"\${_dir}\" DIRECTORY)
            endwhile()
        endforeach()
        if(NOT IS_DIRECTORY \"\${_lotcraft_root}\")
            list(APPEND _lotcraft_new_dirs \"dir .\")
            set(_lotcraft_parents 0)
            get_filename_component(_dir \"\${_lotcraft_root}\" DIRECTORY)
            while(NOT IS_DIRECTORY \"\${_dir}\")
                math(EXPR _lotcraft_parents \"\${_lotcraft_parents} + 1\")
                get_filename_component(_dir \"\${_dir}\" DIRECTORY)
            endwhile()
            if(_lotcraft_parents)
                list(APPEND _lotcraft_new_dirs \"parents \${_lotcraft_parents}\")
            endif()
        endif()
    " COMPONENT UninstallRecord)
endfunction()

function(lotcraft_install_record_end)
    install(CODE "
        set(_lotcraft_entries \${_lotcraft_kept} \${_lotcraft_new_dirs})
        # CMake lists the installed files under the prefix, without DESTDIR.
        foreach(_file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
            get_filename_component(_file \"\${_file}\" ABSOLUTE)
            string(FIND \"\${_file}/\" \"\${_lotcraft_root}/\" _at)
            if(_at EQUAL 0)
                file(RELATIVE_PATH _path \"\${_lotcraft_root}\" \"\${_file}\")
            else()
                file(RELATIVE_PATH _path \"\${_lotcraft_prefix}\" \"\${_file}\")
            endif()
            if(_path STREQUAL \"\" OR IS_ABSOLUTE \"\${_path}\" OR _path MATCHES \"^\\\\.\\\\.(/|\$)\")
                message(FATAL_ERROR \"\${_file} was installed outside the prefix \${_lotcraft_prefix}\")
            endif()
            list(APPEND _lotcraft_entries \"file \${_path}\")
        endforeach()
        list(APPEND _lotcraft_entries \"file ${LOTCRAFT_INSTALL_RECORD}\")
        list(REMOVE_DUPLICATES _lotcraft_entries)
        list(SORT _lotcraft_entries)
        string(REPLACE \";\" \"\\n\" _lotcraft_text \"\${_lotcraft_entries}\")
        file(WRITE \"\${_lotcraft_root}/${LOTCRAFT_INSTALL_RECORD}\" \"\${_lotcraft_text}\\n\")
        message(STATUS \"Recorded for make uninstall: \${_lotcraft_root}/${LOTCRAFT_INSTALL_RECORD}\")
    " COMPONENT UninstallRecord)
endfunction()
