# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack before and after it packs, so that a plain `cpack` gives the same package on every
# machine: dated by the source's last commit (unless SOURCE_DATE_EPOCH already names a time), and
# with modes that do not follow the packer's umask, as the folders CPack makes for the staged files
# and the three members of the .deb's ar archive otherwise would.

# After: CPack wrote the ar members from files of its own, with the umask's modes. Each member's
# header is fixed-width text (name 16, date 12, owner 6, group 6, mode 8 and size 10 bytes, then
# two), so the modes are overwritten in place with rw-r--r--.
if(DEFINED CPACK_PACKAGE_FILES)
    foreach(package IN LISTS CPACK_PACKAGE_FILES)
        if(NOT package MATCHES "\\.deb$")
            continue()
        endif()
        file(SIZE "${package}" package_size)
        set(header 8) # after "!<arch>\n"
        while(header LESS package_size)
            math(EXPR mode_at "${header} + 40")
            math(EXPR size_at "${header} + 48")
            execute_process(COMMAND printf "100644  "
                            COMMAND dd "of=${package}" bs=1 seek=${mode_at} conv=notrunc status=none
                            COMMAND_ERROR_IS_FATAL ANY)
            file(READ "${package}" member_size OFFSET ${size_at} LIMIT 10)
            string(STRIP "${member_size}" member_size)
            math(EXPR header "${header} + 60 + ${member_size} + ${member_size} % 2")
        endwhile()
    endforeach()
    return()
endif()

# Before, once the package's files are staged.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git -C "${CPACK_KAZOUMI_SOURCE_DIR}" log -1 --format=%ct
                    OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_status ERROR_QUIET)
    if(git_status EQUAL 0 AND commit_time MATCHES "^[0-9]+$")
        set(ENV{SOURCE_DATE_EPOCH} "${commit_time}")
    else()
        message(WARNING "${CPACK_KAZOUMI_SOURCE_DIR} is not a git checkout: the package is dated "
                        "now; set SOURCE_DATE_EPOCH to date it")
    endif()
endif()

file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(path IN LISTS staged)
    if(IS_SYMLINK "${path}")
        continue()
    endif()
    if(IS_DIRECTORY "${path}")
        file(CHMOD "${path}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
             GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    else()
        execute_process(COMMAND test -x "${path}" RESULT_VARIABLE not_executable)
        set(execute)
        if(not_executable EQUAL 0)
            set(execute OWNER_EXECUTE GROUP_EXECUTE WORLD_EXECUTE)
        endif()
        file(CHMOD "${path}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
             ${execute})
    endif()
endforeach()
