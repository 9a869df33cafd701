# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack once the package's files are staged: strips the game as Debian's dh_strip does and
# keeps its debug information beside the package, in debug/.build-id/XX/REST.debug. Copied to
# /usr/lib/debug/.build-id/, that file is where gdb looks for the symbols of the installed game.
set(game "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_KAZOUMI_GAME}")
execute_process(COMMAND "${CPACK_KAZOUMI_READELF}" -n "${game}"
                OUTPUT_VARIABLE notes COMMAND_ERROR_IS_FATAL ANY)
if(NOT notes MATCHES "Build ID: ([0-9a-f][0-9a-f])([0-9a-f]+)")
    message(FATAL_ERROR "${game} has no build id")
endif()
set(debug_file "${CPACK_PACKAGE_DIRECTORY}/debug/.build-id/${CMAKE_MATCH_1}/${CMAKE_MATCH_2}.debug")
get_filename_component(debug_folder "${debug_file}" DIRECTORY)
file(MAKE_DIRECTORY "${debug_folder}")
execute_process(
    COMMAND "${CPACK_KAZOUMI_OBJCOPY}" --only-keep-debug "${game}" "${debug_file}"
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(
    COMMAND "${CPACK_KAZOUMI_OBJCOPY}" --strip-all --remove-section=.comment
            --remove-section=.note "--add-gnu-debuglink=${debug_file}" "${game}"
    COMMAND_ERROR_IS_FATAL ANY)
file(CHMOD "${debug_file}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
